#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "art/Rng.h"
#include "art/SceneKit.h"

// Houses, a cabin and a church with snow on their roofs and warm light in
// their windows.
class Buildings {
public:
    struct House {
        QRectF body;  // the front wall
        double roofHeight = 40;
        QColor wall;
        QColor roof;
        bool gable = false;  // gable end facing the viewer, else the long side
        bool logs = false;   // a log cabin's wall
        bool chimney = true;
        int windows = 2;
        bool door = true;
    };

    Buildings(QPainter& painter, SceneKit& kit, Rng& rng)
        : painter_(painter), kit_(kit), rng_(rng) {}

    void house(const House& house);

    // A village church whose steeple rises from the left end of its nave.
    void church(const QRectF& nave, const QColor& wall);

    // A lit window with its frame, mullions, snowy sill and glow.
    void window(const QRectF& pane, bool arched = false);

private:
    void chimney(const House& house);
    void longRoof(const House& house);
    void gableRoof(const House& house);
    void door(const QRectF& frame);
    void icicles(double left, double right, double y);

    QPainter& painter_;
    SceneKit& kit_;
    Rng& rng_;
};
