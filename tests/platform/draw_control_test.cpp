#include <gtest/gtest.h>
#include <QFontInfo>
#include <QImage>
#include <QTemporaryDir>

#include "draw_BmpFiles.h"
#include "platform/QtDrawControl.h"

namespace {

constexpr uint32_t kRed = Rgb(255, 0, 0);
constexpr uint32_t kBlue = Rgb(0, 0, 255);

class DrawControlTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        control_.setFrameInterval(0);
        ASSERT_TRUE(control_.OpenSession(1024, 768, 32, ""));
    }

    // A picture of one colour, with the key colour in its top-left quarter.
    std::string keyedPicture(const QString& name, QRgb colour, int width = 8, int height = 8) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        for (int y = 0; y < height / 2; ++y) {
            for (int x = 0; x < width / 2; ++x) {
                image.setPixel(x, y, qRgb(255, 0, 255));
            }
        }
        const QString path = folder_.filePath(name);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path.toStdString();
    }

    int32_t surfaceAt(const std::string& path, int32_t keyMode, int32_t x, int32_t y) {
        const int32_t surface = control_.CreateSurface();
        control_.LoadSurfacePicture(surface, 1, path, keyMode);
        control_.SetSurfaceLeft(surface, x);
        control_.SetSurfaceTop(surface, y);
        return surface;
    }

    QRgb pixel(int x, int y) const { return control_.frame().pixel(x, y) & 0xffffff; }

    QTemporaryDir folder_;
    QtDrawControl control_;
};

TEST_F(DrawControlTest, KeyModesDecideWhetherMagentaShows) {
    const std::string path = keyedPicture("keyed.bmp", qRgb(0, 200, 0));
    const int32_t keyed = surfaceAt(path, VexoDDrw::KeyTransparent, 10, 10);
    const int32_t opaque = surfaceAt(path, VexoDDrw::KeyOpaque, 30, 10);
    control_.ClearFrame(kBlue);
    control_.DrawSurface(keyed);
    control_.DrawSurface(opaque);
    control_.PresentFrame();

    EXPECT_EQ(pixel(10, 10), 0x0000ffu);  // key colour lets the blue through
    EXPECT_EQ(pixel(17, 17), 0x00c800u);
    EXPECT_EQ(pixel(30, 10), 0xff00ffu);  // drawn opaque, magenta and all
    EXPECT_EQ(pixel(37, 17), 0x00c800u);
}

TEST_F(DrawControlTest, AlphaOfThirtyTwoBitPicturesIsBlended) {
    // Straight alpha 128 of (200, 100, 50) over blue (0, 0, 255).
    const std::vector<uint32_t> half(16, 0x80c86432);
    const std::vector<uint32_t> noAlpha(16, 0x00c86432);
    const QString masked = folder_.filePath("masked.bmp");
    const QString plain = folder_.filePath("plain.bmp");
    const QString zero = folder_.filePath("zero.bmp");
    ASSERT_TRUE(BmpFiles::write32(masked, 4, 4, half, true));
    ASSERT_TRUE(BmpFiles::write32(plain, 4, 4, half, false));
    ASSERT_TRUE(BmpFiles::write32(zero, 4, 4, noAlpha, false));
    const int32_t a = surfaceAt(masked.toStdString(), VexoDDrw::KeyTransparent, 0, 0);
    const int32_t b = surfaceAt(plain.toStdString(), VexoDDrw::KeyTransparent, 10, 0);
    const int32_t c = surfaceAt(zero.toStdString(), VexoDDrw::KeyTransparent, 20, 0);
    const int32_t d = surfaceAt(masked.toStdString(), VexoDDrw::KeyOpaque, 30, 0);
    control_.ClearFrame(kBlue);
    for (const int32_t surface : {a, b, c, d}) {
        control_.DrawSurface(surface);
    }
    control_.PresentFrame();

    const auto expectNear = [](QRgb actual, int red, int green, int blue) {
        EXPECT_NEAR(qRed(actual), red, 1);
        EXPECT_NEAR(qGreen(actual), green, 1);
        EXPECT_NEAR(qBlue(actual), blue, 1);
    };
    // 200 * 128 / 255 = 100.4; 255 * 127 / 255 + 50 * 128 / 255 = 152.1
    expectNear(pixel(1, 1), 100, 50, 152);
    expectNear(pixel(11, 1), 100, 50, 152);
    // An alpha byte left zero everywhere means an opaque picture, and key
    // mode -2 ignores the alpha.
    expectNear(pixel(21, 1), 200, 100, 50);
    expectNear(pixel(31, 1), 200, 100, 50);
}

