#include "TArtwork.h"

#include "TArtStyle.h"
#include "TGlyphs.h"
#include "TGifWriter.h"
#include "TJpegImage.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

using TGlyph = TGlyphs::TGlyph;
using S = TArtStyle;

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return QByteArray();
    return bytes;
}

QByteArray OpaquePng(const QImage& image)
{
    return Png(image.convertToFormat(QImage::Format_RGB32));
}

QByteArray AlphaPng(const QImage& image)
{
    return Png(image.convertToFormat(QImage::Format_ARGB32));
}

QByteArray Gif(const QImage& image)
{
    return TGifWriter::Encode(S::FlattenForGif(image));
}

// Text drawn with its baseline at y, starting at x; returns the advance.
qreal Text(QPainter& p, qreal x, qreal y, const QString& text, const QFont& font, const QColor& colour)
{
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(x, y), text);
    return QFontMetricsF(font).horizontalAdvance(text);
}

void CentredText(QPainter& p, qreal centreX, qreal y, const QString& text, const QFont& font, const QColor& colour)
{
    Text(p, centreX - QFontMetricsF(font).horizontalAdvance(text) / 2.0, y, text, font, colour);
}

// Baseline that centres the font's capital height on centreY.
qreal BaselineFor(const QFont& font, qreal centreY)
{
    return std::round(centreY + QFontMetricsF(font).capHeight() / 2.0);
}

// Alternating stripes with a scalloped lower edge: the shop-front awning.
void Awning(QPainter& p, const QRectF& area, int stripes, const QColor& a, const QColor& b)
{
    const qreal w = area.width() / stripes;
    const qreal depth = std::round(w * 0.3);
    for (int i = 0; i < stripes; ++i) {
        QPainterPath stripe;
        const qreal x = area.left() + i * w;
        stripe.addRect(QRectF(x, area.top(), w, area.height() - depth));
        stripe.addEllipse(QRectF(x, area.bottom() - 2 * depth, w, 2 * depth));
        p.fillPath(stripe.simplified(), i % 2 == 0 ? a : b);
    }
    p.fillRect(QRectF(area.left(), area.top(), area.width(), 4), S::AmberDark());
}

QPainterPath TopRounded(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.arcTo(QRectF(r.left(), r.top(), 2 * radius, 2 * radius), 180, -90);
    path.lineTo(r.right() - radius, r.top());
    path.arcTo(QRectF(r.right() - 2 * radius, r.top(), 2 * radius, 2 * radius), 90, -90);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}

TGlyph SectionGlyph(const QString& name)
{
    if (name == QLatin1String("Settings")) return TGlyph::Settings;
    if (name == QLatin1String("Order")) return TGlyph::Orders;
    if (name == QLatin1String("Customer")) return TGlyph::Customers;
    if (name == QLatin1String("Generate")) return TGlyph::Generate;
    if (name == QLatin1String("Marketing")) return TGlyph::Marketing;
    if (name == QLatin1String("Product")) return TGlyph::Catalogue;
    if (name == QLatin1String("Publish")) return TGlyph::Publish;
    if (name == QLatin1String("ImportExport")) return TGlyph::ImportExport;
    if (name == QLatin1String("Utilities")) return TGlyph::Utilities;
    if (name == QLatin1String("Checkout")) return TGlyph::Checkout;
    return TGlyph::Email;
}

const char* const SectionNames[] = {"Settings", "Order", "Customer", "Generate", "Marketing",
                                    "Product", "Publish", "ImportExport", "Utilities", "Email",
                                    "Checkout"};
const char* const CartNames[] = {"Back", "Checkout", "Home", "Recalculate"};
const char* const CustNavNames[] = {"Order", "Cust", "Email", "EmailLog"};
const int IconSizes[] = {16, 32, 48, 256};

} // namespace

QImage TArtwork::StatusBackground()
{
    QImage image = S::Canvas(305, 123, S::White());
    QPainter p(&image);
    QLinearGradient ground(0, 0, 0, 123);
    ground.setColorAt(0.0, S::White());
    ground.setColorAt(1.0, QColor(0xE8EFF6));
    p.fillRect(image.rect(), ground);
    p.setOpacity(0.07);
    TGlyphs::DrawMark(p, QRectF(251, 67, 48, 48), TGlyphs::MarkOnLight());
    p.setOpacity(1.0);
    p.fillRect(QRectF(0, 0, 305, 4), S::Primary());
    p.fillRect(QRectF(0, 0, 56, 4), S::Amber());
    p.setPen(S::Line());
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 304, 122));
    return image;
}

