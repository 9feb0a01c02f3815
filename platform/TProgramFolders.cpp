#include "TProgramFolders.h"

#include "TPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

void CopyMissing(const QString& from, const QString& to)
{
    const QFileInfo source(from);
    if (source.isDir()) {
        QDir().mkpath(to);
        const QStringList entries = QDir(from).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString& e : entries)
            CopyMissing(from + u'/' + e, to + u'/' + e);
    } else if (!QFileInfo::exists(to)) {
        // Copied files keep their dates: publishing compares them.
        if (QFile::copy(from, to)) {
            QFile copy(to);
            copy.setPermissions(copy.permissions() | QFileDevice::WriteOwner);
            if (copy.open(QIODevice::ReadWrite))
                copy.setFileTime(source.lastModified(), QFileDevice::FileModificationTime);
        }
    }
}

} // namespace

QString TProgramFolders::ShippedData()
{
    const QString env = qEnvironmentVariable("QUORVIS_DATA_DIR");
    if (!env.isEmpty())
        return QDir::cleanPath(env);
    if (QCoreApplication::instance()) {
        const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quorvis"));
        if (QFileInfo(installed).isDir())
            return installed;
    }
    return QStringLiteral(QUORVIS_BUILD_DATA_DIR);
}

QString TProgramFolders::ProgramFolder()
{
    QString folder = qEnvironmentVariable("QUORVIS_HOME");
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quorvis");
    folder = TPaths::WithTrailingSlash(QDir::cleanPath(folder));
    QDir().mkpath(folder);
    return folder;
}

QString TProgramFolders::ResourcesFolder()
{
    return ShippedData() + QStringLiteral("/resources");
}

QString TProgramFolders::CommonDatabaseFile()
{
    return ProgramFolder() + QStringLiteral("CommonDB/common.db");
}

void TProgramFolders::Seed()
{
    const QString shipped = ShippedData();
    const QString home = ProgramFolder();
    // Resources, the common database seed and the template archive are read
    // where they ship, so that a newer program always uses its own.
    for (const QString& item : {QStringLiteral("Samples"), QStringLiteral("Themes")}) {
        const QString from = shipped + u'/' + item;
        if (QFileInfo::exists(from))
            CopyMissing(from, home + item);
    }
    QDir().mkpath(home + QStringLiteral("WebSites"));
    QDir().mkpath(home + QStringLiteral("CommonDB"));
    QDir().mkpath(home + QStringLiteral("temp"));
}
