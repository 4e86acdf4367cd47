#include "platform/FrameScaler.h"

#include <algorithm>
#include <cstring>

namespace {

// The source index under the centre of each of count target pixels.
std::vector<int> centres(int count, int sourceCount) {
    std::vector<int> table(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const auto index = (2 * static_cast<long long>(i) + 1) * sourceCount / (2LL * count);
        table[static_cast<std::size_t>(i)] =
            static_cast<int>(std::min<long long>(index, sourceCount - 1));
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
    sourceColumn_ = centres(target.width(), frameSize.width());
    sourceRow_ = centres(target.height(), frameSize.height());
}

void FrameScaler::scale(const QImage& frame, QImage& window, const QRect& rect) const {
    const QRect area = rect & target_ & window.rect();
    if (area.isEmpty() || frame.size() != frameSize_ || frame.depth() != 32 ||
        window.depth() != 32) {
        return;
    }
    const int* columns = sourceColumn_.data() + (area.left() - target_.left());
    const QRgb* previousLine = nullptr;
    int previousRow = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int row = sourceRow_[static_cast<std::size_t>(y - target_.top())];
        auto* line = reinterpret_cast<QRgb*>(window.scanLine(y)) + area.left();
        if (row == previousRow) {
            // Enlarging repeats rows: copy the one just scaled.
            std::memcpy(line, previousLine, sizeof(QRgb) * static_cast<std::size_t>(area.width()));
        } else {
            const auto* source = reinterpret_cast<const QRgb*>(frame.constScanLine(row));
            for (int x = 0; x < area.width(); ++x) {
                line[x] = source[columns[x]];
            }
        }
        previousLine = line;
        previousRow = row;
    }
}
