#pragma once

#include <algorithm>
#include <cstdint>

// The frame column (or row) that window pixel i of a target count pixels
// long shows, by the X server's nearest filter: the pixel's centre, i + 1/2,
// times the step from window to frame pixels held in 16.16 fixed point
// (truncated), rounded to fixed point; a centre that lands exactly on a pixel
// edge takes the pixel before it.
inline int nearestSource(int i, int count, int sourceCount) {
    const int64_t step = (static_cast<int64_t>(sourceCount) << 16) / count;
    const int64_t centre = i * step + (step + 1) / 2;
    return static_cast<int>(std::min<int64_t>((centre - 1) >> 16, sourceCount - 1));
}
