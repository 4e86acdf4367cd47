#include "art/NightScenes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

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

// A decorated Christmas tree with coloured lights and a star on top.
void festiveTree(QPainter& painter, SceneKit& kit, Rng& rng, QPointF base, double height) {
    kit.glow(QPointF(base.x(), base.y() - height * 0.45), height * 0.8, QColor(255, 200, 120, 50));
    kit.pine(base, height, QColor(28, 96, 60), 0.25);
    const QColor bulbs[] = {
        {255, 70, 70}, {255, 210, 90}, {110, 170, 255}, {120, 255, 150}, {255, 140, 220}};
    for (int i = 0; i < 46; ++i) {
        const double t = std::sqrt(rng.range(0.05, 1.0));
        const double y = base.y() - height * 0.08 - (1.0 - t) * height * 0.85;
        const double x = base.x() + rng.range(-1.0, 1.0) * height * 0.22 * t;
        const QColor& colour = bulbs[rng.between(0, 4)];
        kit.glow(QPointF(x, y), 7, QColor(colour.red(), colour.green(), colour.blue(), 150));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour.lighter(130));
        painter.drawEllipse(QPointF(x, y), 1.6, 1.6);
    }
    // A five-pointed golden star.
    const QPointF tip(base.x(), base.y() - height - 4);
    kit.glow(tip, 30, QColor(255, 230, 140, 160));
    QPolygonF star;
    for (int k = 0; k < 10; ++k) {
        const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const double radius = (k % 2 == 0) ? 11.0 : 4.6;
        star << tip + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
    }
    painter.setBrush(QColor(255, 222, 100));
    painter.drawPolygon(star);
}

}  // namespace

QImage NightScenes::gradient() {
    QImage image = blankScene();
    Rng rng(11);
    // Computed per pixel with a random threshold, so the long gradient shows no bands.
    const QColor stops[] = {{4, 9, 34}, {12, 30, 78}, {34, 66, 124}, {62, 98, 152}};
    const double positions[] = {0.0, 0.45, 0.82, 1.0};
    for (int y = 0; y < kHeight; ++y) {
        const double t = static_cast<double>(y) / (kHeight - 1);
        int k = 0;
        while (k < 2 && t > positions[k + 1]) {
            ++k;
        }
        const double f = (t - positions[k]) / (positions[k + 1] - positions[k]);
        const double r = stops[k].red() + (stops[k + 1].red() - stops[k].red()) * f;
        const double g = stops[k].green() + (stops[k + 1].green() - stops[k].green()) * f;
        const double b = stops[k].blue() + (stops[k + 1].blue() - stops[k].blue()) * f;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            line[x] = qRgb(static_cast<int>(r + rng.unit()), static_cast<int>(g + rng.unit()),
                           static_cast<int>(b + rng.unit()));
        }
    }
    return image;
}

QImage NightScenes::village() {
    QImage image = blankScene();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Rng rng(2);
    SceneKit kit(painter, rng);
    Buildings buildings(painter, kit, rng);

    kit.verticalGradient(QRectF(0, 0, kWidth, kHeight), {{0.0, QColor(4, 10, 38)},
                                                         {0.45, QColor(16, 38, 88)},
                                                         {0.7, QColor(58, 88, 140)},
                                                         {1.0, QColor(90, 120, 170)}});
    kit.stars(QRectF(0, 0, kWidth, 500), 480);
    kit.moon(QPointF(200, 150), 36);

    const QPolygonF far = kit.ridge(0, kWidth, 520, 22, 1.6);
    kit.snowField(far, kHeight, QColor(160, 180, 222), QColor(110, 130, 180));
    kit.forestRow(far, 14, 28, 11, QColor(40, 66, 92), 0.5);

    const QPolygonF middle = kit.ridge(0, kWidth, 585, 14, 1.1);
    kit.snowField(middle, kHeight, QColor(214, 226, 248), QColor(150, 170, 212));

    buildings.church(QRectF(640, 520, 130, 72), QColor(170, 160, 170));
    Buildings::House left;
    left.body = QRectF(150, 540, 104, 62);
    left.roofHeight = 48;
    left.wall = QColor(176, 110, 84);
    left.roof = QColor(120, 40, 40);
    left.gable = true;
    left.windows = 1;
    buildings.house(left);
    Buildings::House middleHouse;
    middleHouse.body = QRectF(292, 552, 140, 56);
    middleHouse.roofHeight = 40;
    middleHouse.wall = QColor(206, 176, 130);
    middleHouse.roof = QColor(90, 50, 40);
    buildings.house(middleHouse);
    Buildings::House right;
    right.body = QRectF(805, 556, 96, 54);
    right.roofHeight = 42;
    right.wall = QColor(150, 92, 66);
    right.roof = QColor(70, 40, 40);
    right.gable = true;
    right.logs = true;
    right.windows = 1;
    buildings.house(right);
    festiveTree(painter, kit, rng, QPointF(522, 622), 150);

    const QPolygonF near = kit.ridge(0, kWidth, 650, 10, 0.8);
    kit.snowField(near, kHeight, QColor(240, 245, 255), QColor(178, 196, 230));
    for (const QPointF& pool :
         {QPointF(202, 648), QPointF(362, 646), QPointF(705, 648), QPointF(852, 650)}) {
        kit.glow(pool, 48, QColor(255, 200, 120, 45));
    }
    kit.pine(QPointF(118, 700), 250, QColor(30, 74, 70), 0.75);
    kit.pine(QPointF(920, 712), 270, QColor(30, 74, 70), 0.75);
    kit.pine(QPointF(990, 690), 180, QColor(34, 80, 76), 0.7);
    kit.sparkles(QRectF(85, 640, 854, 100), 260);
    return image;
}

