#include "platform/FrameDiff.h"

#include <algorithm>
#include <cstddef>

void FrameDiff::markDirty(const std::vector<DrawOp>& previous, const std::vector<DrawOp>& current,
                          DirtyArea& dirty) {
    // Most ops of a frame are those of the frame before: skip the common
    // head and tail, and align the rest with a longest common subsequence.
    std::size_t head = 0;
    while (head < previous.size() && head < current.size() &&
           previous[head].sameAs(current[head])) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < previous.size() - head && tail < current.size() - head &&
           previous[previous.size() - 1 - tail].sameAs(current[current.size() - 1 - tail])) {
        ++tail;
    }
    const std::size_t rows = previous.size() - head - tail;
    const std::size_t cols = current.size() - head - tail;

    // lengths[i][j]: longest common subsequence of the old ops from i and the
    // new ops from j (both counted within the middle part).
    std::vector<std::size_t> lengths((rows + 1) * (cols + 1), 0);
    const auto at = [&](std::size_t i, std::size_t j) -> std::size_t& {
        return lengths[i * (cols + 1) + j];
    };
    for (std::size_t i = rows; i-- > 0;) {
        for (std::size_t j = cols; j-- > 0;) {
            at(i, j) = previous[head + i].sameAs(current[head + j])
                           ? at(i + 1, j + 1) + 1
                           : std::max(at(i + 1, j), at(i, j + 1));
        }
    }

    // The marks are united exactly: a sprite one pixel lower gives its
    // bands at both places, not the box around them.
    const auto mark = [&](const DrawOp& op) {
        if (op.bands == nullptr) {
            dirty.add(op.rect);
            return;
        }
        for (const QRect& band : *op.bands) {
            dirty.add(band.translated(op.rect.topLeft()));
        }
    };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < rows && j < cols) {
        if (previous[head + i].sameAs(current[head + j])) {
            ++i;
            ++j;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            mark(previous[head + i++]);
        } else {
            mark(current[head + j++]);
        }
    }
    for (; i < rows; ++i) {
        mark(previous[head + i]);
    }
    for (; j < cols; ++j) {
        mark(current[head + j]);
    }
}
