#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <memory>
#include <vector>

// Shows a window-sized picture on an X11 window through a shared memory
// segment (MIT-SHM), past Qt's backing store. The backing store asks the X
// server a question before every paint and flushes through Qt's connection,
// whose reader thread then wakes for every reply; at a hundred or more
// presents a second that cost more than the scaling itself. Here the
// presents go over a connection of their own that Qt never reads, and only
// the rectangles that changed are sent, with no round trip per present.
class X11ShmPresenter {
public:
    // A presenter for window (an X window id on Qt's display) of size
    // pixels, or null when Qt does not run on X11, the display has no shared memory extension, the
    // server cannot attach the segment (another machine, another IPC namespace) or the window's
    // pixels are not 32-bit xRGB as in QImage::Format_RGB32.
    static std::unique_ptr<X11ShmPresenter> create(unsigned long window, const QSize& size);
    ~X11ShmPresenter();

    X11ShmPresenter(const X11ShmPresenter&) = delete;
    X11ShmPresenter& operator=(const X11ShmPresenter&) = delete;

    // The window's picture, to be painted between beginPaint and present.
    // beginPaint waits until the server has read the last present's pixels,
    // so that none of them change while it copies; by the next frame it
    // nearly always has, and the wait costs nothing.
    QImage& beginPaint();
    // Sends the pixels of rects to the window and returns without waiting.
    void present(const std::vector<QRect>& rects);
    // Waits until the server has shown every present, for screenshots.
    void sync();

private:
    struct Resources;
    explicit X11ShmPresenter(std::unique_ptr<Resources> resources);

    std::unique_ptr<Resources> resources_;
    QImage picture_;
    bool pending_ = false;  // a present whose completion has not arrived
};
