#pragma once

#include <QRect>
#include <vector>

#include "platform/DirtyArea.h"
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
    // Adds the dirty area to dirty, which may gather the changes of several
    // frames before it is composed once.
    static void markDirty(const std::vector<DrawOp>& previous, const std::vector<DrawOp>& current,
                          DirtyArea& dirty);
};
