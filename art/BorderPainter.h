#pragma once

#include <QImage>
#include <QPainter>

#include "art/Rng.h"

// The frame round the scene: candy-cane strips along the top and bottom, and
// fir garlands hung with baubles and holly down the sides, whose inner parts
// are transparent so the scene shows through.
class BorderPainter {
public:
    // 1024 x 29, opaque.
    static QImage strip();

    // 85 x 768 with transparency; the right piece is the left one turned
    // round, with its own ornaments.
    static QImage side(bool right);

private:
    // A candy-cane pole down one edge of a side piece.
    static void pole(QPainter& painter, double left, double width, double height);

    // Fir needles around a winding line, from top to bottom.
    static void garland(QPainter& painter, Rng& rng, bool right);

    // The x of the garland's centre line at y, measured from the outer edge.
    static double garlandLine(double y);
};
