#include "TFlowerPainter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;

double Radians(double degrees)
{
    return degrees * Pi / 180.0;
}

QColor WithAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// A petal or leaf outline pointing up from (0, 0) to (0, -length).
QPainterPath Vesica(double length, double width, double tipRoundness = 0.0)
{
    QPainterPath path;
    const double w = width / 2.0;
    path.moveTo(0, 0);
    path.cubicTo(-w * 1.35, -length * 0.12, -w * (1.1 + tipRoundness), -length * (0.78 + tipRoundness * 0.1), 0, -length);
    path.cubicTo(w * (1.1 + tipRoundness), -length * (0.78 + tipRoundness * 0.1), w * 1.35, -length * 0.12, 0, 0);
    path.closeSubpath();
    return path;
}

} // namespace

TFlowerPainter::TFlowerPainter(QPainter& painter, TSampleRandom& random) : m_p(painter), m_random(random)
{
    m_p.setRenderHint(QPainter::Antialiasing, true);
    m_p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QColor TFlowerPainter::Shade(const QColor& colour, double factor)
{
    if (factor >= 1.0)
        return Mix(colour, QColor(255, 255, 255, colour.alpha()), std::min(1.0, factor - 1.0));
    return QColor::fromRgbF(colour.redF() * factor, colour.greenF() * factor, colour.blueF() * factor, colour.alphaF());
}

QColor TFlowerPainter::Mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QPointF TFlowerPainter::Toward(const QPointF& from, double angle, double length)
{
    return from + QPointF(std::sin(Radians(angle)) * length, -std::cos(Radians(angle)) * length);
}

// ---------------------------------------------------------------- backdrop

void TFlowerPainter::Backdrop(const QRectF& area, const QColor& tint)
{
    QLinearGradient wall(area.topLeft(), area.bottomLeft());
    wall.setColorAt(0.0, Mix(Qt::white, tint, 0.55));
    wall.setColorAt(0.72, Mix(Qt::white, tint, 0.85));
    wall.setColorAt(0.78, Shade(tint, 0.97));
    wall.setColorAt(1.0, Shade(tint, 0.93));
    m_p.fillRect(area, wall);
    QRadialGradient light(QPointF(area.center().x(), area.top() + area.height() * 0.38), area.width() * 0.62);
    light.setColorAt(0.0, QColor(255, 255, 255, 170));
    light.setColorAt(1.0, QColor(255, 255, 255, 0));
    m_p.fillRect(area, light);
}

void TFlowerPainter::GroundShadow(const QPointF& centre, double width, double height, double strength)
{
    m_p.save();
    m_p.translate(centre);
    m_p.scale(1.0, height / width);
    QRadialGradient shadow(QPointF(0, 0), width / 2.0);
    shadow.setColorAt(0.0, QColor(40, 30, 30, int(255 * strength)));
    shadow.setColorAt(0.6, QColor(40, 30, 30, int(255 * strength * 0.45)));
    shadow.setColorAt(1.0, QColor(40, 30, 30, 0));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(shadow);
    m_p.drawEllipse(QPointF(0, 0), width / 2.0, width / 2.0);
    m_p.restore();
}

// ---------------------------------------------------------------- flower heads

void TFlowerPainter::Rose(const QPointF& centre, double radius, const QColor& colour, double turn)
{
    m_p.save();
    m_p.translate(centre);
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(Shade(colour, 0.55));
    m_p.drawEllipse(QPointF(0, 0), radius * 0.9, radius * 0.9);

    const int layers = 5;
    for (int layer = 0; layer < layers; ++layer) {
        const double r = radius * (1.0 - 0.18 * layer);
        const int count = layer == 0 ? 6 : 5;
        const double offset = turn + layer * 31.0;
        QRadialGradient shading(QPointF(0, 0), r);
        shading.setColorAt(0.0, Shade(colour, 0.45 + 0.05 * layer));
        shading.setColorAt(0.55, Shade(colour, 0.88 - 0.04 * layer));
        shading.setColorAt(0.9, Shade(colour, 1.08));
        shading.setColorAt(1.0, Shade(colour, 1.22));
        for (int i = 0; i < count; ++i) {
            const double a = offset + i * 360.0 / count + m_random.Between(-6, 6);
            m_p.save();
            m_p.rotate(a);
            const double petal = r * m_random.Between(0.94, 1.0);
            const QRectF rect(-petal * 0.56, -petal, petal * 1.12, petal * 0.98);
            m_p.setBrush(shading);
            m_p.setPen(QPen(WithAlpha(Shade(colour, 0.5), 150), std::max(0.6, radius * 0.018)));
            m_p.drawEllipse(rect);
            // The curled-back rim of the petal catches the light.
            m_p.setPen(QPen(WithAlpha(Shade(colour, 1.35), 190), std::max(0.8, radius * 0.03), Qt::SolidLine, Qt::RoundCap));
            m_p.setBrush(Qt::NoBrush);
            m_p.drawArc(rect.adjusted(petal * 0.05, petal * 0.03, -petal * 0.05, 0), 50 * 16, 80 * 16);
            m_p.restore();
        }
    }
    // The tight spiral at the heart.
    QPainterPath spiral;
    for (int k = 0; k <= 60; ++k) {
        const double t = k / 60.0 * 3.2 * Pi;
        const double r = radius * (0.02 + 0.055 * t / Pi);
        const QPointF point(std::cos(t + Radians(turn)) * r, std::sin(t + Radians(turn)) * r);
        if (k == 0)
            spiral.moveTo(point);
        else
            spiral.lineTo(point);
    }
    m_p.setBrush(Qt::NoBrush);
    m_p.setPen(QPen(Shade(colour, 0.4), std::max(0.8, radius * 0.045), Qt::SolidLine, Qt::RoundCap));
    m_p.drawPath(spiral);
    m_p.setPen(QPen(WithAlpha(Shade(colour, 1.3), 150), std::max(0.5, radius * 0.02), Qt::SolidLine, Qt::RoundCap));
    m_p.translate(-radius * 0.02, -radius * 0.02);
    m_p.drawPath(spiral);
    m_p.restore();
}

void TFlowerPainter::Camellia(const QPointF& centre, double radius, const QColor& colour, double turn)
{
    m_p.save();
    m_p.translate(centre);
    for (int layer = 0; layer < 3; ++layer) {
        const double r = radius * (1.0 - 0.26 * layer);
        const int count = 7 - layer;
        QRadialGradient shading(QPointF(0, 0), r);
        shading.setColorAt(0.0, Shade(colour, 0.7));
        shading.setColorAt(0.6, colour);
        shading.setColorAt(1.0, Shade(colour, 1.25));
        for (int i = 0; i < count; ++i) {
            m_p.save();
            m_p.rotate(turn + layer * 25.0 + i * 360.0 / count + m_random.Between(-5, 5));
            m_p.setBrush(shading);
            m_p.setPen(QPen(WithAlpha(Shade(colour, 0.6), 120), std::max(0.6, radius * 0.015)));
            m_p.drawEllipse(QRectF(-r * 0.5, -r, r * 1.0, r * 0.95));
            m_p.restore();
        }
    }
    // Golden stamens.
    m_p.setPen(Qt::NoPen);
    for (int i = 0; i < 22; ++i) {
        const double a = m_random.Between(0, 2 * Pi);
        const double d = radius * 0.2 * std::sqrt(m_random.Unit());
        m_p.setBrush(QColor(m_random.Unit() < 0.5 ? 0xF2C230 : 0xE0A21B));
        m_p.drawEllipse(QPointF(std::cos(a) * d, std::sin(a) * d), radius * 0.05, radius * 0.05);
    }
    m_p.restore();
}

void TFlowerPainter::RoseBud(const QPointF& base, double size, const QColor& colour, double angle)
{
    const double s = size;
    // Light roses shade towards a warm grey rather than a cold one.
    const QColor shadow = colour.lightness() > 200 ? Mix(colour, QColor(0xB8A48C), 0.55) : Shade(colour, 0.6);
    const QColor edge = WithAlpha(Mix(colour, shadow, 0.8), 170);
    m_p.save();
    m_p.translate(base);
    m_p.rotate(angle);
    m_p.setPen(QPen(edge, std::max(0.6, s * 0.02)));

    // Two outer petals opening behind the heart.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath petal;
        petal.moveTo(0, -0.12 * s);
        petal.cubicTo(side * 0.55 * s, -0.2 * s, side * 0.62 * s, -0.8 * s, side * 0.36 * s, -1.0 * s);
        petal.cubicTo(side * 0.2 * s, -1.08 * s, side * 0.04 * s, -0.98 * s, 0, -0.9 * s);
        petal.closeSubpath();
        QLinearGradient g(0, -0.2 * s, side * 0.5 * s, -0.9 * s);
        g.setColorAt(0.0, Mix(colour, shadow, 0.9));
        g.setColorAt(1.0, Mix(colour, shadow, 0.35));
        m_p.setBrush(g);
        m_p.drawPath(petal);
    }
    // The tight heart, with its spiral edge.
    QPainterPath heart;
    heart.moveTo(0, -0.25 * s);
    heart.cubicTo(-0.3 * s, -0.35 * s, -0.28 * s, -0.95 * s, 0, -1.08 * s);
    heart.cubicTo(0.28 * s, -0.95 * s, 0.3 * s, -0.35 * s, 0, -0.25 * s);
    QLinearGradient hg(-0.3 * s, 0, 0.3 * s, 0);
    hg.setColorAt(0.0, Shade(colour, 1.12));
    hg.setColorAt(1.0, Mix(colour, shadow, 0.6));
    m_p.setBrush(hg);
    m_p.drawPath(heart);
    m_p.setBrush(Qt::NoBrush);
    m_p.setPen(QPen(Mix(colour, shadow, 0.9), std::max(0.7, s * 0.025), Qt::SolidLine, Qt::RoundCap));
    QPainterPath curl;
    curl.moveTo(-0.16 * s, -0.9 * s);
    curl.cubicTo(-0.05 * s, -1.0 * s, 0.12 * s, -0.98 * s, 0.14 * s, -0.86 * s);
    curl.cubicTo(0.1 * s, -0.78 * s, -0.02 * s, -0.8 * s, -0.02 * s, -0.88 * s);
    m_p.drawPath(curl);

    // Two front petals wrapped around the heart, the right one over the left.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(side * 0.62 * s, -0.05 * s, side * 0.6 * s, -0.62 * s, side * 0.46 * s, -0.74 * s);
        petal.cubicTo(side * 0.3 * s, -0.86 * s, -side * 0.05 * s, -0.78 * s, -side * 0.16 * s, -0.62 * s);
        petal.cubicTo(-side * 0.18 * s, -0.3 * s, -side * 0.1 * s, -0.08 * s, 0, 0);
        QLinearGradient g(side * 0.5 * s, -0.7 * s, -side * 0.1 * s, 0);
        g.setColorAt(0.0, Shade(colour, side < 0 ? 1.25 : 1.05));
        g.setColorAt(0.6, side < 0 ? colour : Mix(colour, shadow, 0.35));
        g.setColorAt(1.0, Mix(colour, shadow, 0.85));
        m_p.setBrush(g);
        m_p.setPen(QPen(edge, std::max(0.6, s * 0.02)));
        m_p.drawPath(petal);
        // The rolled-back rim catches the light.
        QPainterPath rim;
        rim.moveTo(side * 0.5 * s, -0.7 * s);
        rim.cubicTo(side * 0.32 * s, -0.84 * s, 0, -0.78 * s, -side * 0.12 * s, -0.64 * s);
        m_p.setBrush(Qt::NoBrush);
        m_p.setPen(QPen(WithAlpha(Shade(colour, 1.5), 210), std::max(0.8, s * 0.03), Qt::SolidLine, Qt::RoundCap));
        m_p.drawPath(rim);
    }
    m_p.restore();

    // Sepals hug the bottom of the head.
    const QColor green(0x3F7D3A);
    Leaf(Toward(base, angle, -0.02 * s), 0.5 * s, 0.13 * s, angle - 42, green, 0.15);
    Leaf(Toward(base, angle, -0.02 * s), 0.46 * s, 0.12 * s, angle + 44, Shade(green, 0.85), -0.15);
    m_p.save();
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(Shade(green, 0.9));
    m_p.drawEllipse(Toward(base, angle, 0.03 * s), 0.12 * s, 0.1 * s);
    m_p.restore();
}

