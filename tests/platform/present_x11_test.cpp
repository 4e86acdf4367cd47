#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <array>
#include <functional>

#include "draw_NearestRule.h"
#include "platform/QtDrawControl.h"
#include "platform/SaverWindow.h"
#include "platform/SharedImage.h"

namespace {

// A frame whose every pixel differs from its neighbours, so that a window
// pixel taken from the wrong column or row shows.
QImage patternFrame() {
    QImage frame(1024, 768, QImage::Format_RGB32);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            frame.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x * 7 + y * 3) & 0xff));
        }
    }
    return frame;
}

// frame scaled into a window of size without distortion, each window pixel
// showing the frame pixel under its centre as the X server finds it, with
// black bars.
QImage scaledByCentres(const QImage& frame, const QRect& target, const QSize& size) {
    QImage expected(size, QImage::Format_RGB32);
    expected.fill(Qt::black);
    for (int y = target.top(); y <= target.bottom(); ++y) {
        for (int x = target.left(); x <= target.right(); ++x) {
            expected.setPixel(
                x, y,
                frame.pixel(nearestSource(x - target.left(), target.width(), frame.width()),
                            nearestSource(y - target.top(), target.height(), frame.height())));
        }
    }
    return expected;
}

int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return -1;
    }
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differing += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return differing;
}

