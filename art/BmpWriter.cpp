#include "art/BmpWriter.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kV5HeaderSize = 124;
constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiBitfields = 3;
constexpr quint32 kPixelsPerMetre = 2835;         // 72 dots per inch
constexpr quint32 kSrgbColourSpace = 0x73524742;  // 'sRGB'
constexpr quint32 kIntentImages = 4;

void put16(QByteArray& out, quint16 value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void put32(QByteArray& out, quint32 value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.append(static_cast<char>((value >> shift) & 0xFF));
    }
}

void putFileHeader(QByteArray& out, quint32 headerSize, quint32 pixelBytes) {
    out.append("BM");
    put32(out, kFileHeaderSize + headerSize + pixelBytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, kFileHeaderSize + headerSize);
}

// The fields that BITMAPINFOHEADER and BITMAPV5HEADER share.
void putInfoHeader(QByteArray& out, quint32 headerSize, const QImage& image, quint16 bits,
                   quint32 compression, quint32 pixelBytes) {
    put32(out, headerSize);
    put32(out, static_cast<quint32>(image.width()));
    put32(out, static_cast<quint32>(image.height()));  // positive: rows run bottom-up
    put16(out, 1);
    put16(out, bits);
    put32(out, compression);
    put32(out, pixelBytes);
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, 0);
    put32(out, 0);
}

bool writeFile(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(bytes) == bytes.size();
}

}  // namespace

bool BmpWriter::writeOpaque(const QImage& image, const QString& path) {
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = (source.width() * 3 + 3) & ~3;
    const auto pixelBytes = static_cast<quint32>(rowBytes * source.height());

    QByteArray out;
    out.reserve(kFileHeaderSize + kInfoHeaderSize + static_cast<int>(pixelBytes));
    putFileHeader(out, kInfoHeaderSize, pixelBytes);
    putInfoHeader(out, kInfoHeaderSize, source, 24, kBiRgb, pixelBytes);
    for (int y = source.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        const qsizetype start = out.size();
        for (int x = 0; x < source.width(); ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
        }
        out.append(QByteArray(rowBytes - static_cast<int>(out.size() - start), '\0'));
    }
    return writeFile(out, path);
}

bool BmpWriter::writeWithAlpha(const QImage& image, const QString& path) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const auto pixelBytes = static_cast<quint32>(source.width() * source.height() * 4);

    QByteArray out;
    out.reserve(kFileHeaderSize + kV5HeaderSize + static_cast<int>(pixelBytes));
    putFileHeader(out, kV5HeaderSize, pixelBytes);
    putInfoHeader(out, kV5HeaderSize, source, 32, kBiBitfields, pixelBytes);
    put32(out, 0x00FF0000);  // red mask
    put32(out, 0x0000FF00);  // green mask
    put32(out, 0x000000FF);  // blue mask
    put32(out, 0xFF000000);  // alpha mask
    put32(out, kSrgbColourSpace);
    out.append(QByteArray(36, '\0'));  // colour space end points, unused with sRGB
    put32(out, 0);                     // gamma red
    put32(out, 0);                     // gamma green
    put32(out, 0);                     // gamma blue
    put32(out, kIntentImages);
    put32(out, 0);  // profile data
    put32(out, 0);  // profile size
    put32(out, 0);  // reserved
    for (int y = source.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = qAlpha(line[x]) == 0 ? (kKeyColour & 0x00FFFFFF) : line[x];
            put32(out, pixel);
        }
    }
    return writeFile(out, path);
}
