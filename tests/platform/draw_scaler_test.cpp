#include <gtest/gtest.h>
#include <QImage>
#include <random>

#include "draw_NearestRule.h"
#include "platform/FrameScaler.h"

namespace {

TEST(FrameScalerTest, EveryWindowPixelShowsTheFramePixelUnderItsCentreAsTheServerFindsIt) {
    // Enlarged by 1.406 (a 1920 x 1080 screen), by an odd factor, not at
    // all, shrunk, and nearly doubled; rectangles of every alignment.
    QImage frame(1024, 768, QImage::Format_RGB32);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            frame.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x >> 8) * 16 + (y >> 8)));
        }
    }
    const QSize windows[] = {{1920, 1080}, {1366, 768}, {1024, 768}, {700, 500}, {2560, 1440}};
    std::mt19937 random(5);
    for (const QSize& size : windows) {
        const int width = size.height() * 4 / 3;
        const QRect target((size.width() - width) / 2, 0, width, size.height());
        FrameScaler scaler;
        scaler.setGeometry(frame.size(), target);
        QImage window(size, QImage::Format_RGB32);
        window.fill(Qt::black);
        for (int i = 0; i < 40; ++i) {
            const int left = static_cast<int>(random() % static_cast<unsigned>(size.width()));
            const int top = static_cast<int>(random() % static_cast<unsigned>(size.height()));
            scaler.scale(frame, window,
                         QRect(left, top, 1 + static_cast<int>(random() % 300), 1 + i % 9));
        }
        scaler.scale(frame, window, QRect(target.left(), 0, target.width(), 1));
        scaler.scale(frame, window, QRect(target.right() - 4, 1, 5, target.height() - 1));
        int differing = 0;
        int scaled = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = target.left(); x <= target.right(); ++x) {
                if (window.pixel(x, y) == qRgb(0, 0, 0)) {
                    continue;  // not scaled by any of the rectangles
                }
                ++scaled;
                const int column = nearestSource(x - target.left(), width, 1024);
                const int row = nearestSource(y, size.height(), 768);
                differing += window.pixel(x, y) != frame.pixel(column, row) ? 1 : 0;
            }
        }
        EXPECT_GT(scaled, 2 * size.height()) << size.width();
        EXPECT_EQ(differing, 0) << size.width() << " x " << size.height();
    }
}

}  // namespace
