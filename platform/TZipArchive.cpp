#include "TZipArchive.h"

#include "EQuorvisError.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <zip.h>

#include <memory>

namespace {

struct ArchiveCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
using ArchivePtr = std::unique_ptr<zip_t, ArchiveCloser>;

ArchivePtr OpenForReading(const QString& archive)
{
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, &error);
    if (!z) {
        zip_error_t ze;
        zip_error_init_with_code(&ze, error);
        const QString text = QString::fromUtf8(zip_error_strerror(&ze));
        zip_error_fini(&ze);
        throw EQuorvisError(QStringLiteral("Cannot read the archive %1: %2").arg(archive, text));
    }
    return ArchivePtr(z);
}

// An entry name is safe when it stays below the folder it is extracted into.
bool IsSafeEntryName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(u'/') || name.startsWith(u'\\') || (name.size() > 1 && name[1] == u':'))
        return false;
    for (const QString& part : QString(name).replace(u'\\', u'/').split(u'/'))
        if (part == u"..")
            return false;
    return true;
}

} // namespace

QStringList TZipArchive::Entries(const QString& archive)
{
    ArchivePtr z = OpenForReading(archive);
    QStringList names;
    const zip_int64_t count = zip_get_num_entries(z.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i)
        names.append(QString::fromUtf8(zip_get_name(z.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS)));
    return names;
}

void TZipArchive::Extract(const QString& archive, const QString& folder, TProgress& progress)
{
    ArchivePtr z = OpenForReading(archive);
    const zip_int64_t count = zip_get_num_entries(z.get(), 0);
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (zip_stat_index(z.get(), zip_uint64_t(i), 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE))
            total += qint64(st.size);
    }
    progress.SetMaximum(int(std::min<qint64>(total, INT_MAX)));
    progress.SetPosition(1);

    QDir().mkpath(folder);
    const QString root = QDir(folder).absolutePath();
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (zip_stat_index(z.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS, &st) != 0)
            throw EQuorvisError(QStringLiteral("The archive %1 is damaged").arg(archive));
        const QString name = QString::fromUtf8(st.name).replace(u'\\', u'/');
        if (!IsSafeEntryName(name))
            throw EQuorvisError(QStringLiteral("The archive %1 holds an entry outside its folder: %2").arg(archive, name));
        const QString target = root + u'/' + name;
        if (name.endsWith(u'/')) {
            QDir().mkpath(target);
            continue;
        }
        QDir().mkpath(QFileInfo(target).absolutePath());
        zip_file_t* entry = zip_fopen_index(z.get(), zip_uint64_t(i), 0);
        if (!entry)
            throw EQuorvisError(QStringLiteral("The archive %1 is damaged: %2").arg(archive, name));
        QSaveFile out(target);
        bool ok = out.open(QIODevice::WriteOnly);
        if (ok)
            out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        char buffer[65536];
        zip_int64_t read = 0;
        while (ok && (read = zip_fread(entry, buffer, sizeof buffer)) > 0)
            ok = out.write(buffer, read) == read;
        zip_fclose(entry);
        if (!ok || read < 0 || !out.commit())
            throw EQuorvisError(QStringLiteral("Cannot extract %1 from %2").arg(name, archive));
        if (st.valid & ZIP_STAT_MTIME) {
            QFile written(target);
            if (written.open(QIODevice::ReadWrite))
                written.setFileTime(QDateTime::fromSecsSinceEpoch(st.mtime), QFileDevice::FileModificationTime);
        }
        progress.Step(int(std::min<zip_uint64_t>(st.size, INT_MAX)));
    }
}

void TZipArchive::Create(const QString& archive, const QString& folder, const QStringList& files, const QDateTime& fixedTime)
{
    const QDir root(folder);
    QStringList names = files;
    if (names.isEmpty()) {
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            names.append(root.relativeFilePath(it.next()));
    }
    names.sort();

    // libzip writes next to the target and renames on close; a temporary name
    // of our own keeps a failed run from leaving a half archive under the real one.
    const QString temporary = archive + QStringLiteral(".partial");
    QFile::remove(temporary);
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(temporary).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!z)
        throw EQuorvisError(QStringLiteral("Cannot create the archive %1").arg(archive));
    ArchivePtr guard(z);
    for (const QString& name : std::as_const(names)) {
        zip_source_t* source = zip_source_file(z, QFile::encodeName(root.filePath(name)).constData(), 0, -1);
        if (!source)
            throw EQuorvisError(QStringLiteral("Cannot add %1 to the archive %2").arg(name, archive));
        const zip_int64_t index = zip_file_add(z, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(source);
            throw EQuorvisError(QStringLiteral("Cannot add %1 to the archive %2").arg(name, archive));
        }
        const time_t when = fixedTime.isValid() ? time_t(fixedTime.toSecsSinceEpoch())
                                                : time_t(QFileInfo(root.filePath(name)).lastModified().toSecsSinceEpoch());
        zip_file_set_mtime(z, zip_uint64_t(index), when, 0);
        // Stores hold passwords: entries are the owner's alone, whatever the
        // files on disk allowed, which also keeps the bytes independent of them.
        zip_file_set_external_attributes(z, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, zip_uint32_t(0100600) << 16);
    }
    if (zip_close(z) != 0)
        throw EQuorvisError(QStringLiteral("Cannot write the archive %1: %2").arg(archive, QString::fromUtf8(zip_strerror(z))));
    guard.release();
    QFile::remove(archive);
    if (!QFile::rename(temporary, archive)) {
        QFile::remove(temporary);
        throw EQuorvisError(QStringLiteral("Cannot write the archive %1").arg(archive));
    }
}
