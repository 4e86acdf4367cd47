#include "platform/FrameStats.h"

#include <algorithm>
#include <cstdio>

void FrameStats::start() {
    clock_.start();
    frameEvents_ = 0;
    presents_ = 0;
    rects_ = 0;
    pixels_ = 0;
    composeNs_ = 0;
    pixelsDown_.clear();
}

void FrameStats::present(const std::vector<QRect>& rects, int64_t composeNs) {
    ++presents_;
    composeNs_ += composeNs;
    rects_ += rects.size();
    for (const QRect& rect : rects) {
        pixels_ += static_cast<uint64_t>(rect.width()) * static_cast<uint64_t>(rect.height());
    }
}

void FrameStats::movedDown(int32_t surface, int32_t pixels) {
    if (surface < 1 || pixels <= 0) {
        return;
    }
    const auto index = static_cast<std::size_t>(surface) - 1;
    if (pixelsDown_.size() <= index) {
        pixelsDown_.resize(index + 1, 0);
    }
    pixelsDown_[index] += static_cast<uint64_t>(pixels);
}

std::string FrameStats::report() const {
    const double seconds = static_cast<double>(std::max<qint64>(clock_.elapsed(), 1)) / 1000.0;
    const uint64_t fastest =
        pixelsDown_.empty() ? 0 : *std::max_element(pixelsDown_.begin(), pixelsDown_.end());
    const double presents = static_cast<double>(std::max<uint64_t>(presents_, 1));
    char line[256];
    std::snprintf(line, sizeof line,
                  "frame events %.1f/s, presents %.1f/s (%.1f rectangles, %.0f frame pixels, "
                  "composed in %.1f us each), fastest surface %.1f px/s down (%.1f s)",
                  static_cast<double>(frameEvents_) / seconds,
                  static_cast<double>(presents_) / seconds, static_cast<double>(rects_) / presents,
                  static_cast<double>(pixels_) / presents,
                  static_cast<double>(composeNs_) / 1000.0 / presents,
                  static_cast<double>(fastest) / seconds, seconds);
    return line;
}
