// quorvis-newsite ARCHIVE
//
// Writes the new-website template archive: an empty store file of the current
// layout ("store.db") and the folders a website keeps its pages and pictures in.
// Every entry carries the same fixed date and permissions, so the archive's
// bytes depend on the store layout alone; an archive that is already right is
// left untouched, keeping its date.

#include "EQuorvisError.h"
#include "TApp.h"
#include "TStoreSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <zip.h>

#include <cstdio>
#include <memory>

namespace {

// The folders of a website: "HTML" holds the extra pages, "HTML/images" the
// pictures placed in pages and descriptions (copied into every built site),
// "Images" the product pictures.
const char* const WebsiteFolders[] = {"HTML/", "HTML/images/", "Images/"};

// 1 January 2026, 00:00, in the archive's own (zone-less) date form.
constexpr zip_uint16_t EntryDate = ((2026 - 1980) << 9) | (1 << 5) | 1;
constexpr zip_uint16_t EntryTime = 0;

struct ArchiveDiscarder {
    void operator()(zip_t* z) const { zip_discard(z); }
};

void Fail(const QString& message)
{
    std::fprintf(stderr, "quorvis-newsite: %s\n", qPrintable(message));
}

QByteArray ReadFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EQuorvisError(QStringLiteral("cannot read %1").arg(fileName));
    return file.readAll();
}

void SetEntryDetails(zip_t* z, zip_int64_t index, zip_uint32_t mode)
{
    if (zip_file_set_dostime(z, zip_uint64_t(index), EntryTime, EntryDate, 0) != 0
        || zip_file_set_external_attributes(z, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, mode << 16) != 0)
        throw EQuorvisError(QStringLiteral("cannot set the entry details: %1").arg(QString::fromUtf8(zip_strerror(z))));
}

// The archive is written whole under a temporary name; the caller compares it
// with the archive already there.
void WriteArchive(const QString& fileName, const QByteArray& store)
{
    int error = 0;
    zip_t* raw = zip_open(QFile::encodeName(fileName).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!raw)
        throw EQuorvisError(QStringLiteral("cannot create %1").arg(fileName));
    std::unique_ptr<zip_t, ArchiveDiscarder> z(raw);

    for (const char* folder : WebsiteFolders) {
        const zip_int64_t index = zip_dir_add(raw, folder, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            throw EQuorvisError(QStringLiteral("cannot add the folder %1").arg(QLatin1String(folder)));
        SetEntryDetails(raw, index, 040700);
    }

    // The buffer must outlive the archive until it is closed: `store` does.
    zip_source_t* source = zip_source_buffer(raw, store.constData(), zip_uint64_t(store.size()), 0);
    if (!source)
        throw EQuorvisError(QStringLiteral("cannot add the store file"));
    const zip_int64_t index = zip_file_add(raw, StoreFileName, source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        throw EQuorvisError(QStringLiteral("cannot add the store file"));
    }
    zip_set_file_compression(raw, zip_uint64_t(index), ZIP_CM_DEFLATE, 9);
    // A store holds the merchant's passwords: owner only.
    SetEntryDetails(raw, index, 0100600);

    if (zip_close(raw) != 0)
        throw EQuorvisError(QStringLiteral("cannot write %1: %2").arg(fileName, QString::fromUtf8(zip_strerror(raw))));
    z.release();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        Fail(QStringLiteral("usage: quorvis-newsite ARCHIVE"));
        return 2;
    }
    const QString archive = QFileInfo(args.at(1)).absoluteFilePath();
    try {
        if (!QDir().mkpath(QFileInfo(archive).path()))
            throw EQuorvisError(QStringLiteral("cannot create the folder of %1").arg(archive));
        QTemporaryDir work(QFileInfo(archive).path() + QStringLiteral("/newsite-XXXXXX"));
        if (!work.isValid())
            throw EQuorvisError(QStringLiteral("cannot make a working folder beside %1").arg(archive));

        const QString storeFile = work.filePath(QLatin1String(StoreFileName));
        TStoreSchema::CreateNewStore(storeFile);
        const QByteArray store = ReadFile(storeFile);

        const QString partial = work.filePath(QStringLiteral("newsite.partial"));
        WriteArchive(partial, store);
        const QByteArray bytes = ReadFile(partial);
        QFile existing(archive);
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) {
            std::printf("quorvis-newsite: %s unchanged\n", qPrintable(archive));
            return 0;
        }
        existing.close();
        QFile::remove(archive);
        if (!QFile::rename(partial, archive))
            throw EQuorvisError(QStringLiteral("cannot write %1").arg(archive));
        std::printf("quorvis-newsite: %s written\n", qPrintable(archive));
        return 0;
    } catch (const std::exception& e) {
        Fail(QString::fromUtf8(e.what()));
        return 1;
    }
}
