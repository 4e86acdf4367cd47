#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

// Festive trimmings shared by the greeting, the border, the calendar and the
// banner: holly with berries, glass baubles and ribbon bows.
class Ornaments {
public:
    explicit Ornaments(QPainter& painter) : painter_(painter) {}

    // One spiky holly leaf, its stalk at base, pointing along angle (degrees,
    // 0 = right, clockwise on screen).
    void hollyLeaf(QPointF base, double length, double angle);

    // Two or three leaves fanned around a bunch of three red berries.
    void hollySprig(QPointF centre, double size, double angle, bool threeLeaves = true);

    // A shiny red berry.
    void berry(QPointF centre, double radius);

    // A glass bauble with a golden cap and a highlight.
    void bauble(QPointF centre, double radius, const QColor& colour);

    // A red ribbon bow with two tails.
    void bow(QPointF centre, double size);

private:
    QPainter& painter_;
};
