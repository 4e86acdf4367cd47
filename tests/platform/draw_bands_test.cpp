#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include "platform/RowBands.h"

namespace {

QRegion regionOf(const std::vector<QRect>& rects) {
    QRegion region;
    for (const QRect& rect : rects) {
        region += rect;
    }
    return region;
}

int area(const QRegion& region) {
    int sum = 0;
    for (const QRect& rect : region) {
        sum += rect.width() * rect.height();
    }
    return sum;
}

// The pixels of picture with alpha above zero.
QRegion visiblePixels(const QImage& picture) {
    QRegion region;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(picture.pixel(x, y)) > 0) {
                region += QRect(x, y, 1, 1);
            }
        }
    }
    return region;
}

QImage disc(int size) {
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(0.5, 3.5, size - 1.0, size - 7.0));
    return picture;
}

TEST(RowBandsTest, CoverEveryVisiblePixelWithFewRectangles) {
    for (const int size : {28, 72, 220}) {
        const QImage picture = disc(size);
        const std::vector<QRect> bands = RowBands::ofPicture(picture);
        const QRegion covered = regionOf(bands);
        EXPECT_TRUE((visiblePixels(picture) - covered).isEmpty()) << size;
        EXPECT_TRUE(picture.rect().contains(covered.boundingRect())) << size;
        // Each band adds at most the allowance beyond the visible rows' spans,
        // which hold little more than the visible pixels of a disc.
        const int visible = area(visiblePixels(picture));
        EXPECT_LE(area(covered) - visible,
                  static_cast<int>(bands.size()) * (RowBands::WasteAllowance + 2 * size))
            << size;
        EXPECT_LE(bands.size(), 12u) << size;
        EXPECT_EQ(static_cast<int>(area(covered)), [&] {
            int sum = 0;
            for (const QRect& band : bands) {
                sum += band.width() * band.height();
            }
            return sum;
        }()) << "bands overlap";
    }
}

TEST(RowBandsTest, LargePicturesLeaveOutTheirTransparentCorners) {
    const QImage picture = disc(220);
    EXPECT_LT(area(regionOf(RowBands::ofPicture(picture))), 220 * 214 * 9 / 10);
}

TEST(RowBandsTest, OpaqueAndInvisiblePictures) {
    QImage opaque(30, 20, QImage::Format_RGB32);
    opaque.fill(Qt::red);
    EXPECT_EQ(RowBands::ofPicture(opaque), (std::vector<QRect>{QRect(0, 0, 30, 20)}));
    QImage clear(30, 20, QImage::Format_ARGB32_Premultiplied);
    clear.fill(Qt::transparent);
    EXPECT_TRUE(RowBands::ofPicture(clear).empty());
    // Single visible pixels in the corners, split by empty rows.
    clear.setPixel(0, 0, qRgba(1, 1, 1, 1));
    clear.setPixel(29, 19, qRgba(1, 1, 1, 1));
    EXPECT_EQ(RowBands::ofPicture(clear),
              (std::vector<QRect>{QRect(0, 0, 1, 1), QRect(29, 19, 1, 1)}));
}

TEST(RowBandsTest, RowsFarApartInWidthGetBandsOfTheirOwn) {
    RowBands bands(5);
    bands.addRow(0, 399);
    bands.addRow(48, 51);
    bands.addRow(48, 51);
    bands.addRow(0, -1);
    bands.addRow(10, 12);
    EXPECT_EQ(bands.finish(),
              (std::vector<QRect>{QRect(0, 5, 400, 1), QRect(48, 6, 4, 2), QRect(10, 9, 3, 1)}));
}

}  // namespace
