#include "art/GreetingPainter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <numbers>

#include "art/Blur.h"
#include "art/FlakePainter.h"
#include "art/Ornaments.h"
#include "art/Rng.h"
#include "art/SceneKit.h"

namespace {

// The halo's outermost fringe, too faint to see, is cleared.
constexpr int kFaintest = 24;

QPainterPath textPath(const QFont& font, QPointF baseline, const QString& text) {
    QPainterPath path;
    path.addText(baseline, font, text);
    return path;
}

// Text whose inked outline is centred on centreX, on the given baseline.
QPainterPath centredText(const QFont& font, const QString& text, double centreX, double baseline) {
    const QPainterPath path = textPath(font, QPointF(0, baseline), text);
    return path.translated(centreX - path.boundingRect().center().x(), 0);
}

// A four-pointed glint.
void glint(QPainter& painter, QPointF centre, double size) {
    QPolygonF star;
    for (int k = 0; k < 8; ++k) {
        const double angle = k * std::numbers::pi / 4;
        const double radius = (k % 2 == 0) ? size : size * 0.22;
        star << centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 250, 220, 230));
    painter.drawPolygon(star);
}

}  // namespace

QImage GreetingPainter::greeting() const {
    QImage image(336, 220, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    // Both lines are centred a little apart, "Merry" nudged left and
    // "Christmas" right, as a hand-lettered card would have them.
    const QPainterPath merry = centredText(fonts_.script(88), QStringLiteral("Merry"), 150, 94);
    const QPainterPath christmas =
        centredText(fonts_.script(76), QStringLiteral("Christmas"), 172, 178);
    letter(image, {merry, christmas}, QColor(246, 52, 60), QColor(150, 0, 22),
           QColor(255, 250, 240), 6.0);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Ornaments ornaments(painter);
    ornaments.hollySprig(QPointF(276, 48), 44, -20);
    ornaments.bauble(QPointF(304, 92), 12, QColor(230, 180, 40));
    ornaments.bauble(QPointF(318, 124), 8, QColor(40, 110, 220));
    ornaments.hollySprig(QPointF(32, 196), 30, 160, false);
    glint(painter, QPointF(196, 28), 6);
    glint(painter, QPointF(318, 160), 7);
    glint(painter, QPointF(92, 204), 5);
    painter.end();
    return Blur::clearFaintest(image, kFaintest);
}

QImage GreetingPainter::banner() const {
    QImage image(616, 59, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Rng rng(21);
    SceneKit kit(painter, rng);
    kit.verticalGradient(
        QRectF(image.rect()),
        {{0.0, QColor(8, 22, 64)}, {0.6, QColor(30, 70, 140)}, {1.0, QColor(76, 122, 186)}});
    kit.stars(QRectF(0, 0, 616, 40), 70);
    kit.glow(QPointF(560, 16), 40, QColor(220, 235, 255, 70));
    const QPolygonF hill = kit.ridge(0, 616, 52, 5, 1.5);
    kit.snowField(hill, 59, QColor(230, 240, 255), QColor(180, 200, 235));
    kit.pine(QPointF(382, 56), 40, QColor(30, 76, 72), 0.7);
    kit.pine(QPointF(404, 55), 28, QColor(34, 82, 78), 0.7);
    kit.pine(QPointF(596, 57), 46, QColor(30, 76, 72), 0.7);
    const std::vector<QImage> flakes = FlakePainter::layer({18, 12, 15, 10, 20, 13}, 901);
    const QPointF spots[] = {{250, 6}, {300, 30}, {438, 10}, {480, 34}, {520, 4}, {340, 8}};
    for (size_t i = 0; i < flakes.size(); ++i) {
        painter.drawImage(spots[i], flakes[i]);
    }
    painter.end();

    const QPainterPath title =
        textPath(fonts_.script(50), QPointF(58, 45), QStringLiteral("Glintfall"));
    letter(image, {title}, QColor(255, 255, 255), QColor(196, 222, 255), QColor(20, 40, 90), 3.0);
    QPainter trim(&image);
    trim.setRenderHint(QPainter::Antialiasing);
    Ornaments(trim).hollySprig(QPointF(30, 30), 22, -90);
    return image;
}

void GreetingPainter::letter(QImage& target, const std::vector<QPainterPath>& lines,
                             const QColor& top, const QColor& bottom, const QColor& rim,
                             double rimWidth) {
    QPainterPath text;
    for (const QPainterPath& line : lines) {
        text.addPath(line);
    }
    // The halo: the letters' shape, thickened, blurred and darkened, so the
    // words stand out on bright snow as well as on the night sky.
    QImage halo(target.size(), QImage::Format_ARGB32_Premultiplied);
    halo.fill(Qt::transparent);
    {
        QPainter painter(&halo);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(1.5, 2.5);
        painter.setPen(QPen(QColor(10, 10, 30, 170), rimWidth * 2.2, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.setBrush(QColor(10, 10, 30, 170));
        painter.drawPath(text);
    }
    halo = Blur::soften(halo, static_cast<int>(rimWidth * 0.7) + 1);

    QPainter painter(&target);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(0, 0, halo);
    painter.setPen(QPen(rim, rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text);
    painter.setPen(Qt::NoPen);
    for (const QPainterPath& line : lines) {
        const QRectF box = line.boundingRect();
        QLinearGradient fill(0, box.top(), 0, box.bottom());
        fill.setColorAt(0.0, top);
        fill.setColorAt(1.0, bottom);
        painter.setBrush(fill);
        painter.drawPath(line);
        // A soft sheen on the upper half of the strokes.
        painter.save();
        painter.setClipPath(line);
        QLinearGradient sheen(0, box.top(), 0, box.center().y());
        sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
        sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
        painter.fillRect(QRectF(box.left(), box.top(), box.width(), box.height() / 2), sheen);
        painter.restore();
    }
}
