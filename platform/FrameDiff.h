#pragma once

#include <QRect>
#include <vector>

#include "platform/DrawOp.h"

// Finds the part of the frame that has to be composed again when one frame's
// ops replace the previous frame's. The ops both frames share, in the same
// order, draw the same pixels; every other op, old or new, marks its
// rectangle dirty. Outside the dirty rectangles each pixel is then covered by
// the same ops in the same order in both frames, so it cannot have changed.
class FrameDiff {
public:
    static std::vector<QRect> dirtyRects(const std::vector<DrawOp>& previous,
                                         const std::vector<DrawOp>& current, const QRect& frame);

private:
    // Overlapping rectangles are merged into their bounding box, so that no
    // pixel is composed twice and the list stays short.
    static void mergeOverlaps(std::vector<QRect>& rects);
};