void TFlowerPainter::Tulip(const QPointF& base, double size, const QColor& colour, double angle)
{
    const double s = size;
    m_p.save();
    m_p.translate(base);
    m_p.rotate(angle);
    m_p.setPen(QPen(WithAlpha(Shade(colour, 0.5), 140), std::max(0.6, s * 0.02)));
    for (double tilt : {-16.0, 16.0}) {
        m_p.save();
        m_p.rotate(tilt);
        QLinearGradient g(0, 0, 0, -1.05 * s);
        g.setColorAt(0.0, Shade(colour, 0.55));
        g.setColorAt(1.0, Shade(colour, 0.85));
        m_p.setBrush(g);
        m_p.drawPath(Vesica(1.05 * s, 0.62 * s, 0.1));
        m_p.restore();
    }
    QLinearGradient front(-0.35 * s, 0, 0.35 * s, 0);
    front.setColorAt(0.0, Shade(colour, 1.25));
    front.setColorAt(0.5, colour);
    front.setColorAt(1.0, Shade(colour, 0.7));
    m_p.setBrush(front);
    m_p.drawPath(Vesica(1.0 * s, 0.72 * s, 0.15));
    m_p.setPen(QPen(WithAlpha(Shade(colour, 1.4), 150), std::max(0.8, s * 0.03), Qt::SolidLine, Qt::RoundCap));
    m_p.drawLine(QPointF(-0.08 * s, -0.2 * s), QPointF(-0.1 * s, -0.75 * s));
    m_p.restore();
}

void TFlowerPainter::PetalRing(const QPointF& centre, double inner, double outer, double width, int count, double turn,
                               const QColor& base, const QColor& tip, bool pointed)
{
    for (int i = 0; i < count; ++i) {
        const double a = turn + i * 360.0 / count + m_random.Between(-3, 3);
        const double length = (outer - inner) * m_random.Between(0.92, 1.04);
        const double w = width * m_random.Between(0.9, 1.08);
        m_p.save();
        m_p.translate(centre);
        m_p.rotate(a);
        m_p.translate(0, -inner);
        QPainterPath petal;
        if (pointed) {
            petal = Vesica(length, w, 0.0);
        } else {
            petal.moveTo(0, w * 0.1);
            petal.cubicTo(-w * 0.62, 0, -w * 0.62, -length, 0, -length);
            petal.cubicTo(w * 0.62, -length, w * 0.62, 0, 0, w * 0.1);
            petal.closeSubpath();
        }
        QLinearGradient g(0, 0, 0, -length);
        g.setColorAt(0.0, base);
        g.setColorAt(1.0, tip);
        m_p.setBrush(g);
        m_p.setPen(QPen(WithAlpha(Shade(base, 0.7), 130), std::max(0.5, w * 0.05)));
        m_p.drawPath(petal);
        m_p.setPen(QPen(WithAlpha(Shade(base, 0.82), 90), std::max(0.5, w * 0.06)));
        m_p.drawLine(QPointF(0, -length * 0.1), QPointF(0, -length * 0.7));
        m_p.restore();
    }
}

void TFlowerPainter::Daisy(const QPointF& centre, double radius, const QColor& petals, const QColor& heart,
                           int petalCount, double turn)
{
    const double width = std::min(radius * 0.34, 2 * Pi * radius * 0.62 / petalCount * 1.6);
    PetalRing(centre, radius * 0.2, radius, width, petalCount, turn, Shade(petals, 0.86), Shade(petals, 1.05), false);
    m_p.save();
    QRadialGradient disc(centre + QPointF(-radius * 0.06, -radius * 0.06), radius * 0.3);
    disc.setColorAt(0.0, Shade(heart, 1.3));
    disc.setColorAt(0.7, heart);
    disc.setColorAt(1.0, Shade(heart, 0.7));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(disc);
    m_p.drawEllipse(centre, radius * 0.27, radius * 0.27);
    m_p.setBrush(WithAlpha(Shade(heart, 0.6), 160));
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * Pi / 14;
        m_p.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.17, radius * 0.025, radius * 0.025);
    }
    m_p.restore();
}

void TFlowerPainter::Gerbera(const QPointF& centre, double radius, const QColor& petals, const QColor& heart, double turn)
{
    PetalRing(centre, radius * 0.24, radius, radius * 0.2, 22, turn, Shade(petals, 0.85), Shade(petals, 1.06), false);
    PetalRing(centre, radius * 0.22, radius * 0.66, radius * 0.15, 18, turn + 9, Shade(petals, 0.72), Shade(petals, 0.92),
              false);
    m_p.save();
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(0xE9C23A));
    m_p.drawEllipse(centre, radius * 0.3, radius * 0.3);
    for (int i = 0; i < 30; ++i) {
        const double a = i * 2 * Pi / 30;
        m_p.setBrush(QColor(i % 2 ? 0xF4D45A : 0xC99A1E));
        m_p.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.26, radius * 0.03, radius * 0.03);
    }
    QRadialGradient disc(centre, radius * 0.22);
    disc.setColorAt(0.0, Shade(heart, 1.2));
    disc.setColorAt(1.0, Shade(heart, 0.6));
    m_p.setBrush(disc);
    m_p.drawEllipse(centre, radius * 0.2, radius * 0.2);
    m_p.restore();
}

void TFlowerPainter::Sunflower(const QPointF& centre, double radius, double turn)
{
    const QColor gold(0xF2B705);
    PetalRing(centre, radius * 0.36, radius, radius * 0.24, 21, turn, Shade(gold, 0.82), QColor(0xFFD43B), true);
    PetalRing(centre, radius * 0.36, radius * 0.88, radius * 0.22, 21, turn + 8.5, QColor(0xE09A00), QColor(0xFFC61A), true);
    m_p.save();
    QRadialGradient disc(centre, radius * 0.44);
    disc.setColorAt(0.0, QColor(0x3B2410));
    disc.setColorAt(0.75, QColor(0x5C3814));
    disc.setColorAt(1.0, QColor(0x40260C));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(disc);
    m_p.drawEllipse(centre, radius * 0.42, radius * 0.42);
    const int seeds = 160;
    for (int k = 1; k < seeds; ++k) {
        const double d = radius * 0.4 * std::sqrt(double(k) / seeds);
        const double a = k * Radians(137.508);
        m_p.setBrush(k % 3 ? QColor(0x7A4A1A) : QColor(0x2A1706));
        m_p.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * d, radius * 0.018, radius * 0.018);
    }
    m_p.restore();
}

