#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG reading and writing through libjpeg, with a quality setting (1..100).
class TJpegImage
{
public:
    // Empty on failure.
    static QByteArray Encode(const QImage& image, int quality);
    // Writes through a temporary file and a rename; false on failure.
    static bool Write(const QImage& image, const QString& fileName, int quality);
    // A null image when the bytes are not a JPEG picture.
    static QImage Decode(const QByteArray& bytes);
    static QImage Read(const QString& fileName);
};
