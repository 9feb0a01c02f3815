#pragma once

#include <QByteArray>
#include <QString>

// Writing whole files. A file is written under a temporary name and renamed
// into place, so a failure never leaves it half-written.
class TFileWriter
{
public:
    // False on failure (the reason in `error` when given); the old file stays.
    static bool WriteAtomically(const QString& fileName, const QByteArray& bytes, QString* error = nullptr);

    // Writes only when the file does not already hold exactly these bytes, so
    // that unchanged files keep their dates (publishing sends only what
    // changed). Creates missing folders. True when written, false when it was
    // already right; raises EQuorvisError when it cannot be written.
    static bool WriteIfChanged(const QString& fileName, const QByteArray& bytes);

    // Copies a file so that the copy keeps the source's modification time; a
    // target of the same size and time is taken as the same file and not read
    // or written again. Creates missing folders. True when copied, false when
    // it was already there or could not be copied (`error` says why).
    static bool CopyKeepingDate(const QString& source, const QString& target, QString* error = nullptr);
};