void TFlowerPainter::Lily(const QPointF& centre, double radius, const QColor& edge, const QColor& throat, double turn)
{
    m_p.save();
    m_p.translate(centre);
    QRadialGradient shading(QPointF(0, 0), radius);
    shading.setColorAt(0.0, throat);
    shading.setColorAt(0.55, Mix(throat, edge, 0.6));
    shading.setColorAt(1.0, edge);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < 3; ++i) {
            const double a = turn + pass * 60.0 + i * 120.0;
            m_p.save();
            m_p.rotate(a);
            const double length = radius * (pass == 0 ? 1.0 : 0.94);
            m_p.setBrush(shading);
            m_p.setPen(QPen(WithAlpha(Shade(edge, 0.7), 140), std::max(0.6, radius * 0.015)));
            m_p.drawPath(Vesica(length, radius * (pass == 0 ? 0.46 : 0.4), 0.0));
            m_p.setPen(QPen(WithAlpha(Shade(throat, 0.8), 160), std::max(0.7, radius * 0.025), Qt::SolidLine, Qt::RoundCap));
            m_p.drawLine(QPointF(0, -radius * 0.08), QPointF(0, -length * 0.72));
            m_p.setPen(Qt::NoPen);
            m_p.setBrush(WithAlpha(Shade(throat, 0.55), 200));
            for (int k = 0; k < 6; ++k)
                m_p.drawEllipse(QPointF(m_random.Between(-0.08, 0.08) * radius, -m_random.Between(0.12, 0.45) * radius),
                                radius * 0.018, radius * 0.018);
            m_p.restore();
        }
    }
    // Stamens with their rust-coloured anthers.
    for (int i = 0; i < 6; ++i) {
        const double a = turn + 30 + i * 60 + m_random.Between(-8, 8);
        const QPointF tip = Toward(QPointF(0, 0), a, radius * 0.55);
        m_p.setPen(QPen(QColor(0xC9D79A), std::max(0.8, radius * 0.025), Qt::SolidLine, Qt::RoundCap));
        m_p.drawLine(QPointF(0, 0), tip);
        m_p.save();
        m_p.translate(tip);
        m_p.rotate(a + 90);
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(QColor(0x8A3B12));
        m_p.drawEllipse(QPointF(0, 0), radius * 0.08, radius * 0.03);
        m_p.restore();
    }
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(0x9DB86A));
    m_p.drawEllipse(QPointF(0, 0), radius * 0.06, radius * 0.06);
    m_p.restore();
}

void TFlowerPainter::Orchid(const QPointF& centre, double radius, const QColor& colour, const QColor& lip)
{
    m_p.save();
    m_p.translate(centre);
    QRadialGradient shading(QPointF(0, 0), radius);
    shading.setColorAt(0.0, Shade(colour, 0.85));
    shading.setColorAt(1.0, Shade(colour, 1.12));
    m_p.setBrush(shading);
    m_p.setPen(QPen(WithAlpha(Shade(colour, 0.7), 130), std::max(0.6, radius * 0.015)));
    // Three sepals: one up, two down and out.
    for (double a : {0.0, 140.0, 220.0}) {
        m_p.save();
        m_p.rotate(a);
        m_p.drawPath(Vesica(radius * 0.88, radius * 0.42, 0.25));
        m_p.restore();
    }
    // Two broad petals to the sides.
    for (double a : {-78.0, 78.0}) {
        m_p.save();
        m_p.rotate(a);
        m_p.drawEllipse(QRectF(-radius * 0.42, -radius * 0.98, radius * 0.84, radius * 0.92));
        m_p.setPen(QPen(WithAlpha(Shade(lip, 0.9), 70), std::max(0.5, radius * 0.012)));
        for (int k = -2; k <= 2; ++k)
            m_p.drawLine(QPointF(0, -radius * 0.1), QPointF(k * radius * 0.1, -radius * 0.8));
        m_p.setPen(QPen(WithAlpha(Shade(colour, 0.7), 130), std::max(0.6, radius * 0.015)));
        m_p.restore();
    }
    // The lip, with its yellow throat.
    QPainterPath lipPath;
    lipPath.moveTo(0, radius * 0.05);
    lipPath.cubicTo(-radius * 0.26, radius * 0.08, -radius * 0.22, radius * 0.42, 0, radius * 0.4);
    lipPath.cubicTo(radius * 0.22, radius * 0.42, radius * 0.26, radius * 0.08, 0, radius * 0.05);
    m_p.setBrush(lip);
    m_p.setPen(QPen(Shade(lip, 0.7), std::max(0.6, radius * 0.015)));
    m_p.drawPath(lipPath);
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(0xF2C94C));
    m_p.drawEllipse(QPointF(0, radius * 0.1), radius * 0.08, radius * 0.05);
    m_p.setBrush(QColor(0xFFFDF5));
    m_p.drawEllipse(QPointF(0, -radius * 0.02), radius * 0.08, radius * 0.1);
    m_p.restore();
}

void TFlowerPainter::Carnation(const QPointF& centre, double radius, const QColor& colour)
{
    m_p.save();
    m_p.translate(centre);
    for (int layer = 0; layer < 4; ++layer) {
        const double r = radius * (1.0 - 0.22 * layer);
        QPolygonF frill;
        const int points = 44 - layer * 6;
        for (int i = 0; i < points; ++i) {
            const double a = 2 * Pi * i / points;
            const double d = r * ((i % 2) ? m_random.Between(0.8, 0.88) : m_random.Between(0.95, 1.02));
            frill << QPointF(std::cos(a) * d, std::sin(a) * d);
        }
        QRadialGradient g(QPointF(0, 0), r);
        g.setColorAt(0.0, Shade(colour, 0.55));
        g.setColorAt(0.7, colour);
        g.setColorAt(1.0, Shade(colour, 1.25));
        m_p.setBrush(g);
        m_p.setPen(QPen(WithAlpha(Shade(colour, 0.6), 150), std::max(0.6, radius * 0.015)));
        m_p.drawPolygon(frill);
    }
    m_p.restore();
}

void TFlowerPainter::Hydrangea(const QPointF& centre, double radius, const QColor& colour)
{
    struct Floret {
        QPointF at;
        double turn;
        double tone;
    };
    std::vector<Floret> florets;
    for (int i = 0; i < 70; ++i) {
        const double a = m_random.Between(0, 2 * Pi);
        const double d = radius * 0.85 * std::sqrt(m_random.Unit());
        florets.push_back({centre + QPointF(std::cos(a) * d, std::sin(a) * d * 0.9), m_random.Between(0, 90),
                           m_random.Between(-0.12, 0.12)});
    }
    std::sort(florets.begin(), florets.end(), [](const Floret& a, const Floret& b) { return a.at.y() < b.at.y(); });
    m_p.save();
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(Shade(colour, 0.55));
    m_p.drawEllipse(centre, radius * 0.92, radius * 0.85);
    const double petal = radius * 0.13;
    for (const Floret& f : florets) {
        // Florets low and to the right lie in the shade of the dome.
        const double light = 1.12 - 0.35 * ((f.at.y() - centre.y()) / radius + 1.0) / 2.0
                             - 0.15 * (f.at.x() - centre.x()) / radius + f.tone;
        const QColor c = Shade(colour, light);
        m_p.save();
        m_p.translate(f.at);
        m_p.rotate(f.turn);
        m_p.setPen(QPen(WithAlpha(Shade(colour, 0.6), 110), std::max(0.5, petal * 0.08)));
        m_p.setBrush(c);
        for (int k = 0; k < 4; ++k) {
            m_p.rotate(90);
            m_p.drawEllipse(QRectF(-petal * 0.55, -petal * 1.05, petal * 1.1, petal * 1.0));
        }
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(Shade(colour, 1.5));
        m_p.drawEllipse(QPointF(0, 0), petal * 0.16, petal * 0.16);
        m_p.restore();
    }
    m_p.restore();
}

void TFlowerPainter::Waratah(const QPointF& centre, double radius)
{
    const QColor red(0xC4162A);
    // Bracts fanning out below the dome.
    for (int i = 0; i < 12; ++i) {
        const double a = 92 + i * 16 + m_random.Between(-4, 4);
        Leaf(centre + QPointF(0, radius * 0.05), radius * m_random.Between(0.95, 1.15), radius * 0.36, a, Shade(red, 0.85), 0.1);
    }
    m_p.save();
    const QPointF dome = centre + QPointF(0, -radius * 0.25);
    QRadialGradient g(dome + QPointF(-radius * 0.2, -radius * 0.3), radius * 1.0);
    g.setColorAt(0.0, QColor(0xF0485A));
    g.setColorAt(0.6, red);
    g.setColorAt(1.0, QColor(0x7A0A16));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(g);
    m_p.drawEllipse(dome, radius * 0.64, radius * 0.76);
    // The many small styles that make the dome.
    for (int row = 0; row < 10; ++row) {
        const double y = dome.y() - radius * 0.66 + row * radius * 0.14;
        const double halfWidth = radius * 0.6 * std::sqrt(std::max(0.0, 1.0 - std::pow((y - dome.y()) / (radius * 0.76), 2)));
        const int count = std::max(2, int(halfWidth / (radius * 0.09)));
        for (int k = 0; k <= count; ++k) {
            const double x = dome.x() - halfWidth + 2 * halfWidth * k / count;
            m_p.setPen(QPen(row % 2 ? QColor(0xF26A78) : QColor(0x9C0F20), std::max(0.8, radius * 0.035), Qt::SolidLine,
                            Qt::RoundCap));
            m_p.drawLine(QPointF(x, y), QPointF(x + (x - dome.x()) * 0.08, y - radius * 0.07));
        }
    }
    m_p.restore();
}

