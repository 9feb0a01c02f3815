#include "TShellState.h"

namespace {
bool g_sampleStore = false;
}

bool TShellState::SampleStore()
{
    return g_sampleStore;
}

void TShellState::SetSampleStore(bool sample)
{
    g_sampleStore = sample;
}

bool TShellState::UploadAllowed(bool sampleStore, const QString& debugSetting)
{
    return !sampleStore || debugSetting == QLatin1StringView("on");
}

bool TShellState::OfferUploadOnClose(bool warnOnClose, bool serverUpdated)
{
    return warnOnClose && !serverUpdated;
}
