#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

// Nearest-neighbour scaling of the frame into the window's picture, one
// rectangle at a time. Each window pixel takes the frame pixel under its
// centre, from tables computed once per size, so a rectangle scaled on its own
// gives exactly the pixels that scaling the whole frame gives there; Qt's
// scaler rounds from the clip's edge and can pick a neighbouring column.
class FrameScaler {
public:
    // Scales a frame of frameSize onto target (window pixels).
    void setGeometry(const QSize& frameSize, const QRect& target);
    const QRect& target() const { return target_; }

    // Writes the window pixels of rect (clipped to the target) into window,
    // a 32-bit image, from frame.
    void scale(const QImage& frame, QImage& window, const QRect& rect) const;

private:
    QSize frameSize_;
    QRect target_;
    std::vector<int> sourceColumn_;  // by window column - target left
    std::vector<int> sourceRow_;     // by window row - target top
};