void TFlowerPainter::SmallBlossom(const QPointF& centre, double radius, const QColor& colour, const QColor& heart,
                                  double turn)
{
    m_p.save();
    m_p.translate(centre);
    m_p.rotate(turn);
    m_p.setPen(QPen(WithAlpha(Shade(colour, 0.65), 140), std::max(0.4, radius * 0.06)));
    QRadialGradient g(QPointF(0, 0), radius);
    g.setColorAt(0.0, Shade(colour, 0.85));
    g.setColorAt(1.0, Shade(colour, 1.12));
    m_p.setBrush(g);
    for (int i = 0; i < 5; ++i) {
        m_p.drawEllipse(QPointF(0, -radius * 0.5), radius * 0.42, radius * 0.5);
        m_p.rotate(72);
    }
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(heart);
    m_p.drawEllipse(QPointF(0, 0), radius * 0.22, radius * 0.22);
    m_p.restore();
}

void TFlowerPainter::BlossomCluster(const QPointF& centre, double radius, int count, const QColor& colour,
                                    const QColor& heart)
{
    for (int i = 0; i < count; ++i) {
        const double a = m_random.Between(0, 2 * Pi);
        const double d = radius * std::sqrt(m_random.Unit());
        SmallBlossom(centre + QPointF(std::cos(a) * d, std::sin(a) * d), radius * m_random.Between(0.32, 0.42),
                     Shade(colour, m_random.Between(0.92, 1.06)), heart, m_random.Between(0, 72));
    }
}

// ---------------------------------------------------------------- spikes and sprays

void TFlowerPainter::LavenderSpike(const QPointF& base, const QPointF& tip, const QColor& colour)
{
    Stem(base, tip, 2.0, 0.0, QColor(0x6F8F5A));
    const QPointF along = tip - base;
    const double length = std::hypot(along.x(), along.y());
    const double angle = std::atan2(along.x(), -along.y()) * 180.0 / Pi;
    m_p.save();
    m_p.setPen(Qt::NoPen);
    const int buds = 18;
    for (int k = 0; k < buds; ++k) {
        const double t = 0.42 + 0.58 * k / (buds - 1);
        const QPointF at = base + along * t;
        const double size = length * 0.05 * (1.15 - 0.55 * (t - 0.42) / 0.58);
        for (int side = -1; side <= 1; side += 2) {
            m_p.save();
            m_p.translate(at);
            m_p.rotate(angle + side * m_random.Between(25, 40));
            m_p.setBrush(Shade(colour, m_random.Between(0.75, 1.15)));
            m_p.drawEllipse(QPointF(0, -size * 0.6), size * 0.42, size * 0.75);
            m_p.restore();
        }
    }
    m_p.restore();
}

void TFlowerPainter::WattleSpray(const QPointF& base, const QPointF& tip)
{
    Stem(base, tip, 1.8, 6.0, QColor(0x7D7A45));
    const QPointF along = tip - base;
    const double angle = std::atan2(along.x(), -along.y()) * 180.0 / Pi;
    const double length = std::hypot(along.x(), along.y());
    for (int k = 0; k < 5; ++k) {
        const double t = 0.35 + 0.65 * k / 4.0;
        const QPointF at = base + along * t;
        const double side = k % 2 ? 1 : -1;
        const QPointF twig = Toward(at, angle + side * 40, length * 0.2);
        Stem(at, twig, 1.0, 2.0, QColor(0x7D7A45));
        Leaf(at, length * 0.28, length * 0.035, angle - side * 30, QColor(0x7E9A78), 0.0);
        for (int b = 0; b < 6; ++b) {
            const QPointF ball = twig + QPointF(m_random.Between(-1, 1), m_random.Between(-1, 1)) * length * 0.07;
            const double r = length * m_random.Between(0.028, 0.04);
            QRadialGradient g(ball + QPointF(-r * 0.3, -r * 0.3), r);
            g.setColorAt(0.0, QColor(0xFFF07A));
            g.setColorAt(0.7, QColor(0xFFD60A));
            g.setColorAt(1.0, QColor(0xD9A400));
            m_p.save();
            m_p.setPen(Qt::NoPen);
            m_p.setBrush(g);
            m_p.drawEllipse(ball, r, r);
            m_p.restore();
        }
    }
}

void TFlowerPainter::FillerSpray(const QPointF& base, const QPointF& tip, const QColor& colour)
{
    const QColor stem(0x7F9C6E);
    Stem(base, tip, 1.2, 3.0, stem);
    const QPointF along = tip - base;
    const double angle = std::atan2(along.x(), -along.y()) * 180.0 / Pi;
    const double length = std::hypot(along.x(), along.y());
    m_p.save();
    for (int k = 0; k < 7; ++k) {
        const double t = 0.4 + 0.6 * k / 6.0;
        const QPointF at = base + along * t;
        const QPointF twig = Toward(at, angle + m_random.Between(-60, 60), length * m_random.Between(0.1, 0.22));
        m_p.setPen(QPen(stem, 0.8));
        m_p.drawLine(at, twig);
        for (int d = 0; d < 5; ++d) {
            const QPointF dot = twig + QPointF(m_random.Between(-1, 1), m_random.Between(-1, 1)) * length * 0.06;
            m_p.setPen(QPen(stem, 0.6));
            m_p.drawLine(twig, dot);
            m_p.setPen(QPen(WithAlpha(Shade(colour, 0.7), 160), 0.6));
            m_p.setBrush(colour);
            m_p.drawEllipse(dot, length * 0.018, length * 0.018);
        }
    }
    m_p.restore();
}

void TFlowerPainter::Berries(const QPointF& base, const QPointF& tip, const QColor& colour)
{
    Stem(base, tip, 1.4, 4.0, QColor(0x6B4A2E));
    const QPointF along = tip - base;
    const double length = std::hypot(along.x(), along.y());
    m_p.save();
    m_p.setPen(Qt::NoPen);
    for (int k = 0; k < 14; ++k) {
        const double t = 0.45 + 0.55 * m_random.Unit();
        const QPointF at = base + along * t + QPointF(m_random.Between(-1, 1), m_random.Between(-1, 1)) * length * 0.06;
        const double r = length * m_random.Between(0.025, 0.035);
        QRadialGradient g(at + QPointF(-r * 0.35, -r * 0.35), r);
        g.setColorAt(0.0, Shade(colour, 1.6));
        g.setColorAt(0.4, colour);
        g.setColorAt(1.0, Shade(colour, 0.6));
        m_p.setBrush(g);
        m_p.drawEllipse(at, r, r);
    }
    m_p.restore();
}

// ---------------------------------------------------------------- foliage

void TFlowerPainter::Stem(const QPointF& from, const QPointF& to, double width, double bend, const QColor& colour)
{
    const QPointF mid = (from + to) / 2.0;
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF normal = length > 0 ? QPointF(-d.y() / length, d.x() / length) : QPointF();
    QPainterPath path(from);
    path.quadTo(mid + normal * bend, to);
    m_p.save();
    m_p.setBrush(Qt::NoBrush);
    m_p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    m_p.drawPath(path);
    if (width >= 3.0) {
        m_p.setPen(QPen(WithAlpha(Shade(colour, 1.35), 120), width * 0.3, Qt::SolidLine, Qt::RoundCap));
        m_p.translate(-width * 0.2, 0);
        m_p.drawPath(path);
    }
    m_p.restore();
}

QPainterPath TFlowerPainter::PointedLeafPath(double length, double width, double curl) const
{
    QPainterPath path;
    const double w = width / 2.0;
    const double c = curl * length;
    path.moveTo(0, 0);
    path.cubicTo(-w * 1.5 + c * 0.2, -length * 0.2, -w * 1.0 + c * 0.6, -length * 0.75, c, -length);
    path.cubicTo(w * 1.0 + c * 0.6, -length * 0.75, w * 1.5 + c * 0.2, -length * 0.2, 0, 0);
    path.closeSubpath();
    return path;
}

void TFlowerPainter::Leaf(const QPointF& base, double length, double width, double angle, const QColor& colour,
                          double curl)
{
    m_p.save();
    m_p.translate(base);
    m_p.rotate(angle);
    const QPainterPath path = PointedLeafPath(length, width, curl);
    QLinearGradient g(-width / 2.0, 0, width / 2.0, 0);
    g.setColorAt(0.0, Shade(colour, 1.18));
    g.setColorAt(0.5, colour);
    g.setColorAt(1.0, Shade(colour, 0.72));
    m_p.setBrush(g);
    m_p.setPen(QPen(WithAlpha(Shade(colour, 0.6), 140), std::max(0.5, width * 0.03)));
    m_p.drawPath(path);
    if (length > 14) {
        QPainterPath rib(QPointF(0, 0));
        const double c = curl * length;
        rib.quadTo(QPointF(c * 0.3, -length * 0.55), QPointF(c, -length * 0.96));
        m_p.setBrush(Qt::NoBrush);
        m_p.setPen(QPen(WithAlpha(Shade(colour, 1.4), 150), std::max(0.6, width * 0.05), Qt::SolidLine, Qt::RoundCap));
        m_p.drawPath(rib);
        if (length > 40) {
            m_p.setPen(QPen(WithAlpha(Shade(colour, 1.3), 70), std::max(0.5, width * 0.03)));
            for (int k = 1; k <= 4; ++k) {
                const double t = k / 5.5;
                const QPointF at = rib.pointAtPercent(t);
                for (int side = -1; side <= 1; side += 2)
                    m_p.drawLine(at, at + QPointF(side * width * 0.32, -length * 0.12));
            }
        }
    }
    m_p.restore();
}

