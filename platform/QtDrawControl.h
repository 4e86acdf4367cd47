#pragma once

#include <QFont>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/DirtyArea.h"
#include "platform/DrawOp.h"
#include "platform/FrameStats.h"
#include "platform/FrameTickClock.h"
#include "platform/TextCache.h"
#include "scene/VexoDDrw.h"
#include "scene/VexoDDrwEvents.h"

class SaverWindow;

// The drawing control on Qt. Each frame's calls are recorded as ops; when the
// frame is presented, only the rectangles where the ops differ from the
// previous frame's are composed into the frame image and shown, which keeps a
// mostly still scene cheap although the saver rebuilds every frame from
// nothing. The result is pixel for pixel what composing everything would give.
class QtDrawControl : public QObject, public VexoDDrw {
    Q_OBJECT

public:
    // The fastest flakes step every 10 ms. Frame events every 5 ms let them
    // keep that pace, where every 8 ms would make them wait two events.
    static constexpr int DefaultFrameIntervalMs = 5;

    // window may be null: the frames are then composed but shown nowhere.
    explicit QtDrawControl(SaverWindow* window = nullptr);
    ~QtDrawControl() override;

    bool OpenSession(int32_t width, int32_t height, int32_t colourBits,
                     const std::string& reserved) override;
    void CloseSession() override;

    int32_t CreateSurface() override;
    void LoadSurfacePicture(int32_t surface, int32_t kind, const std::string& path,
                            int32_t keyMode) override;
    void SetSurfaceLeft(int32_t surface, int32_t x) override;
    void SetSurfaceTop(int32_t surface, int32_t y) override;
    int32_t GetSurfaceLeft(int32_t surface) override;
    int32_t GetSurfaceTop(int32_t surface) override;
    void MoveSurfaceRight(int32_t surface, int32_t n) override;
    void MoveSurfaceUp(int32_t surface, int32_t n) override;
    void SetSurfaceOptionA(int32_t surface, int32_t value) override;
    void SetSurfaceOptionB(int32_t surface, int32_t value) override;

    void ClearFrame(uint32_t colour) override;
    void DrawSurface(int32_t surface) override;
    void SetTextFont(const std::string& face, int32_t size, int32_t weight, bool italic,
                     bool underline, bool strikeOut) override;
    void DrawText(const std::string& text, int32_t x, int32_t y, uint32_t colour) override;
    void PresentFrame() override;

    // Who handles the frame events; the saver form is made after the control
    // it draws on, so it is set afterwards. Until then the events are dropped.
    void setEventSink(VexoDDrwEvents* events) { events_ = events; }

    // The last presented frame.
    const QImage& frame() const { return frame_; }
    // Compose the whole frame at every present, as the reference for the
    // incremental composition.
    void setFullRepaint(bool full) { fullRepaint_ = full; }
    // 0 or less stops the frame events; they run only while a session is open.
    void setFrameInterval(int milliseconds);
    // Wakes for the frame events every frames frame intervals and raises
    // the events due since its last wake-up one after another, each at its
    // own time on the grid (see FrameTickClock), then shows the frame once.
    // The motion is paced exactly as with a wake-up per event, and a screen
    // shows no more pictures a second than it refreshes; but each wake-up
    // and each present cost this process and the X server a share of a
    // core, so waking and presenting faster than the screen only costs.
    // A control with a window follows the window's screen, and sets this
    // itself whenever its frame events start; without one, 1 (the default)
    // wakes for every frame event.
    void setPresentEvery(int frames);
    // The frame timer's work at nowMs (a reading of tickClock's monotonic
    // clock): the frame events due by then, at most twice the usual number;
    // a program held up for longer drops the rest and starts the grid anew.
    void raiseDueFrames(int64_t nowMs);
    // How many frame events of intervalMs apart make at least one refresh
    // of a screen refreshing refreshHz times a second.
    static int framesPerRefresh(double refreshHz, int intervalMs);
    uint64_t frameEvents() const { return frameEvents_; }
    // The tick count for whoever handles the frame events: during an event it
    // stands at the time the event was due (see FrameTickClock).
    TickClock& tickClock() { return ticks_; }
    const QFont& textFont() const { return font_; }

private:
    struct Surface {
        QImage picture;
        int32_t left = 0;
        int32_t top = 0;
        uint64_t serial = 0;                              // changes with every picture loaded
        std::shared_ptr<const std::vector<QRect>> bands;  // of a picture with transparency
    };

    Surface* find(int32_t surface);
    // Composes ops over rects of the frame.
    void compose(const std::vector<DrawOp>& ops, const std::vector<QRect>& rects);
    void raiseFrameEvent();
    // Composes and shows what changed since the last present.
    void presentUnshown();
    void updateTimer();

    VexoDDrwEvents* events_ = nullptr;
    SaverWindow* window_;
    bool open_ = false;
    bool fullRepaint_ = false;
    QImage frame_;  // in shared memory where it can be, for the X server to scale
    int frameSegment_ = -1;
    const uchar* sharedBits_ = nullptr;
    std::vector<Surface> surfaces_;
    uint64_t nextSerial_ = 1;
    QFont font_;
    std::string face_;  // as asked for, before the substitution of Arial
    TextCache texts_;
    std::vector<DrawOp> previous_;
    std::vector<DrawOp> current_;
    // While composing: each op's rectangle and kind, and the ops a
    // rectangle draws; kept for their capacity.
    struct OpBox {
        int left, top, right, bottom;
        bool fills;   // the frame's fill
        bool opaque;  // the fill, or an opaque picture
    };
    std::vector<OpBox> boxes_;
    std::vector<std::size_t> drawn_;
    DirtyArea unshown_{QRect()};  // changed since the last present
    int presentEvery_ = 1;
    bool raising_ = false;  // inside raiseDueFrames: presents wait for its end
    QTimer timer_;
    FrameTickClock ticks_;
    int frameInterval_ = DefaultFrameIntervalMs;
    uint64_t frameEvents_ = 0;
    bool statsWanted_;
    FrameStats stats_;
};
