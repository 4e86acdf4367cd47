#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

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

    const Entry& lookup(const std::string& text, const QFont& font, QRgb colour);
    void endFrame();
    void clear();
    std::size_t size() const { return entries_.size(); }

private:
    // What decides a text's picture. Font keys (QFont::key) would do too, but
    // building one costs more than the whole lookup may.
    struct Key {
        std::string text;
        QString family;
        int pixelSize = 0;
        int weight = 0;
        int flags = 0;  // italic, underline, strike-out
        QRgb colour = 0;

        bool operator<(const Key& other) const;
        bool describes(const std::string& text, const QFont& font, QRgb colour) const;
    };
    using Entries = std::map<Key, Entry>;

    static int flagsOf(const QFont& font);
    Entry render(const QString& text, const QFont& font, QRgb colour);

    Entries entries_;
    // A frame draws the texts of the frame before, in the same order, all but
    // rarely: the n-th lookup first tries the n-th of the previous frame,
    // which spares building a key and searching for it.
    std::vector<Entries::iterator> previousOrder_;
    std::vector<Entries::iterator> order_;
    uint64_t nextSerial_;
};