QImage TArtwork::Splash()
{
    QImage image = S::Canvas(480, 300, S::Navy());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Soft geometry in the ground.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1C3D5E));
    p.drawEllipse(QPointF(380, 120), 170, 170);
    p.setBrush(QColor(0x1A3856));
    p.drawEllipse(QPointF(40, 300), 120, 120);

    // The shop.
    p.fillRect(QRectF(274, 112, 164, 146), QColor(0xE9F0F7));
    p.fillRect(QRectF(274, 128, 164, 5), QColor(0xC9D8E8));
    p.setBrush(S::Primary());
    p.drawRoundedRect(QRectF(266, 78, 180, 26), 5, 5);
    TGlyphs::DrawMark(p, QRectF(343, 80, 22, 22), TGlyphs::MarkOnDark());
    Awning(p, QRectF(266, 102, 180, 30), 9, S::Amber(), S::White());
    // Window with shelves of goods.
    p.fillRect(QRectF(286, 146, 88, 84), S::Primary());
    p.fillRect(QRectF(290, 150, 80, 76), S::PrimaryLight());
    p.fillRect(QRectF(290, 176, 80, 3), S::Line());
    p.fillRect(QRectF(290, 202, 80, 3), S::Line());
    const QColor goods[] = {S::Amber(), S::Primary(), S::Sky(), S::Navy(), S::AmberDark(), S::Primary()};
    for (int i = 0; i < 5; ++i) {
        const qreal h = 12 + (i * 5) % 9;
        p.setBrush(goods[i]);
        p.drawRoundedRect(QRectF(295 + i * 15, 176 - h, 11, h), 1.5, 1.5);
        const qreal h2 = 10 + (i * 7) % 11;
        p.setBrush(goods[(i + 2) % 6]);
        p.drawRoundedRect(QRectF(296 + i * 15, 202 - h2, 10, h2), 1.5, 1.5);
    }
    // Door.
    p.fillRect(QRectF(390, 146, 36, 112), S::Primary());
    p.fillRect(QRectF(396, 154, 24, 42), S::Sky());
    p.setBrush(S::Amber());
    p.drawEllipse(QPointF(419, 210), 2.6, 2.6);
    // Pavement.
    p.setBrush(S::PrimaryDark());
    p.drawRoundedRect(QRectF(252, 256, 208, 7), 3.5, 3.5);
    // Shopping bags in front of the window.
    QPainterPath amberBag;
    amberBag.moveTo(294, 228);
    amberBag.lineTo(322, 228);
    amberBag.lineTo(325, 257);
    amberBag.lineTo(291, 257);
    amberBag.closeSubpath();
    p.setPen(QPen(S::AmberDark(), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(300, 218, 16, 20), 0, 180 * 16);
    p.setPen(QPen(S::Amber(), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(S::Amber());
    p.drawPath(amberBag);
    p.setPen(Qt::NoPen);
    TGlyphs::DrawMark(p, QRectF(322, 214, 46, 46), TGlyphs::MarkOnLight());

    // The name.
    TGlyphs::DrawMark(p, QRectF(34, 58, 54, 54), TGlyphs::MarkOnDark());
    const QFont big = S::FittingFont("Quorvis", 48, true, 206);
    Text(p, 34, 168, "Quorvis", big, S::White());
    const QFont line = S::FittingFont("Professional 3.00", 22, false, 206);
    const qreal advance = Text(p, 36, 198, "Professional ", line, S::Sky());
    QFont version = line;
    version.setWeight(QFont::Bold);
    Text(p, 36 + advance, 198, "3.00", version, S::Amber());
    const QFont small = S::Font(12, false);
    Text(p, 36, 236, "Build, publish and run", small, S::PrimaryLight());
    Text(p, 36, 253, "your online shop.", small, S::PrimaryLight());

    p.fillRect(QRectF(0, 294, 480, 6), S::Amber());
    return image;
}

QImage TArtwork::AboutPicture()
{
    QImage image = S::Canvas(160, 240, S::Navy());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1C3D5E));
    p.drawEllipse(QPointF(80, 70), 60, 60);
    TGlyphs::DrawMark(p, QRectF(39, 28, 82, 82), TGlyphs::MarkOnDark());
    CentredText(p, 80, 158, "Quorvis", S::FittingFont("Quorvis", 28, true, 140), S::White());
    CentredText(p, 80, 178, "Professional 3.00", S::FittingFont("Professional 3.00", 13, false, 140), S::Sky());
    p.fillRect(QRectF(0, 214, 160, 26), S::Primary());
    Awning(p, QRectF(0, 198, 160, 30), 8, S::Amber(), S::White());
    return image;
}