void TFlowerPainter::Fern(const QPointF& base, double length, double angle, double curl, const QColor& colour)
{
    const int segments = 24;
    QPointF at = base;
    double direction = angle;
    const double step = length / segments;
    std::vector<std::pair<QPointF, double>> spine;
    for (int k = 0; k <= segments; ++k) {
        spine.emplace_back(at, direction);
        at = Toward(at, direction, step);
        direction += curl / segments;
    }
    m_p.save();
    QPainterPath rachis(spine.front().first);
    for (const auto& point : spine)
        rachis.lineTo(point.first);
    m_p.setBrush(Qt::NoBrush);
    m_p.setPen(QPen(Shade(colour, 0.8), 1.4, Qt::SolidLine, Qt::RoundCap));
    m_p.drawPath(rachis);
    m_p.restore();
    for (int k = 2; k < segments; ++k) {
        const double t = double(k) / segments;
        const double size = length * 0.2 * std::sin(Pi * std::min(1.0, t * 1.1)) + length * 0.02;
        for (int side = -1; side <= 1; side += 2)
            Leaf(spine[k].first, size, size * 0.38, spine[k].second + side * 68, Shade(colour, m_random.Between(0.9, 1.1)),
                 side * 0.08);
    }
}

void TFlowerPainter::EucalyptusSprig(const QPointF& base, double length, double angle)
{
    const QPointF tip = Toward(base, angle, length);
    Stem(base, tip, 1.6, length * 0.05, QColor(0x8A5A44));
    const QPointF along = tip - base;
    m_p.save();
    for (int k = 0; k < 10; ++k) {
        const double t = 0.15 + 0.85 * k / 9.0;
        const QPointF at = base + along * t;
        const double r = std::min(15.0, length * 0.075) * (1.1 - 0.5 * t);
        for (int side = -1; side <= 1; side += 2) {
            if ((k + (side > 0)) % 2 && k > 0)
                continue;
            const QPointF centre = Toward(at, angle + side * 70, r * 0.9);
            QRadialGradient g(centre + QPointF(-r * 0.3, -r * 0.3), r * 1.2);
            g.setColorAt(0.0, QColor(0xB7CFC6));
            g.setColorAt(1.0, QColor(0x6E958C));
            m_p.setBrush(g);
            m_p.setPen(QPen(QColor(0x5C7D75), 0.7));
            m_p.drawEllipse(centre, r, r * 0.92);
        }
    }
    m_p.restore();
}

void TFlowerPainter::MonsteraLeaf(const QPointF& base, double length, double angle)
{
    const QColor green(0x2F6B3A);
    const QPointF attach = Toward(base, angle, length * 0.45);
    Stem(base, attach, length * 0.035, length * 0.05, Shade(green, 1.1));
    m_p.save();
    m_p.translate(attach);
    m_p.rotate(angle);
    const double l = length * 0.62;
    const double w = l * 0.92;
    QPainterPath leaf;
    leaf.addEllipse(QRectF(-w / 2.0, -l, w, l * 1.02));
    QPainterPath cuts;
    QPolygonF notch;
    notch << QPointF(-w * 0.08, l * 0.05) << QPointF(0, -l * 0.06) << QPointF(w * 0.08, l * 0.05);
    cuts.addPolygon(notch);
    for (int side = -1; side <= 1; side += 2) {
        for (int k = 0; k < 4; ++k) {
            const double y = -l * (0.22 + 0.18 * k);
            QPolygonF slit;
            slit << QPointF(side * w * 0.17, y + l * 0.005) << QPointF(side * w * 0.62, y - l * 0.06)
                 << QPointF(side * w * 0.62, y + l * 0.02) << QPointF(side * w * 0.17, y + l * 0.025);
            cuts.addPolygon(slit);
            if (k < 3)
                cuts.addEllipse(QPointF(side * w * 0.12, y - l * 0.08), w * 0.025, l * 0.035);
        }
    }
    leaf = leaf.subtracted(cuts);
    QLinearGradient g(-w / 2.0, -l, w / 2.0, 0);
    g.setColorAt(0.0, Shade(green, 1.3));
    g.setColorAt(0.5, green);
    g.setColorAt(1.0, Shade(green, 0.65));
    m_p.setBrush(g);
    m_p.setPen(QPen(Shade(green, 0.6), 0.8));
    m_p.drawPath(leaf);
    m_p.setClipPath(leaf);
    m_p.setPen(QPen(WithAlpha(Shade(green, 1.5), 150), std::max(1.0, l * 0.015)));
    m_p.drawLine(QPointF(0, 0), QPointF(0, -l * 0.95));
    m_p.restore();
}

void TFlowerPainter::SwordLeaf(const QPointF& base, double length, double width, double angle, double curl)
{
    m_p.save();
    m_p.translate(base);
    m_p.rotate(angle);
    QPainterPath leaf;
    const double w = width / 2.0;
    const double c = curl * length;
    leaf.moveTo(-w * 0.8, 0);
    leaf.cubicTo(-w * 1.15, -length * 0.45, -w * 0.8 + c * 0.5, -length * 0.85, c, -length);
    leaf.cubicTo(w * 0.8 + c * 0.5, -length * 0.85, w * 1.15, -length * 0.45, w * 0.8, 0);
    leaf.closeSubpath();
    QLinearGradient g(-w, 0, w, 0);
    g.setColorAt(0.0, QColor(0x4E7A3E));
    g.setColorAt(0.5, QColor(0x2F5A2A));
    g.setColorAt(1.0, QColor(0x1F4020));
    m_p.setBrush(g);
    m_p.setPen(Qt::NoPen);
    m_p.drawPath(leaf);
    m_p.save();
    m_p.setClipPath(leaf);
    m_p.setPen(QPen(QColor(160, 190, 140, 90), std::max(1.0, width * 0.08)));
    for (double y = -length * 0.05; y > -length; y -= width * 0.45) {
        QPainterPath band(QPointF(-w * 1.3, y));
        band.cubicTo(-w * 0.4, y - width * 0.15, w * 0.4, y + width * 0.15, w * 1.3, y - width * 0.05);
        m_p.drawPath(band);
    }
    m_p.restore();
    m_p.setBrush(Qt::NoBrush);
    m_p.setPen(QPen(QColor(0xD8C84A), std::max(1.0, width * 0.09)));
    m_p.drawPath(leaf);
    m_p.restore();
}

void TFlowerPainter::SucculentRosette(const QPointF& centre, double radius, const QColor& colour, const QColor& tips)
{
    const int counts[] = {9, 8, 7, 5};
    const double sizes[] = {1.0, 0.74, 0.5, 0.28};
    for (int ring = 0; ring < 4; ++ring) {
        const double r = radius * sizes[ring];
        for (int i = 0; i < counts[ring]; ++i) {
            const double a = ring * 20.0 + i * 360.0 / counts[ring];
            m_p.save();
            m_p.translate(centre);
            m_p.rotate(a);
            m_p.scale(1.0, 0.82);
            QLinearGradient g(0, 0, 0, -r);
            g.setColorAt(0.0, Shade(colour, 0.85 + 0.08 * ring));
            g.setColorAt(0.75, Shade(colour, 1.05 + 0.05 * ring));
            g.setColorAt(1.0, tips);
            m_p.setBrush(g);
            m_p.setPen(QPen(WithAlpha(Shade(colour, 0.6), 150), 0.8));
            m_p.drawPath(Vesica(r, r * 0.52, 0.1));
            m_p.restore();
        }
    }
}

