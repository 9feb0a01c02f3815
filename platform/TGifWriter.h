#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes GIF pictures (Qt reads GIF but cannot write it). Colours are reduced to
// a 256-colour palette deterministically, so the same picture always gives the
// same bytes and an unchanged picture is never uploaded again.
class TGifWriter
{
public:
    // Empty on failure.
    static QByteArray Encode(const QImage& image);
    // Writes through a temporary file and a rename; false on failure.
    static bool Write(const QImage& image, const QString& fileName);
};
