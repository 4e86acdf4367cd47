#include "art/Buildings.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kSnow(246, 249, 255);
const QColor kSnowShade(200, 214, 238);
const QColor kWarmLight(255, 214, 120);

QLinearGradient snowGradient(double top, double bottom) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0.0, kSnow);
    gradient.setColorAt(1.0, kSnowShade);
    return gradient;
}

}  // namespace

void Buildings::house(const House& house) {
    const QRectF& body = house.body;
    painter_.save();
    painter_.setPen(Qt::NoPen);

    QLinearGradient wall(body.topLeft(), body.topRight());
    wall.setColorAt(0.0, house.wall.lighter(115));
    wall.setColorAt(1.0, house.wall.darker(135));
    painter_.setBrush(wall);
    painter_.drawRect(body);
    if (house.logs) {
        painter_.setPen(QPen(house.wall.darker(170), 1.5));
        for (double y = body.top() + 7; y < body.bottom(); y += 7) {
            painter_.drawLine(QPointF(body.left(), y), QPointF(body.right(), y));
        }
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(house.wall.darker(120));
        for (double y = body.top() + 3.5; y < body.bottom(); y += 7) {
            painter_.drawEllipse(QPointF(body.left() - 2, y), 4, 3.4);
            painter_.drawEllipse(QPointF(body.right() + 2, y), 4, 3.4);
        }
    }

    if (house.gable) {
        if (house.chimney) {
            chimney(house);
        }
        gableRoof(house);
    } else {
        longRoof(house);
    }
    if (house.chimney && !house.gable) {
        chimney(house);
    }

    // Windows and door share the wall between them.
    const int places = house.windows + (house.door ? 1 : 0);
    const double placeWidth = body.width() / places;
    const int doorPlace = house.door ? places / 2 : -1;
    for (int i = 0; i < places; ++i) {
        const double centre = body.left() + placeWidth * (i + 0.5);
        if (i == doorPlace) {
            const double width = std::min(placeWidth * 0.5, body.height() * 0.42);
            door(QRectF(centre - width / 2, body.bottom() - body.height() * 0.68, width,
                        body.height() * 0.68));
        } else {
            const double width = std::min(placeWidth * 0.5, body.height() * 0.38);
            window(
                QRectF(centre - width / 2, body.top() + body.height() * 0.22, width, width * 1.1));
        }
    }

    // A drift of snow piled against the wall.
    painter_.setBrush(snowGradient(body.bottom() - 8, body.bottom() + 6));
    QPainterPath drift(QPointF(body.left() - 14, body.bottom() + 6));
    drift.cubicTo(QPointF(body.left(), body.bottom() - 10),
                  QPointF(body.center().x(), body.bottom() - 2),
                  QPointF(body.right() + 14, body.bottom() + 6));
    drift.closeSubpath();
    painter_.drawPath(drift);
    painter_.restore();
}

void Buildings::chimney(const House& house) {
    // Behind a gable it rises from the roof slope; on a long roof it stands on
    // the snow, with a little drift at its foot.
    const QRectF& body = house.body;
    const double foot =
        house.gable ? body.top() - house.roofHeight * 0.15 : body.top() - house.roofHeight - 4;
    const double top =
        house.gable ? body.top() - house.roofHeight * 0.95 : body.top() - house.roofHeight * 1.45;
    const QRectF stack(body.left() + body.width() * 0.68, top, body.width() * 0.09, foot - top);
    kit_.smoke(QPointF(stack.center().x(), stack.top() - 6), 120);
    painter_.setBrush(QColor(120, 62, 50));
    painter_.drawRect(stack);
    painter_.setBrush(snowGradient(stack.top() - 6, stack.top() + 3));
    painter_.drawRoundedRect(QRectF(stack.left() - 3, stack.top() - 6, stack.width() + 6, 9), 4, 4);
    if (!house.gable) {
        painter_.setBrush(snowGradient(foot - 6, foot + 4));
        painter_.drawEllipse(QPointF(stack.center().x(), foot + 1), stack.width() * 1.1, 5);
    }
}

