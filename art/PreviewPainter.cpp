#include "art/PreviewPainter.h"

#include <QPainter>
#include <QPoint>

namespace {

// The front flakes where the saver first shows them, and a few of the smaller
// ones already falling.
struct Placed {
    const char* name;
    QPoint at;
};

constexpr Placed kFlakes[] = {
    {"tinyflake-1.bmp", {180, 120}}, {"tinyflake-3.bmp", {610, 330}},
    {"tinyflake-5.bmp", {860, 210}}, {"tinyflake-7.bmp", {300, 520}},
    {"smflake-2.bmp", {120, 300}},   {"smflake-4.bmp", {470, 90}},
    {"smflake-6.bmp", {700, 560}},   {"smflake-8.bmp", {880, 420}},
    {"flake-1.bmp", {-15, 40}},      {"flake-2.bmp", {300, 400}},
    {"flake-3.bmp", {575, -5}},      {"flake-4.bmp", {750, 520}},
    {"flake-5.bmp", {955, 175}},     {"flake-6.bmp", {75, 390}},
    {"flake-7.bmp", {325, 100}},     {"flake-8.bmp", {455, 600}},
    {"flake-9.bmp", {775, 275}},
};

}  // namespace

QImage PreviewPainter::preview(const std::map<QString, QImage>& pictures) {
    QImage frame(1024, 768, QImage::Format_RGB32);
    QPainter painter(&frame);
    auto draw = [&](const char* name, QPoint at) {
        painter.drawImage(at, pictures.at(QString::fromLatin1(name)));
    };
    draw("bg2.bmp", {0, 0});
    draw("xmas.bmp", {330, 240});
    for (int i = 0; i < 8; ++i) {
        draw(kFlakes[i].name, kFlakes[i].at);
    }
    draw("BorderT.bmp", {0, 0});
    draw("BorderB.bmp", {0, 739});
    draw("BorderL.bmp", {0, 0});
    draw("BorderR.bmp", {939, 0});
    for (size_t i = 8; i < std::size(kFlakes); ++i) {
        draw(kFlakes[i].name, kFlakes[i].at);
    }
    painter.end();
    return frame.scaled(153, 115, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
