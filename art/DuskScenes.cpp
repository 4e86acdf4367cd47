#include "art/DuskScenes.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "art/Buildings.h"
#include "art/Rng.h"
#include "art/SceneKit.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

QImage blankScene() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// Curtains of the northern lights: thin vertical strokes that fade out above
// and below a slowly waving line.
void aurora(QPainter& painter, double baseY, double amplitude, const QColor& colour, double phase) {
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    for (double x = 0; x < kWidth; x += 2) {
        const double y =
            baseY + amplitude * std::sin(x * 0.006 + phase) + amplitude * 0.4 * std::sin(x * 0.017);
        const double strength = 0.5 + 0.5 * std::sin(x * 0.011 + phase * 2.0);
        const double height = 90 + 70 * strength;
        QLinearGradient ray(0, y - height, 0, y + 12);
        QColor bright = colour;
        bright.setAlphaF(0.16 * (0.3 + strength));
        ray.setColorAt(0.0, Qt::transparent);
        ray.setColorAt(0.8, bright);
        ray.setColorAt(1.0, Qt::transparent);
        painter.fillRect(QRectF(x, y - height, 2, height + 12), ray);
    }
    painter.restore();
}

// A band of mist lying over the snow between two rows of trees.
void mist(QPainter& painter, double y, double height, const QColor& colour) {
    QLinearGradient band(0, y - height, 0, y + height);
    QColor thick = colour;
    band.setColorAt(0.0, Qt::transparent);
    band.setColorAt(0.5, thick);
    band.setColorAt(1.0, Qt::transparent);
    painter.fillRect(QRectF(0, y - height, kWidth, 2 * height), band);
}

void snowman(QPainter& painter, QPointF base) {
    painter.save();
    painter.setPen(Qt::NoPen);
    const double radii[] = {30, 22, 16};
    double y = base.y();
    QPointF head;
    for (double radius : radii) {
        const QPointF centre(base.x(), y - radius * 0.9);
        QRadialGradient body(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.5);
        body.setColorAt(0.0, QColor(255, 255, 255));
        body.setColorAt(0.6, QColor(234, 236, 250));
        body.setColorAt(1.0, QColor(170, 170, 210));
        painter.setBrush(body);
        painter.drawEllipse(centre, radius, radius * 0.95);
        y = centre.y() - radius * 0.75;
        head = centre;
    }
    // Stick arms, coal eyes and buttons, a carrot nose, a red scarf and a hat.
    painter.setPen(QPen(QColor(80, 50, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
    const QPointF shoulder(base.x(), base.y() - 68);
    painter.drawLine(shoulder + QPointF(-18, 0), shoulder + QPointF(-44, -20));
    painter.drawLine(shoulder + QPointF(-38, -15), shoulder + QPointF(-44, -28));
    painter.drawLine(shoulder + QPointF(18, 0), shoulder + QPointF(42, -16));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 40));
    painter.drawEllipse(head + QPointF(-5, -3), 1.8, 1.8);
    painter.drawEllipse(head + QPointF(5, -3), 1.8, 1.8);
    for (int i = 0; i < 3; ++i) {
        painter.drawEllipse(QPointF(base.x(), base.y() - 48 - i * 9.0), 2, 2);
    }
    QPolygonF nose;
    nose << head + QPointF(0, 0) << head + QPointF(14, 2) << head + QPointF(0, 3.5);
    painter.setBrush(QColor(245, 130, 40));
    painter.drawPolygon(nose);
    painter.setBrush(QColor(200, 30, 45));
    painter.drawRoundedRect(QRectF(head.x() - 17, head.y() + 10, 34, 7), 3, 3);
    painter.drawRoundedRect(QRectF(head.x() + 6, head.y() + 12, 7, 20), 3, 3);
    painter.setBrush(QColor(35, 30, 45));
    painter.drawRect(QRectF(head.x() - 18, head.y() - 14, 36, 4));
    painter.drawRect(QRectF(head.x() - 11, head.y() - 34, 22, 21));
    painter.setBrush(QColor(200, 30, 45));
    painter.drawRect(QRectF(head.x() - 11, head.y() - 18, 22, 4));
    painter.restore();
}

void fence(QPainter& painter, double left, double right, double y) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(96, 62, 46));
    painter.drawRect(QRectF(left, y - 26, right - left, 4));
    painter.drawRect(QRectF(left, y - 14, right - left, 4));
    for (double x = left; x <= right; x += 34) {
        painter.setBrush(QColor(110, 70, 50));
        painter.drawRect(QRectF(x - 3, y - 36, 6, 38));
        painter.setBrush(QColor(246, 249, 255));
        painter.drawEllipse(QPointF(x, y - 37), 5, 3.2);
    }
    painter.setBrush(QColor(246, 249, 255, 230));
    painter.drawRoundedRect(QRectF(left, y - 28.5, right - left, 3), 1.5, 1.5);
    painter.restore();
}

}  // namespace

