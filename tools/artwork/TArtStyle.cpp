#include "TArtStyle.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>

namespace {

const char* const FontFiles[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
};

QString g_family = QStringLiteral("DejaVu Sans");

} // namespace

bool TArtStyle::LoadFonts(QString* error)
{
    for (const char* path : FontFiles) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
        if (id < 0) {
            *error = QStringLiteral("cannot load the font %1 (package fonts-dejavu-core)").arg(QLatin1String(path));
            return false;
        }
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            g_family = families.first();
    }
    return true;
}

QFont TArtStyle::Font(int pixelSize, bool bold)
{
    QFont font(g_family);
    font.setPixelSize(pixelSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont TArtStyle::FittingFont(const QString& text, int maxPixelSize, bool bold, qreal width)
{
    for (int size = maxPixelSize; size > 6; --size) {
        const QFont font = Font(size, bold);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            return font;
    }
    return Font(6, bold);
}

QImage TArtStyle::Canvas(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QImage TArtStyle::FlattenForGif(const QImage& image, const QColor& page)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            const int a = qAlpha(c);
            if (a < 48) {
                line[x] = 0;
            } else if (a < 255) {
                const int rest = 255 - a;
                line[x] = qRgb(qRed(c) + page.red() * rest / 255, qGreen(c) + page.green() * rest / 255,
                               qBlue(c) + page.blue() * rest / 255);
            }
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32);
}
