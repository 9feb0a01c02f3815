#pragma once

#include <QList>
#include <QString>

class TDatabase;

// The merchant's own programs and documents listed under the Utilities menu,
// kept in the common database's table "InstalledTools".
struct TInstalledTool
{
    qint64 id = 0;
    QString name;
    QString fileName;
};

class TInstalledTools
{
public:
    // The tools whose files exist, in table order (by ToolID). A missing table lists nothing.
    static QList<TInstalledTool> Existing(TDatabase& common);
    // The file as a path of this system (stored names may use backslashes).
    static QString LocalFile(const QString& stored);
    // Opens the tool: a program is started, any other file goes to its
    // default application. Nothing happens when the name is empty.
    static void Open(const QString& stored);
};
