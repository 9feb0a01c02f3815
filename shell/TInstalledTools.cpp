#include "TInstalledTools.h"

#include "TDatabase.h"
#include "TPaths.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

QList<TInstalledTool> TInstalledTools::Existing(TDatabase& common)
{
    QList<TInstalledTool> tools;
    if (!common.TableExists(QStringLiteral("InstalledTools")))
        return tools;
    TStatement read(common, QStringLiteral("SELECT ToolID, ToolName, ToolFilename FROM InstalledTools ORDER BY ToolID, rowid"));
    while (read.Step()) {
        TInstalledTool tool;
        tool.id = read.Int64(0);
        tool.name = read.Value(1).toString();
        tool.fileName = read.Value(2).toString();
        const QFileInfo file(LocalFile(tool.fileName));
        if (!tool.fileName.isEmpty() && file.exists())
            tools.append(tool);
    }
    return tools;
}

QString TInstalledTools::LocalFile(const QString& stored)
{
    return TPaths::FromWindows(stored);
}

void TInstalledTools::Open(const QString& stored)
{
    const QString file = LocalFile(stored);
    if (file.isEmpty())
        return;
    const QFileInfo info(file);
    if (info.isFile() && info.isExecutable())
        QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}
