#pragma once

#include "TSampleRandom.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

// The shapes the sample store's product pictures are made of: flower heads,
// foliage, wrapping, pots, vases and boxes, drawn with gradients on a soft
// studio backdrop. Positions are in the picture's own pixels; angles in
// degrees, 0 pointing up and growing clockwise, so that a stem leaning right
// has a small positive angle.
class TFlowerPainter
{
public:
    TFlowerPainter(QPainter& painter, TSampleRandom& random);

    QPainter& Painter() { return m_p; }
    TSampleRandom& Random() { return m_random; }

    static QColor Shade(const QColor& colour, double factor); // < 1 darker, > 1 lighter
    static QColor Mix(const QColor& a, const QColor& b, double t);
    // The point at distance `length` from `from` in the direction `angle`.
    static QPointF Toward(const QPointF& from, double angle, double length);

    // ---- backdrop
    void Backdrop(const QRectF& area, const QColor& tint);
    void GroundShadow(const QPointF& centre, double width, double height, double strength = 0.22);

    // ---- flower heads (seen from the front unless the name says otherwise)
    void Rose(const QPointF& centre, double radius, const QColor& colour, double turn);
    void Camellia(const QPointF& centre, double radius, const QColor& colour, double turn);
    // A rose seen from the side; `base` is where the head meets the stem.
    void RoseBud(const QPointF& base, double size, const QColor& colour, double angle);
    void Tulip(const QPointF& base, double size, const QColor& colour, double angle);
    void Daisy(const QPointF& centre, double radius, const QColor& petals, const QColor& heart, int petalCount,
               double turn);
    void Gerbera(const QPointF& centre, double radius, const QColor& petals, const QColor& heart, double turn);
    void Sunflower(const QPointF& centre, double radius, double turn);
    void Lily(const QPointF& centre, double radius, const QColor& edge, const QColor& throat, double turn);
    void Orchid(const QPointF& centre, double radius, const QColor& colour, const QColor& lip);
    void Carnation(const QPointF& centre, double radius, const QColor& colour);
    void Hydrangea(const QPointF& centre, double radius, const QColor& colour);
    void Waratah(const QPointF& centre, double radius);
    void SmallBlossom(const QPointF& centre, double radius, const QColor& colour, const QColor& heart, double turn);
    void BlossomCluster(const QPointF& centre, double radius, int count, const QColor& colour, const QColor& heart);

    // ---- spikes and sprays, drawn along a stem from base to tip
    void LavenderSpike(const QPointF& base, const QPointF& tip, const QColor& colour);
    void WattleSpray(const QPointF& base, const QPointF& tip);
    void FillerSpray(const QPointF& base, const QPointF& tip, const QColor& colour);
    void Berries(const QPointF& base, const QPointF& tip, const QColor& colour);

    // ---- foliage
    void Stem(const QPointF& from, const QPointF& to, double width, double bend, const QColor& colour);
    void Leaf(const QPointF& base, double length, double width, double angle, const QColor& colour,
              double curl = 0.0);
    void Fern(const QPointF& base, double length, double angle, double curl, const QColor& colour);
    void EucalyptusSprig(const QPointF& base, double length, double angle);
    void MonsteraLeaf(const QPointF& base, double length, double angle);
    void SwordLeaf(const QPointF& base, double length, double width, double angle, double curl);
    void SucculentRosette(const QPointF& centre, double radius, const QColor& colour, const QColor& tips);
    void RoundLeaf(const QPointF& centre, double radius, const QColor& colour, bool scalloped);

    // ---- wrapping and ties
    // Paper fanned out behind a bouquet: its point at `tie`, opening upwards.
    void PaperFan(const QPointF& tie, double height, double spread, const QColor& colour);
    // The paper cone in front of the stems, from just below the heads to the bottom.
    void PaperCone(const QPointF& top, double topWidth, const QPointF& bottom, double bottomWidth,
                   const QColor& colour);
    void Cellophane(const QPointF& tie, double height, double spread);
    void Bow(const QPointF& centre, double size, const QColor& colour);
    void Twine(const QPointF& centre, double width, const QColor& colour);

    // ---- containers; each returns the rectangle of its opening where plants go
    QRectF Pot(const QPointF& bottomCentre, double width, double height, const QColor& colour, bool glazed);
    void Soil(const QRectF& opening);
    void GlassCylinder(const QPointF& bottomCentre, double width, double height, double waterLevel);
    void GlassBowl(const QPointF& centre, double radius, double waterLevel);
    void Jug(const QPointF& bottomCentre, double width, double height, const QColor& colour);
    void Bottle(const QPointF& bottomCentre, double width, double height, const QColor& colour);
    void Urn(const QPointF& bottomCentre, double width, double height, const QColor& colour);
    void GiftBox(const QPointF& bottomCentre, double width, double height, const QColor& colour,
                 const QColor& ribbon);
    void HatBox(const QPointF& bottomCentre, double width, double height, const QColor& colour);
    void Basket(const QPointF& bottomCentre, double width, double height);

private:
    void PetalRing(const QPointF& centre, double inner, double outer, double width, int count, double turn,
                   const QColor& base, const QColor& tip, bool pointed);
    QPainterPath PointedLeafPath(double length, double width, double curl) const;

    QPainter& m_p;
    TSampleRandom& m_random;
};
