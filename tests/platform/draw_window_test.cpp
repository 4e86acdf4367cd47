#include <gtest/gtest.h>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <string>
#include <vector>

#include "draw_NearestRule.h"
#include "platform/KeyCodes.h"
#include "platform/SaverWindow.h"

namespace {

class RecordingEvents : public VexoDDrwEvents {
public:
    void ComposeFrame() override { calls.push_back("frame"); }
    void KeyDown(int16_t keyCode, int16_t shift) override {
        calls.push_back("key " + std::to_string(keyCode) + " " + std::to_string(shift));
    }
    void MouseMove(int16_t button, int16_t, float, float) override {
        calls.push_back("move " + std::to_string(button));
    }
    void MouseDown(int16_t button, int16_t, float, float) override {
        calls.push_back("down " + std::to_string(button));
    }
    std::vector<std::string> calls;
};

class SaverWindowTest : public testing::Test {
protected:
    void SetUp() override {
        window_.setEventSink(&events_);
        window_.setGeometry(0, 0, 700, 500);
        window_.show();
        QCoreApplication::processEvents();
    }

    void key(int qtKey, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::KeyPress, qtKey, modifiers);
        QCoreApplication::sendEvent(&window_, &event);
    }

    void move(QPointF global) {
        QMouseEvent event(QEvent::MouseMove, window_.mapFromGlobal(global), global, Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window_, &event);
    }

    QImage shown() {
        return window_.screen()
            ->grabWindow(window_.winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    RecordingEvents events_;
    SaverWindow window_;
};

TEST_F(SaverWindowTest, KeysArriveAsWindowsCodes) {
    key(Qt::Key_N, Qt::NoModifier);
    // As on X11, a modifier's own press comes with the state before it.
    key(Qt::Key_Shift, Qt::NoModifier);
    key(Qt::Key_Control, Qt::NoModifier);
    key(Qt::Key_Alt, Qt::NoModifier);
    key(Qt::Key_Up, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(events_.calls, (std::vector<std::string>{"key 78 0", "key 16 1", "key 17 2",
                                                       "key 18 4", "key 38 3"}));
}

TEST_F(SaverWindowTest, PointerStandingStillIsNoMove) {
    const QPointF start = QCursor::pos(window_.screen());
    move(start);  // the window appeared under the pointer
    EXPECT_TRUE(events_.calls.empty());
    move(start + QPointF(3, 0));
    move(start + QPointF(3, 0));
    move(start);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window_, &press);
    EXPECT_EQ(events_.calls, (std::vector<std::string>{"move 0", "move 0", "down 2"}));
}

TEST_F(SaverWindowTest, FrameIsScaledWithBarsAndPatchedPiecesMatchAWholeRepaint) {
    // 1024 x 768 in 700 x 500: scale 0.651, 667 x 500, bars of 16 and 17.
    QImage base(1024, 768, QImage::Format_RGB32);
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            base.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x * 7 + y * 3) & 0xff));
        }
    }
    QImage frame = base.copy();
    window_.showFrame(frame, {frame.rect()});
    EXPECT_EQ(window_.frameTarget(), QRect(16, 0, 667, 500));

    // Pieces of the frame change and are shown one by one, then change back.
    const auto piece = [](int step) {
        return QRect(step * 23 % 1000, step * 37 % 750, 1 + step % 11, 1 + step % 7);
    };
    for (int step = 0; step < 40; ++step) {
        frame.fill(qRgb(255, step * 6, 0));
        window_.showFrame(frame, {piece(step)});
    }
    QPainter(&frame).drawImage(0, 0, base);
    for (int step = 0; step < 40; ++step) {
        window_.showFrame(frame, {piece(step)});
    }

    // Each window pixel shows the frame pixel under its centre, as the X
    // server finds it.
    QImage expected(700, 500, QImage::Format_RGB32);
    expected.fill(Qt::black);
    const QRect target = window_.frameTarget();
    for (int y = target.top(); y <= target.bottom(); ++y) {
        for (int x = target.left(); x <= target.right(); ++x) {
            expected.setPixel(x, y,
                              base.pixel(nearestSource(x - target.left(), target.width(), 1024),
                                         nearestSource(y - target.top(), target.height(), 768)));
        }
    }
    const QImage actual = shown();
    ASSERT_EQ(actual.size(), expected.size());
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            differing += actual.pixel(x, y) != expected.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST(KeyCodesTest, MapsQtKeysToWindowsCodes) {
    struct Case {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        int16_t code;
    };
    const std::vector<Case> cases{
        {Qt::Key_A, Qt::NoModifier, 65},
        {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_N, Qt::NoModifier, 78},
        {Qt::Key_P, Qt::NoModifier, 80},
        {Qt::Key_Q, Qt::NoModifier, 81},
        {Qt::Key_S, Qt::NoModifier, 83},
        {Qt::Key_0, Qt::NoModifier, 48},
        {Qt::Key_9, Qt::NoModifier, 57},
        {Qt::Key_5, Qt::KeypadModifier, 101},
        {Qt::Key_Up, Qt::NoModifier, 38},
        {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_Left, Qt::NoModifier, 37},
        {Qt::Key_Right, Qt::NoModifier, 39},
        {Qt::Key_Up, Qt::KeypadModifier, 38},
        {Qt::Key_Shift, Qt::ShiftModifier, 16},
        {Qt::Key_Control, Qt::ControlModifier, 17},
        {Qt::Key_Alt, Qt::AltModifier, 18},
        {Qt::Key_AltGr, Qt::NoModifier, 18},
        {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_Return, Qt::NoModifier, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Space, Qt::NoModifier, 32},
        {Qt::Key_F1, Qt::NoModifier, 112},
        {Qt::Key_F12, Qt::NoModifier, 123},
        {Qt::Key_Comma, Qt::NoModifier, 188},
        {Qt::Key_Delete, Qt::NoModifier, 46},
        // Keys Windows has no code for must not pass for a command key.
        {Qt::Key_Exclam, Qt::ShiftModifier, KeyCodes::Unmapped},
        {Qt::Key_unknown, Qt::NoModifier, KeyCodes::Unmapped},
        {Qt::Key_VolumeUp, Qt::NoModifier, KeyCodes::Unmapped},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCodes::virtualKey(c.qtKey, c.modifiers), c.code) << "Qt key " << c.qtKey;
    }
    EXPECT_EQ(KeyCodes::shiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(KeyCodes::shiftState(Qt::KeypadModifier), 0);
}

}  // namespace
