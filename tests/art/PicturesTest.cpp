// The generated pictures are data the saver loads by name, position and key
// mode; these tests check what it relies on: names, sizes, formats, the key
// colour, flakes that look like flakes, and builds that repeat exactly.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

const QString kFolder = QStringLiteral(GLINTFALL_PICTURE_DIR);

struct Expected {
    const char* name;
    int width;
    int height;
    bool alpha;
};

constexpr Expected kFixed[] = {
    {"bg1.bmp", 1024, 768, false},    {"bg2.bmp", 1024, 768, false},
    {"bg3.bmp", 1024, 768, false},    {"bg4.bmp", 1024, 768, false},
    {"bg5.bmp", 1024, 768, false},    {"BorderT.bmp", 1024, 29, false},
    {"BorderB.bmp", 1024, 29, false}, {"BorderL.bmp", 85, 768, true},
    {"BorderR.bmp", 85, 768, true},   {"xmas.bmp", 336, 220, true},
    {"Calendar.bmp", 65, 85, true},   {"Banner.bmp", 616, 59, false},
    {"preview.bmp", 153, 115, false},
};

struct Layer {
    const char* prefix;
    int smallest;
    int largest;
};

constexpr Layer kLayers[] = {{"flake", 28, 72}, {"smflake", 14, 24}, {"tinyflake", 6, 12}};

QString flakeName(const Layer& layer, int number) {
    return QStringLiteral("%1-%2.bmp").arg(QLatin1String(layer.prefix)).arg(number);
}

QImage load(const QString& name) {
    QImage image;
    EXPECT_TRUE(image.load(kFolder + QLatin1Char('/') + name)) << name.toStdString();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray rawBytes(const QString& folder, const QString& name) {
    QFile file(folder + QLatin1Char('/') + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

// Mean alpha difference between a flake and itself turned by degrees about
// its centre, relative to its mean alpha (0 means an exact symmetry).
double turnedDifference(const QImage& flake, double degrees) {
    const double angle = degrees * std::numbers::pi / 180.0;
    const double cx = flake.width() / 2.0;
    const double cy = flake.height() / 2.0;
    auto alphaAt = [&flake](int x, int y) {
        return (x < 0 || y < 0 || x >= flake.width() || y >= flake.height())
                   ? 0.0
                   : qAlpha(flake.pixel(x, y));
    };
    double difference = 0;
    double total = 0;
    for (int y = 0; y < flake.height(); ++y) {
        for (int x = 0; x < flake.width(); ++x) {
            // Bilinear sample of the source at the turned position of this pixel's centre.
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            const double sx = cx + dx * std::cos(angle) - dy * std::sin(angle) - 0.5;
            const double sy = cy + dx * std::sin(angle) + dy * std::cos(angle) - 0.5;
            const int x0 = static_cast<int>(std::floor(sx));
            const int y0 = static_cast<int>(std::floor(sy));
            const double fx = sx - x0;
            const double fy = sy - y0;
            const double turned =
                alphaAt(x0, y0) * (1 - fx) * (1 - fy) + alphaAt(x0 + 1, y0) * fx * (1 - fy) +
                alphaAt(x0, y0 + 1) * (1 - fx) * fy + alphaAt(x0 + 1, y0 + 1) * fx * fy;
            difference += std::abs(turned - qAlpha(flake.pixel(x, y)));
            total += qAlpha(flake.pixel(x, y));
        }
    }
    return difference / total;
}

TEST(Pictures, EveryFixedPictureHasItsSizeAndFormat) {
    for (const Expected& expected : kFixed) {
        const QString name = QLatin1String(expected.name);
        QImage image;
        ASSERT_TRUE(image.load(kFolder + QLatin1Char('/') + name)) << expected.name;
        EXPECT_EQ(image.size(), QSize(expected.width, expected.height)) << expected.name;
        EXPECT_EQ(image.hasAlphaChannel(), expected.alpha) << expected.name;
        const QByteArray bytes = rawBytes(kFolder, name);
        ASSERT_GT(bytes.size(), 30);
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), expected.alpha ? 32 : 24)
            << expected.name;
    }
}

TEST(Pictures, FlakesAreSquareWithinTheirLayersSizes) {
    for (const Layer& layer : kLayers) {
        for (int number = 1; number <= 9; ++number) {
            const QImage flake = load(flakeName(layer, number));
            EXPECT_EQ(flake.width(), flake.height()) << flakeName(layer, number).toStdString();
            EXPECT_GE(flake.width(), layer.smallest);
            EXPECT_LE(flake.width(), layer.largest);
        }
    }
}

// The saver keys out pure magenta or honours alpha; either way a transparent
// picture must have see-through pixels, a solid body, and magenta exactly
// where it is fully transparent.
TEST(Pictures, TransparentPicturesHaveKeyedClearPartsAndSolidParts) {
    std::vector<QString> names = {QStringLiteral("xmas.bmp"), QStringLiteral("Calendar.bmp"),
                                  QStringLiteral("BorderL.bmp"), QStringLiteral("BorderR.bmp")};
    for (const Layer& layer : kLayers) {
        for (int number = 1; number <= 9; ++number) {
            names.push_back(flakeName(layer, number));
        }
    }
    for (const QString& name : names) {
        const QImage image = load(name);
        ASSERT_TRUE(image.hasAlphaChannel()) << name.toStdString();
        int clear = 0;
        int solid = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0) {
                    ++clear;
                    ASSERT_EQ(pixel & 0xFFFFFF, 0xFF00FFu)
                        << name.toStdString() << " at " << x << "," << y;
                } else if (qAlpha(pixel) == 255) {
                    ++solid;
                }
            }
        }
        EXPECT_GT(clear, 0) << name.toStdString();
        EXPECT_GT(solid, 0) << name.toStdString();
    }
    // The side pieces let the scene show through most of their inner half.
    const QImage left = load(QStringLiteral("BorderL.bmp"));
    int clearInside = 0;
    for (int y = 0; y < left.height(); ++y) {
        clearInside += qAlpha(left.pixel(80, y)) == 0 ? 1 : 0;
    }
    EXPECT_GT(clearInside, left.height() / 2);
}

