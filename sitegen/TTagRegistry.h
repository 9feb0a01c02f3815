#pragma once

#include "TTagScanner.h"

#include <QHash>
#include <QString>

#include <vector>

// How a tag's name is matched.
enum class TTagCase { Insensitive, Sensitive };

// The tags a producer answers: one handler per tag name, each with its case
// rule. A name asked for is answered by the first handler registered for it
// whose rule it meets; a tag no handler takes gives nothing.
class TTagRegistry
{
public:
    using Handler = TTagScanner::Answer;

    void Add(const QString& name, TTagCase rule, Handler handler);
    // The handler for a tag name; nullptr when none takes it.
    const Handler* Find(const QString& name) const;
    bool Answers(const QString& name) const { return Find(name) != nullptr; }
    QString Answer(const TTag& tag) const;
    // The template with every tag answered.
    QString Fill(const QString& templateText) const;

private:
    struct Entry {
        QString name;
        TTagCase rule;
        Handler handler;
    };
    // By lower-case name, in the order registered.
    QHash<QString, std::vector<Entry>> m_entries;
};
