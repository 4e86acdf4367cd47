// Draws every picture of the install folder into the folder named on the
// command line. The build runs it, so no binary picture lives in the sources;
// everything is drawn from fixed seeds and comes out the same on every run.

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <map>

#include "art/ArtFonts.h"
#include "art/BmpWriter.h"
#include "art/BorderPainter.h"
#include "art/CalendarPainter.h"
#include "art/DuskScenes.h"
#include "art/FlakePainter.h"
#include "art/GreetingPainter.h"
#include "art/NightScenes.h"
#include "art/PreviewPainter.h"

namespace {

// Sizes of the nine flakes of each layer, by picture number.
const std::vector<int> kFrontSizes = {56, 34, 72, 42, 28, 64, 48, 38, 60};
const std::vector<int> kMidSizes = {20, 14, 24, 17, 22, 15, 19, 23, 16};
const std::vector<int> kBackSizes = {8, 6, 11, 7, 12, 9, 10, 7, 9};

void addLayer(std::map<QString, QImage>& pictures, const QString& prefix,
              const std::vector<int>& sizes, std::uint32_t seed) {
    const std::vector<QImage> flakes = FlakePainter::layer(sizes, seed);
    for (size_t i = 0; i < flakes.size(); ++i) {
        pictures[QStringLiteral("%1-%2.bmp").arg(prefix).arg(i + 1)] = flakes[i];
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QTextStream errors(stderr);
    if (arguments.size() != 2) {
        errors << "Usage: " << arguments.value(0) << " OUTPUT-FOLDER\n";
        return 2;
    }
    const QDir folder(arguments[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        errors << "Cannot create " << folder.path() << '\n';
        return 1;
    }
    ArtFonts fonts;
    if (!fonts.load()) {
        return 1;
    }

    std::map<QString, QImage> opaque;
    std::map<QString, QImage> transparent;
    opaque[QStringLiteral("bg1.bmp")] = NightScenes::gradient();
    opaque[QStringLiteral("bg2.bmp")] = NightScenes::village();
    opaque[QStringLiteral("bg3.bmp")] = DuskScenes::pineForest();
    opaque[QStringLiteral("bg4.bmp")] = NightScenes::frozenLake();
    opaque[QStringLiteral("bg5.bmp")] = DuskScenes::cabin();
    opaque[QStringLiteral("BorderT.bmp")] = BorderPainter::strip();
    opaque[QStringLiteral("BorderB.bmp")] = BorderPainter::strip().mirrored(true, false);
    const GreetingPainter greetings(fonts);
    opaque[QStringLiteral("Banner.bmp")] = greetings.banner();
    transparent[QStringLiteral("xmas.bmp")] = greetings.greeting();
    transparent[QStringLiteral("Calendar.bmp")] = CalendarPainter::pad();
    transparent[QStringLiteral("BorderL.bmp")] = BorderPainter::side(false);
    transparent[QStringLiteral("BorderR.bmp")] = BorderPainter::side(true);
    addLayer(transparent, QStringLiteral("flake"), kFrontSizes, 1000);
    addLayer(transparent, QStringLiteral("smflake"), kMidSizes, 2000);
    addLayer(transparent, QStringLiteral("tinyflake"), kBackSizes, 3000);

    std::map<QString, QImage> all = opaque;
    all.insert(transparent.begin(), transparent.end());
    opaque[QStringLiteral("preview.bmp")] = PreviewPainter::preview(all);

    bool written = true;
    for (const auto& [name, image] : opaque) {
        written = BmpWriter::writeOpaque(image, folder.filePath(name)) && written;
    }
    for (const auto& [name, image] : transparent) {
        written = BmpWriter::writeWithAlpha(image, folder.filePath(name)) && written;
    }
    if (!written) {
        errors << "Cannot write the pictures into " << folder.path() << '\n';
        return 1;
    }
    return 0;
}
