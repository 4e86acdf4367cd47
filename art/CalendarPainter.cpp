#include "art/CalendarPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "art/Ornaments.h"

namespace {

constexpr double kWidth = 65;
constexpr double kHeight = 85;
// The red binding strip along the top edge.
constexpr double kBinding = 3;
// The bottom of the pale month band; the paper starts below it.
constexpr double kMonthBand = 15;

}  // namespace

QImage CalendarPainter::pad() {
    QImage image(static_cast<int>(kWidth), static_cast<int>(kHeight),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath sheet;
    sheet.addRoundedRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1), 5, 5);
    QLinearGradient paper(0, kMonthBand, 0, kHeight);
    paper.setColorAt(0.0, QColor(255, 255, 253));
    paper.setColorAt(1.0, QColor(238, 234, 226));
    painter.setPen(Qt::NoPen);
    painter.setBrush(paper);
    painter.drawPath(sheet);

    painter.save();
    painter.setClipPath(sheet);
    // The month band: a light rose, so the red month name stays readable.
    QLinearGradient rose(0, kBinding, 0, kMonthBand);
    rose.setColorAt(0.0, QColor(255, 236, 236));
    rose.setColorAt(1.0, QColor(255, 218, 218));
    painter.fillRect(QRectF(0, kBinding, kWidth, kMonthBand - kBinding), rose);
    QLinearGradient binding(0, 0, 0, kBinding);
    binding.setColorAt(0.0, QColor(236, 60, 60));
    binding.setColorAt(1.0, QColor(170, 10, 24));
    painter.fillRect(QRectF(0, 0, kWidth, kBinding), binding);
    // The band fades into the paper instead of ending in a rule, since the
    // clock is written right below the month.
    QLinearGradient fade(0, kMonthBand, 0, kMonthBand + 3);
    fade.setColorAt(0.0, QColor(255, 218, 218));
    fade.setColorAt(1.0, QColor(255, 218, 218, 0));
    painter.fillRect(QRectF(0, kMonthBand, kWidth, 3), fade);
    painter.fillRect(QRectF(0, kBinding, kWidth, 0.8), QColor(240, 200, 90));
    // Faint torn-off stubs under the binding, and a shadow along the bottom.
    painter.fillRect(QRectF(0, kHeight - 4, kWidth, 4), QColor(190, 180, 170, 90));
    painter.restore();

    // A sprig of holly in the free corner of the month band.
    Ornaments(painter).hollySprig(QPointF(11, 11), 8.5, -10, false);

    painter.setPen(QPen(QColor(140, 120, 110), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(sheet);

    // The bottom-right corner curls up a little.
    QPainterPath curl(QPointF(kWidth - 11, kHeight - 0.5));
    curl.quadTo(QPointF(kWidth - 9, kHeight - 9), QPointF(kWidth - 0.5, kHeight - 11));
    curl.lineTo(kWidth - 0.5, kHeight - 0.5);
    curl.closeSubpath();
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawPath(curl);
    painter.restore();
    QPainterPath fold(QPointF(kWidth - 11, kHeight - 0.5));
    fold.quadTo(QPointF(kWidth - 9, kHeight - 9), QPointF(kWidth - 0.5, kHeight - 11));
    fold.quadTo(QPointF(kWidth - 8, kHeight - 6), QPointF(kWidth - 11, kHeight - 0.5));
    QLinearGradient back(kWidth - 11, kHeight - 11, kWidth, kHeight);
    back.setColorAt(0.0, QColor(250, 246, 236));
    back.setColorAt(1.0, QColor(205, 196, 182));
    painter.setBrush(back);
    painter.setPen(QPen(QColor(170, 160, 150), 0.6));
    painter.drawPath(fold);

    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
