#pragma once

#include <QColor>
#include <QGradientStops>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include "art/Rng.h"

// The brushes the winter scenes are painted with: sky, stars, moon, snowy
// ground and mountains, snow-laden pines and soft glows. Every random choice
// comes from the generator it is given, so a scene comes out the same on every
// run.
class SceneKit {
public:
    SceneKit(QPainter& painter, Rng& rng) : painter_(painter), rng_(rng) {}

    // Fills an area with a top-to-bottom gradient.
    void verticalGradient(const QRectF& area, const QGradientStops& stops);

    // Scatters stars over an area, denser towards its top; a few twinkle.
    void stars(const QRectF& area, int count);

    // A round light that fades out to nothing.
    void glow(QPointF centre, double radius, const QColor& colour);

    // A full moon with a halo.
    void moon(QPointF centre, double radius);

    // A gently rolling skyline from left to right; the ridge's mean height is
    // baseY and it swings up to amplitude above and below.
    QPolygonF ridge(double left, double right, double baseY, double amplitude, double waves);

    // A jagged mountain skyline.
    QPolygonF peaks(double left, double right, double baseY, double height, int count);

    // Fills the area under a ridge with snow, lit along its crest.
    void snowField(const QPolygonF& ridge, double bottom, const QColor& light, const QColor& shade);

    // Fills the area under a mountain skyline and caps the summits with snow.
    void mountains(const QPolygonF& skyline, double bottom, const QColor& rock, const QColor& snow);

    // A fir tree standing on base, its tiers laden with snow (0 none, 1 deep).
    void pine(QPointF base, double height, const QColor& needles, double snow);

    // A row of pines along a ridge, from far (small, hazy) to near.
    void forestRow(const QPolygonF& ridge, double minHeight, double maxHeight, double spacing,
                   const QColor& needles, double snow);

    // Glints on fresh snow.
    void sparkles(const QRectF& area, int count);

    // Smoke rising from a chimney and drifting to the right.
    void smoke(QPointF from, double height);

    // The height of a ridge at x.
    static double heightAt(const QPolygonF& ridge, double x);

private:
    QPainter& painter_;
    Rng& rng_;
};
