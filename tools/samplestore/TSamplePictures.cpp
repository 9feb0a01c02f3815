#include "TSamplePictures.h"

#include "TFlowerPainter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

namespace {

using F = TFlowerPainter;

constexpr double S = TSamplePictures::LargeSize;
const QRectF Canvas(0, 0, S, S);

QString g_serif = QStringLiteral("DejaVu Serif");
QString g_sans = QStringLiteral("DejaVu Sans");

// Backdrop tints by department, so that a category page reads as one set.
const QColor BlushTint(0xF6E4E1);
const QColor PeachTint(0xF7E9DA);
const QColor SageTint(0xE3ECDF);
const QColor MistTint(0xE2E9EE);
const QColor LilacTint(0xECE4F0);
const QColor CreamTint(0xF3EEE2);

const QColor LeafGreen(0x3E7B3A);
const QColor DeepGreen(0x2E5E30);

QFont Font(const QString& family, double pixelSize, bool bold, bool italic = false)
{
    QFont font(family);
    font.setPixelSize(int(std::round(pixelSize)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// ---------------------------------------------------------------- bouquets

enum class THeadKind { Rose, Camellia, Gerbera, Daisy, Sunflower, Lily, Tulip, Carnation, Orchid, Waratah, Blossoms };

struct THeadGroup
{
    THeadKind kind;
    QColor colour;
    QColor second;
    int count;
    double radius;
};

enum class TGreenery { Leaves, Eucalyptus, Fern, Mixed };
enum class TWrap { Paper, Cellophane, None };

struct TBouquet
{
    QList<THeadGroup> heads;
    QColor tint = BlushTint;
    TWrap wrap = TWrap::Paper;
    QColor paper = QColor(0xD9B99B);
    QColor frontPaper; // the cone in front; the fan's colour when not valid
    QColor ribbon = QColor(0xB0243E);
    TGreenery greenery = TGreenery::Leaves;
    QColor filler;     // baby's breath colour; none when not valid
    QColor berries;    // berry sprays; none when not valid
    bool wattle = false;
    QPointF domeCentre = QPointF(200, 160);
    QSizeF domeRadius = QSizeF(118, 92);
};

struct TPlaced
{
    QPointF at;
    const THeadGroup* group;
    double radius;
};

// Spreads the heads over the dome: each tries random spots that keep clear of
// the heads already placed, and the clearance is relaxed until all fit.
std::vector<TPlaced> PlaceHeads(TSampleRandom& random, const QList<THeadGroup>& groups, QPointF centre, QSizeF spread)
{
    std::vector<const THeadGroup*> order;
    for (const THeadGroup& g : groups)
        for (int i = 0; i < g.count; ++i)
            order.push_back(&g);
    // A fixed shuffle, so that mixed bouquets mix.
    for (size_t i = order.size(); i > 1; --i)
        std::swap(order[i - 1], order[size_t(random.Below(int(i)))]);
    std::vector<TPlaced> placed;
    for (const THeadGroup* g : order) {
        const double r = g->radius * random.Between(0.9, 1.08);
        double clearance = 0.92;
        for (int attempt = 0;; ++attempt) {
            if (attempt % 60 == 59)
                clearance *= 0.9;
            const double a = random.Between(0, 2 * 3.14159265358979);
            const double d = std::sqrt(random.Unit());
            const QPointF at(centre.x() + std::cos(a) * d * (spread.width() - r * 0.4),
                             centre.y() + std::sin(a) * d * (spread.height() - r * 0.4));
            const bool clear = std::all_of(placed.begin(), placed.end(), [&](const TPlaced& p) {
                return std::hypot(p.at.x() - at.x(), p.at.y() - at.y()) >= (p.radius + r) * clearance;
            });
            if (clear || attempt > 2000) {
                placed.push_back({at, g, r});
                break;
            }
        }
    }
    std::sort(placed.begin(), placed.end(), [](const TPlaced& a, const TPlaced& b) { return a.at.y() < b.at.y(); });
    return placed;
}

double AngleFrom(const QPointF& from, const QPointF& to)
{
    return std::atan2(to.x() - from.x(), from.y() - to.y()) * 180.0 / 3.14159265358979;
}

void DrawHead(F& f, const TPlaced& head, const QPointF& tie)
{
    TSampleRandom& random = f.Random();
    const THeadGroup& g = *head.group;
    const double r = head.radius;
    const double turn = random.Between(0, 360);
    switch (g.kind) {
    case THeadKind::Rose: f.Rose(head.at, r, F::Shade(g.colour, random.Between(0.94, 1.05)), turn); break;
    case THeadKind::Camellia: f.Camellia(head.at, r, g.colour, turn); break;
    case THeadKind::Gerbera: f.Gerbera(head.at, r, g.colour, g.second, turn); break;
    case THeadKind::Daisy: f.Daisy(head.at, r, g.colour, g.second, 16, turn); break;
    case THeadKind::Sunflower: f.Sunflower(head.at, r, turn); break;
    case THeadKind::Lily: f.Lily(head.at, r, g.colour, g.second, turn); break;
    case THeadKind::Tulip: {
        const double angle = AngleFrom(tie, head.at) * 0.8;
        f.Tulip(head.at + QPointF(0, r * 0.8), r * 1.45, g.colour, angle);
        break;
    }
    case THeadKind::Carnation: f.Carnation(head.at, r, g.colour); break;
    case THeadKind::Orchid: f.Orchid(head.at, r, g.colour, g.second); break;
    case THeadKind::Waratah: f.Waratah(head.at, r); break;
    case THeadKind::Blossoms: f.BlossomCluster(head.at, r, 7, g.colour, g.second); break;
    }
}

void Greenery(F& f, TGreenery kind, const QPointF& dome, QSizeF spread)
{
    TSampleRandom& random = f.Random();
    const int count = 13;
    for (int k = 0; k < count; ++k) {
        const double angle = -82 + 164.0 * k / (count - 1) + random.Between(-5, 5);
        const double reach = std::hypot(spread.width() * std::sin(angle * 3.14159265 / 180.0),
                                        spread.height() * std::cos(angle * 3.14159265 / 180.0));
        const QPointF from = F::Toward(dome + QPointF(0, spread.height() * 0.3), angle, reach * 0.45);
        TGreenery use = kind;
        if (kind == TGreenery::Mixed)
            use = k % 3 == 0 ? TGreenery::Eucalyptus : (k % 3 == 1 ? TGreenery::Leaves : TGreenery::Fern);
        switch (use) {
        case TGreenery::Leaves:
            f.Leaf(from, reach * random.Between(0.72, 0.9), 30, angle, F::Shade(LeafGreen, random.Between(0.85, 1.1)),
                   angle > 0 ? 0.12 : -0.12);
            break;
        case TGreenery::Eucalyptus: f.EucalyptusSprig(from, reach * random.Between(0.75, 0.95), angle); break;
        case TGreenery::Fern: f.Fern(from, reach * 0.85, angle, angle > 0 ? 25 : -25, QColor(0x4F8A3C)); break;
        case TGreenery::Mixed: break;
        }
    }
}

void DrawBouquet(F& f, const TBouquet& b)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, b.tint);
    const QPointF tie(200, 296);
    f.GroundShadow(QPointF(200, 390), 170, 22);
    if (b.wrap == TWrap::Paper)
        f.PaperFan(tie, 262, 340, b.paper);

    Greenery(f, b.greenery, b.domeCentre, b.domeRadius);
    const std::vector<TPlaced> heads = PlaceHeads(random, b.heads, b.domeCentre, b.domeRadius);
    for (const TPlaced& h : heads)
        f.Stem(tie, h.at, 4.0, random.Between(-8, 8), F::Shade(LeafGreen, 0.9));
    if (b.berries.isValid()) {
        for (int k = 0; k < 4; ++k) {
            const double angle = -60 + k * 40 + random.Between(-8, 8);
            f.Berries(F::Toward(b.domeCentre, angle, 40), F::Toward(b.domeCentre, angle, 125), b.berries);
        }
    }
    if (b.wattle) {
        for (double angle : {-58.0, 52.0, -12.0})
            f.WattleSpray(F::Toward(b.domeCentre, angle, 30), F::Toward(b.domeCentre, angle, 130));
    }
    if (b.filler.isValid()) {
        for (int k = 0; k < 6; ++k) {
            const double angle = -70 + k * 28 + random.Between(-6, 6);
            f.FillerSpray(F::Toward(b.domeCentre, angle, 30), F::Toward(b.domeCentre, angle, 128), b.filler);
        }
    }
    for (const TPlaced& h : heads)
        DrawHead(f, h, tie);

    if (b.wrap == TWrap::Cellophane) {
        for (int k = -2; k <= 2; ++k)
            f.Stem(tie + QPointF(k * 3, 0), QPointF(200 + k * 9, 392), 4.5, 0, F::Shade(LeafGreen, 0.85));
        f.Cellophane(tie, 250, 330);
    } else if (b.wrap == TWrap::Paper) {
        for (int k = -2; k <= 2; ++k)
            f.Stem(QPointF(200 + k * 5, 360), QPointF(200 + k * 8, 394), 5, 0, F::Shade(LeafGreen, 0.85));
        f.PaperCone(QPointF(200, 262), 176, QPointF(200, 382), 60, b.frontPaper.isValid() ? b.frontPaper : b.paper);
    } else {
        for (int k = -3; k <= 3; ++k)
            f.Stem(tie + QPointF(k * 2, -10), QPointF(200 + k * 7, 390), 5, 0, F::Shade(LeafGreen, 0.85));
    }
    f.Bow(tie + QPointF(0, 6), 44, b.ribbon);
}

// Long-stemmed roses in a tall fan, seen from the side.
void LongStemRoses(F& f, const QColor& colour, int count, bool single)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, BlushTint);
    const QPointF tie(200, single ? 300 : 290);
    f.GroundShadow(QPointF(200, 392), single ? 90 : 150, 18);
    f.Cellophane(tie, single ? 250 : 262, single ? 150 : 320);
    struct Stemmed {
        QPointF head;
        double angle;
    };
    std::vector<Stemmed> stems;
    for (int i = 0; i < count; ++i) {
        const double spreadAngle = single ? 0.0 : (-34 + 68.0 * i / std::max(1, count - 1) + random.Between(-4, 4));
        const double length = single ? 225 : random.Between(175, 238);
        stems.push_back({F::Toward(tie, spreadAngle, length), spreadAngle});
    }
    std::sort(stems.begin(), stems.end(), [](const Stemmed& a, const Stemmed& b) { return a.head.y() < b.head.y(); });
    for (const Stemmed& s : stems) {
        f.Stem(tie, s.head, 3.5, random.Between(-5, 5), F::Shade(LeafGreen, 0.9));
        const QPointF mid = tie + (s.head - tie) * random.Between(0.45, 0.7);
        f.Leaf(mid, 34, 16, s.angle + (random.Unit() < 0.5 ? -45 : 45), LeafGreen, 0.1);
    }
    if (single)
        f.FillerSpray(tie + QPointF(0, -30), F::Toward(tie, -20, 150), QColor(0xFFFFFF));
    for (const Stemmed& s : stems)
        f.RoseBud(s.head, single ? 50 : 38, F::Shade(colour, random.Between(0.92, 1.06)), s.angle);
    for (int k = -2; k <= 2; ++k) {
        if (single && k != 0)
            continue;
        f.Stem(tie, QPointF(200 + k * 10, 394), 3.5, 0, F::Shade(LeafGreen, 0.85));
    }
    f.Bow(tie, single ? 34 : 42, single ? QColor(0xB0243E) : QColor(0x1F1F2E));
}

