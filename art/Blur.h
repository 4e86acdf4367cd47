#pragma once

#include <QImage>

// A soft blur for glows and shadows: three box passes in each direction come
// close to a Gaussian and cost little at these picture sizes.
class Blur {
public:
    // Returns a blurred copy in premultiplied ARGB32.
    static QImage soften(const QImage& image, int radius);
    // Returns image in straight ARGB32 with every pixel whose alpha is below
    // faintest made fully transparent: a blurred edge fades out over many
    // pixels that nobody sees but that still cost the saver a blend each.
    static QImage clearFaintest(const QImage& image, int faintest);
};
