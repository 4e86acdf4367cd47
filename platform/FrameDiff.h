#pragma once

#include <QRect>
#include <vector>

#include "platform/DrawOp.h"

// Finds the part of the frame that has to be composed again when one frame's
// ops replace the previous frame's. The ops both frames share, in the same
// order, draw the same pixels; every other op, old or new, marks the pixels
// it paints dirty: its bands where it has them, else its rectangle. Outside
// the dirty area each pixel is then covered by the same ops in the same order
// in both frames (an op adds nothing where it is fully transparent), so it
// cannot have changed.
class FrameDiff {
public:
    // The dirty area as rectangles inside frame that do not overlap, so that
    // no pixel is composed twice.
    static std::vector<QRect> dirtyRects(const std::vector<DrawOp>& previous,
                                         const std::vector<DrawOp>& current, const QRect& frame);
};
