#include "art/SceneKit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTau = 2.0 * std::numbers::pi;

QPolygonF closeUnder(const QPolygonF& ridge, double bottom) {
    QPolygonF shape = ridge;
    shape << QPointF(ridge.last().x(), bottom) << QPointF(ridge.first().x(), bottom);
    return shape;
}

double topOf(const QPolygonF& ridge) {
    double top = ridge.first().y();
    for (const QPointF& point : ridge) {
        top = std::min(top, point.y());
    }
    return top;
}

}  // namespace

void SceneKit::verticalGradient(const QRectF& area, const QGradientStops& stops) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setStops(stops);
    painter_.fillRect(area, gradient);
}

void SceneKit::stars(const QRectF& area, int count) {
    painter_.save();
    painter_.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x = area.left() + rng_.unit() * area.width();
        const double y = area.top() + std::pow(rng_.unit(), 1.7) * area.height();
        const double fade = 1.0 - 0.6 * (y - area.top()) / area.height();
        const double size = 0.5 + std::pow(rng_.unit(), 3.0) * 1.4;
        const int tint = rng_.between(0, 2);
        QColor colour =
            tint == 0 ? QColor(255, 244, 220) : (tint == 1 ? QColor(220, 232, 255) : Qt::white);
        colour.setAlphaF(std::clamp(fade * rng_.range(0.45, 1.0), 0.0, 1.0));
        painter_.setBrush(colour);
        painter_.drawEllipse(QPointF(x, y), size, size);
        if (rng_.unit() < 0.05) {
            // A twinkling star: a halo and four thin rays.
            glow(QPointF(x, y), size * 6, QColor(200, 220, 255, 90));
            const double ray = size * rng_.range(5.0, 9.0);
            QLinearGradient horizontal(x - ray, y, x + ray, y);
            horizontal.setColorAt(0.0, Qt::transparent);
            horizontal.setColorAt(0.5, QColor(255, 255, 255, 200));
            horizontal.setColorAt(1.0, Qt::transparent);
            painter_.fillRect(QRectF(x - ray, y - 0.5, 2 * ray, 1.0), horizontal);
            QLinearGradient vertical(x, y - ray, x, y + ray);
            vertical.setStops(horizontal.stops());
            painter_.fillRect(QRectF(x - 0.5, y - ray, 1.0, 2 * ray), vertical);
        }
    }
    painter_.restore();
}

void SceneKit::glow(QPointF centre, double radius, const QColor& colour) {
    QRadialGradient gradient(centre, radius);
    QColor middle = colour;
    middle.setAlphaF(colour.alphaF() * 0.35);
    gradient.setColorAt(0.0, colour);
    gradient.setColorAt(0.35, middle);
    gradient.setColorAt(1.0, QColor(colour.red(), colour.green(), colour.blue(), 0));
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(gradient);
    painter_.drawEllipse(centre, radius, radius);
    painter_.restore();
}

