#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cstdint>
#include <vector>

// Writes small 32-bit bitmaps byte by byte, in the two layouts that carry an
// alpha channel: the plain 40-byte header (alpha in the fourth byte, which
// readers often ignore) and the 108-byte header with an explicit alpha mask.
// Pixels are given as 0xAARRGGBB, top row first.
class BmpFiles {
public:
    static bool write32(const QString& path, int width, int height,
                        const std::vector<uint32_t>& pixels, bool alphaMask) {
        QByteArray info;
        const uint32_t infoSize = alphaMask ? 108 : 40;
        append32(info, infoSize);
        append32(info, static_cast<uint32_t>(width));
        append32(info, static_cast<uint32_t>(height));  // positive: bottom row first
        append16(info, 1);
        append16(info, 32);
        append32(info, alphaMask ? 3 : 0);  // bit fields or uncompressed
        append32(info, static_cast<uint32_t>(width * height * 4));
        append32(info, 2835);
        append32(info, 2835);
        append32(info, 0);
        append32(info, 0);
        if (alphaMask) {
            append32(info, 0x00ff0000);
            append32(info, 0x0000ff00);
            append32(info, 0x000000ff);
            append32(info, 0xff000000);
            info.append("BGRs");
            info.append(48, '\0');  // end points and gamma, unused
        }
        QByteArray data;
        for (int y = height - 1; y >= 0; --y) {
            for (int x = 0; x < width; ++x) {
                append32(data, pixels[static_cast<std::size_t>(y * width + x)]);
            }
        }
        QByteArray file("BM");
        const uint32_t offset = 14 + infoSize;
        append32(file, offset + static_cast<uint32_t>(data.size()));
        append32(file, 0);
        append32(file, offset);
        QFile out(path);
        return out.open(QIODevice::WriteOnly) && out.write(file + info + data) > 0;
    }

private:
    static void append32(QByteArray& bytes, uint32_t value) {
        char buffer[4];
        qToLittleEndian(value, buffer);
        bytes.append(buffer, 4);
    }
    static void append16(QByteArray& bytes, uint16_t value) {
        char buffer[2];
        qToLittleEndian(value, buffer);
        bytes.append(buffer, 2);
    }
};
