#pragma once

#include "EQuorvisError.h"
#include "TMessenger.h"

// A freight range that may not be added: reversed bounds and percentages above
// 100 are information for the merchant, an overlap is a warning.
class EFreightRangeRefused : public EQuorvisError
{
public:
    EFreightRangeRefused(int languageString, const QString& message, TMessenger::Kind kind)
        : EQuorvisError(message), m_languageString(languageString), m_kind(kind) {}

    int LanguageString() const { return m_languageString; }
    TMessenger::Kind Kind() const { return m_kind; }

private:
    int m_languageString;
    TMessenger::Kind m_kind;
};
