#include "TPaths.h"

#include <QDir>
#include <QFileInfo>

QString TPaths::FromWindows(const QString& path)
{
    QString p = path;
    p.replace(u'\\', u'/');
    return p;
}

QString TPaths::WithTrailingSlash(const QString& folder)
{
    QString f = FromWindows(folder);
    while (f.endsWith(u'/') && f.size() > 1)
        f.chop(1);
    return f == u"/" ? f : f + u'/';
}

QString TPaths::Resolve(const QString& base, const QString& relative)
{
    const QString rel = FromWindows(relative);
    if (rel.startsWith(u'/') || (rel.size() > 1 && rel[1] == u':'))
        return QString();
    QString current = QDir::cleanPath(FromWindows(base));
    bool onDisk = QFileInfo(current).isDir();
    for (const QString& part : rel.split(u'/', Qt::SkipEmptyParts)) {
        if (part == u".")
            continue;
        if (part == u"..")
            return QString();
        QString match;
        if (onDisk) {
            QDir dir(current);
            if (QFileInfo::exists(current + u'/' + part)) {
                match = part;
            } else {
                const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
                for (const QString& e : entries) {
                    if (e.compare(part, Qt::CaseInsensitive) == 0) {
                        match = e;
                        break;
                    }
                }
            }
        }
        if (match.isEmpty()) {
            onDisk = false;
            match = part;
        }
        current += u'/' + match;
        if (onDisk)
            onDisk = QFileInfo(current).isDir();
    }
    return current;
}

bool TPaths::IsStrictlyInside(const QString& folder, const QString& path)
{
    const QString f = QFileInfo(FromWindows(folder)).canonicalFilePath();
    const QString p = QFileInfo(FromWindows(path)).canonicalFilePath();
    if (f.isEmpty() || p.isEmpty())
        return false;
    return p.startsWith(f + u'/') && p.size() > f.size() + 1;
}
