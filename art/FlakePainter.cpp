#include "art/FlakePainter.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "art/Blur.h"

namespace {

constexpr int kSupersample = 4;
constexpr int kFaintest = 10;
const QColor kIce(150, 200, 255);
const QColor kEdge(196, 226, 255);

// A branch leaving the spine at 60 degrees, towards the left or the right.
QPointF branchDirection(bool right) {
    return {right ? 0.866 : -0.866, -0.5};
}

QPolygonF hexagon(QPointF centre, double radius) {
    QPolygonF shape;
    for (int k = 0; k < 6; ++k) {
        const double angle = k * std::numbers::pi / 3.0;
        shape << centre + QPointF(std::sin(angle) * radius, -std::cos(angle) * radius);
    }
    return shape;
}

}  // namespace

std::vector<QImage> FlakePainter::layer(const std::vector<int>& sizes, std::uint32_t seed) {
    std::vector<QImage> flakes;
    const Kind kinds[] = {Kind::Dendrite, Kind::Plate, Kind::Star};
    for (size_t i = 0; i < sizes.size(); ++i) {
        flakes.push_back(
            flake(sizes[i], kinds[i % 3], seed + static_cast<std::uint32_t>(i) * 7919u));
    }
    return flakes;
}

QImage FlakePainter::flake(int size, Kind kind, std::uint32_t seed) {
    const int big = size * kSupersample;
    const double margin = std::max(size < 10 ? 1.5 : 1.0, size * 0.07) * kSupersample;
    Arm arm;
    arm.kind = kind;
    arm.radius = big / 2.0 - margin;
    // The tiniest flakes get hairline arms: anything thicker fills them in.
    const double thinnest = (size < 14 ? 0.8 : 1.2) * kSupersample;
    arm.width = std::max(thinnest, arm.radius * (size < 16 ? 0.1 : 0.075));

    // The same seed for the outline pass and the core pass keeps them aligned.
    QImage structure(big, big, QImage::Format_ARGB32_Premultiplied);
    structure.fill(Qt::transparent);
    for (bool outline : {true, false}) {
        QPainter painter(&structure);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(big / 2.0, big / 2.0);
        Rng rng(seed);
        const Arm shape = arm;
        for (int k = 0; k < 6; ++k) {
            Rng armRng = rng;  // every arm identical
            painter.save();
            painter.rotate(60.0 * k);
            drawArm(painter, shape, armRng, outline);
            painter.restore();
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(outline ? kEdge : QColor(Qt::white));
        const double hub = arm.width * (outline ? 1.2 : 0.8);
        painter.drawPolygon(hexagon(QPointF(0, 0), hub));
    }

    const QImage small =
        structure.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The glow: the flake's own shape, blurred and tinted ice-blue.
    QImage glow = Blur::soften(small, std::max(1, size / 14));
    {
        QPainter tint(&glow);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(glow.rect(), QColor(kIce.red(), kIce.green(), kIce.blue(), 150));
    }
    QImage result(size, size, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.drawImage(0, 0, glow);
    painter.drawImage(0, 0, small);
    painter.end();
    // The faintest fringe of the glow is cut away, so even the tiniest flake
    // keeps clear corners for readers that only know the key colour.
    return Blur::clearFaintest(result, kFaintest);
}

void FlakePainter::drawArm(QPainter& painter, const Arm& arm, Rng& rng, bool outline) {
    // The outline pass draws every stroke wider in ice-blue; the core pass
    // draws it again in white, leaving a blue rim.
    const double grow = outline ? 1.0 + 0.6 * kSupersample / arm.width : 1.0;
    Arm scaled = arm;
    scaled.width = arm.width * grow;
    painter.setPen(QPen(outline ? kEdge : QColor(Qt::white), scaled.width, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(outline ? kEdge : QColor(255, 255, 255, 150));
    switch (arm.kind) {
        case Kind::Dendrite:
            dendriteArm(painter, scaled, rng);
            break;
        case Kind::Plate:
            plateArm(painter, scaled, rng);
            break;
        case Kind::Star:
            starArm(painter, scaled, rng);
            break;
    }
}

void FlakePainter::dendriteArm(QPainter& painter, const Arm& arm, Rng& rng) {
    const double reach = arm.radius - arm.width / 2;
    painter.drawLine(QPointF(0, 0), QPointF(0, -reach));
    // Small flakes get fewer branches, or their arms would run together.
    const int most = arm.radius < 14 * kSupersample ? 1 : (arm.radius < 24 * kSupersample ? 3 : 5);
    const int branches = rng.between(std::max(1, most - 2), most);
    const double twigs = arm.radius < 24 * kSupersample ? 0.0 : rng.unit();
    const QPen pen = painter.pen();
    for (int b = 0; b < branches; ++b) {
        const double t = 0.22 + 0.62 * (b + rng.range(0.2, 0.8)) / branches;
        const double length = reach * rng.range(0.16, 0.36) * (1.15 - 0.7 * t);
        const QPointF root(0, -reach * t);
        QPen branchPen = pen;
        branchPen.setWidthF(pen.widthF() * 0.8);
        painter.setPen(branchPen);
        for (bool right : {false, true}) {
            const QPointF direction = branchDirection(right);
            painter.drawLine(root, root + direction * length);
            if (twigs > 0.4 && length > reach * 0.2) {
                // Twigs parallel to the spine, as on real dendrites.
                const QPointF middle = root + direction * length * 0.55;
                painter.drawLine(middle, middle + QPointF(0, -length * 0.38));
            }
        }
        painter.setPen(pen);
    }
    if (most > 1) {
        painter.drawPolygon(hexagon(QPointF(0, -reach * 0.97), arm.width * 1.1));
    }
}

void FlakePainter::plateArm(QPainter& painter, const Arm& arm, Rng& rng) {
    const double reach = arm.radius - arm.width / 2;
    const double plate = reach * rng.range(0.28, 0.42);
    // Each arm draws one sixth of the central plate: a triangle between two
    // neighbouring corners, so the six together make the hexagon.
    QPolygonF sector;
    sector << QPointF(0, 0) << QPointF(0, -plate) << QPointF(plate * 0.866, -plate * 0.5);
    const QPen pen = painter.pen();
    QPen thin = pen;
    thin.setWidthF(pen.widthF() * 0.6);
    painter.setPen(thin);
    painter.drawPolygon(sector);
    painter.drawLine(QPointF(0, -plate * 0.55), QPointF(plate * 0.866 * 0.55, -plate * 0.55 * 0.5));
    painter.setPen(pen);
    painter.drawLine(QPointF(0, -plate), QPointF(0, -reach * 0.9));
    const double tipPlate = reach * rng.range(0.1, 0.16);
    painter.drawPolygon(hexagon(QPointF(0, -reach + tipPlate), tipPlate));
    if (rng.unit() < 0.6) {
        const double t = rng.range(0.6, 0.72);
        const double length = reach * 0.16;
        for (bool right : {false, true}) {
            painter.drawLine(QPointF(0, -reach * t),
                             QPointF(0, -reach * t) + branchDirection(right) * length);
        }
    }
}

void FlakePainter::starArm(QPainter& painter, const Arm& arm, Rng& rng) {
    const double reach = arm.radius - arm.width / 2;
    const double broad = reach * rng.range(0.1, 0.17);
    const double widest = rng.range(0.35, 0.6);
    // A broad leaf along the arm with a bright rib down its middle.
    QPainterPath leaf(QPointF(0, 0));
    leaf.quadTo(QPointF(broad * 1.4, -reach * widest), QPointF(0, -reach));
    leaf.quadTo(QPointF(-broad * 1.4, -reach * widest), QPointF(0, 0));
    const QPen pen = painter.pen();
    QPen thin = pen;
    thin.setWidthF(pen.widthF() * 0.55);
    painter.setPen(thin);
    painter.drawPath(leaf);
    painter.setPen(pen);
    painter.drawLine(QPointF(0, 0), QPointF(0, -reach));
    const int barbs = rng.between(1, 3);
    for (int b = 0; b < barbs; ++b) {
        const double t = 0.62 + 0.3 * b / barbs;
        const double length = reach * 0.2 * (1.2 - t);
        for (bool right : {false, true}) {
            painter.drawLine(QPointF(0, -reach * t),
                             QPointF(0, -reach * t) + branchDirection(right) * length);
        }
    }
}
