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
