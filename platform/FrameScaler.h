#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

// Nearest-neighbour scaling of the frame into the window's picture, one
// rectangle at a time, by the X server's rule (XRender's nearest filter):
// each window pixel takes the frame pixel under its centre, mapped through
// a scale kept in 16.16 fixed point, with a centre that falls exactly on a
// pixel edge going to the left or upper pixel. The frames are scaled either
// by the X server itself or here, when the server cannot, and both must
// give the same picture. The tables are computed once per size, so a
// rectangle scaled on its own gives exactly the pixels that scaling the
// whole frame gives there; Qt's scaler rounds from the clip's edge and can
// pick a neighbouring column.
class FrameScaler {
public:
    // Scales a frame of frameSize onto target (window pixels).
    void setGeometry(const QSize& frameSize, const QRect& target);
    const QRect& target() const { return target_; }
    // The scale from window to frame pixels in 16.16 fixed point, across and
    // down: what the X server must be given to scale as the tables do.
    int stepX() const { return stepX_; }
    int stepY() const { return stepY_; }

    // The window pixels (inside the target) that show frame pixels of rect:
    // exactly those whose centre falls on them, so that presenting a changed
    // rectangle sends no pixel more than it must.
    QRect windowRect(const QRect& rect) const;

    // Writes the window pixels of rect (clipped to the target) into window,
    // a 32-bit image, from frame.
    void scale(const QImage& frame, QImage& window, const QRect& rect) const;

private:
    // For each source index 0 to sourceCount, the first index of table whose
    // value is at least as large (table's size when there is none): the
    // tables never decrease, so the window pixels showing source pixels
    // first to last are those from firsts[first] to firsts[last + 1] - 1.
    static std::vector<int> firstShowing(const std::vector<int>& table, int sourceCount);
    // Copies count pixels of a scaled row into the window's picture.
    static void store(QRgb* to, const QRgb* from, std::size_t count);

    QSize frameSize_;
    QRect target_;
    int stepX_ = 0;
    int stepY_ = 0;
    std::vector<int> sourceColumn_;  // by window column - target left
    std::vector<int> sourceRow_;     // by window row - target top
    std::vector<int> firstColumn_;   // see firstShowing
    std::vector<int> firstRow_;
    mutable std::vector<QRgb> rowBuffer_;  // one scaled row, kept for its capacity
};
