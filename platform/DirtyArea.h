#pragma once

#include <QRect>
#include <utility>
#include <vector>

#include "platform/RowBands.h"

// The union of rectangles, given back as rectangles that do not overlap. A
// present gathers a few hundred small rectangles (the bands of each moved
// sprite at its old and new places); uniting them one by one in a QRegion
// cost more than composing them. Here they are gathered first and swept
// once from top to bottom, each row looking only at the rectangles that
// reach it.
//
// A sprite moved by a pixel has its old and new edges a row or a column
// apart, and the exact union of its two places is cut into slivers there.
// Every rectangle costs the compositor a call per picture and the X server
// a pass of its own, so a sliver is taken into the rectangle above it when
// that adds only a few pixels to what is composed and shown.
class DirtyArea {
public:
    // Pixels beyond the union that may be added to save a rectangle: about
    // what a rectangle costs, as for the bands of a picture.
    static constexpr long long WasteAllowance = RowBands::WasteAllowance;

    explicit DirtyArea(const QRect& frame) : frame_(frame) {}

    // Adds rect's part inside the frame.
    void add(const QRect& rect);
    bool empty() const { return added_.empty(); }
    void clear() { added_.clear(); }
    // The union, and a few pixels more: for each run of rows crossed by the
    // same rectangles, their merged column ranges, each a rectangle; runs
    // whose ranges pair up with the rectangles of the run above extend them
    // when that adds at most WasteAllowance pixels.
    std::vector<QRect> rects() const;

private:
    using Ranges = std::vector<std::pair<int, int>>;  // first and last column

    // Puts the merged column ranges of the rectangles in active that cross
    // row into ranges, which keeps its capacity from call to call.
    static void rangesCrossing(const std::vector<QRect>& active, int row, Ranges& ranges);
    // Extends the rectangles of result from aboveFirst on (the run above)
    // down to bottom, each widened to take in its range of ranges (the run
    // below them), when they pair up and that adds at most WasteAllowance
    // pixels; whether it did.
    static bool extends(std::vector<QRect>& result, std::size_t aboveFirst, const Ranges& ranges,
                        int bottom);

    QRect frame_;
    std::vector<QRect> added_;
};
