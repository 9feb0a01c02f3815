#pragma once

#include "EQuorvisError.h"

// A theme or one of its layouts cannot be used (its settings file is missing).
class EThemeError : public EQuorvisError
{
public:
    using EQuorvisError::EQuorvisError;
};
