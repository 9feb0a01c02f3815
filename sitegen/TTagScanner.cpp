#include "TTagScanner.h"

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Reads the tag that starts at `start` (at "<#"); returns the index just past
// its ">", or -1 when it never closes.
qsizetype ReadTag(const QString& text, qsizetype start, TTag& tag)
{
    qsizetype i = start + 2;
    const qsizetype n = text.size();
    const qsizetype nameStart = i;
    while (i < n && !IsBlank(text[i]) && text[i] != u'>')
        ++i;
    tag.name = text.mid(nameStart, i - nameStart);
    tag.parameters.clear();
    while (i < n) {
        while (i < n && IsBlank(text[i]))
            ++i;
        if (i >= n)
            return -1;
        if (text[i] == u'>')
            return i + 1;
        const qsizetype keyStart = i;
        while (i < n && !IsBlank(text[i]) && text[i] != u'=' && text[i] != u'>')
            ++i;
        const QString key = text.mid(keyStart, i - keyStart);
        QString value;
        if (i < n && text[i] == u'=') {
            ++i;
            if (i < n && text[i] == u'"') {
                const qsizetype close = text.indexOf(u'"', i + 1);
                if (close < 0)
                    return -1;
                value = text.mid(i + 1, close - i - 1);
                i = close + 1;
            } else {
                const qsizetype valueStart = i;
                while (i < n && !IsBlank(text[i]) && text[i] != u'>')
                    ++i;
                value = text.mid(valueStart, i - valueStart);
            }
        }
        tag.parameters.append({key, value});
    }
    return -1;
}

template <class OnText, class OnTag>
void Scan(const QString& text, OnText onText, OnTag onTag)
{
    qsizetype from = 0;
    TTag tag;
    while (from < text.size()) {
        const qsizetype start = text.indexOf(QStringLiteral("<#"), from);
        if (start < 0)
            break;
        const qsizetype end = ReadTag(text, start, tag);
        if (end < 0)
            break; // never closes: the rest is text
        if (tag.name.isEmpty()) {
            // "<#" followed by a blank or ">" names no tag: it is text.
            onText(QStringView(text).mid(from, start + 2 - from));
            from = start + 2;
            continue;
        }
        onText(QStringView(text).mid(from, start - from));
        onTag(tag);
        from = end;
    }
    onText(QStringView(text).mid(from));
}

} // namespace

QString TTag::Parameter(const QString& wanted) const
{
    for (const auto& [key, value] : parameters)
        if (key.compare(wanted, Qt::CaseInsensitive) == 0)
            return value;
    return QString();
}

QString TTagScanner::Fill(const QString& templateText, const Answer& answer)
{
    QString out;
    out.reserve(templateText.size());
    Scan(templateText, [&out](QStringView text) { out.append(text); },
         [&out, &answer](const TTag& tag) { out.append(answer(tag)); });
    return out;
}

QList<TTag> TTagScanner::Tags(const QString& templateText)
{
    QList<TTag> tags;
    Scan(templateText, [](QStringView) {}, [&tags](const TTag& tag) { tags.append(tag); });
    return tags;
}
