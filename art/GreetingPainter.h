#pragma once

#include <QImage>
#include <QPainterPath>
#include <vector>

#include "art/ArtFonts.h"

// The lettered pictures: the bouncing "Merry Christmas" greeting and the
// banner of the configuration dialog.
class GreetingPainter {
public:
    explicit GreetingPainter(const ArtFonts& fonts) : fonts_(fonts) {}

    // 336 x 220 with transparency, so that it can bounce over every scene.
    QImage greeting() const;

    // 616 x 59, opaque.
    QImage banner() const;

private:
    // Script lettering with a soft dark halo, a white rim and a gradient fill.
    // Each line gets its own top-to-bottom gradient.
    static void letter(QImage& target, const std::vector<QPainterPath>& lines, const QColor& top,
                       const QColor& bottom, const QColor& rim, double rimWidth);

    const ArtFonts& fonts_;
};