void LavenderBunch(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, LilacTint);
    const QPointF tie(200, 268);
    f.GroundShadow(QPointF(200, 390), 120, 18);
    for (int k = 0; k < 26; ++k) {
        const double angle = -26 + 52.0 * random.Unit();
        const double length = random.Between(170, 235);
        f.LavenderSpike(tie + QPointF(random.Between(-8, 8), 0), F::Toward(tie, angle, length),
                        QColor(random.Unit() < 0.5 ? 0x7B5EA7 : 0x8E6FBF));
    }
    for (int k = 0; k < 22; ++k) {
        const double x = random.Between(-16, 16);
        f.Stem(tie + QPointF(x * 0.5, 0), QPointF(200 + x * 1.8, 388), 2.0, random.Between(-3, 3), QColor(0x7E9A68));
    }
    f.Twine(tie + QPointF(0, 8), 40, QColor(0xB89A6A));
}

void Wreath(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, SageTint);
    const QPointF centre(200, 196);
    const double radius = 122;
    QPainter& p = f.Painter();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x6B5A3E), 20));
    p.drawEllipse(centre, radius, radius);
    p.restore();
    for (int k = 0; k < 30; ++k) {
        const double a = k * 12.0 + random.Between(-4, 4);
        const QPointF at = F::Toward(centre, a, radius + random.Between(-12, 12));
        f.Fern(at, random.Between(60, 80), a + 100, 30, QColor(0x3F7A3A));
    }
    for (int k = 0; k < 14; ++k) {
        const double a = k * 25.7 + 8;
        f.EucalyptusSprig(F::Toward(centre, a, radius - 10), 70, a + 95);
    }
    for (int k = 0; k < 9; ++k) {
        const double a = k * 40.0 + 20;
        const QPointF at = F::Toward(centre, a, radius);
        f.Berries(at, F::Toward(at, a + 90, 50), QColor(0xC0182C));
    }
    for (int k = 0; k < 5; ++k)
        f.SmallBlossom(F::Toward(centre, k * 72.0 + 40, radius + 4), 10, QColor(0xFFFFFF), QColor(0xF5D142), 0);
    f.Bow(F::Toward(centre, 180, radius) + QPointF(0, 10), 52, QColor(0xC0182C));
}

// ---------------------------------------------------------------- pot plants

void PeaceLily(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, SageTint);
    f.GroundShadow(QPointF(200, 388), 190, 24);
    const QRectF opening = f.Pot(QPointF(200, 384), 168, 128, QColor(0xEDE6DA), true);
    f.Soil(opening);
    const QPointF root = opening.center();
    for (int k = 0; k < 8; ++k) {
        const double angle = -70 + 140.0 * k / 7 + random.Between(-6, 6);
        f.Leaf(root + QPointF(random.Between(-10, 10), 0), random.Between(150, 195), 58, angle, F::Shade(DeepGreen, random.Between(0.85, 1.1)),
               angle > 0 ? 0.15 : -0.15);
    }
    for (double x : {-38.0, 12.0, 52.0}) {
        const QPointF flower(200 + x, random.Between(70, 110));
        f.Stem(root, flower + QPointF(0, 30), 3.5, x * 0.2, QColor(0x4F8A3C));
        f.Leaf(flower + QPointF(0, 34), 74, 42, x * 0.15, QColor(0xF6F5EE), 0.05);
        QPainter& p = f.Painter();
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0E3A6));
        p.drawRoundedRect(QRectF(flower.x() - 5 + x * 0.02, flower.y() - 8, 10, 34), 5, 5);
        p.restore();
    }
    for (int k = 0; k < 4; ++k) {
        const double angle = k < 2 ? -95 + k * 18 : 78 + (k - 2) * 18;
        f.Leaf(root + QPointF(0, 4), random.Between(110, 140), 50, angle, F::Shade(DeepGreen, 1.05), angle > 0 ? 0.2 : -0.2);
    }
}

void PottedOrchid(F& f, const QColor& colour, const QColor& lip)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, LilacTint);
    f.GroundShadow(QPointF(200, 388), 150, 22);
    const QRectF opening = f.Pot(QPointF(200, 384), 124, 112, QColor(0xF4F2EE), true);
    f.Soil(opening);
    QPainter& p = f.Painter();
    // A bamboo stake carries the flower spike.
    p.save();
    p.setPen(QPen(QColor(0xC8A86A), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(196, opening.center().y()), QPointF(192, 120));
    p.restore();
    QPainterPath spike(QPointF(200, opening.center().y()));
    spike.cubicTo(QPointF(186, 180), QPointF(180, 52), QPointF(320, 70));
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5E7A3A), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(spike);
    p.restore();
    for (double t : {0.97, 0.92}) {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(F::Shade(colour, 0.9));
        p.drawEllipse(spike.pointAtPercent(t), 7, 9);
        p.restore();
    }
    const double sizes[] = {50, 54, 54, 48, 40};
    const double at[] = {0.36, 0.5, 0.64, 0.76, 0.86};
    for (int k = 0; k < 5; ++k)
        f.Orchid(spike.pointAtPercent(at[k]) + QPointF(random.Between(-3, 3), 30), sizes[k], colour, lip);
    for (double angle : {-100.0, -70.0, 75.0, 104.0})
        f.Leaf(opening.center(), 118, 54, angle, F::Shade(DeepGreen, 1.1), angle > 0 ? 0.12 : -0.12);
}

void Monstera(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, SageTint);
    f.GroundShadow(QPointF(200, 388), 180, 24);
    const QRectF opening = f.Pot(QPointF(200, 384), 150, 120, QColor(0x3A3F44), true);
    f.Soil(opening);
    const double angles[] = {-44, 40, -14, 16, -58, 56};
    for (double angle : angles)
        f.MonsteraLeaf(opening.center() + QPointF(random.Between(-10, 10), 0), random.Between(165, 190), angle);
}

