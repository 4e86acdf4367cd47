#include "platform/DirtyArea.h"

#include <algorithm>

void DirtyArea::add(const QRect& rect) {
    const QRect inside = rect & frame_;
    if (!inside.isEmpty()) {
        added_.push_back(inside);
    }
}

void DirtyArea::rangesCrossing(const std::vector<QRect>& active, int row, Ranges& ranges) {
    ranges.clear();
    for (const QRect& rect : active) {
        if (rect.top() <= row && row <= rect.bottom()) {
            ranges.emplace_back(rect.left(), rect.right());
        }
    }
    std::sort(ranges.begin(), ranges.end());
    std::size_t merged = 0;
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        // Ranges that touch are merged too: one rectangle less, no pixel more.
        if (merged > 0 && ranges[i].first <= ranges[merged - 1].second + 1) {
            ranges[merged - 1].second = std::max(ranges[merged - 1].second, ranges[i].second);
        } else {
            ranges[merged++] = ranges[i];
        }
    }
    ranges.resize(merged);
}

bool DirtyArea::extends(std::vector<QRect>& result, std::size_t aboveFirst, const Ranges& ranges,
                        int bottom) {
    const std::size_t count = result.size() - aboveFirst;
    if (ranges.size() != count) {
        return false;
    }
    // Each rectangle above widened to take its range in, and each range to
    // the rectangle's columns: what that adds beyond the union must stay
    // within the allowance, and the widened rectangles apart.
    long long waste = 0;
    for (std::size_t r = 0; r < count; ++r) {
        const QRect& rect = result[aboveFirst + r];
        const int left = std::min(rect.left(), ranges[r].first);
        const int right = std::max(rect.right(), ranges[r].second);
        if (r + 1 < count &&
            right >= std::min(result[aboveFirst + r + 1].left(), ranges[r + 1].first)) {
            return false;
        }
        waste += static_cast<long long>(right - left + 1 - rect.width()) * rect.height() +
                 static_cast<long long>(right - left - ranges[r].second + ranges[r].first) *
                     (bottom - rect.bottom());
    }
    if (waste > WasteAllowance) {
        return false;
    }
    for (std::size_t r = 0; r < count; ++r) {
        QRect& rect = result[aboveFirst + r];
        rect.setLeft(std::min(rect.left(), ranges[r].first));
        rect.setRight(std::max(rect.right(), ranges[r].second));
        rect.setBottom(bottom);
    }
    return true;
}

std::vector<QRect> DirtyArea::rects() const {
    // The rows where the set of rectangles crossing a row can change.
    std::vector<int> edges;
    edges.reserve(2 * added_.size());
    for (const QRect& rect : added_) {
        edges.push_back(rect.top());
        edges.push_back(rect.bottom() + 1);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    // The rectangles by their top rows, taken into the active ones as the
    // sweep reaches them and dropped once it has passed them.
    std::vector<QRect> byTop = added_;
    std::sort(byTop.begin(), byTop.end(),
              [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
    std::size_t nextByTop = 0;
    std::vector<QRect> active;

    std::vector<QRect> result;
    Ranges ranges;
    std::size_t aboveFirst = 0;  // result's rectangles of the run above
    int aboveEnd = -1;           // the row after the run above
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const int top = edges[i];
        const int bottom = edges[i + 1] - 1;
        std::erase_if(active, [top](const QRect& rect) { return rect.bottom() < top; });
        while (nextByTop < byTop.size() && byTop[nextByTop].top() <= top) {
            active.push_back(byTop[nextByTop++]);
        }
        rangesCrossing(active, top, ranges);
        if (ranges.empty()) {
            continue;
        }
        if (top != aboveEnd || !extends(result, aboveFirst, ranges, bottom)) {
            aboveFirst = result.size();
            for (const auto& [left, right] : ranges) {
                result.emplace_back(QPoint(left, top), QPoint(right, bottom));
            }
        }
        aboveEnd = bottom + 1;
    }
    return result;
}