QImage NightScenes::frozenLake() {
    QImage image = blankScene();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Rng rng(4);
    SceneKit kit(painter, rng);

    kit.verticalGradient(QRectF(0, 0, kWidth, kHeight), {{0.0, QColor(3, 8, 26)},
                                                         {0.4, QColor(14, 32, 76)},
                                                         {0.58, QColor(44, 74, 128)},
                                                         {1.0, QColor(44, 74, 128)}});
    kit.stars(QRectF(0, 0, kWidth, 420), 420);
    const QPointF moonCentre(820, 160);
    kit.moon(moonCentre, 44);

    const double shore = 452;
    const QPolygonF skyline = kit.peaks(-20, kWidth + 20, shore, 190, 5);
    kit.mountains(skyline, shore + 2, QColor(62, 84, 128), QColor(222, 232, 250));
    const QPolygonF treeLine = kit.ridge(0, kWidth, shore + 2, 3, 2);
    kit.forestRow(treeLine, 16, 34, 8, QColor(22, 46, 64), 0.35);

    // The ice: smooth, pale where the moon shines on it, with a faint mirror
    // image of the mountains.
    const QRectF lake(0, shore, kWidth, 240);
    QLinearGradient ice(lake.topLeft(), lake.bottomLeft());
    ice.setColorAt(0.0, QColor(70, 100, 150));
    ice.setColorAt(1.0, QColor(140, 170, 212));
    painter.fillRect(lake, ice);
    painter.save();
    painter.setClipRect(lake);
    painter.setOpacity(0.22);
    painter.translate(0, 2 * shore);
    painter.scale(1, -1);
    kit.mountains(skyline, shore + 2, QColor(62, 84, 128), QColor(222, 232, 250));
    painter.restore();
    painter.save();
    painter.setClipRect(lake);
    painter.translate(moonCentre.x(), shore + 70);
    painter.scale(0.35, 2.2);
    kit.glow(QPointF(0, 0), 60, QColor(255, 250, 220, 120));
    painter.restore();
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const double y = lake.top() + 6 + std::pow(rng.unit(), 1.4) * (lake.height() - 10);
        const double width = rng.range(20, 120) * (0.4 + (y - lake.top()) / lake.height());
        const double x =
            rng.unit() < 0.35 ? moonCentre.x() + rng.range(-60, 60) : rng.range(0, kWidth);
        painter.setBrush(QColor(230, 240, 255, rng.between(18, 60)));
        painter.drawRoundedRect(QRectF(x - width / 2, y, width, 1.3), 0.6, 0.6);
    }
    painter.setPen(QPen(QColor(220, 235, 255, 70), 1.0));
    for (int i = 0; i < 8; ++i) {
        QPointF point(rng.range(100, 920), rng.range(lake.top() + 40, lake.bottom() - 10));
        QPolygonF crack;
        crack << point;
        for (int k = 0; k < 6; ++k) {
            point += QPointF(rng.range(-26, 26), rng.range(-5, 5));
            crack << point;
        }
        painter.drawPolyline(crack);
    }
    painter.restore();

    const QPolygonF bank = kit.ridge(0, kWidth, 668, 12, 1.3);
    kit.snowField(bank, kHeight, QColor(236, 243, 255), QColor(170, 190, 228));
    kit.pine(QPointF(132, 690), 270, QColor(26, 66, 68), 0.8);
    kit.pine(QPointF(210, 676), 175, QColor(30, 72, 72), 0.75);
    kit.pine(QPointF(54, 650), 200, QColor(30, 72, 72), 0.75);
    kit.pine(QPointF(888, 700), 290, QColor(26, 66, 68), 0.8);
    kit.pine(QPointF(806, 672), 150, QColor(30, 72, 72), 0.75);
    kit.sparkles(QRectF(85, 660, 854, 80), 220);
    kit.sparkles(QRectF(85, lake.top() + 4, 854, lake.height() - 8), 60);
    return image;
}
