#pragma once

#include <QImage>
#include <QString>

// Writes the pictures of the install folder as Windows bitmaps. Qt's own BMP
// writer drops the alpha channel, so transparent pictures get a BITMAPV5
// header with an explicit alpha mask, which Qt, Windows and most viewers read
// back with their transparency. Pixels are stored straight, not premultiplied.
class BmpWriter {
public:
    // The colour that marks a transparent pixel for readers that ignore alpha.
    static constexpr QRgb kKeyColour = 0xFFFF00FF;

    // An opaque picture as a 24-bit bitmap.
    static bool writeOpaque(const QImage& image, const QString& path);

    // A picture with transparency as a 32-bit bitmap with an alpha mask. Fully
    // transparent pixels are given the key colour as well.
    static bool writeWithAlpha(const QImage& image, const QString& path);
};
