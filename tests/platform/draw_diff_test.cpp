#include <gtest/gtest.h>
#include <QFont>
#include <QRegion>
#include <memory>
#include <random>

#include "platform/DirtyArea.h"
#include "platform/FrameDiff.h"
#include "platform/TextCache.h"

namespace {

const QRect kFrame(0, 0, 1024, 768);

DrawOp picture(uint64_t content, const QRect& rect) {
    return DrawOp{DrawOp::Kind::Picture, rect, content, QImage(), nullptr};
}

DrawOp sprite(uint64_t content, const QRect& rect, std::vector<QRect> bands) {
    return DrawOp{DrawOp::Kind::Picture, rect, content, QImage(),
                  std::make_shared<const std::vector<QRect>>(std::move(bands))};
}

DrawOp fill(QRgb colour) {
    return DrawOp{DrawOp::Kind::Fill, kFrame, colour, QImage(), nullptr};
}

// The dirty rectangles of one frame after another.
std::vector<QRect> dirtyRects(const std::vector<DrawOp>& previous,
                              const std::vector<DrawOp>& current) {
    DirtyArea dirty(kFrame);
    FrameDiff::markDirty(previous, current, dirty);
    return dirty.rects();
}

QRegion regionOf(const std::vector<QRect>& rects) {
    QRegion region;
    for (const QRect& rect : rects) {
        region += rect;
    }
    return region;
}

int area(const std::vector<QRect>& rects) {
    int sum = 0;
    for (const QRect& rect : rects) {
        sum += rect.width() * rect.height();
    }
    return sum;
}

bool overlapFree(const std::vector<QRect>& rects) {
    for (std::size_t a = 0; a < rects.size(); ++a) {
        for (std::size_t b = a + 1; b < rects.size(); ++b) {
            if (rects[a].intersects(rects[b])) {
                return false;
            }
        }
    }
    return true;
}

TEST(FrameDiffTest, MarksOnlyWhatChanged) {
    const std::vector<DrawOp> before{fill(0), picture(1, {0, 0, 1024, 768}),
                                     picture(2, {10, 10, 20, 20}), picture(3, {500, 500, 8, 8})};
    EXPECT_TRUE(dirtyRects(before, before).empty());

    // A flake one pixel lower: its old and new place, merged.
    std::vector<DrawOp> moved = before;
    moved[2].rect.translate(0, 1);
    EXPECT_EQ(dirtyRects(before, moved), (std::vector<QRect>{QRect(10, 10, 20, 21)}));

    // A new op in the middle and one dropped: only their own rectangles.
    std::vector<DrawOp> inserted = before;
    inserted.insert(inserted.begin() + 2, picture(9, {100, 100, 5, 5}));
    inserted.pop_back();
    EXPECT_EQ(dirtyRects(before, inserted),
              (std::vector<QRect>{QRect(100, 100, 5, 5), QRect(500, 500, 8, 8)}));
}

TEST(FrameDiffTest, SwappedOverlappingOpsAreDirty) {
    const std::vector<DrawOp> before{fill(0), picture(1, {10, 10, 20, 20}),
                                     picture(2, {15, 15, 20, 20})};
    const std::vector<DrawOp> after{fill(0), picture(2, {15, 15, 20, 20}),
                                    picture(1, {10, 10, 20, 20})};
    const std::vector<QRect> dirty = dirtyRects(before, after);
    // One of the two stays in the common order; the other marks its place,
    // which holds the overlap.
    EXPECT_TRUE((QRegion(15, 15, 15, 15) - regionOf(dirty)).isEmpty());
    EXPECT_TRUE(overlapFree(dirty));
}

TEST(FrameDiffTest, MovedSpriteMarksOnlyItsBandsAtBothPlaces) {
    // A diamond-like sprite: a narrow top, a wide middle and a narrow bottom
    // in a 40 x 30 box.
    const std::vector<QRect> bands{{15, 0, 10, 10}, {0, 10, 40, 10}, {15, 20, 10, 10}};
    const std::vector<DrawOp> before{fill(0), sprite(1, {100, 100, 40, 30}, bands)};
    std::vector<DrawOp> after = before;
    after[1].rect.translate(1, 1);
    const std::vector<QRect> dirty = dirtyRects(before, after);
    QRegion expected;
    for (const QRect& band : bands) {
        expected += band.translated(100, 100);
        expected += band.translated(101, 101);
    }
    // The two places' edges lie a pixel apart; the slivers between them are
    // taken into the rectangles beside them: one rectangle for each band,
    // a few pixels more than the bands.
    EXPECT_EQ(regionOf(dirty).intersected(expected), expected);
    EXPECT_TRUE(overlapFree(dirty));
    EXPECT_EQ(dirty.size(), bands.size());
    EXPECT_LT(area(dirty), 41 * 31);

    // Half off the frame's left and top edges, only the visible part.
    std::vector<DrawOp> edge = before;
    edge[1].rect.moveTo(-20, -15);
    std::vector<DrawOp> edgeAfter = edge;
    edgeAfter[1].rect.translate(0, 1);
    for (const QRect& rect : dirtyRects(edge, edgeAfter)) {
        EXPECT_TRUE(kFrame.contains(rect)) << rect.x() << "," << rect.y();
    }
    // A sprite without a visible pixel marks nothing.
    const std::vector<DrawOp> blank{fill(0), sprite(2, {10, 10, 5, 5}, {})};
    std::vector<DrawOp> blankAfter = blank;
    blankAfter[1].rect.translate(3, 0);
    EXPECT_TRUE(dirtyRects(blank, blankAfter).empty());
}

TEST(FrameDiffTest, KeepsToTheFrameAndSeesFillChanges) {
    const std::vector<DrawOp> before{fill(0), picture(1, {-40, -40, 30, 30}),
                                     picture(2, {1000, 760, 50, 50})};
    std::vector<DrawOp> after = before;
    after[1].rect.translate(1, 1);
    after[2].rect.translate(0, 1);
    EXPECT_EQ(dirtyRects(before, after), (std::vector<QRect>{QRect(1000, 760, 24, 8)}));

    after = before;
    after[0] = fill(0xff0000);
    EXPECT_EQ(dirtyRects(before, after), (std::vector<QRect>{kFrame}));
    EXPECT_EQ(dirtyRects({}, before), (std::vector<QRect>{kFrame}));
}

TEST(DirtyAreaTest, CoversTheUnionWithoutOverlapsAndFewPixelsMore) {
    std::minstd_rand random(11);
    for (int round = 0; round < 50; ++round) {
        DirtyArea dirty(kFrame);
        QRegion expected;
        const int count = static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i) {
            // Small rectangles near each other, some reaching off the frame.
            const QRect rect(static_cast<int>(random() % 200) - 20 + (round % 2) * 900,
                             static_cast<int>(random() % 200) - 20 + (round % 3) * 300,
                             static_cast<int>(random() % 60), static_cast<int>(random() % 60));
            dirty.add(rect);
            expected += rect & kFrame;
        }
        const std::vector<QRect> rects = dirty.rects();
        EXPECT_EQ(regionOf(rects).intersected(expected), expected) << round;
        EXPECT_TRUE(kFrame.contains(regionOf(rects).boundingRect()) || rects.empty()) << round;
        EXPECT_TRUE(overlapFree(rects)) << round;
        // The exact union takes as many rectangles as the region's bands;
        // each one saved may cost the allowance in pixels, no more.
        const int exactArea = area({expected.begin(), expected.end()});
        const auto saved =
            static_cast<long long>(expected.rectCount()) - static_cast<long long>(rects.size());
        EXPECT_GE(saved, 0) << round;
        EXPECT_LE(area(rects) - exactArea, DirtyArea::WasteAllowance * saved) << round;
    }
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