void SceneKit::moon(QPointF centre, double radius) {
    glow(centre, radius * 6.0, QColor(190, 210, 255, 70));
    glow(centre, radius * 2.2, QColor(255, 250, 225, 110));
    painter_.save();
    painter_.setPen(Qt::NoPen);
    QRadialGradient disc(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    disc.setColorAt(0.0, QColor(255, 254, 243));
    disc.setColorAt(0.7, QColor(246, 240, 215));
    disc.setColorAt(1.0, QColor(222, 214, 186));
    painter_.setBrush(disc);
    painter_.drawEllipse(centre, radius, radius);
    const QPointF craters[] = {
        {-0.3, -0.2}, {0.25, 0.15}, {-0.05, 0.45}, {0.35, -0.35}, {-0.45, 0.25}};
    const double sizes[] = {0.22, 0.16, 0.12, 0.1, 0.08};
    for (int i = 0; i < 5; ++i) {
        painter_.setBrush(QColor(190, 180, 150, 45));
        painter_.drawEllipse(centre + craters[i] * radius, sizes[i] * radius, sizes[i] * radius);
    }
    painter_.restore();
}

QPolygonF SceneKit::ridge(double left, double right, double baseY, double amplitude, double waves) {
    const double phase1 = rng_.unit() * kTau;
    const double phase2 = rng_.unit() * kTau;
    const double phase3 = rng_.unit() * kTau;
    QPolygonF points;
    for (double x = left; x <= right + 4.0; x += 4.0) {
        const double t = (x - left) / (right - left);
        const double wave = 0.6 * std::sin(t * waves * kTau + phase1) +
                            0.3 * std::sin(t * waves * 2.3 * kTau + phase2) +
                            0.1 * std::sin(t * waves * 5.1 * kTau + phase3);
        points << QPointF(x, baseY - amplitude * wave);
    }
    return points;
}

QPolygonF SceneKit::peaks(double left, double right, double baseY, double height, int count) {
    QPolygonF points;
    points << QPointF(left, baseY - height * rng_.range(0.1, 0.4));
    const double step = (right - left) / count;
    for (int i = 0; i < count; ++i) {
        const double x0 = left + i * step;
        const double summit = baseY - height * rng_.range(0.55, 1.0);
        const double summitX = x0 + step * rng_.range(0.35, 0.65);
        // Rough shoulders on the way up and down make the slopes look rocky.
        for (int k = 1; k <= 3; ++k) {
            const double f = k / 4.0;
            const double y = points.last().y() + (summit - points.last().y()) * f;
            points << QPointF(x0 + (summitX - x0) * f, y + rng_.range(-4.0, 4.0));
        }
        points << QPointF(summitX, summit);
        const double valley = baseY - height * rng_.range(0.1, 0.35);
        for (int k = 1; k <= 3; ++k) {
            const double f = k / 4.0;
            const double y = summit + (valley - summit) * f;
            points << QPointF(summitX + (x0 + step - summitX) * f, y + rng_.range(-4.0, 4.0));
        }
        points << QPointF(x0 + step, valley);
    }
    return points;
}

void SceneKit::snowField(const QPolygonF& ridge, double bottom, const QColor& light,
                         const QColor& shade) {
    painter_.save();
    QLinearGradient gradient(0, topOf(ridge), 0, bottom);
    gradient.setColorAt(0.0, light);
    gradient.setColorAt(1.0, shade);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(gradient);
    painter_.drawPolygon(closeUnder(ridge, bottom));
    // The crest catches the light.
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(QColor(255, 255, 255, 110), 2.0));
    painter_.drawPolyline(ridge);
    painter_.restore();
}

void SceneKit::mountains(const QPolygonF& skyline, double bottom, const QColor& rock,
                         const QColor& snow) {
    const QPolygonF shape = closeUnder(skyline, bottom);
    const double top = topOf(skyline);
    painter_.save();
    QLinearGradient body(0, top, 0, bottom);
    body.setColorAt(0.0, rock.lighter(115));
    body.setColorAt(1.0, rock.darker(130));
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(body);
    painter_.drawPolygon(shape);

    // Snow on the upper slopes, with a ragged lower edge.
    QPainterPath mountain;
    mountain.addPolygon(shape);
    painter_.setClipPath(mountain);
    const double snowLine = top + (bottom - top) * 0.45;
    QPolygonF cap;
    cap << QPointF(skyline.first().x(), top - 10);
    for (double x = skyline.first().x(); x <= skyline.last().x() + 6; x += 6) {
        cap << QPointF(x, snowLine + rng_.range(-14.0, 10.0) + 10 * std::sin(x * 0.05));
    }
    cap << QPointF(skyline.last().x(), top - 10);
    QLinearGradient snowGradient(0, top, 0, snowLine);
    snowGradient.setColorAt(0.0, snow);
    snowGradient.setColorAt(1.0, snow.darker(125));
    painter_.setBrush(snowGradient);
    painter_.drawPolygon(cap);
    // Shadowed flanks: the right side of every summit is darker.
    painter_.setBrush(QColor(20, 30, 70, 60));
    for (int i = 1; i + 1 < skyline.size(); ++i) {
        const QPointF& here = skyline[i];
        if (here.y() < skyline[i - 1].y() && here.y() < skyline[i + 1].y()) {
            QPolygonF flank;
            flank << here << QPointF(here.x() + (bottom - here.y()) * 0.55, bottom)
                  << QPointF(here.x() + (bottom - here.y()) * 0.1, bottom);
            painter_.drawPolygon(flank);
        }
    }
    painter_.restore();
}