TEST(Pictures, TheTwentySevenFlakesAreDistinctAndSixFoldSymmetric) {
    std::vector<QImage> flakes;
    for (const Layer& layer : kLayers) {
        for (int number = 1; number <= 9; ++number) {
            flakes.push_back(load(flakeName(layer, number)));
            const double sixth = turnedDifference(flakes.back(), 60.0);
            EXPECT_LT(sixth, 0.2) << flakeName(layer, number).toStdString();
            if (layer.smallest >= 28) {
                // A half-turn of a sixth is no symmetry: the measure must see that.
                EXPECT_GT(turnedDifference(flakes.back(), 30.0), 2 * sixth);
            }
        }
    }
    for (size_t a = 0; a < flakes.size(); ++a) {
        for (size_t b = a + 1; b < flakes.size(); ++b) {
            EXPECT_NE(flakes[a], flakes[b]) << "flakes " << a << " and " << b;
        }
    }
}

// The saver writes red and blue texts on the calendar: the paper under them
// must stay light.
TEST(Pictures, CalendarIsLightWhereTheTextsGo) {
    const QImage pad = load(QStringLiteral("Calendar.bmp"));
    const QRect monthArea(24, 3, 30, 12);
    const QRect paperArea(6, 17, 52, 60);
    for (const QRect& area : {monthArea, paperArea}) {
        double lightness = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                lightness += QColor(pad.pixel(x, y)).lightness();
            }
        }
        EXPECT_GT(lightness / (area.width() * area.height()), 215);
    }
}

TEST(Pictures, AnotherRunDrawsIdenticalFiles) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    QProcess generator;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    generator.setProcessEnvironment(environment);
    generator.start(QStringLiteral(GLINTFALL_ARTGEN), {scratch.path()});
    ASSERT_TRUE(generator.waitForFinished(120000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    const QStringList files = QDir(kFolder).entryList({QStringLiteral("*.bmp")}, QDir::Files);
    EXPECT_EQ(files.size(), 40);
    for (const QString& name : files) {
        EXPECT_EQ(rawBytes(scratch.path(), name), rawBytes(kFolder, name)) << name.toStdString();
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
