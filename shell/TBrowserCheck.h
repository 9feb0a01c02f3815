#pragma once

#include <QString>

class QWidget;

// The program shows its home page, previews and printouts in an embedded
// browser engine and will not start on one older than it was made for.
class TBrowserCheck
{
public:
    static constexpr double MinimumVersion = 5.5;

    // A version text as a number: its digits and its first full stop, read as a
    // decimal ("6.0.2800.1106" is 6.028001106). A missing value reads as "0";
    // nothing left counts as 0; text that still cannot be read counts as 1.0.
    static double ReadVersion(const QString& text);
    static bool NeedsWarning(double version) { return version < MinimumVersion; }
    // The engine's own version text.
    static QString EngineVersionText();
    static QString WarningText();
    // Shows the warning when needed; false when the merchant chose to abort.
    static bool Check(QWidget* parent = nullptr);
};