QImage TArtwork::Icon(int size)
{
    QImage image = S::Canvas(size, size);
    QPainter p(&image);
    TGlyphs::DrawMark(p, QRectF(0, 0, size, size), TGlyphs::MarkOnLight());
    return image;
}

QImage TArtwork::Section(const QString& name, bool on)
{
    QImage image = S::Canvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(on ? S::Primary() : S::PrimaryLight());
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 15, 15);
    const TGlyphs::TColours colours = on ? TGlyphs::TColours{S::White(), S::Amber(), S::Primary()}
                                         : TGlyphs::TColours{S::Primary(), S::Amber(), S::PrimaryLight()};
    TGlyphs::Draw(p, SectionGlyph(name), QRectF(0, 0, 64, 64), colours);
    return image;
}

QImage TArtwork::Title()
{
    QImage image = S::Canvas(600, 60);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath band;
    band.addRoundedRect(QRectF(0, 0, 600, 60), 10, 10);
    p.setClipPath(band);
    p.fillPath(band, S::Primary());
    p.setPen(Qt::NoPen);
    p.setBrush(S::PrimaryDark());
    p.drawEllipse(QPointF(560, 6), 70, 70);
    p.setBrush(QColor(0x16507F));
    p.drawEllipse(QPointF(596, 58), 40, 40);
    p.fillRect(QRectF(0, 56, 600, 4), S::Amber());
    TGlyphs::DrawMark(p, QRectF(14, 6, 44, 44), TGlyphs::MarkOnDark());
    const QFont bold = S::Font(27, true);
    const QFont regular = S::Font(27, false);
    const qreal y = BaselineFor(bold, 28);
    qreal x = 70;
    x += Text(p, x, y, "Quorvis ", bold, S::White());
    x += Text(p, x, y, "Professional ", regular, S::PrimaryLight());
    Text(p, x, y, "3.00", bold, S::Amber());
    return image;
}

QImage TArtwork::CartButton(const QString& name)
{
    const bool checkout = name == QLatin1String("Checkout");
    const QColor fill = checkout ? S::Amber() : S::Primary();
    const QColor ink = checkout ? S::Navy() : S::White();
    TGlyph glyph = TGlyph::Back;
    if (name == QLatin1String("Checkout"))
        glyph = TGlyph::Checkout;
    else if (name == QLatin1String("Home"))
        glyph = TGlyph::Home;
    else if (name == QLatin1String("Recalculate"))
        glyph = TGlyph::Recalculate;

    QImage image = S::Canvas(110, 28);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0, 0, 110, 28), 7, 7);
    p.setBrush(checkout ? S::AmberDark() : S::PrimaryDark());
    p.drawRoundedRect(QRectF(0, 25, 110, 3), 1.5, 1.5);
    p.setBrush(fill);
    p.drawRect(QRectF(7, 24, 96, 2));

    const qreal glyphSize = 16;
    const qreal gap = 5;
    const QFont font = S::FittingFont(name, 12, true, 110 - 16 - glyphSize - gap);
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(name);
    const qreal groupLeft = std::round((110 - glyphSize - gap - textWidth) / 2.0);
    const qreal baseline = BaselineFor(font, 13.5);
    const TGlyphs::TColours colours{ink, S::Amber(), fill};
    if (checkout) {
        Text(p, groupLeft, baseline, name, font, ink);
        TGlyphs::Draw(p, glyph, QRectF(groupLeft + textWidth + gap, 5.5, glyphSize, glyphSize), colours);
    } else {
        TGlyphs::Draw(p, glyph, QRectF(groupLeft, 5.5, glyphSize, glyphSize), colours);
        Text(p, groupLeft + glyphSize + gap, baseline, name, font, ink);
    }
    return image;
}