void SnakePlant(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, CreamTint);
    f.GroundShadow(QPointF(200, 388), 150, 22);
    const QRectF opening = f.Pot(QPointF(200, 384), 130, 118, QColor(0xC9B79C), false);
    f.Soil(opening);
    const double angles[] = {-16, 12, -6, 18, 2, -22, 8};
    for (double angle : angles)
        f.SwordLeaf(opening.center() + QPointF(angle * 1.2, 2), random.Between(190, 265), random.Between(30, 38), angle,
                    random.Between(-0.05, 0.05));
}

void SucculentTrio(F& f)
{
    f.Backdrop(Canvas, CreamTint);
    struct Pot {
        double x;
        QColor pot;
        QColor plant;
        QColor tips;
        double bottom;
    };
    const Pot pots[] = {{128, QColor(0xC46A3C), QColor(0x7FA8A0), QColor(0xD98BA0), 250},
                        {272, QColor(0x9DB29A), QColor(0x9C8FAF), QColor(0xC97A9A), 250},
                        {200, QColor(0xF1EEE8), QColor(0x5E8F4E), QColor(0xA9C46A), 370}};
    for (const Pot& pot : pots) {
        f.GroundShadow(QPointF(pot.x, pot.bottom + 4), 140, 18);
        const QRectF opening = f.Pot(QPointF(pot.x, pot.bottom), 118, 110, pot.pot, pot.pot.lightness() > 200);
        f.Soil(opening);
        f.SucculentRosette(opening.center() + QPointF(0, -16), 62, pot.plant, pot.tips);
    }
}

void BostonFern(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, SageTint);
    f.GroundShadow(QPointF(200, 388), 170, 22);
    const QRectF opening = f.Pot(QPointF(200, 384), 140, 112, QColor(0xB8643A), false);
    f.Soil(opening);
    for (int k = 0; k < 13; ++k) {
        const double angle = -88 + 176.0 * k / 12 + random.Between(-5, 5);
        f.Fern(opening.center() + QPointF(random.Between(-14, 14), 0), random.Between(150, 200), angle,
               angle > 0 ? random.Between(35, 60) : -random.Between(35, 60), QColor(0x5A9A40));
    }
    for (int k = 0; k < 5; ++k) {
        const double angle = -30 + 15.0 * k;
        f.Fern(opening.center(), random.Between(140, 170), angle, angle > 0 ? 20 : -20, QColor(0x69A84C));
    }
}

void AfricanViolet(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, LilacTint);
    f.GroundShadow(QPointF(200, 388), 160, 22);
    const QRectF opening = f.Pot(QPointF(200, 386), 128, 100, QColor(0xE8D7E6), true);
    f.Soil(opening);
    const QPointF centre = opening.center() + QPointF(0, -30);
    for (int k = 0; k < 10; ++k) {
        const double angle = k * 36 + random.Between(-8, 8);
        f.RoundLeaf(F::Toward(centre, angle, 62) + QPointF(0, 12), 38, F::Shade(QColor(0x2F5D36), random.Between(0.9, 1.1)), false);
    }
    for (int k = 0; k < 5; ++k) {
        const double angle = k * 72 + 20;
        f.RoundLeaf(F::Toward(centre, angle, 30) + QPointF(0, 8), 30, QColor(0x3A6E40), false);
    }
    f.BlossomCluster(centre + QPointF(0, -30), 62, 14, QColor(0x7A3FA0), QColor(0xF5D142));
}

void Cactus(F& f)
{
    f.Backdrop(Canvas, PeachTint);
    f.GroundShadow(QPointF(200, 388), 140, 20);
    const QRectF opening = f.Pot(QPointF(200, 384), 120, 100, QColor(0xC46A3C), false);
    f.Soil(opening);
    QPainter& p = f.Painter();
    auto column = [&](const QRectF& r) {
        QLinearGradient g(r.left(), 0, r.right(), 0);
        g.setColorAt(0.0, QColor(0x5E9B52));
        g.setColorAt(0.4, QColor(0x7CB86A));
        g.setColorAt(1.0, QColor(0x356B30));
        p.setBrush(g);
        p.setPen(QPen(QColor(0x2E5A2A), 1.0));
        p.drawRoundedRect(r, r.width() / 2.0, r.width() / 2.0);
        p.setPen(QPen(QColor(0x3E7A38), 1.2));
        for (int k = 1; k < 4; ++k) {
            const double x = r.left() + r.width() * k / 4.0;
            p.drawLine(QPointF(x, r.top() + r.width() * 0.35), QPointF(x, r.bottom() - 4));
        }
        p.setPen(QPen(QColor(0xF4F1DF), 1.0));
        for (double y = r.top() + 12; y < r.bottom() - 6; y += 11) {
            for (int k = 1; k < 4; ++k) {
                const double x = r.left() + r.width() * k / 4.0;
                p.drawLine(QPointF(x, y), QPointF(x - 3, y - 3));
                p.drawLine(QPointF(x, y), QPointF(x + 3, y - 3));
            }
        }
    };
    p.save();
    column(QRectF(118, 170, 34, 90));
    column(QRectF(250, 140, 34, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4C8A44));
    p.drawRect(QRectF(140, 236, 40, 22));
    p.drawRect(QRectF(222, 216, 40, 22));
    column(QRectF(170, 86, 60, opening.center().y() - 86));
    p.restore();
    f.Daisy(QPointF(200, 92), 26, QColor(0xF06A9A), QColor(0xF5D142), 14, 10);
    f.SmallBlossom(QPointF(267, 142), 12, QColor(0xF48FB1), QColor(0xF5D142), 0);
}

void PottedLavender(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, LilacTint);
    f.GroundShadow(QPointF(200, 388), 180, 22);
    const QRectF opening = f.Pot(QPointF(200, 384), 160, 124, QColor(0xC46A3C), false);
    f.Soil(opening);
    const QPointF root = opening.center();
    for (int k = 0; k < 36; ++k) {
        const double angle = random.Between(-75, 75);
        f.Leaf(root + QPointF(random.Between(-30, 30), 0), random.Between(40, 70), 7, angle, QColor(0x8FA78A), 0.0);
    }
    for (int k = 0; k < 24; ++k) {
        const double angle = random.Between(-48, 48);
        f.LavenderSpike(root + QPointF(random.Between(-20, 20), -6), F::Toward(root, angle, random.Between(170, 240)),
                        QColor(random.Unit() < 0.5 ? 0x7B5EA7 : 0x6A4F98));
    }
}

void Rosemary(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, SageTint);
    f.GroundShadow(QPointF(200, 388), 170, 22);
    const QRectF opening = f.Pot(QPointF(200, 384), 150, 116, QColor(0xB8643A), false);
    f.Soil(opening);
    const QPointF root = opening.center();
    for (int k = 0; k < 14; ++k) {
        const double angle = random.Between(-55, 55);
        const QPointF tip = F::Toward(root, angle, random.Between(150, 230));
        f.Stem(root, tip, 2.2, random.Between(-10, 10), QColor(0x6B5A3E));
        for (int n = 0; n < 22; ++n) {
            const double t = 0.15 + 0.85 * n / 21.0;
            const QPointF at = root + (tip - root) * t;
            f.Leaf(at, random.Between(16, 22), 4, angle + (n % 2 ? 40 : -40), QColor(n % 3 ? 0x3F6B45 : 0x557F5A), 0.0);
        }
        for (int n = 0; n < 3; ++n)
            f.SmallBlossom(root + (tip - root) * random.Between(0.4, 0.95), 5, QColor(0x9DB6E8), QColor(0xFFFFFF), 0);
    }
}

void LeafyBush(F& f, const QPointF& centre, QSizeF spread, int leaves, const QColor& colour, double size)
{
    TSampleRandom& random = f.Random();
    for (int k = 0; k < leaves; ++k) {
        const double a = random.Between(0, 2 * 3.14159265);
        const double d = std::sqrt(random.Unit());
        const QPointF at(centre.x() + std::cos(a) * d * spread.width(), centre.y() + std::sin(a) * d * spread.height());
        f.Leaf(at, size * random.Between(0.8, 1.1), size * 0.5, random.Between(-150, 150), F::Shade(colour, random.Between(0.85, 1.15)),
               0.05);
    }
}

