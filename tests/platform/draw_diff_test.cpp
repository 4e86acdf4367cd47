#include <gtest/gtest.h>
#include <QFont>

#include "platform/FrameDiff.h"
#include "platform/TextCache.h"

namespace {

const QRect kFrame(0, 0, 1024, 768);

DrawOp picture(uint64_t content, const QRect& rect) {
    return DrawOp{DrawOp::Kind::Picture, rect, content, QImage()};
}

DrawOp fill(QRgb colour) {
    return DrawOp{DrawOp::Kind::Fill, kFrame, colour, QImage()};
}

TEST(FrameDiffTest, MarksOnlyWhatChanged) {
    const std::vector<DrawOp> before{fill(0), picture(1, {0, 0, 1024, 768}),
                                     picture(2, {10, 10, 20, 20}), picture(3, {500, 500, 8, 8})};
    EXPECT_TRUE(FrameDiff::dirtyRects(before, before, kFrame).empty());

    // A flake one pixel lower: its old and new place, merged.
    std::vector<DrawOp> moved = before;
    moved[2].rect.translate(0, 1);
    EXPECT_EQ(FrameDiff::dirtyRects(before, moved, kFrame),
              (std::vector<QRect>{QRect(10, 10, 20, 21)}));

    // A new op in the middle and one dropped: only their own rectangles.
    std::vector<DrawOp> inserted = before;
    inserted.insert(inserted.begin() + 2, picture(9, {100, 100, 5, 5}));
    inserted.pop_back();
    EXPECT_EQ(FrameDiff::dirtyRects(before, inserted, kFrame),
              (std::vector<QRect>{QRect(100, 100, 5, 5), QRect(500, 500, 8, 8)}));
}

TEST(FrameDiffTest, SwappedOverlappingOpsAreDirty) {
    const std::vector<DrawOp> before{fill(0), picture(1, {10, 10, 20, 20}),
                                     picture(2, {15, 15, 20, 20})};
    const std::vector<DrawOp> after{fill(0), picture(2, {15, 15, 20, 20}),
                                    picture(1, {10, 10, 20, 20})};
    const std::vector<QRect> dirty = FrameDiff::dirtyRects(before, after, kFrame);
    ASSERT_EQ(dirty.size(), 1u);
    EXPECT_TRUE(dirty[0].contains(QRect(15, 15, 15, 15)));
}

TEST(FrameDiffTest, KeepsToTheFrameAndSeesFillChanges) {
    const std::vector<DrawOp> before{fill(0), picture(1, {-40, -40, 30, 30}),
                                     picture(2, {1000, 760, 50, 50})};
    std::vector<DrawOp> after = before;
    after[1].rect.translate(1, 1);
    after[2].rect.translate(0, 1);
    EXPECT_EQ(FrameDiff::dirtyRects(before, after, kFrame),
              (std::vector<QRect>{QRect(1000, 760, 24, 8)}));

    after = before;
    after[0] = fill(0xff0000);
    EXPECT_EQ(FrameDiff::dirtyRects(before, after, kFrame), (std::vector<QRect>{kFrame}));
    EXPECT_EQ(FrameDiff::dirtyRects({}, before, kFrame), (std::vector<QRect>{kFrame}));
}

TEST(TextCacheTest, KeepsTextsWhileFramesUseThem) {
    TextCache cache(100);
    QFont font("Liberation Sans");
    font.setPixelSize(20);
    const uint64_t clock = cache.lookup("10:00:00", font, qRgb(0, 0, 255)).serial;
    const uint64_t day = cache.lookup("Sunday", font, qRgb(255, 0, 0)).serial;
    EXPECT_NE(clock, day);
    cache.endFrame();
    EXPECT_EQ(cache.lookup("10:00:00", font, qRgb(0, 0, 255)).serial, clock);
    // The same text in another colour or size is another picture.
    EXPECT_NE(cache.lookup("10:00:00", font, qRgb(255, 0, 0)).serial, clock);
    font.setPixelSize(21);
    EXPECT_NE(cache.lookup("10:00:00", font, qRgb(0, 0, 255)).serial, clock);
    cache.endFrame();  // "Sunday" was not drawn in this frame
    EXPECT_EQ(cache.size(), 3u);
    cache.endFrame();
    EXPECT_EQ(cache.size(), 0u);
}

TEST(TextCacheTest, FramesThatDrawOtherTextsInTheirPlaceGetTheirOwnPictures) {
    TextCache cache(100);
    QFont font("Liberation Sans");
    font.setPixelSize(20);
    const uint64_t first = cache.lookup("12:00:01", font, qRgb(0, 0, 255)).serial;
    const uint64_t day = cache.lookup("Monday", font, qRgb(255, 0, 0)).serial;
    cache.endFrame();
    // The same texts in the other order, and one changed in place.
    EXPECT_EQ(cache.lookup("Monday", font, qRgb(255, 0, 0)).serial, day);
    EXPECT_EQ(cache.lookup("12:00:01", font, qRgb(0, 0, 255)).serial, first);
    cache.endFrame();
    EXPECT_EQ(cache.lookup("Monday", font, qRgb(255, 0, 0)).serial, day);
    const uint64_t second = cache.lookup("12:00:02", font, qRgb(0, 0, 255)).serial;
    EXPECT_NE(second, first);
    cache.endFrame();
    // Same text, other style in the same place.
    font.setItalic(true);
    EXPECT_NE(cache.lookup("Monday", font, qRgb(255, 0, 0)).serial, day);
    font.setItalic(false);
    font.setFamily("Liberation Serif");
    EXPECT_NE(cache.lookup("12:00:02", font, qRgb(0, 0, 255)).serial, second);
    cache.endFrame();
    EXPECT_EQ(cache.size(), 2u);
}

}  // namespace
