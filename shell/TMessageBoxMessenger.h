#pragma once

#include "TMessenger.h"

// Messages of the engine libraries as message boxes in front of whatever
// window is active. main() installs one for the whole run.
class TMessageBoxMessenger : public TMessenger
{
public:
    void Show(Kind kind, const QString& text) override;
    bool Confirm(const QString& text) override;
};