QImage TArtwork::CustNavTab(const QString& name, bool on)
{
    QString label = QStringLiteral("E-mail");
    if (name == QLatin1String("Order"))
        label = QStringLiteral("Orders");
    else if (name == QLatin1String("Cust"))
        label = QStringLiteral("Customers");
    else if (name == QLatin1String("EmailLog"))
        label = QStringLiteral("E-mail log");

    QImage image = S::Canvas(110, 26);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(TopRounded(QRectF(1, 2, 108, 24), 6), on ? S::Primary() : S::PrimaryLight());
    p.fillRect(QRectF(0, 24, 110, 2), S::Primary());
    if (on)
        p.fillRect(QRectF(14, 2, 82, 2), S::Amber());
    const QFont font = S::FittingFont(label, 12, true, 96);
    CentredText(p, 55, BaselineFor(font, 13.5), label, font, on ? S::White() : S::Navy());
    return image;
}

QImage TArtwork::CustNavCorner()
{
    QImage image = S::Canvas(16, 26);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath cap;
    cap.moveTo(16, 2);
    cap.lineTo(16, 26);
    cap.lineTo(0, 26);
    cap.lineTo(0, 12);
    cap.arcTo(QRectF(0, 2, 20, 20), 180, -90);
    cap.closeSubpath();
    p.fillPath(cap, S::Primary());
    p.setPen(Qt::NoPen);
    p.setBrush(S::Amber());
    p.drawEllipse(QPointF(9, 14), 2.5, 2.5);
    return image;
}

QImage TArtwork::PrintLogo()
{
    QImage image = S::Canvas(300, 80, S::White());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    TGlyphs::DrawMark(p, QRectF(8, 8, 64, 64), TGlyphs::MarkOnLight());
    Text(p, 84, 45, "Quorvis", S::Font(36, true), S::Navy());
    const QFont line = S::Font(15, false);
    const qreal advance = Text(p, 86, 67, "Professional ", line, S::Primary());
    QFont version = line;
    version.setWeight(QFont::Bold);
    Text(p, 86 + advance, 67, "3.00", version, S::AmberDark());
    return image;
}

QImage TArtwork::GenBy()
{
    QImage image = S::Canvas(71, 24, S::Navy());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    TGlyphs::DrawMark(p, QRectF(2, 2, 20, 20), TGlyphs::MarkOnDark());
    Text(p, 24, 9, "made with", S::FittingFont("made with", 8, false, 45), S::Sky());
    Text(p, 23, 20, "Quorvis", S::FittingFont("Quorvis", 12, true, 46), S::White());
    return image;
}

std::vector<TArtwork::TPicture> TArtwork::Pictures()
{
    std::vector<TPicture> pictures;
    pictures.push_back({"bitmap/1251.png", [] { return OpaquePng(StatusBackground()); }});
    pictures.push_back({"bitmap/1252.png", [] { return OpaquePng(Splash()); }});
    pictures.push_back({"bitmap/1525.png", [] { return OpaquePng(AboutPicture()); }});
    pictures.push_back({"icon/1526.png", [] { return AlphaPng(Icon(256)); }});
    for (int size : IconSizes)
        pictures.push_back({QString("icon/1526-%1.png").arg(size), [size] { return AlphaPng(Icon(size)); }});

    for (const char* name : SectionNames) {
        const QString section = QLatin1String(name);
        pictures.push_back({"gif/g_GIF_" + section + ".gif", [section] { return Gif(Section(section, false)); }});
        pictures.push_back({"gif/g_GIF_" + section + "On.gif", [section] { return Gif(Section(section, true)); }});
    }
    pictures.push_back({"gif/g_GIF_Title.gif", [] { return Gif(Title()); }});
    for (const char* name : CartNames) {
        const QString button = QLatin1String(name);
        pictures.push_back({"gif/g_GIF_Cart" + button + ".gif", [button] { return Gif(CartButton(button)); }});
    }
    pictures.push_back({"gif/g_GIF_CustNavCorner.gif", [] { return Gif(CustNavCorner()); }});
    for (const char* name : CustNavNames) {
        const QString tab = QLatin1String(name);
        pictures.push_back({"gif/g_GIF_CustNav" + tab + "On.gif", [tab] { return Gif(CustNavTab(tab, true)); }});
        pictures.push_back({"gif/g_GIF_CustNav" + tab + "Off.gif", [tab] { return Gif(CustNavTab(tab, false)); }});
    }

    pictures.push_back({"jpeg/g_JPG_PrintLogo.jpg", [] { return TJpegImage::Encode(PrintLogo(), 92); }});
    pictures.push_back({"jpeg/g_JPG_GenBy.jpg", [] { return TJpegImage::Encode(GenBy(), 95); }});
    return pictures;
}