TEST_F(DrawControlTest, SurfacesMayLieOffTheFrame) {
    const std::string path = keyedPicture("square.bmp", qRgb(0, 200, 0));
    const int32_t topLeft = surfaceAt(path, VexoDDrw::KeyOpaque, -5, -6);
    const int32_t bottomRight = surfaceAt(path, VexoDDrw::KeyOpaque, 1020, 764);
    const int32_t outside = surfaceAt(path, VexoDDrw::KeyOpaque, 2000, -300);
    control_.ClearFrame(kBlue);
    for (const int32_t surface : {topLeft, bottomRight, outside}) {
        control_.DrawSurface(surface);
    }
    control_.PresentFrame();

    EXPECT_EQ(pixel(0, 0), 0x00c800u);  // picture pixel (5, 6)
    EXPECT_EQ(pixel(2, 1), 0x00c800u);
    EXPECT_EQ(pixel(3, 2), 0x0000ffu);
    EXPECT_EQ(pixel(1020, 764), 0xff00ffu);  // its key quarter, drawn opaque
    EXPECT_EQ(pixel(1023, 767), 0xff00ffu);
    EXPECT_EQ(pixel(1019, 767), 0x0000ffu);
    EXPECT_EQ(control_.GetSurfaceLeft(outside), 2000);
    EXPECT_EQ(control_.GetSurfaceTop(outside), -300);
}

TEST_F(DrawControlTest, SurfacesKeepAndChangeTheirPositions) {
    EXPECT_EQ(control_.CreateSurface(), 1);
    EXPECT_EQ(control_.CreateSurface(), 2);
    control_.SetSurfaceLeft(2, 330);
    control_.SetSurfaceTop(2, 240);
    control_.MoveSurfaceRight(2, -1);
    control_.MoveSurfaceUp(2, -1);  // one pixel down
    EXPECT_EQ(control_.GetSurfaceLeft(2), 329);
    EXPECT_EQ(control_.GetSurfaceTop(2), 241);
    EXPECT_EQ(control_.GetSurfaceLeft(1), 0);
    // Numbers that name no surface change nothing and read as 0.
    control_.SetSurfaceLeft(3, 5);
    control_.MoveSurfaceUp(0, 5);
    EXPECT_EQ(control_.GetSurfaceLeft(3), 0);
    EXPECT_EQ(control_.GetSurfaceTop(-1), 0);
}

TEST_F(DrawControlTest, MissingPictureDrawsNothing) {
    const int32_t surface =
        surfaceAt(folder_.filePath("absent.bmp").toStdString(), VexoDDrw::KeyTransparent, 0, 0);
    control_.ClearFrame(kBlue);
    control_.DrawSurface(surface);
    control_.PresentFrame();
    EXPECT_EQ(pixel(0, 0), 0x0000ffu);
}

TEST(DrawControlSessionTest, CallsOutsideASessionAreHarmless) {
    QtDrawControl control;
    control.setFrameInterval(0);
    EXPECT_EQ(control.CreateSurface(), 0);
    control.SetSurfaceLeft(1, 5);
    control.LoadSurfacePicture(1, 1, "/nowhere.bmp", VexoDDrw::KeyTransparent);
    control.ClearFrame(kRed);
    control.DrawSurface(1);
    control.SetTextFont("Arial", 40, 30, false, false, false);
    control.DrawText("text", 0, 0, kRed);
    control.PresentFrame();
    control.CloseSession();
    EXPECT_EQ(control.GetSurfaceLeft(1), 0);
    EXPECT_TRUE(control.frame().isNull());

    ASSERT_TRUE(control.OpenSession(1024, 768, 16, ""));
    EXPECT_EQ(control.frame().size(), QSize(1024, 768));
    EXPECT_EQ(control.CreateSurface(), 1);
    control.CloseSession();
    EXPECT_EQ(control.GetSurfaceTop(1), 0);
    EXPECT_FALSE(control.OpenSession(0, 768, 32, ""));
}

TEST_F(DrawControlTest, TextIsDrawnBelowAndRightOfItsAnchor) {
    control_.SetTextFont("Arial", 40, 30, false, false, false);
    EXPECT_EQ(QFontInfo(control_.textFont()).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(control_.textFont()).pixelSize(), 40);
    control_.ClearFrame(Rgb(0, 0, 0));
    control_.DrawText("Days", 100, 200, kRed);
    control_.PresentFrame();

    // Liberation Sans at 40 pixels: a line is 46 pixels high, "Days" about
    // 90 wide.
    int inside = 0;
    int outside = 0;
    const QImage& frame = control_.frame();
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb colour = frame.pixel(x, y);
            if (qRed(colour) == 0) {
                continue;
            }
            EXPECT_EQ(qGreen(colour), 0);
            const bool inBox = x >= 100 && x < 200 && y >= 200 && y < 246;
            (inBox ? inside : outside)++;
        }
    }
    EXPECT_GT(inside, 200);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(control_.frame().pixel(100, 236) & 0xffffff, 0u);  // "D" starts a little to the right
}

TEST_F(DrawControlTest, EmptyTextDrawsNothing) {
    control_.SetTextFont("Arial", 40, 30, false, false, false);
    control_.ClearFrame(kBlue);
    control_.DrawText("", 100, 100, kRed);
    control_.DrawText("   ", 100, 100, kRed);
    control_.PresentFrame();
    EXPECT_EQ(pixel(100, 100), 0x0000ffu);
}

}  // namespace