void Camellia(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, BlushTint);
    f.GroundShadow(QPointF(200, 388), 180, 22);
    const QRectF opening = f.Pot(QPointF(200, 384), 150, 118, QColor(0x2F5F8A), true);
    f.Soil(opening);
    const QPointF centre(200, 170);
    LeafyBush(f, centre, QSizeF(125, 100), 70, QColor(0x2B5A2E), 46);
    for (int k = 0; k < 7; ++k) {
        const double a = k * 51 + random.Between(-10, 10);
        const QPointF at = k == 0 ? centre : F::Toward(centre, a, random.Between(55, 85));
        f.Camellia(at, random.Between(24, 30), QColor(0xE5738F), random.Between(0, 90));
    }
}

void Geranium(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, PeachTint);
    f.GroundShadow(QPointF(200, 388), 170, 22);
    const QRectF opening = f.Pot(QPointF(200, 384), 150, 116, QColor(0xC46A3C), false);
    f.Soil(opening);
    const QPointF root = opening.center();
    QList<QPointF> heads;
    for (int k = 0; k < 6; ++k)
        heads.append(QPointF(200 + (k - 2.5) * 40 + random.Between(-8, 8), random.Between(62, 122)));
    for (const QPointF& h : heads)
        f.Stem(root + QPointF(random.Between(-10, 10), 0), h, 2.6, random.Between(-12, 12), QColor(0x5E8A44));
    // A low mound of leaves: a back row, then a front row spilling over the rim.
    for (int k = 0; k < 5; ++k)
        f.RoundLeaf(QPointF(200 + (k - 2) * 40 + random.Between(-6, 6), root.y() - 64 + random.Between(-8, 8)),
                    random.Between(30, 35), QColor(0x4F8A3E), true);
    for (int k = 0; k < 4; ++k)
        f.RoundLeaf(QPointF(200 + (k - 1.5) * 46 + random.Between(-6, 6), root.y() - 26 + random.Between(-6, 6)),
                    random.Between(30, 35), QColor(0x62A04C), true);
    for (const QPointF& h : heads)
        f.BlossomCluster(h, 30, 11, QColor(0xD7263D), QColor(0xF7E08A));
}

void HydrangeaPot(F& f)
{
    f.Backdrop(Canvas, MistTint);
    f.GroundShadow(QPointF(200, 388), 190, 24);
    const QRectF opening = f.Pot(QPointF(200, 384), 168, 122, QColor(0xF2F0EA), true);
    f.Soil(opening);
    LeafyBush(f, QPointF(200, 210), QSizeF(135, 60), 26, QColor(0x3E7B3A), 70);
    f.Hydrangea(QPointF(128, 168), 62, QColor(0x6D8FD6));
    f.Hydrangea(QPointF(272, 172), 60, QColor(0x8A7BD0));
    f.Hydrangea(QPointF(200, 124), 70, QColor(0x5E86D1));
}

void MiniatureRose(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, BlushTint);
    f.GroundShadow(QPointF(200, 388), 170, 22);
    const QRectF opening = f.Pot(QPointF(200, 384), 140, 112, QColor(0xC46A3C), false);
    f.Soil(opening);
    const QPointF centre(200, 180);
    LeafyBush(f, centre, QSizeF(115, 95), 80, QColor(0x386E34), 30);
    for (int k = 0; k < 12; ++k) {
        const double a = random.Between(0, 360);
        const QPointF at = F::Toward(centre, a, random.Between(10, 92));
        f.Rose(at, random.Between(15, 19), QColor(0xE2557A), random.Between(0, 360));
    }
}

// ---------------------------------------------------------------- vases

void GlassCylinderVase(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, MistTint);
    f.GroundShadow(QPointF(200, 382), 150, 20);
    for (int k = 0; k < 5; ++k)
        f.EucalyptusSprig(QPointF(200 + random.Between(-14, 14), 300), random.Between(210, 260), -22 + 11.0 * k);
    QPainter& p = f.Painter();
    p.save();
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 34; ++k) {
        const QPointF at(random.Between(152, 248), random.Between(350, 366));
        p.setBrush(QColor::fromHsv(30, random.Below(25), 215 + random.Below(40)));
        p.drawEllipse(at, random.Between(6, 10), random.Between(4, 6));
    }
    p.restore();
    f.GlassCylinder(QPointF(200, 378), 110, 250, 0.45);
}

void BubbleBowl(F& f)
{
    f.Backdrop(Canvas, MistTint);
    f.GroundShadow(QPointF(200, 346), 200, 26);
    f.GlassBowl(QPointF(200, 236), 118, 0.55);
    f.Gerbera(QPointF(200, 198), 62, QColor(0xF46036), QColor(0x4A2E12), 10);
    f.Leaf(QPointF(200, 205), 80, 34, -100, LeafGreen, -0.1);
    f.GlassBowl(QPointF(200, 236), 118, 0.0);
}

void CeramicJug(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, CreamTint);
    f.GroundShadow(QPointF(200, 380), 190, 24);
    const QPointF mouth(196, 150);
    for (int k = 0; k < 11; ++k) {
        const double angle = -60 + 120.0 * k / 10 + random.Between(-5, 5);
        const QPointF head = F::Toward(mouth, angle, random.Between(70, 115));
        f.Stem(mouth + QPointF(0, 30), head, 2.2, random.Between(-6, 6), LeafGreen);
    }
    for (int k = 0; k < 11; ++k) {
        const double angle = -60 + 120.0 * k / 10 + random.Between(-5, 5);
        const QPointF head = F::Toward(mouth, angle, random.Between(70, 115));
        f.Daisy(head, random.Between(20, 26), QColor(0xFFFFFF), QColor(0xF2C230), 15, random.Between(0, 30));
    }
    f.Jug(QPointF(200, 376), 170, 230, QColor(0x3F6FA6));
}

void BudVaseTrio(F& f)
{
    f.Backdrop(Canvas, PeachTint);
    struct Bud {
        double x;
        double height;
        QColor glass;
        QColor flower;
    };
    const Bud buds[] = {{112, 150, QColor(0xC9822E), QColor(0xF4A259)},
                        {204, 190, QColor(0x2F8C8A), QColor(0xFFFFFF)},
                        {292, 130, QColor(0xC2577A), QColor(0xE2557A)}};
    for (const Bud& b : buds) {
        f.GroundShadow(QPointF(b.x, 352), 96, 14);
        const QPointF top(b.x, 350 - b.height);
        f.Stem(top + QPointF(0, 40), top + QPointF(b.x < 200 ? -14 : 10, -70), 2.5, 6, LeafGreen);
        f.Leaf(top + QPointF(0, -20), 36, 14, b.x < 200 ? -50 : 45, LeafGreen, 0.1);
        f.RoseBud(top + QPointF(b.x < 200 ? -14 : 10, -70), 26, b.flower, b.x < 200 ? -12 : 8);
        f.Bottle(QPointF(b.x, 350), 78, b.height, b.glass);
    }
}

void SpeckledUrn(F& f)
{
    f.Backdrop(Canvas, CreamTint);
    f.GroundShadow(QPointF(200, 376), 190, 26);
    f.Urn(QPointF(200, 372), 210, 290, QColor(0xEDE3D0));
}

// ---------------------------------------------------------------- gifts

void Chocolates(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, PeachTint);
    QPainter& p = f.Painter();
    f.GroundShadow(QPointF(200, 352), 330, 40);
    // The lid leaning behind the box.
    p.save();
    QPolygonF lid;
    lid << QPointF(70, 200) << QPointF(110, 70) << QPointF(330, 70) << QPointF(340, 200);
    p.setPen(QPen(QColor(0x2A1810), 1.0));
    p.setBrush(QColor(0x4A2A1A));
    p.drawPolygon(lid);
    p.setBrush(QColor(0xC9A24A));
    p.drawPolygon(QPolygonF() << QPointF(196, 70) << QPointF(216, 70) << QPointF(222, 200) << QPointF(192, 200));
    p.setPen(QColor(0xE8CF7A));
    p.setFont(Font(g_serif, 24, true, true));
    p.drawText(QRectF(110, 100, 220, 40), Qt::AlignCenter, QStringLiteral("Tolvane"));
    p.restore();
    // The open box, seen from above at an angle.
    p.save();
    QPolygonF box;
    box << QPointF(50, 190) << QPointF(350, 190) << QPointF(372, 340) << QPointF(28, 340);
    p.setPen(QPen(QColor(0x2A1810), 1.0));
    p.setBrush(QColor(0x3A2016));
    p.drawPolygon(box);
    QPolygonF liner;
    liner << QPointF(62, 198) << QPointF(338, 198) << QPointF(356, 330) << QPointF(44, 330);
    QLinearGradient gold(0, 198, 0, 330);
    gold.setColorAt(0.0, QColor(0xB8923A));
    gold.setColorAt(1.0, QColor(0xE2C46E));
    p.setBrush(gold);
    p.drawPolygon(liner);
    const QColor shells[] = {QColor(0x3B1F12), QColor(0x7A4A2A), QColor(0xF1E6D2), QColor(0x5A2E18)};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 5; ++col) {
            const double t = (row + 0.5) / 3.0;
            const double left = 62 + (44 - 62) * t;
            const double right = 338 + (356 - 338) * t;
            const double x = left + (right - left) * (col + 0.5) / 5.0;
            const double y = 198 + (330 - 198) * t;
            const double r = 22 + row * 2;
            const QColor c = shells[(row * 5 + col + random.Below(2)) % 4];
            QRadialGradient g(QPointF(x - r * 0.3, y - r * 0.35), r * 1.2);
            g.setColorAt(0.0, F::Shade(c, 1.45));
            g.setColorAt(0.5, c);
            g.setColorAt(1.0, F::Shade(c, 0.6));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 60));
            p.drawEllipse(QPointF(x + 2, y + 4), r, r * 0.82);
            p.setBrush(g);
            p.drawEllipse(QPointF(x, y), r, r * 0.82);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(F::Shade(c, c.lightness() > 150 ? 0.7 : 1.6), 2.0, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(x - r * 0.5, y - r * 0.4, r, r * 0.6), 20 * 16, 140 * 16);
        }
    }
    p.restore();
    f.Rose(QPointF(330, 300), 30, QColor(0xB0243E), 20);
    f.Leaf(QPointF(318, 310), 44, 20, -120, LeafGreen, 0.1);
}

