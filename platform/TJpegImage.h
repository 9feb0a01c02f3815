#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG reading and writing through libjpeg, with a quality setting (1..100).
class TJpegImage
{
public:
    // Empty on failure. A quality outside 1..100 is taken as the nearer end of
    // that range. JPEG has no transparency: a picture with an alpha channel is
    // laid onto white first, as a page would show it. Grey-scale pictures are
    // written with one channel.
    static QByteArray Encode(const QImage& image, int quality);
    // Writes through a temporary file and a rename; false on failure.
    static bool Write(const QImage& image, const QString& fileName, int quality);
    // A null image when the bytes are not a JPEG picture. Colour, grey-scale and
    // CMYK pictures all come back as Format_RGB32.
    static QImage Decode(const QByteArray& bytes);
    // A null image when the file cannot be read or is not a JPEG picture.
    static QImage Read(const QString& fileName);
};