void TFlowerPainter::RoundLeaf(const QPointF& centre, double radius, const QColor& colour, bool scalloped)
{
    m_p.save();
    m_p.translate(centre);
    QPainterPath path;
    if (scalloped) {
        const int lobes = 11;
        for (int i = 0; i <= lobes * 4; ++i) {
            const double a = 2 * Pi * i / (lobes * 4);
            const double d = radius * (0.92 + 0.08 * std::cos(a * lobes));
            const QPointF point(std::cos(a) * d, std::sin(a) * d);
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        path.closeSubpath();
    } else {
        path.addEllipse(QPointF(0, 0), radius, radius * 0.85);
    }
    QRadialGradient g(QPointF(-radius * 0.3, -radius * 0.3), radius * 1.4);
    g.setColorAt(0.0, Shade(colour, 1.25));
    g.setColorAt(1.0, Shade(colour, 0.7));
    m_p.setBrush(g);
    m_p.setPen(QPen(Shade(colour, 0.6), 0.8));
    m_p.drawPath(path);
    if (scalloped) {
        // The darker horseshoe zone of a garden geranium's leaf.
        m_p.setBrush(Qt::NoBrush);
        m_p.setPen(QPen(QColor(70, 50, 30, 70), radius * 0.14));
        m_p.drawEllipse(QPointF(0, 0), radius * 0.55, radius * 0.55);
    }
    m_p.setPen(QPen(WithAlpha(Shade(colour, 1.4), 90), 0.8));
    for (int i = 0; i < 7; ++i) {
        const double a = 2 * Pi * i / 7 + 0.3;
        m_p.drawLine(QPointF(0, 0), QPointF(std::cos(a), std::sin(a)) * radius * 0.8);
    }
    m_p.restore();
}

// ---------------------------------------------------------------- wrapping and ties

void TFlowerPainter::PaperFan(const QPointF& tie, double height, double spread, const QColor& colour)
{
    m_p.save();
    for (int layer = 0; layer < 2; ++layer) {
        const double h = height * (layer == 0 ? 1.0 : 0.86);
        const double s = spread * (layer == 0 ? 1.0 : 0.74);
        const QColor c = layer == 0 ? Shade(colour, 0.9) : Shade(colour, 1.08);
        QPolygonF fan;
        fan << tie;
        const int folds = 7;
        std::vector<QPointF> top;
        for (int k = 0; k <= folds; ++k) {
            const double t = double(k) / folds;
            const double x = tie.x() - s / 2.0 + s * t;
            const double y = tie.y() - h * (0.82 + 0.18 * std::sin(Pi * t)) + (k % 2 ? h * 0.05 : 0.0);
            top.emplace_back(x, y);
            fan << QPointF(x, y);
        }
        QLinearGradient g(tie.x() - s / 2.0, 0, tie.x() + s / 2.0, 0);
        g.setColorAt(0.0, Shade(c, 1.1));
        g.setColorAt(0.5, c);
        g.setColorAt(1.0, Shade(c, 0.82));
        m_p.setBrush(g);
        m_p.setPen(QPen(Shade(c, 0.8), 1.0));
        m_p.drawPolygon(fan);
        m_p.setPen(QPen(WithAlpha(Shade(c, 0.75), 110), 1.2));
        for (size_t k = 1; k + 1 < top.size(); ++k)
            m_p.drawLine(tie + (top[k] - tie) * 0.25, top[k]);
    }
    m_p.restore();
}

void TFlowerPainter::PaperCone(const QPointF& top, double topWidth, const QPointF& bottom, double bottomWidth,
                               const QColor& colour)
{
    m_p.save();
    QPolygonF cone;
    const QPointF fold(top.x() + topWidth * 0.08, top.y() + topWidth * 0.22);
    cone << QPointF(top.x() - topWidth / 2.0, top.y()) << fold << QPointF(top.x() + topWidth / 2.0, top.y() - topWidth * 0.06)
         << QPointF(bottom.x() + bottomWidth / 2.0, bottom.y()) << QPointF(bottom.x() - bottomWidth / 2.0, bottom.y());
    QLinearGradient g(top.x() - topWidth / 2.0, 0, top.x() + topWidth / 2.0, 0);
    g.setColorAt(0.0, Shade(colour, 1.12));
    g.setColorAt(0.55, colour);
    g.setColorAt(1.0, Shade(colour, 0.75));
    m_p.setBrush(g);
    m_p.setPen(QPen(Shade(colour, 0.75), 1.0));
    m_p.drawPolygon(cone);
    // The overlapping flap on the left.
    QPolygonF flap;
    flap << QPointF(top.x() - topWidth / 2.0, top.y()) << fold << QPointF(bottom.x() + bottomWidth * 0.15, bottom.y())
         << QPointF(bottom.x() - bottomWidth / 2.0, bottom.y());
    QLinearGradient f(top.x() - topWidth / 2.0, 0, fold.x(), 0);
    f.setColorAt(0.0, Shade(colour, 1.2));
    f.setColorAt(1.0, Shade(colour, 1.02));
    m_p.setBrush(f);
    m_p.drawPolygon(flap);
    m_p.setPen(QPen(WithAlpha(Shade(colour, 1.4), 160), 1.5));
    m_p.drawLine(QPointF(top.x() - topWidth / 2.0 + 2, top.y() + 1), fold + QPointF(0, -1));
    m_p.restore();
}

void TFlowerPainter::Cellophane(const QPointF& tie, double height, double spread)
{
    m_p.save();
    QPolygonF fan;
    fan << tie + QPointF(-6, 0) << tie + QPointF(-spread / 2.0, -height) << tie + QPointF(-spread * 0.15, -height * 1.06)
        << tie + QPointF(spread * 0.2, -height * 0.98) << tie + QPointF(spread / 2.0, -height * 1.02) << tie + QPointF(6, 0);
    m_p.setBrush(QColor(255, 255, 255, 55));
    m_p.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
    m_p.drawPolygon(fan);
    m_p.setPen(QPen(QColor(255, 255, 255, 150), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 4; ++k) {
        const double x = -spread * 0.35 + k * spread * 0.22;
        m_p.drawLine(tie + QPointF(x * 0.2, -height * 0.15), tie + QPointF(x, -height * 0.85));
    }
    m_p.setPen(QPen(QColor(150, 170, 180, 90), 1.0));
    m_p.drawLine(tie, tie + QPointF(-spread * 0.25, -height * 0.95));
    m_p.drawLine(tie, tie + QPointF(spread * 0.3, -height * 0.92));
    m_p.restore();
}

void TFlowerPainter::Bow(const QPointF& centre, double size, const QColor& colour)
{
    m_p.save();
    m_p.translate(centre);
    const double s = size;
    m_p.setPen(QPen(Shade(colour, 0.6), std::max(0.6, s * 0.025)));
    // Tails first, behind the loops.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath tail;
        tail.moveTo(side * 0.05 * s, 0);
        tail.cubicTo(side * 0.25 * s, 0.4 * s, side * 0.2 * s, 0.7 * s, side * 0.45 * s, 1.05 * s);
        tail.lineTo(side * 0.3 * s, 0.98 * s);
        tail.lineTo(side * 0.22 * s, 1.1 * s);
        tail.cubicTo(side * 0.05 * s, 0.7 * s, side * 0.12 * s, 0.4 * s, -side * 0.05 * s, 0);
        QLinearGradient g(0, 0, side * 0.4 * s, s);
        g.setColorAt(0.0, Shade(colour, 0.8));
        g.setColorAt(1.0, Shade(colour, 1.1));
        m_p.setBrush(g);
        m_p.drawPath(tail);
    }
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath loop;
        loop.moveTo(0, 0);
        loop.cubicTo(side * 0.3 * s, -0.55 * s, side * 1.0 * s, -0.55 * s, side * 0.95 * s, -0.05 * s);
        loop.cubicTo(side * 0.92 * s, 0.3 * s, side * 0.4 * s, 0.25 * s, 0, 0);
        QLinearGradient g(0, -0.5 * s, 0, 0.3 * s);
        g.setColorAt(0.0, Shade(colour, 1.3));
        g.setColorAt(0.6, colour);
        g.setColorAt(1.0, Shade(colour, 0.7));
        m_p.setBrush(g);
        m_p.drawPath(loop);
        m_p.setBrush(WithAlpha(Shade(colour, 0.55), 160));
        m_p.setPen(Qt::NoPen);
        m_p.drawEllipse(QPointF(side * 0.55 * s, -0.1 * s), 0.22 * s, 0.1 * s);
        m_p.setPen(QPen(Shade(colour, 0.6), std::max(0.6, s * 0.025)));
    }
    m_p.setBrush(Shade(colour, 0.9));
    m_p.drawRoundedRect(QRectF(-0.16 * s, -0.16 * s, 0.32 * s, 0.3 * s), 0.08 * s, 0.08 * s);
    m_p.restore();
}

void TFlowerPainter::Twine(const QPointF& centre, double width, const QColor& colour)
{
    m_p.save();
    m_p.setBrush(Qt::NoBrush);
    m_p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 3; ++k) {
        const double y = centre.y() + (k - 1) * 4.0;
        QPainterPath wrap(QPointF(centre.x() - width / 2.0, y));
        wrap.quadTo(QPointF(centre.x(), y + 3.5), QPointF(centre.x() + width / 2.0, y - 1));
        m_p.drawPath(wrap);
    }
    m_p.setPen(QPen(Shade(colour, 0.85), 2.0, Qt::SolidLine, Qt::RoundCap));
    m_p.drawEllipse(QPointF(centre.x() - 9, centre.y() - 4), 8, 5);
    m_p.drawEllipse(QPointF(centre.x() + 9, centre.y() - 4), 8, 5);
    m_p.drawLine(centre, centre + QPointF(-6, 20));
    m_p.drawLine(centre, centre + QPointF(7, 18));
    m_p.restore();
}

// ---------------------------------------------------------------- containers

QRectF TFlowerPainter::Pot(const QPointF& bottomCentre, double width, double height, const QColor& colour, bool glazed)
{
    const double rimHeight = height * 0.18;
    const double top = bottomCentre.y() - height;
    m_p.save();
    QPolygonF body;
    body << QPointF(bottomCentre.x() - width * 0.47, top + rimHeight) << QPointF(bottomCentre.x() + width * 0.47, top + rimHeight)
         << QPointF(bottomCentre.x() + width * 0.35, bottomCentre.y()) << QPointF(bottomCentre.x() - width * 0.35, bottomCentre.y());
    QLinearGradient g(bottomCentre.x() - width / 2.0, 0, bottomCentre.x() + width / 2.0, 0);
    g.setColorAt(0.0, Shade(colour, 0.9));
    g.setColorAt(0.28, Shade(colour, 1.15));
    g.setColorAt(0.7, colour);
    g.setColorAt(1.0, Shade(colour, 0.62));
    m_p.setPen(QPen(Shade(colour, 0.6), 1.0));
    m_p.setBrush(g);
    m_p.drawPolygon(body);
    const QRectF rim(bottomCentre.x() - width * 0.52, top, width * 1.04, rimHeight);
    m_p.drawRoundedRect(rim, 3, 3);
    m_p.setPen(QPen(WithAlpha(Shade(colour, 0.55), 120), 2.0));
    m_p.drawLine(QPointF(rim.left() + 3, rim.bottom() + 1.5), QPointF(rim.right() - 3, rim.bottom() + 1.5));
    if (glazed) {
        m_p.setPen(Qt::NoPen);
        QLinearGradient shine(bottomCentre.x() - width * 0.3, 0, bottomCentre.x() - width * 0.12, 0);
        shine.setColorAt(0.0, QColor(255, 255, 255, 0));
        shine.setColorAt(0.5, QColor(255, 255, 255, 110));
        shine.setColorAt(1.0, QColor(255, 255, 255, 0));
        m_p.setBrush(shine);
        m_p.drawRect(QRectF(bottomCentre.x() - width * 0.3, top + rimHeight + 4, width * 0.18, height - rimHeight - 10));
        m_p.drawRect(QRectF(bottomCentre.x() - width * 0.3, top + 2, width * 0.18, rimHeight - 4));
    }
    m_p.restore();
    return QRectF(rim.left() + width * 0.05, top - height * 0.05, rim.width() - width * 0.1, height * 0.12);
}

