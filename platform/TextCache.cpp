#include "platform/TextCache.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>

const TextCache::Entry& TextCache::lookup(const QString& text, const QFont& font, QRgb colour) {
    Key key{text, font.key(), colour};
    auto found = entries_.find(key);
    if (found == entries_.end()) {
        found = entries_.emplace(std::move(key), render(text, font, colour)).first;
    }
    found->second.used = true;
    return found->second;
}

void TextCache::endFrame() {
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->second.used) {
            it->second.used = false;
            ++it;
        } else {
            it = entries_.erase(it);
        }
    }
}

TextCache::Entry TextCache::render(const QString& text, const QFont& font, QRgb colour) {
    Entry entry;
    entry.serial = nextSerial_++;
    if (text.isEmpty()) {
        return entry;
    }
    // Glyphs may reach beyond the advance (italics, overhangs) and above the
    // ascent (accents): render with room on every side, then crop to the ink.
    const QFontMetrics metrics(font);
    const int pad = metrics.height();
    QImage canvas(metrics.horizontalAdvance(text) + 2 * pad, metrics.height() + 2 * pad,
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.setPen(QColor(colour));
        painter.drawText(pad, pad + metrics.ascent(), text);
    }

    int left = canvas.width();
    int right = -1;
    int top = canvas.height();
    int bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(row[x]) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
        }
    }
    if (right < 0) {
        return entry;  // only blanks
    }
    entry.picture = canvas.copy(left, top, right - left + 1, bottom - top + 1);
    entry.offset = QPoint(left - pad, top - pad);
    return entry;
}
