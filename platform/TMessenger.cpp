#include "TMessenger.h"

#include "EQuorvisError.h"

#include <cstdio>

namespace {

class TConsoleMessenger : public TMessenger
{
public:
    void Show(Kind kind, const QString& text) override
    {
        const char* label = kind == Kind::Error ? "error" : kind == Kind::Warning ? "warning" : "note";
        std::fprintf(stderr, "%s: %s\n", label, text.toLocal8Bit().constData());
    }
    bool Confirm(const QString& text) override
    {
        Show(Kind::Information, text);
        return false;
    }
};

TMessenger* g_installed = nullptr;

} // namespace

TMessenger& TMessenger::Current()
{
    static TConsoleMessenger console;
    return g_installed ? *g_installed : console;
}

void TMessenger::Install(TMessenger* messenger)
{
    g_installed = messenger;
}

bool TMessenger::Run(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const EQuorvisError& e) {
        Current().Show(Kind::Error, e.Message());
    } catch (const std::exception& e) {
        Current().Show(Kind::Error, QString::fromLocal8Bit(e.what()));
    }
    return false;
}