// Run twice: with the X server scaling the shared frame, and with the
// frame scaled here into a shared window-sized picture.
class DirectPresentTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        window_.setServerScaling(GetParam());
        window_.setFlags(Qt::Window | Qt::FramelessWindowHint);
        window_.setGeometry(window_.screen()->geometry());
        window_.show();
        ASSERT_TRUE(processUntil([this] { return window_.isExposed(); }));
    }

    // Runs the event loop until done() holds, for at most five seconds: the
    // X server answers in its own time.
    static bool processUntil(const std::function<bool()>& done) {
        const QDeadlineTimer deadline(5000);
        while (!done() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return done();
    }

    // A copy of picture to show: in shared memory when the server is to
    // scale it, with its segment in segment_.
    QImage showable(const QImage& picture) {
        if (!GetParam()) {
            return picture.copy();
        }
        QImage frame = SharedImage::create(picture.size(), segment_);
        QPainter(&frame).drawImage(0, 0, picture);
        return frame;
    }

    QImage shown() {
        window_.sync();
        return window_.screen()
            ->grabWindow(window_.winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    SaverWindow window_;
    int segment_ = -1;
};

TEST_P(DirectPresentTest, PatchedPiecesMatchAWholeFrameScaleOnTheFullScreen) {
    const QImage base = patternFrame();
    QImage frame = showable(base);
    window_.showFrame(frame, {frame.rect()}, segment_);
    ASSERT_TRUE(window_.presentsDirectly());
    ASSERT_EQ(window_.serverScales(), GetParam());
    // 1024 x 768 on 1920 x 1080: 1440 x 1080 with bars of 240.
    ASSERT_EQ(window_.frameTarget(), QRect(240, 0, 1440, 1080));

    // Pieces change one by one, some at the frame's edges, then change back,
    // each present only the piece's rectangle.
    const auto piece = [](int step) {
        return QRect(step * 23 % 1000, step * 37 % 750, 1 + step % 11, 1 + step % 7);
    };
    const std::vector<QRect> edges{QRect(0, 0, 3, 768), QRect(1021, 0, 3, 768),
                                   QRect(0, 765, 1024, 3)};
    for (int step = 0; step < 40; ++step) {
        window_.frameWillChange();
        frame.fill(qRgb(255, step * 6, 0));
        window_.showFrame(frame, {piece(step)}, segment_);
    }
    window_.frameWillChange();
    frame.fill(Qt::white);
    window_.showFrame(frame, edges, segment_);
    window_.frameWillChange();
    QPainter(&frame).drawImage(0, 0, base);
    for (int step = 0; step < 40; ++step) {
        window_.showFrame(frame, {piece(step)}, segment_);
    }
    window_.showFrame(frame, edges, segment_);

    EXPECT_EQ(
        differingPixels(shown(), scaledByCentres(base, window_.frameTarget(), window_.size())), 0);
}

TEST_P(DirectPresentTest, ExposedWindowIsPaintedAgainFromTheFrame) {
    const QImage frame = showable(patternFrame());
    window_.showFrame(frame, {frame.rect()}, segment_);
    // Unmapped, the window loses its pixels: the X server keeps no copy.
    window_.hide();
    ASSERT_TRUE(processUntil([this] { return !window_.isExposed(); }));
    window_.show();
    ASSERT_TRUE(processUntil([this] { return window_.isExposed(); }));
    EXPECT_TRUE(window_.presentsDirectly());
    EXPECT_EQ(window_.serverScales(), GetParam());
    EXPECT_EQ(
        differingPixels(shown(), scaledByCentres(frame, window_.frameTarget(), window_.size())), 0);
}

TEST_P(DirectPresentTest, ForgottenFrameLeavesTheWindowBlack) {
    const QImage frame = showable(patternFrame());
    window_.showFrame(frame, {frame.rect()}, segment_);
    window_.forgetFrame();
    QImage black(window_.size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(differingPixels(shown(), black), 0);
}

}  // namespace

namespace {

// The control presents only the pixels that changed, mapped exactly to the
// window pixels that show them; after many frames of sprites with
// transparent corners crossing each other and the frame's edges, the window
// must still show the whole frame scaled.
TEST_P(DirectPresentTest, ChangedPixelsOfMovingSpritesKeepTheWindowExact) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(patternFrame().save(folder.filePath("bg.bmp")));
    QImage sprite(45, 33, QImage::Format_RGB32);
    sprite.fill(qRgb(255, 0, 255));
    QPainter painter(&sprite);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 255));
    painter.drawEllipse(0, 0, 45, 33);
    painter.setBrush(QColor(90, 160, 250));
    painter.drawEllipse(12, 6, 20, 20);
    painter.end();
    ASSERT_TRUE(sprite.save(folder.filePath("sprite.bmp")));

    QtDrawControl control(&window_);
    control.setFrameInterval(0);
    ASSERT_TRUE(control.OpenSession(1024, 768, 32, ""));
    const int32_t background = control.CreateSurface();
    control.LoadSurfacePicture(background, 1, folder.filePath("bg.bmp").toStdString(),
                               VexoDDrw::KeyOpaque);
    std::array<int32_t, 6> sprites{};
    for (std::size_t i = 0; i < sprites.size(); ++i) {
        sprites[i] = control.CreateSurface();
        control.LoadSurfacePicture(sprites[i], 1, folder.filePath("sprite.bmp").toStdString(),
                                   VexoDDrw::KeyTransparent);
        control.SetSurfaceLeft(sprites[i], static_cast<int32_t>(i) * 200 - 20);
        control.SetSurfaceTop(sprites[i], 740 - static_cast<int32_t>(i) * 25);
    }
    for (int n = 0; n < 120; ++n) {
        control.ClearFrame(0);
        control.DrawSurface(background);
        for (std::size_t i = 0; i < sprites.size(); ++i) {
            const int step = static_cast<int>(i % 3) + 1;
            control.MoveSurfaceRight(sprites[i], i % 2 == 0 ? step : -step);
            control.MoveSurfaceUp(sprites[i], n % 2 == 0 ? -1 : 0);
            control.DrawSurface(sprites[i]);
        }
        control.PresentFrame();
    }
    EXPECT_EQ(window_.serverScales(), GetParam());
    EXPECT_EQ(differingPixels(
                  shown(), scaledByCentres(control.frame(), window_.frameTarget(), window_.size())),
              0);
    control.CloseSession();
}

INSTANTIATE_TEST_SUITE_P(ServerOrHere, DirectPresentTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "ServerScales" : "ScaledHere";
                         });

}  // namespace
