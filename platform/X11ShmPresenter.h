#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <memory>
#include <vector>

// Shows pictures on an X11 window through a shared memory segment
// (MIT-SHM), past Qt's backing store. The backing store asks the X server a
// question before every paint and flushes through Qt's connection, whose
// reader thread then wakes for every reply; at a hundred or more presents a
// second that cost more than the scaling itself. Here the presents go over a
// connection of their own that Qt never reads, and only the rectangles that
// changed are sent, with no round trip per present.
//
// Where it can, the presenter shares the frame itself, composed in shared
// memory, and the X server scales it into the window (XRender's nearest
// filter, reading the segment as a pixmap): this process then writes no
// window pixels at all, and the server writes them once instead of copying
// them. Otherwise it shares a window-sized picture that this process scales
// into.
class X11ShmPresenter {
public:
    // A presenter of a window-sized picture for window (an X window id on
    // Qt's display) of size pixels, or null when Qt does not run on X11, the
    // display has no shared memory extension, the server cannot attach the
    // segment (another machine, another IPC namespace) or the window's pixels
    // are not 32-bit xRGB as in QImage::Format_RGB32.
    static std::unique_ptr<X11ShmPresenter> create(unsigned long window, const QSize& size);
    // A presenter that has the server scale frame, which lies in the shared
    // memory segment segment (see SharedImage), onto window with the 16.16
    // fixed-point steps stepX and stepY from window to frame pixels, the
    // frame's top left landing on target; null where create would give null,
    // or the server lacks shared pixmaps or XRender. The frame must stay in
    // place while the presenter lives.
    static std::unique_ptr<X11ShmPresenter> createScaling(unsigned long window, const QImage& frame,
                                                          int segment, int stepX, int stepY,
                                                          const QPoint& target);
    ~X11ShmPresenter();

    X11ShmPresenter(const X11ShmPresenter&) = delete;
    X11ShmPresenter& operator=(const X11ShmPresenter&) = delete;

    // A scaling presenter's new steps and target, after the window changed
    // size. It is kept rather than made anew: the server attaches the
    // frame's segment once, and the segment is then marked for removal.
    void retarget(int stepX, int stepY, const QPoint& target);
    // Whether the server scales (see createScaling).
    bool scales() const { return scales_; }
    // The shared picture, the window's or the frame, is changed only between
    // beginPaint and present. beginPaint waits until the server has read the
    // last present's pixels, so that none of them change while it reads; by
    // the next frame it nearly always has, and the wait costs nothing.
    QImage& beginPaint();
    // Shows the window rectangles rects (not overlapping) and returns without
    // waiting: from the shared picture, or scaled from the shared frame; bars
    // (window rectangles outside the frame's target) are filled black.
    void present(const std::vector<QRect>& rects, const std::vector<QRect>& bars = {});
    // Waits until the server has shown every present, for screenshots.
    void sync();

    // What the presenter holds on the X server and in this process.
    struct Resources;

private:
    explicit X11ShmPresenter(std::unique_ptr<Resources> resources);

    std::unique_ptr<Resources> resources_;
    QImage picture_;
    bool scales_ = false;
    QPoint target_;  // where the frame's top left lands when the server scales
    int stepX_ = 0;
    int stepY_ = 0;
    bool pending_ = false;  // a present whose completion has not arrived
};
