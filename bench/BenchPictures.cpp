#include "bench/BenchPictures.h"

#include <QImage>
#include <QPainter>

bool BenchPictures::keyed(const QString& path, int width, int height, QRgb ink, bool disc) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(ink));
    if (disc) {
        painter.drawEllipse(0, 0, width, height);
    } else {
        painter.drawRoundedRect(QRect(0, 0, width, height).adjusted(2, 2, -2, -2), 12, 12);
    }
    painter.end();
    return image.save(path, "BMP");
}

bool BenchPictures::write(const QString& folder) {
    bool ok = true;
    for (int i = 1; i <= 5; ++i) {
        QImage background(1024, 768, QImage::Format_RGB32);
        for (int y = 0; y < background.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(background.scanLine(y));
            for (int x = 0; x < background.width(); ++x) {
                row[x] = qRgb((x + 40 * i) & 0xff, (y / 3) & 0xff, (40 * i + x / 4) & 0xff);
            }
        }
        ok = background.save(QStringLiteral("%1/bg%2.bmp").arg(folder).arg(i), "BMP") && ok;
    }
    for (int i = 1; i <= 9; ++i) {
        ok = keyed(QStringLiteral("%1/tinyflake-%2.bmp").arg(folder).arg(i), 6 + i % 3, 6 + i % 3,
                   qRgb(230, 230, 255), true) &&
             ok;
        ok = keyed(QStringLiteral("%1/smflake-%2.bmp").arg(folder).arg(i), 12 + i % 4, 12 + i % 4,
                   qRgb(240, 240, 255), true) &&
             ok;
        ok = keyed(QStringLiteral("%1/flake-%2.bmp").arg(folder).arg(i), 22 + i % 5, 22 + i % 5,
                   qRgb(255, 255, 255), true) &&
             ok;
    }
    ok = keyed(folder + "/xmas.bmp", 336, 220, qRgb(200, 20, 30), false) && ok;
    ok = keyed(folder + "/Calendar.bmp", 65, 85, qRgb(250, 250, 240), false) && ok;
    ok = keyed(folder + "/BorderL.bmp", 85, 768, qRgb(20, 120, 40), false) && ok;
    ok = keyed(folder + "/BorderR.bmp", 85, 768, qRgb(20, 120, 40), false) && ok;
    QImage bar(1024, 29, QImage::Format_RGB32);
    bar.fill(QColor(20, 120, 40));
    ok = bar.save(folder + "/BorderT.bmp", "BMP") && ok;
    ok = bar.save(folder + "/BorderB.bmp", "BMP") && ok;
    return ok;
}