void TFlowerPainter::Soil(const QRectF& opening)
{
    m_p.save();
    QRadialGradient g(opening.center(), opening.width() / 2.0);
    g.setColorAt(0.0, QColor(0x5A3D24));
    g.setColorAt(1.0, QColor(0x2E1E12));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(g);
    m_p.drawEllipse(opening);
    m_p.setBrush(QColor(0x7A5A3A));
    for (int i = 0; i < 30; ++i) {
        const double a = m_random.Between(0, 2 * Pi);
        const double d = std::sqrt(m_random.Unit()) * 0.9;
        m_p.drawEllipse(opening.center() + QPointF(std::cos(a) * opening.width() / 2.0 * d, std::sin(a) * opening.height() / 2.0 * d),
                        1.2, 0.8);
    }
    m_p.restore();
}

namespace {

// Clear glass: darker at the edges where the light passes through more of it.
QLinearGradient GlassShading(double left, double right, const QColor& tint)
{
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.0, QColor(tint.red(), tint.green(), tint.blue(), 150));
    g.setColorAt(0.1, QColor(255, 255, 255, 60));
    g.setColorAt(0.5, QColor(255, 255, 255, 25));
    g.setColorAt(0.88, QColor(255, 255, 255, 50));
    g.setColorAt(1.0, QColor(tint.red(), tint.green(), tint.blue(), 170));
    return g;
}

} // namespace

void TFlowerPainter::GlassCylinder(const QPointF& bottomCentre, double width, double height, double waterLevel)
{
    const QColor tint(0x9DB7B2);
    const double left = bottomCentre.x() - width / 2.0;
    const double top = bottomCentre.y() - height;
    m_p.save();
    // Water, with its surface.
    const double water = bottomCentre.y() - height * waterLevel;
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(175, 215, 225, 70));
    m_p.drawRect(QRectF(left + 3, water, width - 6, bottomCentre.y() - water - 4));
    m_p.setBrush(QColor(200, 230, 240, 90));
    m_p.drawEllipse(QRectF(left + 3, water - 5, width - 6, 10));
    // The glass itself.
    m_p.setBrush(GlassShading(left, left + width, tint));
    m_p.setPen(QPen(QColor(120, 150, 145, 170), 1.2));
    m_p.drawRect(QRectF(left, top, width, height - 6));
    m_p.setBrush(QColor(tint.red(), tint.green(), tint.blue(), 120));
    m_p.drawEllipse(QRectF(left, bottomCentre.y() - 14, width, 14));
    m_p.setBrush(Qt::NoBrush);
    m_p.setPen(QPen(QColor(110, 140, 135, 190), 1.5));
    m_p.drawEllipse(QRectF(left, top - 6, width, 12));
    m_p.setPen(QPen(QColor(255, 255, 255, 190), 3.0, Qt::SolidLine, Qt::RoundCap));
    m_p.drawLine(QPointF(left + width * 0.16, top + 12), QPointF(left + width * 0.16, bottomCentre.y() - 22));
    m_p.setPen(QPen(QColor(255, 255, 255, 120), 1.5, Qt::SolidLine, Qt::RoundCap));
    m_p.drawLine(QPointF(left + width * 0.84, top + 20), QPointF(left + width * 0.84, bottomCentre.y() - 30));
    m_p.restore();
}

void TFlowerPainter::GlassBowl(const QPointF& centre, double radius, double waterLevel)
{
    const QColor tint(0x9DB7B2);
    m_p.save();
    QPainterPath bowl;
    bowl.addEllipse(centre, radius, radius);
    m_p.setClipPath(bowl);
    const double water = centre.y() + radius - 2 * radius * waterLevel;
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(175, 215, 225, 80));
    m_p.drawRect(QRectF(centre.x() - radius, water, 2 * radius, 2 * radius));
    m_p.setClipping(false);
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, QColor(255, 255, 255, 20));
    g.setColorAt(0.8, QColor(255, 255, 255, 40));
    g.setColorAt(1.0, QColor(tint.red(), tint.green(), tint.blue(), 170));
    m_p.setBrush(g);
    m_p.setPen(QPen(QColor(120, 150, 145, 170), 1.2));
    m_p.drawEllipse(centre, radius, radius);
    const double openingY = centre.y() - radius * 0.8;
    const double openingHalf = radius * 0.6;
    m_p.setBrush(QColor(240, 248, 248, 120));
    m_p.drawEllipse(QRectF(centre.x() - openingHalf, openingY - 7, 2 * openingHalf, 14));
    m_p.setBrush(Qt::NoBrush);
    m_p.setPen(QPen(QColor(255, 255, 255, 200), 4.0, Qt::SolidLine, Qt::RoundCap));
    m_p.drawArc(QRectF(centre.x() - radius * 0.8, centre.y() - radius * 0.8, radius * 1.6, radius * 1.6), 120 * 16, 50 * 16);
    m_p.restore();
}

void TFlowerPainter::Jug(const QPointF& bottomCentre, double width, double height, const QColor& colour)
{
    const double x = bottomCentre.x();
    const double b = bottomCentre.y();
    const double w = width / 2.0;
    const double h = height;
    m_p.save();
    // Handle behind the body's right side.
    m_p.setBrush(Qt::NoBrush);
    m_p.setPen(QPen(Shade(colour, 0.75), width * 0.09, Qt::SolidLine, Qt::RoundCap));
    QPainterPath handle(QPointF(x + w * 0.6, b - h * 0.85));
    handle.cubicTo(QPointF(x + w * 1.45, b - h * 0.9), QPointF(x + w * 1.4, b - h * 0.45), QPointF(x + w * 0.85, b - h * 0.35));
    m_p.drawPath(handle);
    QPainterPath body;
    body.moveTo(x - w * 0.62, b);
    body.cubicTo(x - w * 1.15, b - h * 0.25, x - w * 1.05, b - h * 0.6, x - w * 0.62, b - h * 0.82);
    body.lineTo(x - w * 0.95, b - h * 1.0); // the spout
    body.lineTo(x + w * 0.7, b - h * 0.98);
    body.cubicTo(x + w * 0.62, b - h * 0.85, x + w * 1.15, b - h * 0.55, x + w * 1.0, b - h * 0.3);
    body.cubicTo(x + w * 0.95, b - h * 0.12, x + w * 0.8, b, x + w * 0.62, b);
    body.closeSubpath();
    QLinearGradient g(x - w, 0, x + w, 0);
    g.setColorAt(0.0, Shade(colour, 0.95));
    g.setColorAt(0.3, Shade(colour, 1.25));
    g.setColorAt(0.65, colour);
    g.setColorAt(1.0, Shade(colour, 0.6));
    m_p.setBrush(g);
    m_p.setPen(QPen(Shade(colour, 0.55), 1.2));
    m_p.drawPath(body);
    m_p.setBrush(Shade(colour, 0.45));
    m_p.drawEllipse(QRectF(x - w * 0.85, b - h * 1.03, w * 1.55, h * 0.07));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(255, 255, 255, 120));
    m_p.drawEllipse(QRectF(x - w * 0.65, b - h * 0.7, w * 0.22, h * 0.38));
    m_p.restore();
}

void TFlowerPainter::Bottle(const QPointF& bottomCentre, double width, double height, const QColor& colour)
{
    const double x = bottomCentre.x();
    const double b = bottomCentre.y();
    const double w = width / 2.0;
    m_p.save();
    QPainterPath body;
    body.moveTo(x - w * 0.7, b);
    body.cubicTo(x - w * 1.1, b - height * 0.2, x - w * 1.05, b - height * 0.5, x - w * 0.3, b - height * 0.62);
    body.lineTo(x - w * 0.26, b - height * 0.97);
    body.lineTo(x - w * 0.36, b - height);
    body.lineTo(x + w * 0.36, b - height);
    body.lineTo(x + w * 0.26, b - height * 0.97);
    body.lineTo(x + w * 0.3, b - height * 0.62);
    body.cubicTo(x + w * 1.05, b - height * 0.5, x + w * 1.1, b - height * 0.2, x + w * 0.7, b);
    body.closeSubpath();
    QColor glass = colour;
    glass.setAlpha(175);
    QLinearGradient g(x - w, 0, x + w, 0);
    g.setColorAt(0.0, Shade(glass, 0.7));
    g.setColorAt(0.35, Shade(glass, 1.2));
    g.setColorAt(1.0, Shade(glass, 0.55));
    m_p.setBrush(g);
    m_p.setPen(QPen(Shade(colour, 0.55), 1.0));
    m_p.drawPath(body);
    m_p.setPen(QPen(QColor(255, 255, 255, 170), 2.0, Qt::SolidLine, Qt::RoundCap));
    m_p.drawLine(QPointF(x - w * 0.55, b - height * 0.12), QPointF(x - w * 0.62, b - height * 0.4));
    m_p.restore();
}

