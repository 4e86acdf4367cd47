#include "platform/FrameScaler.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// The 16.16 fixed-point step from target to source pixels, as the X
// server's transforms hold it: truncated.
int fixedStep(int count, int sourceCount) {
    return count > 0 ? static_cast<int>((static_cast<int64_t>(sourceCount) << 16) / count) : 0;
}

// The source index under the centre of each of count target pixels, as the
// X server's nearest filter finds it: the centre i + 1/2 times the step,
// rounded to fixed point, less the smallest fixed-point amount so that a
// centre on a pixel edge takes the pixel before it.
std::vector<int> centres(int count, int sourceCount, int step) {
    std::vector<int> table(static_cast<std::size_t>(std::max(count, 0)));
    const int64_t half = (static_cast<int64_t>(step) + 1) / 2;
    for (int i = 0; i < count; ++i) {
        const int64_t index = (static_cast<int64_t>(i) * step + half - 1) >> 16;
        table[static_cast<std::size_t>(i)] =
            static_cast<int>(std::clamp<int64_t>(index, 0, sourceCount - 1));
    }
    return table;
}

}  // namespace

void FrameScaler::setGeometry(const QSize& frameSize, const QRect& target) {
    if (frameSize == frameSize_ && target == target_) {
        return;
    }
    frameSize_ = frameSize;
    target_ = target;
    stepX_ = fixedStep(target.width(), frameSize.width());
    stepY_ = fixedStep(target.height(), frameSize.height());
    sourceColumn_ = centres(target.width(), frameSize.width(), stepX_);
    sourceRow_ = centres(target.height(), frameSize.height(), stepY_);
    firstColumn_ = firstShowing(sourceColumn_, frameSize.width());
    firstRow_ = firstShowing(sourceRow_, frameSize.height());
}

std::vector<int> FrameScaler::firstShowing(const std::vector<int>& table, int sourceCount) {
    std::vector<int> firsts(static_cast<std::size_t>(std::max(sourceCount, 0)) + 1);
    for (std::size_t source = 0; source < firsts.size(); ++source) {
        firsts[source] = static_cast<int>(
            std::lower_bound(table.begin(), table.end(), static_cast<int>(source)) - table.begin());
    }
    return firsts;
}

QRect FrameScaler::windowRect(const QRect& rect) const {
    const QRect inside = rect & QRect(QPoint(0, 0), frameSize_);
    if (inside.isEmpty()) {
        return {};
    }
    const auto at = [](const std::vector<int>& firsts, int source) {
        return firsts[static_cast<std::size_t>(source)];
    };
    const int left = at(firstColumn_, inside.left());
    const int right = at(firstColumn_, inside.right() + 1) - 1;
    const int top = at(firstRow_, inside.top());
    const int bottom = at(firstRow_, inside.bottom() + 1) - 1;
    if (right < left || bottom < top) {
        return {};
    }
    return QRect(QPoint(left, top), QPoint(right, bottom)).translated(target_.topLeft());
}

void FrameScaler::scale(const QImage& frame, QImage& window, const QRect& rect) const {
    const QRect area = rect & target_ & window.rect();
    if (area.isEmpty() || frame.size() != frameSize_ || frame.depth() != 32 ||
        window.depth() != 32) {
        return;
    }
    const auto width = static_cast<std::size_t>(area.width());
    if (rowBuffer_.size() < width) {
        rowBuffer_.resize(width);
    }
    QRgb* const buffer = rowBuffer_.data();
    const int* const columns = sourceColumn_.data() + (area.left() - target_.left());
    uchar* const windowBits = window.bits();
    const auto windowStride = static_cast<std::size_t>(window.bytesPerLine());
    const uchar* const frameBits = frame.constBits();
    const auto frameStride = static_cast<std::size_t>(frame.bytesPerLine());
    int previousRow = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        // Enlarging repeats rows: each frame row is scaled once into the
        // buffer and stored as often as the window shows it.
        const int row = sourceRow_[static_cast<std::size_t>(y - target_.top())];
        if (row != previousRow) {
            const auto* source = reinterpret_cast<const QRgb*>(frameBits + frameStride * row);
            for (std::size_t x = 0; x < width; ++x) {
                buffer[x] = source[columns[x]];
            }
            previousRow = row;
        }
        store(reinterpret_cast<QRgb*>(windowBits + windowStride * y) + area.left(), buffer, width);
    }
#ifdef __SSE2__
    _mm_sfence();
#endif
}

void FrameScaler::store(QRgb* to, const QRgb* from, std::size_t count) {
#ifdef __SSE2__
    // The window's picture is read by the X server, on another core, and is
    // not read here again: stores past the cache spare reading each line in
    // before writing it, which cost more than the scaling.
    std::size_t x = 0;
    for (; x < count && (reinterpret_cast<std::uintptr_t>(to + x) & 15) != 0; ++x) {
        _mm_stream_si32(reinterpret_cast<int*>(to + x), static_cast<int>(from[x]));
    }
    for (; x + 4 <= count; x += 4) {
        _mm_stream_si128(reinterpret_cast<__m128i*>(to + x),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x)));
    }
    for (; x < count; ++x) {
        _mm_stream_si32(reinterpret_cast<int*>(to + x), static_cast<int>(from[x]));
    }
#else
    std::memcpy(to, from, sizeof(QRgb) * count);
#endif
}
