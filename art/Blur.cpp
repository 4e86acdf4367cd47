#include "art/Blur.h"

#include <array>
#include <vector>

namespace {

// One box pass over a row or column of premultiplied pixels, in place.
void boxPass(QRgb* first, int count, int stride, int radius, std::vector<QRgb>& scratch) {
    scratch.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        scratch[static_cast<size_t>(i)] = first[i * stride];
    }
    const int window = 2 * radius + 1;
    std::array<int, 4> sum{};
    auto add = [&sum](QRgb pixel, int sign) {
        sum[0] += sign * qAlpha(pixel);
        sum[1] += sign * qRed(pixel);
        sum[2] += sign * qGreen(pixel);
        sum[3] += sign * qBlue(pixel);
    };
    auto at = [&scratch, count](int i) -> QRgb {
        return (i < 0 || i >= count) ? 0 : scratch[static_cast<size_t>(i)];
    };
    for (int i = -radius; i <= radius; ++i) {
        add(at(i), 1);
    }
    for (int i = 0; i < count; ++i) {
        first[i * stride] =
            qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
        add(at(i - radius), -1);
        add(at(i + radius + 1), 1);
    }
}

}  // namespace

QImage Blur::soften(const QImage& image, int radius) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0) {
        return result;
    }
    std::vector<QRgb> scratch;
    const int width = result.width();
    const int height = result.height();
    auto* pixels = reinterpret_cast<QRgb*>(result.bits());
    const int stride = static_cast<int>(result.bytesPerLine() / 4);
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y) {
            boxPass(pixels + y * stride, width, 1, radius, scratch);
        }
        for (int x = 0; x < width; ++x) {
            boxPass(pixels + x, height, stride, radius, scratch);
        }
    }
    return result;
}

QImage Blur::clearFaintest(const QImage& image, int faintest) {
    QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < straight.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(straight.scanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            if (qAlpha(line[x]) < faintest) {
                line[x] = 0;
            }
        }
    }
    return straight;
}