void Candle(F& f)
{
    f.Backdrop(Canvas, CreamTint);
    QPainter& p = f.Painter();
    f.GroundShadow(QPointF(200, 362), 220, 30);
    // The glow of the flame on the wall behind.
    QRadialGradient glow(QPointF(200, 120), 120);
    glow.setColorAt(0.0, QColor(255, 214, 120, 120));
    glow.setColorAt(1.0, QColor(255, 214, 120, 0));
    p.fillRect(Canvas, glow);
    const QRectF jar(110, 150, 180, 210);
    p.save();
    QLinearGradient wax(jar.left(), 0, jar.right(), 0);
    wax.setColorAt(0.0, QColor(0xE9DCC3));
    wax.setColorAt(0.4, QColor(0xF8F0E0));
    wax.setColorAt(1.0, QColor(0xCDBB9C));
    p.setPen(Qt::NoPen);
    p.setBrush(wax);
    p.drawRoundedRect(jar.adjusted(8, 30, -8, -6), 10, 10);
    QLinearGradient glass(jar.left(), 0, jar.right(), 0);
    glass.setColorAt(0.0, QColor(150, 95, 40, 170));
    glass.setColorAt(0.12, QColor(200, 140, 70, 80));
    glass.setColorAt(0.85, QColor(200, 140, 70, 80));
    glass.setColorAt(1.0, QColor(120, 70, 30, 190));
    p.setBrush(glass);
    p.setPen(QPen(QColor(120, 80, 40, 200), 1.2));
    p.drawRoundedRect(jar, 16, 16);
    // The label.
    const QRectF label(132, 228, 136, 86);
    p.setBrush(QColor(0xD8C3A0));
    p.setPen(QPen(QColor(0x9C8562), 1.0));
    p.drawRect(label);
    p.setPen(QColor(0x4A3A28));
    p.setFont(Font(g_serif, 16, true));
    p.drawText(label.adjusted(0, 8, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Rose & Fig"));
    p.setFont(Font(g_sans, 10, false));
    p.drawText(label.adjusted(0, 0, 0, -10), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("SOY WAX \u00B7 300 g"));
    p.setPen(QPen(QColor(0xFFFFFF), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(jar.left() + 18, jar.top() + 24), QPointF(jar.left() + 18, jar.bottom() - 24));
    p.restore();
    f.SmallBlossom(QPointF(200, 290), 12, QColor(0xC2577A), QColor(0xF5D142), 0);
    // Wick and flame.
    p.save();
    p.setPen(QPen(QColor(0x2A2A2A), 2.0));
    p.drawLine(QPointF(200, 182), QPointF(200, 166));
    QPainterPath flame(QPointF(200, 170));
    flame.cubicTo(QPointF(182, 160), QPointF(192, 128), QPointF(200, 112));
    flame.cubicTo(QPointF(208, 128), QPointF(218, 160), QPointF(200, 170));
    QRadialGradient fire(QPointF(200, 156), 26);
    fire.setColorAt(0.0, QColor(0xFFFFF0));
    fire.setColorAt(0.5, QColor(0xFFD36A));
    fire.setColorAt(1.0, QColor(0xF08A24));
    p.setPen(Qt::NoPen);
    p.setBrush(fire);
    p.drawPath(flame);
    p.restore();
}

void TeddyBear(F& f)
{
    f.Backdrop(Canvas, PeachTint);
    QPainter& p = f.Painter();
    f.GroundShadow(QPointF(200, 370), 250, 34);
    const QColor fur(0xB07A45);
    auto ball = [&](const QPointF& c, double rx, double ry, const QColor& colour) {
        QRadialGradient g(c + QPointF(-rx * 0.3, -ry * 0.35), std::max(rx, ry) * 1.3);
        g.setColorAt(0.0, F::Shade(colour, 1.25));
        g.setColorAt(0.7, colour);
        g.setColorAt(1.0, F::Shade(colour, 0.65));
        p.setBrush(g);
        p.setPen(QPen(F::Shade(colour, 0.55), 1.0));
        p.drawEllipse(c, rx, ry);
    };
    p.save();
    ball(QPointF(140, 340), 46, 32, fur);   // feet
    ball(QPointF(260, 340), 46, 32, fur);
    ball(QPointF(200, 270), 88, 92, fur);   // body
    ball(QPointF(200, 286), 52, 58, F::Shade(fur, 1.25));
    ball(QPointF(118, 250), 30, 54, fur);   // arms
    ball(QPointF(282, 250), 30, 54, fur);
    ball(QPointF(132, 92), 30, 30, fur);    // ears
    ball(QPointF(268, 92), 30, 30, fur);
    ball(QPointF(132, 92), 16, 16, F::Shade(fur, 1.3));
    ball(QPointF(268, 92), 16, 16, F::Shade(fur, 1.3));
    ball(QPointF(200, 140), 76, 68, fur);   // head
    ball(QPointF(200, 162), 34, 26, F::Shade(fur, 1.35));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1E1410));
    p.drawEllipse(QPointF(172, 128), 7, 8);
    p.drawEllipse(QPointF(228, 128), 7, 8);
    p.drawEllipse(QPointF(200, 152), 11, 8);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(170, 125), 2.2, 2.2);
    p.drawEllipse(QPointF(226, 125), 2.2, 2.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x1E1410), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(188, 156, 12, 12), 200 * 16, 120 * 16);
    p.drawArc(QRectF(200, 156, 12, 12), 220 * 16, 120 * 16);
    p.restore();
    f.Bow(QPointF(200, 204), 40, QColor(0xC2185B));
    f.Rose(QPointF(264, 276), 22, QColor(0xB0243E), 0);
}

void Hamper(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, CreamTint);
    QPainter& p = f.Painter();
    f.GroundShadow(QPointF(200, 378), 300, 34);
    // Handle behind the contents.
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x9A6B38), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(70, 50, 260, 300), 10 * 16, 160 * 16);
    p.setPen(QPen(QColor(0xC99A5E), 4, Qt::DashLine, Qt::RoundCap));
    p.drawArc(QRectF(70, 50, 260, 300), 10 * 16, 160 * 16);
    p.restore();
    // A bottle, a jar of honey, a box of biscuits and flowers.
    p.save();
    QLinearGradient bottle(236, 0, 274, 0);
    bottle.setColorAt(0.0, QColor(0x1E3A22));
    bottle.setColorAt(0.4, QColor(0x3F6B45));
    bottle.setColorAt(1.0, QColor(0x142A18));
    p.setBrush(bottle);
    p.setPen(QPen(QColor(0x0E1E10), 1.0));
    p.drawRoundedRect(QRectF(236, 120, 40, 130), 10, 10);
    p.drawRect(QRectF(248, 80, 16, 48));
    p.setBrush(QColor(0x8A1C2C));
    p.drawRect(QRectF(246, 72, 20, 16));
    p.setBrush(QColor(0xF1E6D2));
    p.drawRect(QRectF(240, 160, 32, 40));
    p.setBrush(QColor(0xC88A2A));
    p.drawRoundedRect(QRectF(140, 170, 62, 74), 8, 8);
    p.setBrush(QColor(0xF3E3B5));
    p.drawRect(QRectF(138, 162, 66, 16));
    p.setBrush(QColor(0xF1E6D2));
    p.drawRect(QRectF(152, 196, 38, 26));
    p.setBrush(QColor(0x3F6FA6));
    p.drawRect(QRectF(192, 180, 64, 66));
    p.setPen(QColor(0xFFFFFF));
    p.setFont(Font(g_serif, 10, true, true));
    p.drawText(QRectF(192, 194, 64, 34), Qt::AlignCenter, QStringLiteral("Short\nbread"));
    p.restore();
    for (int k = 0; k < 6; ++k) {
        const double angle = -70 + 25.0 * k + random.Between(-5, 5);
        f.Leaf(QPointF(108, 230), 70, 26, angle, LeafGreen, 0.1);
    }
    f.Gerbera(QPointF(96, 170), 34, QColor(0xF4A259), QColor(0x4A2E12), 0);
    f.Rose(QPointF(128, 200), 26, QColor(0xE2557A), 10);
    f.Daisy(QPointF(90, 222), 22, QColor(0xFFFFFF), QColor(0xF2C230), 14, 5);
    f.Basket(QPointF(200, 370), 300, 140);
}

