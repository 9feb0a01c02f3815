#include "TTagRegistry.h"

void TTagRegistry::Add(const QString& name, TTagCase rule, Handler handler)
{
    m_entries[name.toLower()].push_back({name, rule, std::move(handler)});
}

const TTagRegistry::Handler* TTagRegistry::Find(const QString& name) const
{
    const auto it = m_entries.constFind(name.toLower());
    if (it == m_entries.constEnd())
        return nullptr;
    for (const Entry& e : it.value())
        if (e.rule == TTagCase::Insensitive || e.name == name)
            return &e.handler;
    return nullptr;
}

QString TTagRegistry::Answer(const TTag& tag) const
{
    const Handler* handler = Find(tag.name);
    return handler ? (*handler)(tag) : QString();
}

QString TTagRegistry::Fill(const QString& templateText) const
{
    return TTagScanner::Fill(templateText, [this](const TTag& tag) { return Answer(tag); });
}
