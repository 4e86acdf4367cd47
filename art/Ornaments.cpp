#include "art/Ornaments.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

void Ornaments::hollyLeaf(QPointF base, double length, double angle) {
    painter_.save();
    painter_.translate(base);
    painter_.rotate(angle);
    const double half = length * 0.24;
    // The upper edge has three spiky lobes; the lower edge mirrors it, walked
    // back from the tip to the stalk.
    QPainterPath edge(QPointF(0, 0));
    QPointF last(0, 0);
    const int lobes = 3;
    for (int k = 1; k <= lobes; ++k) {
        const double x = length * k / (lobes + 0.6);
        const double bulge = half * std::sin(std::numbers::pi * x / length) * 1.25;
        const QPointF spike(x + length * 0.05, -(bulge + length * 0.05));
        const QPointF notch(x + length * 0.13, -bulge * 0.62);
        edge.quadTo(QPointF((last.x() + spike.x()) / 2, -bulge * 0.85), spike);
        edge.lineTo(notch);
        last = notch;
    }
    edge.quadTo(QPointF(length * 0.92, -half * 0.3), QPointF(length, 0));
    QPainterPath outline = edge;
    outline.connectPath(QTransform().scale(1, -1).map(edge).toReversed());
    outline.closeSubpath();

    QLinearGradient shade(0, -half, 0, half);
    shade.setColorAt(0.0, QColor(60, 150, 70));
    shade.setColorAt(0.5, QColor(24, 110, 48));
    shade.setColorAt(1.0, QColor(12, 70, 32));
    painter_.setPen(QPen(QColor(8, 50, 22), std::max(0.6, length * 0.02)));
    painter_.setBrush(shade);
    painter_.drawPath(outline);
    painter_.setPen(QPen(QColor(150, 210, 140, 200), std::max(0.6, length * 0.025)));
    painter_.drawLine(QPointF(length * 0.05, 0), QPointF(length * 0.85, 0));
    painter_.restore();
}

void Ornaments::hollySprig(QPointF centre, double size, double angle, bool threeLeaves) {
    hollyLeaf(centre, size, angle - 35);
    hollyLeaf(centre, size * 0.95, angle + 35);
    if (threeLeaves) {
        hollyLeaf(centre, size * 0.85, angle + 180);
    }
    const double r = size * 0.13;
    berry(centre + QPointF(-r * 0.9, -r * 0.3), r);
    berry(centre + QPointF(r * 0.9, -r * 0.5), r);
    berry(centre + QPointF(0, r * 0.9), r);
}

void Ornaments::berry(QPointF centre, double radius) {
    painter_.save();
    QRadialGradient shine(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.3);
    shine.setColorAt(0.0, QColor(255, 140, 130));
    shine.setColorAt(0.35, QColor(225, 20, 30));
    shine.setColorAt(1.0, QColor(120, 0, 10));
    painter_.setPen(QPen(QColor(90, 0, 10), std::max(0.5, radius * 0.12)));
    painter_.setBrush(shine);
    painter_.drawEllipse(centre, radius, radius);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(255, 255, 255, 200));
    painter_.drawEllipse(centre - QPointF(radius * 0.38, radius * 0.38), radius * 0.22,
                         radius * 0.18);
    painter_.restore();
}

void Ornaments::bauble(QPointF centre, double radius, const QColor& colour) {
    painter_.save();
    QRadialGradient glass(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.4);
    glass.setColorAt(0.0, colour.lighter(190));
    glass.setColorAt(0.3, colour);
    glass.setColorAt(0.85, colour.darker(220));
    glass.setColorAt(1.0, colour.darker(150));
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(glass);
    painter_.drawEllipse(centre, radius, radius);
    // A band of gold round the middle and the cap with its loop.
    painter_.setPen(QPen(QColor(255, 220, 120, 150), std::max(0.6, radius * 0.1)));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawArc(
        QRectF(centre.x() - radius, centre.y() - radius * 0.3, 2 * radius, radius * 0.6), 180 * 16,
        180 * 16);
    painter_.setPen(Qt::NoPen);
    QLinearGradient gold(centre.x() - radius * 0.3, 0, centre.x() + radius * 0.3, 0);
    gold.setColorAt(0.0, QColor(255, 236, 160));
    gold.setColorAt(1.0, QColor(176, 126, 40));
    painter_.setBrush(gold);
    painter_.drawRoundedRect(
        QRectF(centre.x() - radius * 0.3, centre.y() - radius * 1.18, radius * 0.6, radius * 0.3),
        radius * 0.08, radius * 0.08);
    painter_.setPen(QPen(QColor(200, 160, 70), std::max(0.6, radius * 0.08)));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(QPointF(centre.x(), centre.y() - radius * 1.3), radius * 0.14,
                         radius * 0.14);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(255, 255, 255, 210));
    painter_.drawEllipse(centre - QPointF(radius * 0.4, radius * 0.42), radius * 0.2,
                         radius * 0.14);
    painter_.restore();
}

void Ornaments::bow(QPointF centre, double size) {
    painter_.save();
    painter_.translate(centre);
    QLinearGradient ribbon(0, -size, 0, size);
    ribbon.setColorAt(0.0, QColor(255, 90, 90));
    ribbon.setColorAt(0.5, QColor(210, 20, 35));
    ribbon.setColorAt(1.0, QColor(130, 0, 20));
    painter_.setPen(QPen(QColor(110, 0, 15), std::max(0.6, size * 0.04)));
    painter_.setBrush(ribbon);
    for (int side : {-1, 1}) {
        QPainterPath loop(QPointF(0, 0));
        loop.cubicTo(QPointF(side * size * 0.6, -size * 0.75),
                     QPointF(side * size * 1.15, -size * 0.35),
                     QPointF(side * size * 0.9, size * 0.1));
        loop.cubicTo(QPointF(side * size * 0.7, size * 0.35),
                     QPointF(side * size * 0.3, size * 0.15), QPointF(0, 0));
        painter_.drawPath(loop);
        QPainterPath tail(QPointF(0, 0));
        tail.cubicTo(QPointF(side * size * 0.2, size * 0.5),
                     QPointF(side * size * 0.35, size * 0.8),
                     QPointF(side * size * 0.55, size * 1.2));
        tail.lineTo(side * size * 0.3, size * 1.1);
        tail.lineTo(side * size * 0.2, size * 1.25);
        tail.cubicTo(QPointF(side * size * 0.1, size * 0.8), QPointF(0, size * 0.4), QPointF(0, 0));
        painter_.drawPath(tail);
    }
    painter_.drawEllipse(QPointF(0, 0), size * 0.2, size * 0.17);
    painter_.restore();
}