void TFlowerPainter::Urn(const QPointF& bottomCentre, double width, double height, const QColor& colour)
{
    const double x = bottomCentre.x();
    const double b = bottomCentre.y();
    const double w = width / 2.0;
    m_p.save();
    QPainterPath body;
    body.moveTo(x - w * 0.45, b);
    body.cubicTo(x - w * 1.05, b - height * 0.15, x - w * 1.1, b - height * 0.55, x - w * 0.4, b - height * 0.8);
    body.cubicTo(x - w * 0.3, b - height * 0.88, x - w * 0.5, b - height * 0.96, x - w * 0.55, b - height);
    body.lineTo(x + w * 0.55, b - height);
    body.cubicTo(x + w * 0.5, b - height * 0.96, x + w * 0.3, b - height * 0.88, x + w * 0.4, b - height * 0.8);
    body.cubicTo(x + w * 1.1, b - height * 0.55, x + w * 1.05, b - height * 0.15, x + w * 0.45, b);
    body.closeSubpath();
    QLinearGradient g(x - w, 0, x + w, 0);
    g.setColorAt(0.0, Shade(colour, 0.85));
    g.setColorAt(0.3, Shade(colour, 1.12));
    g.setColorAt(0.7, colour);
    g.setColorAt(1.0, Shade(colour, 0.6));
    m_p.setBrush(g);
    m_p.setPen(QPen(Shade(colour, 0.55), 1.2));
    m_p.drawPath(body);
    m_p.save();
    m_p.setClipPath(body);
    m_p.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        m_p.setBrush(QColor(90, 70, 50, m_random.Below(90) + 60));
        m_p.drawEllipse(QPointF(x + m_random.Between(-w, w), b - m_random.Between(0, height)), 0.9, 0.9);
    }
    // A glaze band around the shoulder.
    m_p.setBrush(QColor(0x3E6E8E));
    m_p.drawRect(QRectF(x - w * 1.2, b - height * 0.74, w * 2.4, height * 0.05));
    m_p.restore();
    m_p.setPen(QPen(Shade(colour, 0.5), 1.0));
    m_p.setBrush(Shade(colour, 0.4));
    m_p.drawEllipse(QRectF(x - w * 0.55, b - height - 4, w * 1.1, 8));
    m_p.restore();
}

void TFlowerPainter::GiftBox(const QPointF& bottomCentre, double width, double height, const QColor& colour,
                             const QColor& ribbon)
{
    const double w = width * 0.78;
    const double depth = width * 0.22;
    const double left = bottomCentre.x() - width / 2.0;
    const double bottom = bottomCentre.y();
    const double top = bottom - height;
    const QPointF skew(depth, -depth * 0.6);
    m_p.save();
    m_p.setPen(QPen(Shade(colour, 0.55), 1.0));
    // Front, side and top faces of the box, then the lid's deeper band.
    const QRectF front(left, top, w, height);
    m_p.setBrush(colour);
    m_p.drawRect(front);
    QPolygonF side;
    side << front.topRight() << front.topRight() + skew << front.bottomRight() + skew << front.bottomRight();
    m_p.setBrush(Shade(colour, 0.72));
    m_p.drawPolygon(side);
    const double lid = height * 0.24;
    const QRectF lidFront(left - 4, top - 4, w + 8, lid);
    QPolygonF lidSide;
    lidSide << lidFront.topRight() << lidFront.topRight() + skew << lidFront.bottomRight() + skew << lidFront.bottomRight();
    QPolygonF lidTop;
    lidTop << lidFront.topLeft() << lidFront.topLeft() + skew << lidFront.topRight() + skew << lidFront.topRight();
    m_p.setBrush(Shade(colour, 1.1));
    m_p.drawRect(lidFront);
    m_p.setBrush(Shade(colour, 0.78));
    m_p.drawPolygon(lidSide);
    m_p.setBrush(Shade(colour, 1.25));
    m_p.drawPolygon(lidTop);
    // The ribbon crossing the lid and running down the front and side.
    const double band = width * 0.09;
    const double cx = left + w / 2.0;
    m_p.setPen(QPen(Shade(ribbon, 0.6), 0.8));
    m_p.setBrush(ribbon);
    m_p.drawRect(QRectF(cx - band / 2.0, top - 4, band, height + 4));
    QPolygonF topBand;
    topBand << QPointF(cx - band / 2.0, top - 4) << QPointF(cx - band / 2.0, top - 4) + skew
            << QPointF(cx + band / 2.0, top - 4) + skew << QPointF(cx + band / 2.0, top - 4);
    m_p.setBrush(Shade(ribbon, 1.2));
    m_p.drawPolygon(topBand);
    const QPointF sideMid = (lidFront.topRight() + lidFront.topRight() + skew) / 2.0;
    QPolygonF crossBand;
    crossBand << QPointF(lidFront.left(), top - 4 - depth * 0.3) + QPointF(depth * 0.5, 0)
              << QPointF(sideMid.x() + 4, sideMid.y() - band * 0.0) << QPointF(sideMid.x() + 4, sideMid.y() + band * 0.5)
              << QPointF(lidFront.left(), top - 4 - depth * 0.3) + QPointF(depth * 0.5, band * 0.5);
    m_p.setBrush(Shade(ribbon, 1.1));
    m_p.drawPolygon(crossBand);
    QPolygonF sideBand;
    sideBand << sideMid + QPointF(0, 0) << sideMid + QPointF(0, band * 0.55) << QPointF(sideMid.x(), bottom - depth * 0.3 + band * 0.3)
             << QPointF(sideMid.x(), bottom - depth * 0.3 - band * 0.25);
    m_p.setBrush(Shade(ribbon, 0.8));
    m_p.drawPolygon(sideBand);
    m_p.restore();
    Bow(QPointF(cx + depth * 0.5, top - 4 - depth * 0.3), width * 0.22, ribbon);
}

void TFlowerPainter::HatBox(const QPointF& bottomCentre, double width, double height, const QColor& colour)
{
    const double left = bottomCentre.x() - width / 2.0;
    const double ellipse = width * 0.22;
    const double top = bottomCentre.y() - height;
    m_p.save();
    QPainterPath body;
    body.moveTo(left, top);
    body.lineTo(left, bottomCentre.y() - ellipse / 2.0);
    body.arcTo(QRectF(left, bottomCentre.y() - ellipse, width, ellipse), 180, 180);
    body.lineTo(left + width, top);
    body.closeSubpath();
    QLinearGradient g(left, 0, left + width, 0);
    g.setColorAt(0.0, Shade(colour, 0.8));
    g.setColorAt(0.3, Shade(colour, 1.15));
    g.setColorAt(0.7, colour);
    g.setColorAt(1.0, Shade(colour, 0.6));
    m_p.setBrush(g);
    m_p.setPen(QPen(Shade(colour, 0.5), 1.0));
    m_p.drawPath(body);
    // A gold band around the box.
    m_p.save();
    m_p.setClipPath(body);
    QPainterPath band;
    const double bandY = bottomCentre.y() - height * 0.3;
    band.addRect(QRectF(left - 2, bandY, width + 4, height * 0.08));
    m_p.translate(0, 0);
    QLinearGradient gold(left, 0, left + width, 0);
    gold.setColorAt(0.0, QColor(0x9C7A2E));
    gold.setColorAt(0.3, QColor(0xE8CF7A));
    gold.setColorAt(1.0, QColor(0x80621F));
    m_p.setBrush(gold);
    m_p.setPen(Qt::NoPen);
    QPainterPath curved;
    curved.moveTo(left, bandY);
    curved.quadTo(left + width / 2.0, bandY + ellipse * 0.9, left + width, bandY);
    curved.lineTo(left + width, bandY + height * 0.08);
    curved.quadTo(left + width / 2.0, bandY + height * 0.08 + ellipse * 0.9, left, bandY + height * 0.08);
    curved.closeSubpath();
    m_p.drawPath(curved);
    m_p.restore();
    // The box's rim, seen from a little above.
    m_p.setBrush(Shade(colour, 0.45));
    m_p.setPen(QPen(Shade(colour, 1.2), 2.0));
    m_p.drawEllipse(QRectF(left, top - ellipse / 2.0, width, ellipse));
    m_p.restore();
}

void TFlowerPainter::Basket(const QPointF& bottomCentre, double width, double height)
{
    const QColor wicker(0xB9874D);
    const double top = bottomCentre.y() - height;
    QPainterPath body;
    body.moveTo(bottomCentre.x() - width / 2.0, top);
    body.lineTo(bottomCentre.x() + width / 2.0, top);
    body.cubicTo(bottomCentre.x() + width * 0.48, top + height * 0.7, bottomCentre.x() + width * 0.4, bottomCentre.y(),
                 bottomCentre.x(), bottomCentre.y());
    body.cubicTo(bottomCentre.x() - width * 0.4, bottomCentre.y(), bottomCentre.x() - width * 0.48, top + height * 0.7,
                 bottomCentre.x() - width / 2.0, top);
    m_p.save();
    QLinearGradient g(bottomCentre.x() - width / 2.0, 0, bottomCentre.x() + width / 2.0, 0);
    g.setColorAt(0.0, Shade(wicker, 0.9));
    g.setColorAt(0.3, Shade(wicker, 1.15));
    g.setColorAt(1.0, Shade(wicker, 0.6));
    m_p.setBrush(g);
    m_p.setPen(QPen(Shade(wicker, 0.5), 1.2));
    m_p.drawPath(body);
    m_p.setClipPath(body);
    // The weave: rows of short strands, each row offset from the last.
    const double row = height / 7.0;
    const double strand = width / 9.0;
    for (int r = 0; r < 8; ++r) {
        for (int k = -1; k < 11; ++k) {
            const double x = bottomCentre.x() - width / 2.0 + k * strand + (r % 2 ? strand / 2.0 : 0.0);
            const double y = top + r * row;
            m_p.setPen(QPen(Shade(wicker, 0.55), 1.0));
            m_p.setBrush(Shade(wicker, 1.0 + 0.08 * ((k + r) % 3)));
            m_p.drawRoundedRect(QRectF(x + 1, y + 1, strand - 2, row - 2), row * 0.4, row * 0.4);
        }
    }
    m_p.restore();
    m_p.save();
    m_p.setPen(QPen(Shade(wicker, 0.55), 1.0));
    m_p.setBrush(Shade(wicker, 1.1));
    m_p.drawRoundedRect(QRectF(bottomCentre.x() - width * 0.52, top - 6, width * 1.04, 12), 6, 6);
    m_p.restore();
}
