#pragma once

#include "TProgress.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// Zip archives: the new-website template, database backups. Extraction never
// writes outside the target folder, whatever names the archive holds.
class TZipArchive
{
public:
    // Extracts every entry into the folder (created when missing). Progress:
    // the maximum is the archive's total size, each file steps by its size.
    // Raises EQuorvisError on a damaged archive, an unsafe entry name or a
    // write failure; what was written before the failure stays (the caller
    // decides whether to remove the folder).
    static void Extract(const QString& archive, const QString& folder, TProgress& progress = TProgress::None());

    // Writes an archive of the files under the folder (all of them when
    // `files` is empty; names relative to the folder, "/" separated), in
    // sorted order. With a valid `fixedTime` every entry carries that time, so
    // the same files always give the same bytes. Written through a temporary
    // file and a rename.
    static void Create(const QString& archive, const QString& folder, const QStringList& files = {},
                       const QDateTime& fixedTime = QDateTime());

    // The entry names, in archive order; raises EQuorvisError when unreadable.
    static QStringList Entries(const QString& archive);
};
