#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes GIF pictures (Qt reads GIF but cannot write it). Colours are reduced to
// a 256-colour palette deterministically, so the same picture always gives the
// same bytes and an unchanged picture is never uploaded again.
//
// GIF knows only opaque and transparent pixels: a pixel less than half opaque
// becomes the transparent index, any other pixel is written opaque in its own
// colour. Pictures that must look smooth on a known background should be
// blended onto it before they are encoded.
class TGifWriter
{
public:
    // Empty on failure (a null picture, or one larger than GIF's 65535 x 65535).
    static QByteArray Encode(const QImage& image);
    // Writes through a temporary file and a rename; false on failure.
    static bool Write(const QImage& image, const QString& fileName);
};
