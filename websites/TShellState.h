#pragma once

#include <QString>

// Program-wide values of the shell and the rules that read them.
class TShellState
{
public:
    // True while the sample store is the open website (set by the website selection).
    static bool SampleStore();
    static void SetSampleStore(bool sample);

    // Settings may be sent to the secure server from the merchant's own
    // website, and from the sample store only when "Settings" "debug" is "on".
    static bool UploadAllowed(bool sampleStore, const QString& debugSetting);
    // On closing, the upload is offered when the merchant wants the warning and
    // the settings changed since they were last sent.
    static bool OfferUploadOnClose(bool warnOnClose, bool serverUpdated);
};
