#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

// The one palette and the type of all the program's artwork: flat shapes in a
// deep blue with a warm amber accent, on light or navy grounds.
class TArtStyle
{
public:
    static QColor Navy() { return QColor(0x17324D); }
    static QColor Primary() { return QColor(0x1F6FB2); }
    static QColor PrimaryDark() { return QColor(0x185A92); }
    static QColor PrimaryLight() { return QColor(0xDCEAF7); }
    static QColor Sky() { return QColor(0xA9CBEA); }
    static QColor Amber() { return QColor(0xF5A524); }
    static QColor AmberDark() { return QColor(0xD9861A); }
    static QColor Surface() { return QColor(0xF4F7FA); }
    static QColor Line() { return QColor(0xB9C7D6); }
    static QColor Ink() { return QColor(0x1E2B3A); }
    static QColor Muted() { return QColor(0x5E6E80); }
    static QColor White() { return QColor(0xFFFFFF); }

    // Loads DejaVu Sans from the installed font files; false when they are missing.
    static bool LoadFonts(QString* error);
    static QFont Font(int pixelSize, bool bold);
    // The largest pixel size, not above maxPixelSize, at which text fits width.
    static QFont FittingFont(const QString& text, int maxPixelSize, bool bold, qreal width);

    // A blank picture to draw on.
    static QImage Canvas(int width, int height, const QColor& fill = Qt::transparent);
    // GIF pictures keep only whole transparency: edge pixels are blended onto the
    // light page they are shown on, the faintest ones become transparent.
    static QImage FlattenForGif(const QImage& image, const QColor& page = Qt::white);
};
