#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>
#include <vector>

// One drawing call of a frame as the control records it: a fill of the whole
// frame, or a picture (a surface or a rendered text) at a place. Two frames
// are compared op by op; an op is unchanged when it draws the same content at
// the same rectangle.
struct DrawOp {
    enum class Kind : uint8_t { Fill, Picture };

    Kind kind = Kind::Fill;
    QRect rect;            // where it draws, in frame pixels (may reach off the frame)
    uint64_t content = 0;  // fill colour, or the serial number of the picture's content
    QImage picture;        // shared with the surface or the text cache, never copied
    // The bands (see RowBands) outside which the picture's pixels are fully
    // transparent, relative to rect's top left: where it is moved, only they
    // change. Null for an op that paints its whole rectangle.
    std::shared_ptr<const std::vector<QRect>> bands;

    bool sameAs(const DrawOp& other) const {
        return kind == other.kind && content == other.content && rect == other.rect;
    }
};