void Buildings::longRoof(const House& house) {
    const QRectF& body = house.body;
    const double overhang = body.width() * 0.07;
    const double inset = house.roofHeight * 0.7;
    QPolygonF roof;
    roof << QPointF(body.left() - overhang, body.top() + 2)
         << QPointF(body.left() + inset, body.top() - house.roofHeight)
         << QPointF(body.right() - inset, body.top() - house.roofHeight)
         << QPointF(body.right() + overhang, body.top() + 2);
    painter_.setBrush(house.roof);
    painter_.drawPolygon(roof);

    // A thick blanket of snow covering the roof and hanging over the eaves.
    const double eave = body.top() - house.roofHeight * 0.18;
    QPainterPath blanket(QPointF(body.left() - overhang - 4, eave));
    blanket.cubicTo(QPointF(body.left() - overhang, body.top() - house.roofHeight * 0.7),
                    QPointF(body.left() + inset - 8, body.top() - house.roofHeight - 9),
                    QPointF(body.left() + inset + 6, body.top() - house.roofHeight - 8));
    blanket.lineTo(body.right() - inset - 6, body.top() - house.roofHeight - 8);
    blanket.cubicTo(QPointF(body.right() - inset + 8, body.top() - house.roofHeight - 9),
                    QPointF(body.right() + overhang, body.top() - house.roofHeight * 0.7),
                    QPointF(body.right() + overhang + 4, eave));
    const int drips = static_cast<int>(body.width() / 14) + 2;
    const double span = body.width() + 2 * overhang + 8;
    for (int d = 1; d <= drips; ++d) {
        const double x = body.right() + overhang + 4 - span * d / drips;
        blanket.quadTo(QPointF(x + span / drips / 2, eave + rng_.range(6.0, 13.0)),
                       QPointF(x, eave));
    }
    blanket.closeSubpath();
    painter_.setBrush(snowGradient(body.top() - house.roofHeight - 9, eave + 10));
    painter_.drawPath(blanket);
    icicles(body.left() - overhang, body.right() + overhang, body.top() + 2);
}

