#include "platform/TextCache.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <tuple>

bool TextCache::Key::operator<(const Key& other) const {
    return std::tie(text, family, pixelSize, weight, flags, colour) <
           std::tie(other.text, other.family, other.pixelSize, other.weight, other.flags,
                    other.colour);
}

bool TextCache::Key::describes(const std::string& text_, const QFont& font, QRgb colour_) const {
    return colour == colour_ && pixelSize == font.pixelSize() && weight == font.weight() &&
           flags == flagsOf(font) && text == text_ && family == font.family();
}

int TextCache::flagsOf(const QFont& font) {
    return (font.italic() ? 1 : 0) | (font.underline() ? 2 : 0) | (font.strikeOut() ? 4 : 0);
}

const TextCache::Entry& TextCache::lookup(const std::string& text, const QFont& font, QRgb colour) {
    const std::size_t position = order_.size();
    Entries::iterator found = entries_.end();
    if (position < previousOrder_.size() &&
        previousOrder_[position]->first.describes(text, font, colour)) {
        found = previousOrder_[position];
    } else {
        Key key{text, font.family(), font.pixelSize(), font.weight(), flagsOf(font), colour};
        found = entries_.find(key);
        if (found == entries_.end()) {
            found =
                entries_.emplace(std::move(key), render(QString::fromStdString(text), font, colour))
                    .first;
        }
    }
    found->second.used = true;
    order_.push_back(found);
    return found->second;
}

void TextCache::endFrame() {
    // Only texts used in this frame stay, so every remembered position stays
    // valid.
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->second.used) {
            it->second.used = false;
            ++it;
        } else {
            it = entries_.erase(it);
        }
    }
    std::swap(previousOrder_, order_);
    order_.clear();
}

void TextCache::clear() {
    entries_.clear();
    previousOrder_.clear();
    order_.clear();
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