void RoseHatBox(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, BlushTint);
    f.GroundShadow(QPointF(200, 374), 290, 34);
    const double rim = 180;
    f.HatBox(QPointF(200, 370), 270, 190, QColor(0x1F2A44));
    // Roses packed into the box's opening, back rows first.
    const int rows[] = {5, 6, 5};
    for (int row = 0; row < 3; ++row) {
        const double y = rim - 26 + row * 18;
        for (int k = 0; k < rows[row]; ++k) {
            const double x = 200 + (k - (rows[row] - 1) / 2.0) * 46 + random.Between(-3, 3);
            f.Rose(QPointF(x, y - 6 + random.Between(-4, 4)), 27, F::Shade(QColor(0xB0243E), random.Between(0.92, 1.08)),
                   random.Between(0, 360));
        }
    }
}

void Voucher(F& f, const QString& amount, const QColor& colour)
{
    f.Backdrop(Canvas, CreamTint);
    QPainter& p = f.Painter();
    f.GroundShadow(QPointF(204, 316), 330, 40);
    p.save();
    p.translate(200, 200);
    p.rotate(-6);
    const QRectF card(-160, -100, 320, 200);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(card.translated(4, 6), 14, 14);
    QLinearGradient paper(card.topLeft(), card.bottomRight());
    paper.setColorAt(0.0, QColor(0xFFFCF5));
    paper.setColorAt(1.0, QColor(0xF1E9DA));
    p.setBrush(paper);
    p.setPen(QPen(QColor(0xD6C8AE), 1.2));
    p.drawRoundedRect(card, 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(QRectF(card.left() + 60, card.top(), 26, card.height()));
    p.setBrush(F::Shade(colour, 1.3));
    p.drawRect(QRectF(card.left() + 64, card.top(), 5, card.height()));
    p.setPen(F::Shade(colour, 0.6));
    p.setFont(Font(g_serif, 22, true, true));
    p.drawText(QRectF(card.left() + 96, card.top() + 22, 220, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Gift Voucher"));
    p.setFont(Font(g_serif, 64, true));
    p.drawText(QRectF(card.left() + 96, card.top() + 56, 220, 80), Qt::AlignLeft | Qt::AlignVCenter, amount);
    p.setPen(QColor(0x6A5A48));
    p.setFont(Font(g_sans, 12, false));
    p.drawText(QRectF(card.left() + 96, card.bottom() - 46, 220, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Flowers Tolvane"));
    p.restore();
    f.Bow(QPointF(95, 106), 40, colour);
    f.Rose(QPointF(318, 268), 26, F::Shade(colour, 1.15), 30);
    f.Leaf(QPointF(306, 276), 40, 18, -130, LeafGreen, 0.1);
    f.SmallBlossom(QPointF(340, 240), 11, QColor(0xFFFFFF), QColor(0xF5D142), 0);
}

// ---------------------------------------------------------------- weddings

void BridalBouquet(F& f, bool posy)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, posy ? BlushTint : CreamTint);
    QPainter& p = f.Painter();
    const QPointF handleTop(200, 262);
    f.GroundShadow(QPointF(200, 390), 130, 18);
    // The ribbon-wrapped handle.
    p.save();
    QLinearGradient satin(184, 0, 216, 0);
    const QColor ribbon = posy ? QColor(0xF2B8C6) : QColor(0xF4EEE2);
    satin.setColorAt(0.0, F::Shade(ribbon, 0.82));
    satin.setColorAt(0.4, F::Shade(ribbon, 1.1));
    satin.setColorAt(1.0, F::Shade(ribbon, 0.72));
    p.setBrush(satin);
    p.setPen(QPen(F::Shade(ribbon, 0.6), 1.0));
    p.drawRoundedRect(QRectF(184, handleTop.y(), 32, 112), 8, 8);
    p.setPen(QPen(F::Shade(ribbon, 0.7), 1.0));
    for (double y = handleTop.y() + 14; y < handleTop.y() + 108; y += 14)
        p.drawLine(QPointF(185, y), QPointF(215, y - 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFBF8F0));
    for (double y = handleTop.y() + 22; y < handleTop.y() + 100; y += 28)
        p.drawEllipse(QPointF(200, y), 3.2, 3.2);
    p.restore();
    for (int k = 0; k < 3; ++k)
        f.Stem(QPointF(192 + k * 8, handleTop.y() + 108), QPointF(190 + k * 10, 392), 5, 0, F::Shade(LeafGreen, 0.85));

    const QPointF dome(200, 168);
    const QSizeF spread(posy ? 96 : 122, posy ? 78 : 98);
    if (posy) {
        for (int k = 0; k < 11; ++k)
            f.Leaf(F::Toward(dome, -90 + 18.0 * k, 40), 100, 28, -90 + 18.0 * k, LeafGreen, 0.1);
    } else {
        for (int k = 0; k < 9; ++k)
            f.EucalyptusSprig(F::Toward(dome, -95 + 24.0 * k, 40), 120, -95 + 24.0 * k);
        for (int k = 0; k < 7; ++k)
            f.FillerSpray(F::Toward(dome, -80 + 27.0 * k, 30), F::Toward(dome, -80 + 27.0 * k, 132), QColor(0xFFFFFF));
    }
    QList<THeadGroup> groups;
    if (posy) {
        groups << THeadGroup{THeadKind::Rose, QColor(0xF4B6C2), QColor(), 7, 28}
               << THeadGroup{THeadKind::Blossoms, QColor(0xFBE3EA), QColor(0xC2577A), 4, 22};
    } else {
        groups << THeadGroup{THeadKind::Rose, QColor(0xF6F1E6), QColor(), 13, 30};
    }
    for (const TPlaced& h : PlaceHeads(random, groups, dome, spread))
        DrawHead(f, h, handleTop);
    f.Bow(handleTop + QPointF(0, 6), 40, ribbon);
}

void Buttonhole(F& f)
{
    f.Backdrop(Canvas, CreamTint);
    QPainter& p = f.Painter();
    f.GroundShadow(QPointF(210, 350), 200, 26);
    p.save();
    p.translate(200, 200);
    p.rotate(28);
    p.translate(-200, -200);
    f.Leaf(QPointF(200, 246), 120, 56, -38, LeafGreen, -0.1);
    f.Leaf(QPointF(200, 246), 110, 50, 34, F::Shade(LeafGreen, 0.9), 0.1);
    f.FillerSpray(QPointF(200, 250), QPointF(168, 110), QColor(0xFFFFFF));
    f.Stem(QPointF(200, 240), QPointF(200, 370), 9, 0, QColor(0x4F8A3C));
    f.RoseBud(QPointF(200, 226), 74, QColor(0xF6F1E6), 0);
    f.Twine(QPointF(200, 300), 18, QColor(0xB89A6A));
    // The pearl-headed pin.
    p.setPen(QPen(QColor(0x9A9A9A), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(168, 320), QPointF(236, 286));
    p.setPen(Qt::NoPen);
    QRadialGradient pearl(QPointF(164, 318), 10);
    pearl.setColorAt(0.0, QColor(0xFFFFFF));
    pearl.setColorAt(1.0, QColor(0xD8D0C4));
    p.setBrush(pearl);
    p.drawEllipse(QPointF(166, 321), 8, 8);
    p.restore();
}

void FlowerCrown(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, BlushTint);
    f.GroundShadow(QPointF(200, 262), 350, 80, 0.14);
    const QPointF centre(200, 200);
    const double rx = 152;
    const double ry = 74;
    QPainter& p = f.Painter();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x7A6A4A), 3.0));
    p.drawEllipse(centre, rx, ry);
    p.restore();
    struct Bloom {
        QPointF at;
        int kind;
        double angle;
    };
    std::vector<Bloom> blooms;
    const int count = 20;
    for (int k = 0; k < count; ++k) {
        const double a = 2 * 3.14159265 * k / count;
        blooms.push_back({centre + QPointF(std::cos(a) * rx, std::sin(a) * ry), k % 3, a});
    }
    std::sort(blooms.begin(), blooms.end(), [](const Bloom& a, const Bloom& b) { return a.at.y() < b.at.y(); });
    for (const Bloom& b : blooms) {
        const double depth = 0.72 + 0.28 * (b.at.y() - (centre.y() - ry)) / (2 * ry);
        f.Leaf(b.at, 40 * depth, 16 * depth, b.angle * 57.3 + 90 + random.Between(-25, 25), LeafGreen, 0.1);
        f.Leaf(b.at, 34 * depth, 14 * depth, b.angle * 57.3 - 90 + random.Between(-25, 25), F::Shade(LeafGreen, 0.9), -0.1);
        if (b.kind == 0)
            f.Rose(b.at, 25 * depth, QColor(0xF4B6C2), random.Between(0, 360));
        else if (b.kind == 1)
            f.Daisy(b.at, 23 * depth, QColor(0xFFFFFF), QColor(0xF2C230), 14, random.Between(0, 30));
        else
            f.BlossomCluster(b.at, 18 * depth, 4, QColor(0xB9A3D6), QColor(0xF5D142));
    }
}

