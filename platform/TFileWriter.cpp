#include "TFileWriter.h"

#include "EQuorvisError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool TFileWriter::WriteAtomically(const QString& fileName, const QByteArray& bytes, QString* error)
{
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

bool TFileWriter::WriteIfChanged(const QString& fileName, const QByteArray& bytes)
{
    {
        QFile existing(fileName);
        if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() && existing.readAll() == bytes)
            return false;
    }
    QString error;
    if (!QDir().mkpath(QFileInfo(fileName).path()))
        error = QStringLiteral("cannot create its folder");
    else if (WriteAtomically(fileName, bytes, &error))
        return true;
    throw EQuorvisError(QStringLiteral("Cannot write %1: %2").arg(fileName, error));
}

bool TFileWriter::CopyKeepingDate(const QString& source, const QString& target, QString* error)
{
    const QFileInfo from(source);
    const QFileInfo to(target);
    if (!from.isFile()) {
        if (error)
            *error = QStringLiteral("%1 is not there").arg(source);
        return false;
    }
    if (to.isFile() && to.size() == from.size() && to.lastModified() == from.lastModified())
        return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = in.errorString();
        return false;
    }
    if (!QDir().mkpath(to.path())) {
        if (error)
            *error = QStringLiteral("cannot create the folder of %1").arg(target);
        return false;
    }
    if (!WriteAtomically(target, in.readAll(), error))
        return false;
    QFile out(target);
    if (out.open(QIODevice::ReadWrite))
        out.setFileTime(from.lastModified(), QFileDevice::FileModificationTime);
    return true;
}