QImage DuskScenes::pineForest() {
    QImage image = blankScene();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Rng rng(3);
    SceneKit kit(painter, rng);

    kit.verticalGradient(QRectF(0, 0, kWidth, kHeight), {{0.0, QColor(6, 14, 44)},
                                                         {0.35, QColor(20, 48, 96)},
                                                         {0.6, QColor(70, 110, 160)},
                                                         {0.75, QColor(150, 180, 214)},
                                                         {1.0, QColor(150, 180, 214)}});
    kit.stars(QRectF(0, 0, kWidth, 420), 300);
    aurora(painter, 250, 40, QColor(90, 255, 170), 0.4);
    aurora(painter, 200, 30, QColor(120, 160, 255), 2.1);

    const QPolygonF far = kit.ridge(0, kWidth, 520, 18, 1.4);
    kit.snowField(far, kHeight, QColor(170, 192, 226), QColor(140, 165, 205));
    kit.forestRow(far, 34, 62, 15, QColor(70, 100, 130), 0.55);
    mist(painter, 540, 26, QColor(200, 220, 245, 90));

    const QPolygonF middle = kit.ridge(0, kWidth, 600, 16, 1.0);
    kit.snowField(middle, kHeight, QColor(206, 220, 245), QColor(160, 180, 220));
    kit.forestRow(middle, 80, 140, 42, QColor(36, 78, 80), 0.7);
    mist(painter, 612, 18, QColor(220, 232, 250, 80));

    const QPolygonF near = kit.ridge(0, kWidth, 660, 12, 0.9);
    kit.snowField(near, kHeight, QColor(244, 248, 255), QColor(182, 200, 234));
    kit.pine(QPointF(150, 712), 380, QColor(24, 66, 62), 0.8);
    kit.pine(QPointF(262, 690), 230, QColor(28, 72, 68), 0.75);
    kit.pine(QPointF(760, 688), 250, QColor(28, 72, 68), 0.75);
    kit.pine(QPointF(880, 716), 400, QColor(24, 66, 62), 0.8);
    kit.sparkles(QRectF(85, 655, 854, 85), 260);
    return image;
}

QImage DuskScenes::cabin() {
    QImage image = blankScene();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Rng rng(5);
    SceneKit kit(painter, rng);
    Buildings buildings(painter, kit, rng);

    kit.verticalGradient(QRectF(0, 0, kWidth, kHeight), {{0.0, QColor(24, 30, 78)},
                                                         {0.3, QColor(84, 70, 140)},
                                                         {0.52, QColor(206, 124, 150)},
                                                         {0.66, QColor(255, 188, 150)},
                                                         {1.0, QColor(255, 200, 160)}});
    kit.stars(QRectF(0, 0, kWidth, 220), 90);
    kit.glow(QPointF(230, 120), 14, QColor(255, 250, 230, 230));
    kit.glow(QPointF(230, 120), 40, QColor(255, 240, 220, 70));

    const QPolygonF hills = kit.ridge(0, kWidth, 505, 30, 1.2);
    kit.snowField(hills, kHeight, QColor(210, 180, 214), QColor(150, 130, 180));
    kit.forestRow(hills, 22, 44, 12, QColor(86, 70, 120), 0.45);

    const QPolygonF ground = kit.ridge(0, kWidth, 600, 10, 0.9);
    kit.snowField(ground, kHeight, QColor(255, 236, 238), QColor(190, 184, 222));
    kit.pine(QPointF(300, 612), 190, QColor(40, 78, 78), 0.7);
    kit.pine(QPointF(350, 620), 130, QColor(44, 84, 82), 0.7);
    kit.pine(QPointF(720, 618), 210, QColor(40, 78, 78), 0.7);

    Buildings::House cabin;
    cabin.body = QRectF(420, 520, 230, 100);
    cabin.roofHeight = 72;
    cabin.wall = QColor(150, 90, 54);
    cabin.roof = QColor(96, 46, 36);
    cabin.logs = true;
    cabin.windows = 2;
    buildings.house(cabin);

    const QPolygonF front = kit.ridge(0, kWidth, 660, 8, 0.7);
    kit.snowField(front, kHeight, QColor(255, 246, 248), QColor(196, 196, 230));
    kit.glow(QPointF(535, 650), 90, QColor(255, 200, 120, 55));
    fence(painter, 310, 460, 662);
    fence(painter, 620, 700, 662);
    snowman(painter, QPointF(790, 690));
    kit.pine(QPointF(140, 716), 340, QColor(26, 68, 64), 0.8);
    kit.pine(QPointF(900, 724), 330, QColor(26, 68, 64), 0.8);
    kit.sparkles(QRectF(85, 660, 854, 80), 240);
    return image;
}