void Centrepiece(F& f)
{
    TSampleRandom& random = f.Random();
    f.Backdrop(Canvas, CreamTint);
    QPainter& p = f.Painter();
    f.GroundShadow(QPointF(200, 334), 360, 40);
    // Two tall candles behind the flowers.
    for (double x : {96.0, 304.0}) {
        p.save();
        QLinearGradient wax(x - 12, 0, x + 12, 0);
        wax.setColorAt(0.0, QColor(0xE9E1D0));
        wax.setColorAt(0.4, QColor(0xFFFBF2));
        wax.setColorAt(1.0, QColor(0xD6CBB4));
        p.setPen(QPen(QColor(0xC8BCA4), 1.0));
        p.setBrush(wax);
        p.drawRect(QRectF(x - 12, 110, 24, 170));
        QRadialGradient fire(QPointF(x, 96), 16);
        fire.setColorAt(0.0, QColor(0xFFFFF0));
        fire.setColorAt(0.6, QColor(0xFFD36A));
        fire.setColorAt(1.0, QColor(255, 160, 60, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(fire);
        p.drawEllipse(QPointF(x, 94), 8, 16);
        p.restore();
    }
    for (int k = 0; k < 16; ++k)
        f.Leaf(QPointF(200 + random.Between(-120, 120), 262), random.Between(50, 80), 24, random.Between(-100, 100), LeafGreen, 0.1);
    for (int k = 0; k < 6; ++k)
        f.EucalyptusSprig(QPointF(200 + random.Between(-100, 100), 262), 90, random.Between(-95, 95));
    QList<THeadGroup> groups;
    groups << THeadGroup{THeadKind::Rose, QColor(0xF6F1E6), QColor(), 5, 26}
           << THeadGroup{THeadKind::Rose, QColor(0xF4B6C2), QColor(), 4, 24}
           << THeadGroup{THeadKind::Blossoms, QColor(0xFBE3EA), QColor(0xC2577A), 4, 20};
    for (const TPlaced& h : PlaceHeads(random, groups, QPointF(200, 232), QSizeF(150, 36)))
        DrawHead(f, h, QPointF(200, 300));
    // The long white trough.
    p.save();
    QLinearGradient trough(0, 262, 0, 322);
    trough.setColorAt(0.0, QColor(0xFFFFFF));
    trough.setColorAt(1.0, QColor(0xD9D4CA));
    p.setBrush(trough);
    p.setPen(QPen(QColor(0xBDB6A8), 1.0));
    p.drawRoundedRect(QRectF(60, 262, 280, 58), 6, 6);
    p.restore();
}

// ---------------------------------------------------------------- the recipes

using TRecipe = std::function<void(F&)>;

TBouquet RoseBouquet(const QColor& rose, const QColor& paper, const QColor& ribbon, const QColor& tint)
{
    TBouquet b;
    b.heads << THeadGroup{THeadKind::Rose, rose, QColor(), 12, 34};
    b.paper = paper;
    b.ribbon = ribbon;
    b.tint = tint;
    b.filler = QColor(0xFFFFFF);
    return b;
}

const std::map<QString, TRecipe>& RecipeTable()
{
    static const std::map<QString, TRecipe> table = [] {
        std::map<QString, TRecipe> t;
        auto bouquet = [&t](const char* name, TBouquet b) { t[QLatin1String(name)] = [b](F& f) { DrawBouquet(f, b); }; };

        bouquet("rose-bouquet-red", RoseBouquet(QColor(0xB0172E), QColor(0xD9B99B), QColor(0x1F1F2E), BlushTint));
        bouquet("rose-bouquet-pink", RoseBouquet(QColor(0xF08CA8), QColor(0xF7D6DE), QColor(0xC2185B), BlushTint));
        {
            TBouquet b = RoseBouquet(QColor(0xF7F3EA), QColor(0x9DB7B2), QColor(0x4A6B64), MistTint);
            b.greenery = TGreenery::Eucalyptus;
            b.filler = QColor();
            bouquet("rose-bouquet-white", b);
        }
        bouquet("rose-bouquet-yellow", RoseBouquet(QColor(0xF7C531), QColor(0xF3EEE2), QColor(0x3F6FA6), PeachTint));
        {
            TBouquet b = RoseBouquet(QColor(0xF4A582), QColor(0xF1E4D3), QColor(0xB86A4B), PeachTint);
            b.heads.first().count = 9;
            b.heads.first().radius = 40;
            b.greenery = TGreenery::Mixed;
            bouquet("rose-bouquet-peach", b);
        }
        t[QStringLiteral("rose-longstem")] = [](F& f) { LongStemRoses(f, QColor(0xB0172E), 11, false); };
        t[QStringLiteral("rose-single")] = [](F& f) { LongStemRoses(f, QColor(0xB0172E), 1, true); };
        {
            TBouquet b;
            b.heads << THeadGroup{THeadKind::Rose, QColor(0xC2185B), QColor(), 7, 34}
                    << THeadGroup{THeadKind::Lily, QColor(0xFFFFFF), QColor(0xE85D8A), 4, 42};
            b.paper = QColor(0x2E2A3A);
            b.frontPaper = QColor(0xE9D9E6);
            b.ribbon = QColor(0xC2185B);
            b.greenery = TGreenery::Mixed;
            b.domeRadius = QSizeF(125, 98);
            bouquet("rose-lily-grand", b);
        }
        {
            TBouquet b;
            b.heads << THeadGroup{THeadKind::Tulip, QColor(0xE94F6A), QColor(), 4, 26}
                    << THeadGroup{THeadKind::Tulip, QColor(0xF7C531), QColor(), 4, 26}
                    << THeadGroup{THeadKind::Tulip, QColor(0xF08CA8), QColor(), 3, 26}
                    << THeadGroup{THeadKind::Tulip, QColor(0xF6F1E6), QColor(), 3, 26};
            b.paper = QColor(0xD9B99B);
            b.ribbon = QColor(0x3F7D3A);
            b.tint = SageTint;
            bouquet("seasonal-tulips", b);
        }
        {
            TBouquet b;
            b.heads << THeadGroup{THeadKind::Sunflower, QColor(), QColor(), 5, 46};
            b.paper = QColor(0xD9B99B);
            b.ribbon = QColor(0x3F6FA6);
            b.tint = PeachTint;
            bouquet("seasonal-sunflowers", b);
        }
        {
            TBouquet b;
            b.heads << THeadGroup{THeadKind::Rose, QColor(0xE07A2E), QColor(), 5, 32}
                    << THeadGroup{THeadKind::Gerbera, QColor(0xC8552A), QColor(0x3A2410), 4, 36}
                    << THeadGroup{THeadKind::Carnation, QColor(0xE8A23A), QColor(), 3, 28};
            b.paper = QColor(0x8A5A3A);
            b.frontPaper = QColor(0xD9B99B);
            b.ribbon = QColor(0x7A2E1E);
            b.berries = QColor(0xB3261E);
            b.tint = PeachTint;
            bouquet("seasonal-autumn", b);
        }
        {
            TBouquet b;
            b.heads << THeadGroup{THeadKind::Lily, QColor(0xFFFFFF), QColor(0xE8EFD0), 4, 44}
                    << THeadGroup{THeadKind::Rose, QColor(0xF6F1E6), QColor(), 6, 30};
            b.paper = QColor(0xE8EEF0);
            b.ribbon = QColor(0x8A9BA8);
            b.greenery = TGreenery::Eucalyptus;
            b.filler = QColor(0xFFFFFF);
            b.tint = MistTint;
            bouquet("seasonal-winter", b);
        }
        {
            TBouquet b;
            b.heads << THeadGroup{THeadKind::Waratah, QColor(), QColor(), 3, 40}
                    << THeadGroup{THeadKind::Blossoms, QColor(0xF4C2D7), QColor(0xC2577A), 5, 26};
            b.paper = QColor(0xC9B08A);
            b.ribbon = QColor(0x6B5A3E);
            b.greenery = TGreenery::Eucalyptus;
            b.wattle = true;
            b.tint = CreamTint;
            bouquet("seasonal-native", b);
        }
        {
            TBouquet b;
            b.heads << THeadGroup{THeadKind::Daisy, QColor(0xFFFFFF), QColor(0xF2C230), 13, 30};
            b.paper = QColor(0xA9CBEA);
            b.ribbon = QColor(0xF2C230);
            b.tint = MistTint;
            b.greenery = TGreenery::Fern;
            bouquet("seasonal-daisies", b);
        }
        {
            TBouquet b;
            b.heads << THeadGroup{THeadKind::Gerbera, QColor(0xF46036), QColor(0x3A2410), 3, 38}
                    << THeadGroup{THeadKind::Gerbera, QColor(0xF7C531), QColor(0x3A5A20), 3, 38}
                    << THeadGroup{THeadKind::Gerbera, QColor(0xE94F8A), QColor(0x3A2410), 3, 38}
                    << THeadGroup{THeadKind::Gerbera, QColor(0xB25BC9), QColor(0x3A5A20), 2, 38};
            b.paper = QColor(0xF3EEE2);
            b.frontPaper = QColor(0x7FC8B8);
            b.ribbon = QColor(0xF46036);
            b.tint = PeachTint;
            bouquet("seasonal-gerberas", b);
        }
        t[QStringLiteral("seasonal-lavender")] = [](F& f) { LavenderBunch(f); };
        t[QStringLiteral("seasonal-wreath")] = [](F& f) { Wreath(f); };

        t[QStringLiteral("wedding-bridal")] = [](F& f) { BridalBouquet(f, false); };
        t[QStringLiteral("wedding-posy")] = [](F& f) { BridalBouquet(f, true); };
        t[QStringLiteral("wedding-buttonhole")] = [](F& f) { Buttonhole(f); };
        t[QStringLiteral("wedding-crown")] = [](F& f) { FlowerCrown(f); };
        t[QStringLiteral("wedding-centrepiece")] = [](F& f) { Centrepiece(f); };

        t[QStringLiteral("pot-peace-lily")] = [](F& f) { PeaceLily(f); };
        t[QStringLiteral("pot-orchid")] = [](F& f) { PottedOrchid(f, QColor(0xF4D3E6), QColor(0xB0306A)); };
        t[QStringLiteral("pot-monstera")] = [](F& f) { Monstera(f); };
        t[QStringLiteral("pot-snake-plant")] = [](F& f) { SnakePlant(f); };
        t[QStringLiteral("pot-succulents")] = [](F& f) { SucculentTrio(f); };
        t[QStringLiteral("pot-fern")] = [](F& f) { BostonFern(f); };
        t[QStringLiteral("pot-african-violet")] = [](F& f) { AfricanViolet(f); };
        t[QStringLiteral("pot-cactus")] = [](F& f) { Cactus(f); };
        t[QStringLiteral("pot-lavender")] = [](F& f) { PottedLavender(f); };
        t[QStringLiteral("pot-rosemary")] = [](F& f) { Rosemary(f); };
        t[QStringLiteral("pot-camellia")] = [](F& f) { Camellia(f); };
        t[QStringLiteral("pot-geranium")] = [](F& f) { Geranium(f); };
        t[QStringLiteral("pot-hydrangea")] = [](F& f) { HydrangeaPot(f); };
        t[QStringLiteral("pot-rose-bush")] = [](F& f) { MiniatureRose(f); };

        t[QStringLiteral("vase-cylinder")] = [](F& f) { GlassCylinderVase(f); };
        t[QStringLiteral("vase-bubble")] = [](F& f) { BubbleBowl(f); };
        t[QStringLiteral("vase-jug")] = [](F& f) { CeramicJug(f); };
        t[QStringLiteral("vase-bud-trio")] = [](F& f) { BudVaseTrio(f); };
        t[QStringLiteral("vase-urn")] = [](F& f) { SpeckledUrn(f); };

        t[QStringLiteral("gift-chocolates")] = [](F& f) { Chocolates(f); };
        t[QStringLiteral("gift-candle")] = [](F& f) { Candle(f); };
        t[QStringLiteral("gift-teddy")] = [](F& f) { TeddyBear(f); };
        t[QStringLiteral("gift-hamper")] = [](F& f) { Hamper(f); };
        t[QStringLiteral("gift-hatbox")] = [](F& f) { RoseHatBox(f); };

        t[QStringLiteral("voucher-25")] = [](F& f) { Voucher(f, QStringLiteral("$25"), QColor(0x3F7D3A)); };
        t[QStringLiteral("voucher-50")] = [](F& f) { Voucher(f, QStringLiteral("$50"), QColor(0x2F5F8A)); };
        t[QStringLiteral("voucher-100")] = [](F& f) { Voucher(f, QStringLiteral("$100"), QColor(0x8A1C3C)); };
        return t;
    }();
    return table;
}

} // namespace

bool TSamplePictures::LoadFonts(QString* error)
{
    const struct {
        const char* file;
        QString* family;
    } fonts[] = {
        {"/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf", &g_serif},
        {"/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf", &g_serif},
        {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", &g_sans},
        {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", &g_sans},
    };
    bool all = true;
    for (const auto& font : fonts) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(font.file));
        if (id < 0) {
            all = false;
            if (error)
                *error = QStringLiteral("cannot load the font %1 (package fonts-dejavu-core)").arg(QLatin1String(font.file));
            continue;
        }
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            *font.family = families.first();
    }
    return all;
}

QStringList TSamplePictures::Recipes()
{
    QStringList names;
    for (const auto& entry : RecipeTable())
        names.append(entry.first);
    return names;
}

QImage TSamplePictures::Draw(const QString& recipe, const QString& seed)
{
    const auto it = RecipeTable().find(recipe);
    if (it == RecipeTable().end())
        return QImage();
    QImage image(LargeSize, LargeSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    TSampleRandom random(TSampleRandom::SeedFrom(recipe + u'/' + seed));
    QPainter painter(&image);
    TFlowerPainter flowers(painter, random);
    it->second(flowers);
    painter.end();
    return image;
}

QImage TSamplePictures::Thumbnail(const QImage& large)
{
    return large.scaled(ThumbnailSize, ThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage TSamplePictures::Logo()
{
    QImage image(320, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    TSampleRandom random(TSampleRandom::SeedFrom(QStringLiteral("logo")));
    QPainter painter(&image);
    TFlowerPainter f(painter, random);
    const QColor wine(0x8A1C3C);
    f.Leaf(QPointF(50, 56), 40, 20, -130, QColor(0x3F7D3A), 0.1);
    f.Leaf(QPointF(50, 56), 38, 18, 128, QColor(0x356B32), -0.1);
    f.Rose(QPointF(50, 46), 32, QColor(0xB0243E), 15);
    painter.setPen(wine);
    painter.setFont(Font(g_serif, 34, true));
    painter.drawText(QRectF(94, 10, 226, 44), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Flowers"));
    painter.setPen(QColor(0x3F5E3A));
    painter.setFont(Font(g_serif, 26, false, true));
    painter.drawText(QRectF(96, 50, 224, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tolvane"));
    painter.setPen(QPen(QColor(0xC9A24A), 1.5));
    painter.drawLine(QPointF(96, 88), QPointF(300, 88));
    painter.end();
    // GIF keeps only whole transparency: soft edges are blended onto the light
    // page the logo sits on, and only the faintest pixels stay transparent.
    QImage flat = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < flat.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const QRgb c = line[x];
            const int rest = 255 - qAlpha(c);
            line[x] = qAlpha(c) < 48 ? 0 : qRgb(qRed(c) + rest, qGreen(c) + rest, qBlue(c) + rest);
        }
    }
    return flat.convertToFormat(QImage::Format_ARGB32);
}
