#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

// One tag of a template: "<#" name, then blanks and name=value parameters
// (a value may be in double quotes), then ">".
struct TTag
{
    QString name;
    QList<QPair<QString, QString>> parameters;

    QString Parameter(const QString& name) const; // letter case ignored; empty when absent
};

// Fills a template: every tag is replaced by what the answer gives for it
// (nothing for a tag nobody answers), and the answer is not scanned again.
// Text outside tags is copied as it stands, and so is a "<#" that never
// closes, so an unfinished template loses nothing. One pass, no backtracking.
class TTagScanner
{
public:
    using Answer = std::function<QString(const TTag&)>;

    static QString Fill(const QString& templateText, const Answer& answer);
    // The tags of a template in order (for checks that no tag is left unanswered).
    static QList<TTag> Tags(const QString& templateText);
};
