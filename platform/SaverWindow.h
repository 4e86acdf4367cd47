#pragma once

#include <QBackingStore>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QWindow>
#include <memory>
#include <vector>

#include "platform/FrameScaler.h"
#include "platform/X11ShmPresenter.h"
#include "scene/VexoDDrwEvents.h"

// The saver's full-screen window. It shows the drawing control's frame scaled
// to the window without distortion (black bars where the aspect differs) and
// passes keys, clicks and pointer moves on as the control's input events.
// Scaling the whole frame for every present costs a quarter of a core at
// 1920 x 1080, so only the rectangles that changed are scaled and shown. On
// X11 the X server scales them from the frame shared with it, or they are
// scaled here and sent through shared memory straight to the window (see
// X11ShmPresenter); elsewhere, or where the X server cannot share memory,
// through Qt's backing store.
class SaverWindow : public QWindow {
    Q_OBJECT

public:
    SaverWindow();
    ~SaverWindow() override;

    // Who handles the input events; until it is set they are dropped.
    void setEventSink(VexoDDrwEvents* events) { events_ = events; }

    // Covers the primary screen, frameless and above other windows, and takes
    // the keyboard and the pointer once it is visible: without a window
    // manager nobody else would give it the input.
    void showSaver();
    void setCursorVisible(bool visible);

    // Shows frame, of which only the rectangles dirty (in frame pixels, not
    // overlapping) have changed since the last call; only the window pixels
    // that show them are scaled and sent. The window keeps a pointer to the
    // frame for repainting when it is exposed, until forgetFrame. A frame in
    // the shared memory segment segment (see SharedImage) is scaled by the X
    // server where it lies; its owner passes the segment only while the
    // frame's pixels lie in it, and calls frameWillChange before each change
    // of them.
    void showFrame(const QImage& frame, const std::vector<QRect>& dirty, int segment = -1);
    // Waits until the X server has read the frame's pixels that the last
    // present showed.
    void frameWillChange();
    void forgetFrame();

    // Where the frame lands in the window.
    QRect frameTarget() const;

    // Whether the frames go to the X server past Qt's backing store.
    bool presentsDirectly() const { return presenter_ != nullptr; }
    // Whether the X server scales the frames from the shared frame.
    bool serverScales() const { return presenter_ != nullptr && presenter_->scales(); }
    // Whether the X server may scale the frames (the default); where it may
    // not, they are scaled here. Takes effect with the next frame shown.
    void setServerScaling(bool allowed) { serverScalingAllowed_ = allowed; }
    // Waits until the X server shows everything presented, for screenshots.
    void sync();

protected:
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Window rectangles split at the frame's target: the parts that show
    // the frame, and the bars around it.
    struct Parts {
        std::vector<QRect> shown;
        std::vector<QRect> bars;
    };
    Parts splitAtFrame(const std::vector<QRect>& rects) const;

    // rects: window rectangles that do not overlap.
    void paint(const std::vector<QRect>& rects);
    void paintInto(QImage& picture, const std::vector<QRect>& rects);
    void paintScaled(const std::vector<QRect>& rects);
    void paintBackingStore(const std::vector<QRect>& rects);
    void grabInput();

    VexoDDrwEvents* events_ = nullptr;
    // Made on the first paint after the window appeared, changed size or was
    // given another frame; the backing store only when the presenter cannot
    // be had.
    std::unique_ptr<X11ShmPresenter> presenter_;
    std::unique_ptr<QBackingStore> backingStore_;
    bool presenterTried_ = false;
    bool serverScalingAllowed_ = true;
    FrameScaler scaler_;
    const QImage* frame_ = nullptr;
    int frameSegment_ = -1;
    QPointF pointer_;
    bool pointerKnown_ = false;
    bool grabbed_ = false;
};