void SceneKit::pine(QPointF base, double height, const QColor& needles, double snow) {
    const int tiers = std::clamp(static_cast<int>(height / 22.0) + 3, 3, 7);
    const double trunkHeight = height * 0.08;
    const double crownBottom = base.y() - trunkHeight;
    const double crownTop = base.y() - height;
    const double crown = crownBottom - crownTop;
    const double halfWidth = height * 0.25;
    const double stride = crown / (tiers + 0.7);
    const double tierHeight = stride * 1.7;

    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(70, 45, 35).darker(needles.lightness() < 60 ? 160 : 110));
    painter_.drawRect(
        QRectF(base.x() - height * 0.03, crownBottom - 2, height * 0.06, trunkHeight + 2));

    for (int i = 0; i < tiers; ++i) {
        const double bottom = crownBottom - i * stride;
        const double top = bottom - tierHeight;
        const double spread = halfWidth * (bottom - crownTop) / crown * 1.05;
        QPainterPath tier(QPointF(base.x(), top));
        tier.quadTo(QPointF(base.x() - spread * 0.35, top + tierHeight * 0.6),
                    QPointF(base.x() - spread, bottom));
        // A drooping, scalloped hem.
        const int scallops = std::max(2, static_cast<int>(spread / 7.0));
        for (int s = 1; s <= scallops; ++s) {
            const double x = base.x() - spread + 2.0 * spread * s / scallops;
            const double midX = x - spread / scallops;
            const double lift = (s == scallops) ? 0.0 : tierHeight * 0.08;
            tier.quadTo(QPointF(midX, bottom + tierHeight * 0.1), QPointF(x, bottom - lift));
        }
        tier.quadTo(QPointF(base.x() + spread * 0.35, top + tierHeight * 0.6),
                    QPointF(base.x(), top));

        QLinearGradient shading(base.x() - spread, 0, base.x() + spread, 0);
        shading.setColorAt(0.0, needles.lighter(125));
        shading.setColorAt(0.55, needles);
        shading.setColorAt(1.0, needles.darker(170));
        painter_.setBrush(shading);
        painter_.drawPath(tier);

        if (snow <= 0.0) {
            continue;
        }
        // Snow rests on the upper part of the tier and hangs down in soft scallops.
        const double line = top + tierHeight * (0.3 + 0.45 * snow);
        QPainterPath blanket(QPointF(base.x() - spread - 2, top - 2));
        blanket.lineTo(base.x() - spread - 2, line);
        const int drips = std::max(2, static_cast<int>(spread / 6.0));
        for (int d = 1; d <= drips; ++d) {
            const double x = base.x() - spread + 2.0 * spread * d / drips;
            const double midX = x - spread / drips;
            const double slope = (x - base.x()) / spread * tierHeight * 0.12;
            blanket.quadTo(QPointF(midX, line + tierHeight * rng_.range(0.12, 0.28) + slope),
                           QPointF(x, line + slope));
        }
        blanket.lineTo(base.x() + spread + 2, top - 2);
        blanket.closeSubpath();
        QLinearGradient snowShade(base.x() - spread, 0, base.x() + spread, 0);
        snowShade.setColorAt(0.0, QColor(250, 252, 255));
        snowShade.setColorAt(0.6, QColor(232, 240, 252));
        snowShade.setColorAt(1.0, QColor(185, 200, 228));
        painter_.setBrush(snowShade);
        painter_.drawPath(tier.intersected(blanket));
    }
    painter_.restore();
}

void SceneKit::forestRow(const QPolygonF& ridge, double minHeight, double maxHeight, double spacing,
                         const QColor& needles, double snow) {
    for (double x = ridge.first().x(); x <= ridge.last().x(); x += spacing * rng_.range(0.6, 1.4)) {
        const double height = rng_.range(minHeight, maxHeight);
        pine(QPointF(x, heightAt(ridge, x) + height * 0.08), height, needles, snow);
    }
}

void SceneKit::sparkles(const QRectF& area, int count) {
    painter_.save();
    painter_.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF point(area.left() + rng_.unit() * area.width(),
                            area.top() + rng_.unit() * area.height());
        painter_.setBrush(QColor(255, 255, 255, rng_.between(90, 230)));
        const double size = rng_.range(0.4, 1.1);
        painter_.drawEllipse(point, size, size);
    }
    painter_.restore();
}

void SceneKit::smoke(QPointF from, double height) {
    painter_.save();
    painter_.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const double t = i / 13.0;
        const QPointF centre(from.x() + height * 0.5 * t * t + 4 * std::sin(t * 9),
                             from.y() - height * t);
        const double radius = 5 + 16 * t;
        glow(centre, radius, QColor(200, 205, 220, static_cast<int>(70 * (1 - t))));
    }
    painter_.restore();
}

double SceneKit::heightAt(const QPolygonF& ridge, double x) {
    for (int i = 1; i < ridge.size(); ++i) {
        if (ridge[i].x() >= x) {
            const QPointF& a = ridge[i - 1];
            const QPointF& b = ridge[i];
            const double f = b.x() == a.x() ? 0.0 : (x - a.x()) / (b.x() - a.x());
            return a.y() + (b.y() - a.y()) * std::clamp(f, 0.0, 1.0);
        }
    }
    return ridge.last().y();
}
