#pragma once

// Small websites and template archives made by the tests themselves.

#include "TDatabase.h"
#include "TStoreSchema.h"
#include "TZipArchive.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <zip.h>

#include <utility>
#include <vector>

namespace WebsiteFixtures {

// A folder holding a store whose merchant has the name and brief description.
inline void MakeStore(const QString& folder, const QString& name, const QString& description = QString())
{
    QDir().mkpath(folder);
    TStoreSchema::CreateNewStore(folder + QStringLiteral("/store.db"));
    auto db = TDatabase::Open(folder + QStringLiteral("/store.db"), TDatabase::OpenMode::OpenExisting);
    db->Exec(QStringLiteral("UPDATE MerchantSettings SET MerchantName = ?1, BriefMerchantDesc = ?2"), {name, description});
}

// A template archive as the build makes it: an empty store and the website's folders.
inline void MakeTemplate(const QString& archive)
{
    QTemporaryDir work;
    TStoreSchema::CreateNewStore(work.filePath(QStringLiteral("store.db")));
    for (const char* folder : {"HTML/images", "Images"}) {
        QDir().mkpath(work.filePath(QLatin1StringView(folder)));
        QFile keep(work.filePath(QLatin1StringView(folder) + QStringLiteral("/.keep")));
        keep.open(QIODevice::WriteOnly);
    }
    TZipArchive::Create(archive, work.path());
}

// An archive with exactly these entries (a name ending in "/" is a folder),
// whatever they are: the kinds of archive the program must refuse.
inline void MakeRawArchive(const QString& archive, const std::vector<std::pair<QByteArray, QByteArray>>& entries)
{
    QFile::remove(archive);
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(archive).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    Q_ASSERT(z);
    for (const auto& [name, bytes] : entries) {
        if (name.endsWith('/')) {
            zip_dir_add(z, name.constData(), ZIP_FL_ENC_UTF_8);
            continue;
        }
        // libzip copies the buffer when the archive is closed; the entries live until then.
        zip_source_t* source = zip_source_buffer(z, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        zip_file_add(z, name.constData(), source, ZIP_FL_ENC_UTF_8);
    }
    zip_close(z);
}

inline void WriteFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

inline QByteArray ReadFile(const QString& fileName)
{
    QFile file(fileName);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The names in a folder, nothing hidden left out.
inline QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace WebsiteFixtures
