#include "art/BorderPainter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "art/Ornaments.h"
#include "art/SceneKit.h"

namespace {

constexpr int kSideWidth = 85;
constexpr int kSideHeight = 768;

const QColor kCaneRed(214, 22, 38);
const QColor kCaneGreen(30, 140, 70);
const QColor kCaneWhite(252, 250, 246);

// Slanted stripes of red, white and a thin green line, repeating every period
// pixels across the stripes.
void stripes(QPainter& painter, const QRectF& band, double period, double angle) {
    painter.save();
    painter.setClipRect(band);
    painter.fillRect(band, kCaneWhite);
    painter.translate(band.center());
    painter.rotate(angle);
    const double reach = std::hypot(band.width(), band.height()) / 2 + period;
    painter.setPen(Qt::NoPen);
    for (double x = -reach; x < reach; x += period) {
        painter.setBrush(kCaneRed);
        painter.drawRect(QRectF(x, -reach, period * 0.42, 2 * reach));
        painter.setBrush(kCaneGreen);
        painter.drawRect(QRectF(x + period * 0.6, -reach, period * 0.1, 2 * reach));
    }
    painter.restore();
}

// Light and shade across a round stick, from one long edge to the other.
void roundShading(QPainter& painter, const QRectF& band, bool horizontal) {
    QLinearGradient shade = horizontal ? QLinearGradient(band.topLeft(), band.bottomLeft())
                                       : QLinearGradient(band.topLeft(), band.topRight());
    shade.setColorAt(0.0, QColor(60, 0, 10, 110));
    shade.setColorAt(0.12, QColor(255, 255, 255, 40));
    shade.setColorAt(0.3, QColor(255, 255, 255, 150));
    shade.setColorAt(0.45, QColor(255, 255, 255, 0));
    shade.setColorAt(0.8, QColor(40, 0, 10, 50));
    shade.setColorAt(1.0, QColor(40, 0, 10, 150));
    painter.fillRect(band, shade);
}

}  // namespace

QImage BorderPainter::strip() {
    QImage image(1024, 29, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF band(0, 0, 1024, 29);
    stripes(painter, band, 26, 40);
    roundShading(painter, band, true);
    return image;
}

QImage BorderPainter::side(bool right) {
    QImage image(kSideWidth, kSideHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Rng rng(right ? 71 : 70);
    pole(painter, right ? kSideWidth - 17 : 1, 16, kSideHeight);
    garland(painter, rng, right);

    auto outward = [right](double x) { return right ? kSideWidth - x : x; };
    SceneKit kit(painter, rng);
    Ornaments ornaments(painter);
    const QColor colours[] = {
        {210, 20, 40}, {230, 176, 40}, {40, 100, 210}, {200, 205, 220}, {150, 40, 170}};
    int colour = right ? 2 : 0;
    for (double y = 90; y < kSideHeight - 60; y += 92) {
        // Baubles hang on the inner side of the garland, holly sits on its crest.
        const double x = outward(garlandLine(y) + 16);
        painter.setPen(QPen(QColor(200, 170, 90), 1.0));
        painter.drawLine(QPointF(outward(garlandLine(y) + 6), y - 14), QPointF(x, y - 11));
        ornaments.bauble(QPointF(x, y), 10, colours[colour % 5]);
        ++colour;
        ornaments.hollySprig(QPointF(outward(garlandLine(y + 46)), y + 46), 17, right ? 200 : -20,
                             false);
    }
    // Warm little lights among the needles.
    for (double y = 30; y < kSideHeight; y += 23) {
        const QPointF bulb(outward(garlandLine(y) + rng.range(-8, 8)), y + rng.range(-4, 4));
        kit.glow(bulb, 6, QColor(255, 220, 140, 200));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 248, 210));
        painter.drawEllipse(bulb, 1.3, 1.3);
    }
    ornaments.bow(QPointF(outward(18), 30), 17);
    ornaments.bow(QPointF(outward(18), kSideHeight - 28), 15);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void BorderPainter::pole(QPainter& painter, double left, double width, double height) {
    const QRectF band(left, 0, width, height);
    stripes(painter, band, 20, 50);
    roundShading(painter, band, false);
}

void BorderPainter::garland(QPainter& painter, Rng& rng, bool right) {
    painter.save();
    const QColor greens[] = {
        {18, 70, 40}, {26, 92, 52}, {36, 112, 62}, {60, 140, 80}, {14, 56, 34}};
    for (double y = -10; y < kSideHeight + 10; y += 2.2) {
        const double centre = garlandLine(y);
        for (int k = 0; k < 6; ++k) {
            const double angle = rng.range(0, 2 * std::numbers::pi);
            const double length = rng.range(7, 16);
            QPointF from(centre + rng.range(-5, 5), y + rng.range(-3, 3));
            QPointF to = from + QPointF(std::cos(angle) * length, std::sin(angle) * length * 0.8);
            if (right) {
                from.setX(kSideWidth - from.x());
                to.setX(kSideWidth - to.x());
            }
            QLinearGradient needle(from, to);
            const QColor& base = greens[rng.between(0, 4)];
            needle.setColorAt(0.0, base.darker(140));
            needle.setColorAt(1.0, base.lighter(135));
            painter.setPen(QPen(QBrush(needle), rng.range(1.0, 1.8), Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(from, to);
        }
        if (rng.unit() < 0.35) {
            // A dusting of snow on the needles.
            const double x = centre + rng.range(-10, 10);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 255, 255, rng.between(120, 220)));
            painter.drawEllipse(QPointF(right ? kSideWidth - x : x, y), 1.4, 1.1);
        }
    }
    painter.restore();
}

double BorderPainter::garlandLine(double y) {
    return 28 + 9 * std::sin(y * 2 * std::numbers::pi / 184.0);
}
