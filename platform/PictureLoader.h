#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

// Reads a surface's bitmap and brings it into the form the compositor blends
// fastest: opaque pictures as RGB32 (copied row by row), pictures with a key
// colour or an alpha channel premultiplied.
class PictureLoader {
public:
    // The key colour of transparent pictures: pure magenta.
    static constexpr QRgb KeyColour = 0xff00ff;

    // keyMode as in LoadSurfacePicture. A missing or unreadable file gives a
    // null image.
    static QImage load(const QString& path, int32_t keyMode);

private:
    // Qt takes the fourth byte of an uncompressed 32-bit bitmap for padding.
    // Files that put an alpha channel there get it back; files that leave it
    // zero everywhere stay opaque.
    static QImage withPlainAlpha(const QString& path, const QImage& image);
};
