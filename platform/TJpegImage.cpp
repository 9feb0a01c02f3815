#include "TJpegImage.h"

QByteArray TJpegImage::Encode(const QImage&, int)
{
    return QByteArray();
}

bool TJpegImage::Write(const QImage&, const QString&, int)
{
    return false;
}

QImage TJpegImage::Decode(const QByteArray&)
{
    return QImage();
}

QImage TJpegImage::Read(const QString&)
{
    return QImage();
}
