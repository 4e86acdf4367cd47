#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <map>
#include <tuple>

// Texts rendered once into premultiplied pictures and drawn as such: blending
// a small picture costs a fraction of laying out and rasterising the glyphs
// again in every frame. A text keeps its picture while frames keep drawing it
// and is dropped after the first frame that does not.
class TextCache {
public:
    struct Entry {
        QImage picture;  // cropped to the inked pixels; null for a text without ink
        QPoint offset;   // of the picture from the text's anchor (the top left of its box)
        uint64_t serial = 0;
        bool used = false;
    };

    // firstSerial starts the numbering of the pictures' content, so that it
    // cannot be confused with other serial numbers of the caller.
    explicit TextCache(uint64_t firstSerial) : nextSerial_(firstSerial) {}

    const Entry& lookup(const QString& text, const QFont& font, QRgb colour);
    void endFrame();
    void clear() { entries_.clear(); }
    std::size_t size() const { return entries_.size(); }

private:
    using Key = std::tuple<QString, QString, QRgb>;  // text, font key, colour

    Entry render(const QString& text, const QFont& font, QRgb colour);

    std::map<Key, Entry> entries_;
    uint64_t nextSerial_;
};
