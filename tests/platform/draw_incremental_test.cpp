#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <array>
#include <functional>
#include <random>

#include "draw_BmpFiles.h"
#include "platform/QtDrawControl.h"

namespace {

// Drives two controls with the same calls, one composing only what changed
// and one composing every frame whole, and compares their frames.
class IncrementalFrameTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        writePictures();
        for (QtDrawControl* control : {&incremental_, &whole_}) {
            control->setFrameInterval(0);
            ASSERT_TRUE(control->OpenSession(1024, 768, 32, ""));
        }
        whole_.setFullRepaint(true);
        for (int i = 0; i < 2; ++i) {
            background_[i] = load(QStringLiteral("bg%1.bmp").arg(i), VexoDDrw::KeyOpaque);
        }
        for (std::size_t i = 0; i < flakes_.size(); ++i) {
            flakes_[i] = load(i % 2 == 0 ? "flake.bmp" : "soft.bmp", VexoDDrw::KeyTransparent);
            both([&](VexoDDrw& c) {
                c.SetSurfaceLeft(flakes_[i], static_cast<int32_t>(i * 97 % 1040) - 20);
                c.SetSurfaceTop(flakes_[i], static_cast<int32_t>(i * 53 % 800) - 30);
            });
        }
        greeting_ = load("greeting.bmp", VexoDDrw::KeyTransparent);
        patch_ = load("patch.bmp", VexoDDrw::KeyOpaque);
    }

    template <typename Call>
    void both(Call call) {
        call(incremental_);
        call(whole_);
    }

    int32_t load(const QString& name, int32_t keyMode) {
        int32_t surface = 0;
        both([&](VexoDDrw& c) {
            surface = c.CreateSurface();
            c.LoadSurfacePicture(surface, 1, folder_.filePath(name).toStdString(), keyMode);
        });
        return surface;
    }

    void writePictures() {
        for (int i = 0; i < 2; ++i) {
            QImage background(1024, 768, QImage::Format_RGB32);
            for (int y = 0; y < 768; ++y) {
                for (int x = 0; x < 1024; ++x) {
                    background.setPixel(x, y, qRgb((x + 90 * i) & 0xff, y & 0xff, (x ^ y) & 0xff));
                }
            }
            ASSERT_TRUE(background.save(folder_.filePath(QStringLiteral("bg%1.bmp").arg(i))));
        }
        QImage flake(20, 20, QImage::Format_RGB32);
        flake.fill(qRgb(255, 0, 255));
        QPainter painter(&flake);
        painter.setBrush(Qt::white);
        painter.drawEllipse(2, 2, 16, 16);
        painter.end();
        ASSERT_TRUE(flake.save(folder_.filePath("flake.bmp")));
        std::vector<uint32_t> soft(15 * 15);
        for (std::size_t i = 0; i < soft.size(); ++i) {
            soft[i] = (static_cast<uint32_t>(i * 17 % 256) << 24) | 0xe0e0ff;
        }
        ASSERT_TRUE(BmpFiles::write32(folder_.filePath("soft.bmp"), 15, 15, soft, true));
        QImage greeting(300, 200, QImage::Format_RGB32);
        greeting.fill(qRgb(255, 0, 255));
        painter.begin(&greeting);
        painter.fillRect(20, 20, 260, 160, QColor(200, 30, 40));
        painter.end();
        ASSERT_TRUE(greeting.save(folder_.filePath("greeting.bmp")));
        // Odd shapes for the bands: a diagonal stroke (every row a
        // different span), a ring, and dots in the corners with empty rows
        // between them.
        QImage odd(64, 48, QImage::Format_RGB32);
        odd.fill(qRgb(255, 0, 255));
        painter.begin(&odd);
        painter.setPen(QPen(QColor(250, 240, 90), 5));
        painter.drawLine(2, 2, 61, 45);
        painter.end();
        ASSERT_TRUE(odd.save(folder_.filePath("diagonal.bmp")));
        odd.fill(qRgb(255, 0, 255));
        painter.begin(&odd);
        painter.setPen(QPen(QColor(40, 200, 90), 6));
        painter.drawEllipse(6, 6, 52, 36);
        painter.end();
        ASSERT_TRUE(odd.save(folder_.filePath("ring.bmp")));
        odd.fill(qRgb(255, 0, 255));
        for (const QPoint corner : {QPoint(0, 0), QPoint(61, 0), QPoint(0, 45), QPoint(61, 45)}) {
            for (int i = 0; i < 9; ++i) {
                odd.setPixel(corner + QPoint(i % 3, i / 3), qRgb(255, 255, 200));
            }
        }
        ASSERT_TRUE(odd.save(folder_.filePath("corners.bmp")));
        QImage patch(90, 70, QImage::Format_RGB32);
        patch.fill(qRgb(10, 120, 200));
        ASSERT_TRUE(patch.save(folder_.filePath("patch.bmp")));
    }

    void text(const std::string& text, int32_t size, int32_t x, int32_t y, uint32_t colour) {
        both([&](VexoDDrw& c) {
            c.SetTextFont("Arial", size, 30, false, false, false);
            c.DrawText(text, x, y, colour);
        });
    }

    // One frame of a scene that moves like the saver's, with some oddities:
    // a frame without a fill, a changed fill colour, surfaces that skip
    // frames and a pair of flakes that swap their drawing order.
    void frame(int n) {
        if (n % 97 != 50) {
            both([&](VexoDDrw& c) { c.ClearFrame(n % 151 == 7 ? Rgb(0, 40, 0) : Rgb(0, 0, 0)); });
        }
        if (n % 120 < 100) {
            both([&](VexoDDrw& c) { c.DrawSurface(background_[n / 60 % 2]); });
        }
        text("Merry Christmas", 40, 55, 699, Rgb(0, 0, 0));
        text("Merry Christmas", 40, 54, 698, Rgb(255, 0, 0));
        text(std::to_string(20 - n / 40) + " Days Until Christmas", 40, 340, 25, Rgb(255, 0, 0));
        both([&](VexoDDrw& c) {
            c.MoveSurfaceRight(greeting_, n % 400 < 200 ? 3 : -3);
            c.MoveSurfaceUp(greeting_, n % 300 < 150 ? -2 : 2);
            c.DrawSurface(greeting_);
        });
        const bool swapped = n % 50 < 25;
        for (std::size_t i = 0; i < flakes_.size(); ++i) {
            const int32_t flake = flakes_[swapped && i < 2 ? 1 - i : i];
            const bool steps = n % (flake % 3 + 1) == 0;
            both([&](VexoDDrw& c) { c.MoveSurfaceUp(flake, steps ? -1 : 0); });
            if (incremental_.GetSurfaceTop(flake) > 770) {
                const auto left = static_cast<int32_t>(random_() % 1060) - 30;
                both([&](VexoDDrw& c) {
                    c.SetSurfaceTop(flake, -20);
                    c.SetSurfaceLeft(flake, left);
                });
            }
            if (flake != flakes_[5] || n % 9 != 0) {
                both([&](VexoDDrw& c) { c.DrawSurface(flake); });
            }
        }
        // An opaque picture over the flakes hides everything under it where
        // it covers a changed rectangle whole, and only part of it elsewhere.
        if (n % 200 < 150) {
            both([&](VexoDDrw& c) {
                c.SetSurfaceLeft(patch_, 500 + n % 150);
                c.SetSurfaceTop(patch_, 300 + n % 70 - n % 3);
                c.DrawSurface(patch_);
            });
        }
        text(std::to_string(10 + n / 25 % 50) + ":00", 14, 958, 17, Rgb(0, 0, 255));
        both([](VexoDDrw& c) { c.PresentFrame(); });
    }

    QTemporaryDir folder_;
    QtDrawControl incremental_;
    QtDrawControl whole_;
    std::array<int32_t, 2> background_{};
    std::array<int32_t, 30> flakes_{};
    int32_t greeting_ = 0;
    int32_t patch_ = 0;
    std::minstd_rand random_{7};
};

