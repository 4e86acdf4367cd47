#include "platform/PictureLoader.h"

#include <QFile>
#include <QtEndian>

#include "scene/VexoDDrw.h"

QImage PictureLoader::load(const QString& path, int32_t keyMode) {
    QImage image(path);
    if (image.isNull()) {
        return image;
    }
    if (keyMode != VexoDDrw::KeyTransparent) {
        return image.convertToFormat(QImage::Format_RGB32);
    }
    if (!image.hasAlphaChannel()) {
        image = withPlainAlpha(path, image);
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0xffffff) == KeyColour) {
                row[x] = 0;
            }
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage PictureLoader::withPlainAlpha(const QString& path, const QImage& image) {
    constexpr qsizetype kHeaderEnd = 34;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return image;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < kHeaderEnd || !bytes.startsWith("BM")) {
        return image;
    }
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const auto dataOffset = qFromLittleEndian<quint32>(data + 10);
    const auto width = qFromLittleEndian<qint32>(data + 18);
    const auto height = qFromLittleEndian<qint32>(data + 22);
    const auto bitsPerPixel = qFromLittleEndian<quint16>(data + 28);
    const auto compression = qFromLittleEndian<quint32>(data + 30);
    const qint32 rows = height < 0 ? -height : height;
    constexpr quint32 kUncompressed = 0;
    if (bitsPerPixel != 32 || compression != kUncompressed || width != image.width() ||
        rows != image.height() ||
        static_cast<qint64>(dataOffset) + qint64{4} * width * rows > bytes.size()) {
        return image;
    }

    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    bool anyAlpha = false;
    for (qint32 y = 0; y < rows; ++y) {
        // Rows are stored bottom-up unless the height is negative.
        const qint32 fileRow = height < 0 ? y : rows - 1 - y;
        const uchar* pixel = data + dataOffset + qint64{4} * width * fileRow;
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (qint32 x = 0; x < width; ++x, pixel += 4) {
            anyAlpha = anyAlpha || pixel[3] != 0;
            row[x] = (row[x] & 0xffffff) | (QRgb{pixel[3]} << 24);
        }
    }
    return anyAlpha ? result : image;
}
