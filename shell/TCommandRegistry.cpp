#include "TCommandRegistry.h"

namespace {
int g_busy = 0;
}

TCommandRegistry& TCommandRegistry::Instance()
{
    static TCommandRegistry registry;
    return registry;
}

void TCommandRegistry::Register(const QString& window, Opener opener)
{
    m_openers.insert(window, std::move(opener));
}

void TCommandRegistry::Unregister(const QString& window)
{
    m_openers.remove(window);
}

bool TCommandRegistry::IsRegistered(const QString& window) const
{
    return m_openers.contains(window);
}

bool TCommandRegistry::Open(const QString& window, QWidget* owner, int page) const
{
    if (TBusyGuard::Busy())
        return false;
    const auto it = m_openers.constFind(window);
    if (it == m_openers.constEnd() || !*it)
        return false;
    // A copy: the opener may register or unregister windows while it runs.
    const Opener opener = *it;
    opener(owner, page);
    return true;
}

void TCommandRegistry::Clear()
{
    m_openers.clear();
}

TBusyGuard::TBusyGuard()
{
    ++g_busy;
}

TBusyGuard::~TBusyGuard()
{
    --g_busy;
}

bool TBusyGuard::Busy()
{
    return g_busy > 0;
}