TEST_F(IncrementalFrameTest, EqualsWholeFrameComposition) {
    // The two flakes that swap order start on the same spot.
    both([&](VexoDDrw& c) {
        c.SetSurfaceLeft(flakes_[1], c.GetSurfaceLeft(flakes_[0]) + 5);
        c.SetSurfaceTop(flakes_[1], c.GetSurfaceTop(flakes_[0]) + 5);
        c.SetSurfaceLeft(greeting_, 300);
        c.SetSurfaceTop(greeting_, 200);
    });
    for (int n = 0; n < 600; ++n) {
        frame(n);
        ASSERT_EQ(incremental_.frame(), whole_.frame()) << "frame " << n;
    }
}

TEST_F(IncrementalFrameTest, OddShapesCrossingEachOtherAndTheEdges) {
    std::array<int32_t, 6> shapes{};
    const std::array<const char*, 3> names{"diagonal.bmp", "ring.bmp", "corners.bmp"};
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        shapes[i] = load(names[i % 3], VexoDDrw::KeyTransparent);
    }
    // Each shape bounces inside a box larger than the frame, so it leaves
    // and enters through every edge and runs over the others.
    std::array<QPoint, 6> place{};
    std::array<QPoint, 6> step{};
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        place[i] = QPoint(static_cast<int>(i) * 150 + 20, static_cast<int>(i) * 110 + 10);
        step[i] = QPoint(i % 2 == 0 ? 7 : -5, i % 3 == 0 ? 3 : -1 - static_cast<int>(i));
    }
    for (int n = 0; n < 400; ++n) {
        both([&](VexoDDrw& c) {
            c.ClearFrame(Rgb(0, 0, 0));
            c.DrawSurface(background_[n / 100 % 2]);
        });
        for (std::size_t k = 0; k < shapes.size(); ++k) {
            // Every 30 frames the drawing order turns round.
            const std::size_t i = n / 30 % 2 == 0 ? k : shapes.size() - 1 - k;
            if (k == 0) {
                for (std::size_t m = 0; m < shapes.size(); ++m) {
                    place[m] += step[m];
                    if (place[m].x() < -80 || place[m].x() > 1040) {
                        step[m].setX(-step[m].x());
                    }
                    if (place[m].y() < -70 || place[m].y() > 790) {
                        step[m].setY(-step[m].y());
                    }
                }
            }
            both([&](VexoDDrw& c) {
                c.SetSurfaceLeft(shapes[i], place[i].x());
                c.SetSurfaceTop(shapes[i], place[i].y());
                c.DrawSurface(shapes[i]);
            });
        }
        both([](VexoDDrw& c) { c.PresentFrame(); });
        ASSERT_EQ(incremental_.frame(), whole_.frame()) << "frame " << n;
    }
}

