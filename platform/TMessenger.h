#pragma once

#include <QString>

#include <functional>

// How code without windows puts a message in front of the merchant. The
// program installs one that shows message boxes; tests install a recorder; the
// default writes to standard error and answers "no".
class TMessenger
{
public:
    enum class Kind { Information, Warning, Error };

    virtual ~TMessenger() = default;
    virtual void Show(Kind kind, const QString& text) = 0;
    virtual bool Confirm(const QString& text) = 0;

    static TMessenger& Current();
    // Runs a command of a window and shows the error it raises, if any, as the
    // error message; false when it raised. The one catch at the window boundary.
    static bool Run(const std::function<void()>& command);
    // The messenger is not owned; pass nullptr to go back to the default.
    static void Install(TMessenger* messenger);
};
