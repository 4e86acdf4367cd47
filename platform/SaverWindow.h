#pragma once

#include <QBackingStore>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QWindow>
#include <vector>

#include "platform/FrameScaler.h"
#include "scene/VexoDDrwEvents.h"

// The saver's full-screen window. It shows the drawing control's frame scaled
// to the window without distortion (black bars where the aspect differs) and
// passes keys, clicks and pointer moves on as the control's input events.
// Scaling the whole frame for every present costs a quarter of a core at
// 1920 x 1080, so only the rectangles that changed are scaled and sent to the
// X server.
class SaverWindow : public QWindow {
    Q_OBJECT

public:
    SaverWindow();

    // Who handles the input events; until it is set they are dropped.
    void setEventSink(VexoDDrwEvents* events) { events_ = events; }

    // Covers the primary screen, frameless and above other windows, and takes
    // the keyboard and the pointer once it is visible: without a window
    // manager nobody else would give it the input.
    void showSaver();
    void setCursorVisible(bool visible);

    // Shows frame, of which only the rectangles dirty (in frame pixels) have
    // changed since the last call. The window keeps a pointer to the frame
    // for repainting when it is exposed, until forgetFrame.
    void showFrame(const QImage& frame, const std::vector<QRect>& dirty);
    void forgetFrame();

    // Where the frame lands in the window, and the window pixels that show
    // the frame rectangle rect.
    QRect frameTarget() const;
    QRect windowRect(const QRect& rect) const;

protected:
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void paint(const QRegion& region);
    void grabInput();

    VexoDDrwEvents* events_ = nullptr;
    QBackingStore backingStore_;
    FrameScaler scaler_;
    const QImage* frame_ = nullptr;
    QPointF pointer_;
    bool pointerKnown_ = false;
    bool grabbed_ = false;
};