TEST_F(IncrementalFrameTest, FollowsAPictureLoadedAnew) {
    frame(0);
    both([&](VexoDDrw& c) {
        c.LoadSurfacePicture(greeting_, 1, folder_.filePath("flake.bmp").toStdString(),
                             VexoDDrw::KeyOpaque);
    });
    frame(1);
    EXPECT_EQ(incremental_.frame(), whole_.frame());
}

// Hands the control's frame events to a test's frames.
class FrameSink : public VexoDDrwEvents {
public:
    explicit FrameSink(std::function<void()> compose) : compose_(std::move(compose)) {}
    void ComposeFrame() override { compose_(); }
    void KeyDown(int16_t /*keyCode*/, int16_t /*shift*/) override {}
    void MouseMove(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) override {}
    void MouseDown(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) override {}

private:
    std::function<void()> compose_;
};

TEST_F(IncrementalFrameTest, FramesRaisedTogetherAreShownOnceAsTheNewestFrame) {
    // Four frame events to a wake-up: their changes are gathered and shown
    // once, and what is shown must be the newest frame exactly.
    int n = 0;
    std::vector<int> presentedAfter;
    FrameSink sink([&] { frame(n++); });
    incremental_.setEventSink(&sink);
    incremental_.setFrameInterval(5);
    incremental_.setPresentEvery(4);
    const int64_t start = incremental_.tickClock().TickMs();
    incremental_.raiseDueFrames(start + 10);
    QImage shown = incremental_.frame();
    for (int wakeUp = 1; wakeUp <= 60; ++wakeUp) {
        const uint64_t events = incremental_.frameEvents();
        incremental_.raiseDueFrames(start + 10 + 20 * wakeUp);
        ASSERT_EQ(incremental_.frameEvents() - events, 4u) << "wake-up " << wakeUp;
        ASSERT_EQ(incremental_.frame(), whole_.frame()) << "wake-up " << wakeUp;
        EXPECT_NE(incremental_.frame(), shown) << "wake-up " << wakeUp;
        shown = incremental_.frame();
    }
    // A program held up for a second raises twice the usual number of
    // frames, not two hundred, and the grid starts again from there.
    const uint64_t events = incremental_.frameEvents();
    incremental_.raiseDueFrames(start + 2000);
    EXPECT_EQ(incremental_.frameEvents() - events, 8u);
    EXPECT_EQ(incremental_.frame(), whole_.frame());
    incremental_.raiseDueFrames(start + 2018);
    EXPECT_EQ(incremental_.frameEvents() - events, 11u);
    incremental_.setEventSink(nullptr);
}

TEST(PresentPaceTest, NeverFasterThanTheScreenRefreshes) {
    EXPECT_EQ(QtDrawControl::framesPerRefresh(60.0, 5), 4);
    EXPECT_EQ(QtDrawControl::framesPerRefresh(59.94, 5), 4);
    EXPECT_EQ(QtDrawControl::framesPerRefresh(50.0, 5), 4);
    EXPECT_EQ(QtDrawControl::framesPerRefresh(144.0, 5), 2);
    EXPECT_EQ(QtDrawControl::framesPerRefresh(240.0, 5), 1);
    // A screen that reports no rate, or a stopped frame rhythm, presents
    // every frame.
    EXPECT_EQ(QtDrawControl::framesPerRefresh(0.0, 5), 1);
    EXPECT_EQ(QtDrawControl::framesPerRefresh(60.0, 0), 1);
}

}  // namespace
