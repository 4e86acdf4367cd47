#pragma once

#include <QRect>
#include <utility>
#include <vector>

// The union of rectangles, given back as rectangles that do not overlap. A
// present gathers a few hundred small rectangles (the bands of each moved
// sprite at its old and new places); uniting them one by one in a QRegion
// cost more than composing them. Here they are gathered first and swept
// once from top to bottom, each row looking only at the rectangles that
// reach it.
class DirtyArea {
public:
    explicit DirtyArea(const QRect& frame) : frame_(frame) {}

    // Adds rect's part inside the frame.
    void add(const QRect& rect);
    bool empty() const { return added_.empty(); }
    void clear() { added_.clear(); }
    // The union: for each run of rows crossed by the same rectangles, their
    // merged column ranges, each a rectangle; runs whose ranges are the same
    // as the run above extend its rectangles.
    std::vector<QRect> rects() const;

private:
    using Ranges = std::vector<std::pair<int, int>>;  // first and last column

    // Puts the merged column ranges of the rectangles in active that cross
    // row into ranges, which keeps its capacity from call to call.
    static void rangesCrossing(const std::vector<QRect>& active, int row, Ranges& ranges);

    QRect frame_;
    std::vector<QRect> added_;
};
