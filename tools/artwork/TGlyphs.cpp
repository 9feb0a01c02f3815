#include "TGlyphs.h"

#include "TArtStyle.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>

namespace {

using TColours = TGlyphs::TColours;

QPainterPath Circle(qreal cx, qreal cy, qreal r)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

QPainterPath RoundRect(qreal x, qreal y, qreal w, qreal h, qreal r)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

// Upper half of an ellipse: head-and-shoulders bodies.
QPainterPath Shoulders(qreal left, qreal top, qreal width, qreal height)
{
    QPainterPath path;
    path.moveTo(left, top + height);
    path.arcTo(QRectF(left, top, width, height * 2), 180, -180);
    path.closeSubpath();
    return path;
}

void Fill(QPainter& p, const QPainterPath& path, const QColor& colour)
{
    p.fillPath(path, colour);
}

// Fills with rounded corners by stroking the outline in the same colour.
void FillRounded(QPainter& p, const QPainterPath& path, const QColor& colour, qreal rounding)
{
    p.save();
    p.setPen(QPen(colour, rounding, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void Stroke(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width)
{
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void Line(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width)
{
    QPainterPath path(a);
    path.lineTo(b);
    Stroke(p, path, colour, width);
}

void Settings(QPainter& p, const TColours& c)
{
    QPainterPath gear = Circle(32, 32, 12.5);
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(32, 32);
        t.rotate(i * 45.0);
        gear = gear.united(t.map(RoundRect(-3.6, -19, 7.2, 10, 1.6)));
    }
    gear = gear.subtracted(Circle(32, 32, 5.5));
    Fill(p, gear, c.main);
    Fill(p, Circle(32, 32, 2.6), c.accent);
}

void Catalogue(QPainter& p, const TColours& c)
{
    // A price tag, its hole at the upper left.
    QPainterPath tag;
    tag.moveTo(-17, 0);
    tag.lineTo(-8, -10);
    tag.lineTo(15, -10);
    tag.lineTo(15, 10);
    tag.lineTo(-8, 10);
    tag.closeSubpath();
    QTransform t;
    t.translate(34, 34);
    t.rotate(45);
    p.save();
    p.setPen(QPen(c.main, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c.main);
    p.drawPath(t.map(tag));
    p.restore();
    Fill(p, t.map(Circle(-7.5, 0, 3.4)), c.ground);
    Line(p, t.map(QPointF(0, -3.5)), t.map(QPointF(9, -3.5)), c.accent, 3.2);
    Line(p, t.map(QPointF(0, 3.5)), t.map(QPointF(6, 3.5)), c.ground, 3.2);
    // The string it hangs by.
    QPainterPath string(t.map(QPointF(-7.5, 0)));
    string.cubicTo(QPointF(17, 16), QPointF(13, 9), QPointF(19, 9));
    Stroke(p, string, c.accent, 2.4);
}

void Generate(QPainter& p, const TColours& c)
{
    Fill(p, RoundRect(13, 17, 38, 31, 4), c.main);
    Fill(p, QPainterPath([] { QPainterPath r; r.addRect(16, 25, 32, 20); return r; }()), c.ground);
    for (int i = 0; i < 3; ++i)
        Fill(p, Circle(18.5 + i * 4.2, 21, 1.4), c.ground);
    Fill(p, RoundRect(19, 28, 11, 14, 1.5), c.accent);
    Fill(p, RoundRect(33, 29, 12, 2.6, 1.3), c.main);
    Fill(p, RoundRect(33, 34, 12, 2.6, 1.3), c.main);
    Fill(p, RoundRect(33, 39, 8, 2.6, 1.3), c.main);
    // A spark: the pages are made for you.
    QPainterPath star;
    const QPointF centre(50, 16);
    for (int i = 0; i < 8; ++i) {
        const qreal r = (i % 2 == 0) ? 8.5 : 2.6;
        const qreal a = i * M_PI / 4.0 - M_PI / 2.0;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    Stroke(p, star, c.ground, 3);
    FillRounded(p, star, c.accent, 1);
}

void Publish(QPainter& p, const TColours& c)
{
    QPainterPath cloud = Circle(24, 36, 8.5);
    cloud = cloud.united(Circle(34, 28, 11));
    cloud = cloud.united(Circle(43.5, 35, 7.5));
    cloud = cloud.united(RoundRect(15.5, 33, 35.5, 11.5, 5.75));
    Fill(p, cloud, c.main);
    QPainterPath arrow(QPointF(33, 50));
    arrow.lineTo(33, 30);
    QPainterPath head(QPointF(26, 36));
    head.lineTo(33, 29);
    head.lineTo(40, 36);
    Stroke(p, arrow, c.ground, 8);
    Stroke(p, head, c.ground, 8);
    Stroke(p, arrow, c.accent, 4);
    Stroke(p, head, c.accent, 4);
}

void Orders(QPainter& p, const TColours& c)
{
    Fill(p, RoundRect(17, 15, 30, 36, 4), c.main);
    Fill(p, RoundRect(20.5, 21, 23, 27, 2), c.ground);
    Fill(p, RoundRect(25, 11.5, 14, 8, 3), c.accent);
    for (int i = 0; i < 3; ++i) {
        Fill(p, Circle(25, 28 + i * 6.5, 1.6), c.accent);
        Fill(p, RoundRect(29, 26.6 + i * 6.5, i == 2 ? 8 : 11, 2.8, 1.4), c.main);
    }
}

void Customers(QPainter& p, const TColours& c)
{
    // One customer in front of another.
    Fill(p, Circle(41, 22, 6), c.accent);
    Fill(p, Shoulders(31, 32, 20, 14), c.accent);
    const QPainterPath head = Circle(28, 24.5, 7.8);
    const QPainterPath body = Shoulders(14, 36, 28, 14);
    Stroke(p, head, c.ground, 3.5);
    Stroke(p, body, c.ground, 3.5);
    Fill(p, head, c.main);
    Fill(p, body, c.main);
}

void Email(QPainter& p, const TColours& c)
{
    Fill(p, RoundRect(13, 20, 36, 26, 4), c.main);
    QPainterPath flap(QPointF(17, 25));
    flap.lineTo(31, 35);
    flap.lineTo(45, 25);
    Stroke(p, flap, c.ground, 3);
    Fill(p, Circle(48, 20, 8.2), c.ground);
    Fill(p, Circle(48, 20, 6), c.accent);
}

void Marketing(QPainter& p, const TColours& c)
{
    QPainterPath horn;
    horn.moveTo(19, 27);
    horn.lineTo(39, 18);
    horn.lineTo(39, 46);
    horn.lineTo(19, 37);
    horn.closeSubpath();
    FillRounded(p, horn, c.main, 2);
    Fill(p, RoundRect(36.5, 15, 6, 34, 3), c.main);
    Fill(p, RoundRect(14, 26, 7.5, 12, 2.5), c.main);
    Line(p, QPointF(24, 39), QPointF(27, 47), c.main, 5);
    // Sound going out.
    for (int i = 0; i < 2; ++i) {
        const qreal r = 6 + i * 6;
        QPainterPath wave;
        wave.arcMoveTo(QRectF(42 - r, 32 - r, 2 * r, 2 * r), 35);
        wave.arcTo(QRectF(42 - r, 32 - r, 2 * r, 2 * r), 35, -70);
        Stroke(p, wave, c.accent, 3);
    }
}

void ImportExport(QPainter& p, const TColours& c)
{
    QPainterPath right(QPointF(15, 24));
    right.lineTo(46, 24);
    QPainterPath rightHead(QPointF(39, 17));
    rightHead.lineTo(46, 24);
    rightHead.lineTo(39, 31);
    Stroke(p, right, c.main, 5);
    Stroke(p, rightHead, c.main, 5);
    QPainterPath left(QPointF(49, 40));
    left.lineTo(18, 40);
    QPainterPath leftHead(QPointF(25, 33));
    leftHead.lineTo(18, 40);
    leftHead.lineTo(25, 47);
    Stroke(p, left, c.accent, 5);
    Stroke(p, leftHead, c.accent, 5);
}

void Utilities(QPainter& p, const TColours& c)
{
    QPainterPath wrench = Circle(0, -11, 9.5);
    wrench = wrench.united(RoundRect(-3.8, -6, 7.6, 28, 3.8));
    wrench = wrench.subtracted(RoundRect(-3.6, -24, 7.2, 13.5, 1.5));
    QTransform t;
    t.translate(33, 31);
    t.rotate(45);
    Fill(p, t.map(wrench), c.main);
    Fill(p, t.map(RoundRect(-3.8, 10, 7.6, 12, 3.8)), c.accent);
}

void Back(QPainter& p, const TColours& c)
{
    QPainterPath chevron(QPointF(38, 16));
    chevron.lineTo(22, 32);
    chevron.lineTo(38, 48);
    Stroke(p, chevron, c.main, 9);
}

void Checkout(QPainter& p, const TColours& c)
{
    QPainterPath chevron(QPointF(26, 16));
    chevron.lineTo(42, 32);
    chevron.lineTo(26, 48);
    Stroke(p, chevron, c.main, 9);
}

void Home(QPainter& p, const TColours& c)
{
    QPainterPath roof(QPointF(12, 32));
    roof.lineTo(32, 14);
    roof.lineTo(52, 32);
    Stroke(p, roof, c.main, 7);
    QPainterPath house;
    house.moveTo(18, 30);
    house.lineTo(32, 18);
    house.lineTo(46, 30);
    house.lineTo(46, 50);
    house.lineTo(18, 50);
    house.closeSubpath();
    FillRounded(p, house, c.main, 3);
    Fill(p, RoundRect(28, 37, 8, 13, 1.5), c.ground);
}

void Recalculate(QPainter& p, const TColours& c)
{
    QPainterPath arc;
    arc.arcMoveTo(QRectF(15, 15, 34, 34), 120);
    arc.arcTo(QRectF(15, 15, 34, 34), 120, -270);
    Stroke(p, arc, c.main, 7);
    // Arrow head at the start of the circle.
    const QPointF tip(32 - 17 * std::cos(M_PI / 3), 32 - 17 * std::sin(M_PI / 3));
    QPainterPath head;
    head.moveTo(tip + QPointF(-9, -4));
    head.lineTo(tip + QPointF(3, -7));
    head.lineTo(tip + QPointF(1, 6));
    head.closeSubpath();
    FillRounded(p, head, c.main, 3);
}

} // namespace

void TGlyphs::Draw(QPainter& painter, TGlyph glyph, const QRectF& box, const TColours& colours)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 64.0, box.height() / 64.0);
    switch (glyph) {
    case TGlyph::Settings: Settings(painter, colours); break;
    case TGlyph::Catalogue: Catalogue(painter, colours); break;
    case TGlyph::Generate: Generate(painter, colours); break;
    case TGlyph::Publish: Publish(painter, colours); break;
    case TGlyph::Orders: Orders(painter, colours); break;
    case TGlyph::Customers: Customers(painter, colours); break;
    case TGlyph::Email: Email(painter, colours); break;
    case TGlyph::Marketing: Marketing(painter, colours); break;
    case TGlyph::ImportExport: ImportExport(painter, colours); break;
    case TGlyph::Utilities: Utilities(painter, colours); break;
    case TGlyph::Back: Back(painter, colours); break;
    case TGlyph::Home: Home(painter, colours); break;
    case TGlyph::Recalculate: Recalculate(painter, colours); break;
    case TGlyph::Checkout: Checkout(painter, colours); break;
    }
    painter.restore();
}

TGlyphs::TMarkColours TGlyphs::MarkOnLight()
{
    return {TArtStyle::Primary(), TArtStyle::Navy(), TArtStyle::White(), TArtStyle::Amber()};
}

TGlyphs::TMarkColours TGlyphs::MarkOnDark()
{
    return {TArtStyle::White(), TArtStyle::Sky(), TArtStyle::Primary(), TArtStyle::Amber()};
}

void TGlyphs::DrawMark(QPainter& painter, const QRectF& box, const TMarkColours& colours)
{
    const bool small = box.width() < 28;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 100.0, box.height() / 100.0);

    // Handle.
    QPainterPath handle;
    handle.arcMoveTo(QRectF(31, 6, 38, 48), 0);
    handle.arcTo(QRectF(31, 6, 38, 48), 0, 180);
    Stroke(painter, handle, colours.handle, small ? 11 : 8);

    // Bag, a little wider at the bottom.
    QPainterPath bag;
    bag.moveTo(17, 32);
    bag.lineTo(83, 32);
    bag.lineTo(88, 91);
    bag.lineTo(12, 91);
    bag.closeSubpath();
    FillRounded(painter, bag, colours.body, small ? 8 : 12);

    // The "Q".
    const qreal stroke = small ? 12 : 9;
    painter.setPen(QPen(colours.letter, stroke));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(50, 61), small ? 16 : 17, small ? 16 : 17);
    QPainterPath tail(QPointF(59, 70));
    tail.lineTo(small ? 73 : 72, small ? 84 : 83);
    Stroke(painter, tail, colours.tail, stroke);
    painter.restore();
}
