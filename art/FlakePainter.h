#pragma once

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <vector>

#include "art/Rng.h"

// Draws six-fold symmetric snowflakes: branching dendrites, stellar plates and
// broad-armed stars, white with ice-blue edges and a soft blue glow, on a
// transparent square. One arm is drawn and turned six times about the centre,
// at four times the final size, then scaled down for soft edges.
class FlakePainter {
public:
    enum class Kind { Dendrite, Plate, Star };

    // The nine flakes of one layer, in the sizes given, each different.
    static std::vector<QImage> layer(const std::vector<int>& sizes, std::uint32_t seed);

    static QImage flake(int size, Kind kind, std::uint32_t seed);

private:
    struct Arm {
        double radius = 0;  // supersampled pixels from the centre to the tip
        double width = 0;   // stroke width of the spine
        Kind kind = Kind::Dendrite;
    };

    static void drawArm(QPainter& painter, const Arm& arm, Rng& rng, bool outline);
    static void dendriteArm(QPainter& painter, const Arm& arm, Rng& rng);
    static void plateArm(QPainter& painter, const Arm& arm, Rng& rng);
    static void starArm(QPainter& painter, const Arm& arm, Rng& rng);
};
