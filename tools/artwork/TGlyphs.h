#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// The program's pictograms, drawn as flat shapes in a 64 x 64 design square,
// and the product mark, a shopping bag whose face is a "Q".
class TGlyphs
{
public:
    enum class TGlyph {
        Settings, Catalogue, Generate, Publish, Orders, Customers, Email, Marketing, ImportExport, Utilities,
        Back, Home, Recalculate, Checkout
    };

    struct TColours
    {
        QColor main;   // the shape
        QColor accent; // one detail
        QColor ground; // what the shape stands on, for cut-outs and outlines
    };

    // Draws the glyph scaled into box.
    static void Draw(QPainter& painter, TGlyph glyph, const QRectF& box, const TColours& colours);

    struct TMarkColours
    {
        QColor body;
        QColor handle;
        QColor letter;
        QColor tail;
    };
    static TMarkColours MarkOnLight();
    static TMarkColours MarkOnDark();
    // Small sizes get heavier strokes so the "Q" still reads at 16 pixels.
    static void DrawMark(QPainter& painter, const QRectF& box, const TMarkColours& colours);
};
