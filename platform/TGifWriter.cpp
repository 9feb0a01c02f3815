#include "TGifWriter.h"

QByteArray TGifWriter::Encode(const QImage&)
{
    return QByteArray();
}

bool TGifWriter::Write(const QImage&, const QString&)
{
    return false;
}
