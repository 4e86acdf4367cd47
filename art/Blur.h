#pragma once

#include <QImage>

// A soft blur for glows and shadows: three box passes in each direction come
// close to a Gaussian and cost little at these picture sizes.
class Blur {
public:
    // Returns a blurred copy in premultiplied ARGB32.
    static QImage soften(const QImage& image, int radius);
};