void Buildings::gableRoof(const House& house) {
    const QRectF& body = house.body;
    const double overhang = body.width() * 0.1;
    const QPointF apex(body.center().x(), body.top() - house.roofHeight);
    QPolygonF gable;
    gable << QPointF(body.left(), body.top() + 1) << apex << QPointF(body.right(), body.top() + 1);
    painter_.setBrush(house.wall.darker(110));
    painter_.drawPolygon(gable);
    window(QRectF(apex.x() - 7, apex.y() + house.roofHeight * 0.45, 14, 14));

    // The two roof edges, with snow heaped on them.
    const QPointF left(body.left() - overhang, body.top() + house.roofHeight * 0.12);
    const QPointF right(body.right() + overhang, body.top() + house.roofHeight * 0.12);
    painter_.setPen(QPen(house.roof, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.drawPolyline(QPolygonF() << left << apex << right);
    painter_.setPen(QPen(snowGradient(apex.y() - 12, right.y()), 9, Qt::SolidLine, Qt::RoundCap,
                         Qt::RoundJoin));
    painter_.drawPolyline(QPolygonF()
                          << left - QPointF(0, 6) << apex - QPointF(0, 7) << right - QPointF(0, 6));
    painter_.setPen(Qt::NoPen);
    icicles(left.x() + 4, left.x() + overhang + 6, left.y() + 3);
    icicles(right.x() - overhang - 6, right.x() - 4, right.y() + 3);
}

void Buildings::church(const QRectF& nave, const QColor& wall) {
    const double towerWidth = nave.height() * 0.55;
    const QRectF tower(nave.left() - towerWidth * 0.6, nave.top() - nave.height() * 0.9, towerWidth,
                       nave.height() * 1.9);
    House body;
    body.body = nave;
    body.roofHeight = nave.height() * 0.55;
    body.wall = wall;
    body.roof = QColor(70, 60, 80);
    body.chimney = false;
    body.windows = 3;
    body.door = false;
    house(body);

    painter_.save();
    painter_.setPen(Qt::NoPen);
    QLinearGradient stone(tower.topLeft(), tower.topRight());
    stone.setColorAt(0.0, wall.lighter(118));
    stone.setColorAt(1.0, wall.darker(140));
    painter_.setBrush(stone);
    painter_.drawRect(tower);
    // The spire, its snow-dusted lit side and the cross on top.
    const QPointF tip(tower.center().x(), tower.top() - tower.height() * 0.75);
    QPolygonF spire;
    spire << QPointF(tower.left() - 4, tower.top() + 2) << tip
          << QPointF(tower.right() + 4, tower.top() + 2);
    painter_.setBrush(QColor(62, 54, 76));
    painter_.drawPolygon(spire);
    QPolygonF litSide;
    litSide << QPointF(tower.left() - 4, tower.top() + 2) << tip
            << QPointF(tower.center().x() - 3, tower.top() + 2);
    painter_.setBrush(QColor(226, 234, 250, 200));
    painter_.drawPolygon(litSide);
    painter_.setBrush(snowGradient(tower.top() - 4, tower.top() + 4));
    painter_.drawRoundedRect(QRectF(tower.left() - 7, tower.top() - 3, tower.width() + 14, 7), 3,
                             3);
    painter_.setBrush(QColor(240, 200, 110));
    painter_.drawRect(QRectF(tip.x() - 1.2, tip.y() - 14, 2.4, 14));
    painter_.drawRect(QRectF(tip.x() - 5, tip.y() - 10, 10, 2.4));
    window(QRectF(tower.center().x() - towerWidth * 0.18, tower.top() + tower.height() * 0.12,
                  towerWidth * 0.36, towerWidth * 0.6),
           true);
    door(QRectF(tower.center().x() - towerWidth * 0.25, tower.bottom() - towerWidth * 0.85,
                towerWidth * 0.5, towerWidth * 0.85));
    painter_.restore();
}

void Buildings::window(const QRectF& pane, bool arched) {
    kit_.glow(pane.center(), pane.width() * 2.6, QColor(255, 190, 90, 80));
    painter_.save();
    painter_.setPen(Qt::NoPen);
    QPainterPath shape;
    if (arched) {
        shape.moveTo(pane.bottomLeft());
        shape.lineTo(pane.left(), pane.top() + pane.width() / 2);
        shape.arcTo(QRectF(pane.left(), pane.top(), pane.width(), pane.width()), 180, -180);
        shape.lineTo(pane.bottomRight());
        shape.closeSubpath();
    } else {
        shape.addRect(pane);
    }
    painter_.setBrush(QColor(60, 35, 25));
    painter_.drawPath(shape);
    QRadialGradient light(pane.center(), pane.width());
    light.setColorAt(0.0, QColor(255, 245, 190));
    light.setColorAt(0.6, kWarmLight);
    light.setColorAt(1.0, QColor(232, 140, 50));
    painter_.setBrush(light);
    const QTransform shrink = QTransform()
                                  .translate(pane.center().x(), pane.center().y())
                                  .scale(0.8, 0.86)
                                  .translate(-pane.center().x(), -pane.center().y());
    painter_.drawPath(shrink.map(shape));
    painter_.setPen(QPen(QColor(60, 35, 25), std::max(1.0, pane.width() * 0.08)));
    painter_.drawLine(QPointF(pane.center().x(), pane.top() + 1),
                      QPointF(pane.center().x(), pane.bottom()));
    painter_.drawLine(QPointF(pane.left(), pane.center().y()),
                      QPointF(pane.right(), pane.center().y()));
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(snowGradient(pane.bottom() - 2, pane.bottom() + 3));
    painter_.drawRoundedRect(QRectF(pane.left() - 3, pane.bottom() - 1.5, pane.width() + 6, 4.5), 2,
                             2);
    painter_.restore();
}

void Buildings::door(const QRectF& frame) {
    painter_.save();
    painter_.setPen(Qt::NoPen);
    kit_.glow(QPointF(frame.right() + 6, frame.top() + 6), 22, QColor(255, 200, 110, 120));
    QPainterPath shape(frame.bottomLeft());
    shape.lineTo(frame.left(), frame.top() + frame.width() / 2);
    shape.arcTo(QRectF(frame.left(), frame.top(), frame.width(), frame.width()), 180, -180);
    shape.lineTo(frame.bottomRight());
    shape.closeSubpath();
    QLinearGradient wood(frame.topLeft(), frame.topRight());
    wood.setColorAt(0.0, QColor(120, 60, 38));
    wood.setColorAt(1.0, QColor(78, 38, 24));
    painter_.setBrush(wood);
    painter_.drawPath(shape);
    // A wreath with a red bow.
    const QPointF centre(frame.center().x(), frame.top() + frame.height() * 0.38);
    const double radius = frame.width() * 0.3;
    painter_.setPen(QPen(QColor(30, 110, 50), radius * 0.55));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(centre, radius, radius);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(220, 30, 40));
    painter_.drawEllipse(centre + QPointF(0, radius), radius * 0.35, radius * 0.3);
    painter_.restore();
}

void Buildings::icicles(double left, double right, double y) {
    painter_.save();
    painter_.setPen(Qt::NoPen);
    for (double x = left + 3; x < right - 2; x += rng_.range(5.0, 11.0)) {
        const double length = rng_.range(3.0, 10.0);
        QPolygonF icicle;
        icicle << QPointF(x - 1.6, y) << QPointF(x + 1.6, y) << QPointF(x, y + length);
        QLinearGradient ice(0, y, 0, y + length);
        ice.setColorAt(0.0, QColor(235, 245, 255, 230));
        ice.setColorAt(1.0, QColor(170, 210, 255, 120));
        painter_.setBrush(ice);
        painter_.drawPolygon(icicle);
    }
    painter_.restore();
}
