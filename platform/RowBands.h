#pragma once

#include <QImage>
#include <QRect>
#include <vector>

// Describes an irregular set of pixels, given row by row as one span of
// columns per row, by a few rectangles. Each rectangle (a band) groups
// consecutive rows and spans the union of their columns; rows are grouped as
// long as the pixels that the union adds beyond the rows' own spans stay
// below a small allowance. A rectangle more costs the compositor and the X
// server a call each, a pixel more costs little, so a handful of bands per
// sprite covers nearly as little as the spans themselves.
class RowBands {
public:
    // Columns added to a band beyond its rows' own spans, at most.
    static constexpr int WasteAllowance = 256;

    // Starts the description of rows beginning at frame (or picture) row top.
    explicit RowBands(int top) : nextRow_(top) {}

    // The next row's span, first to last column; an empty row when last < first.
    void addRow(int first, int last);
    // The bands of all rows added, top to bottom.
    std::vector<QRect> finish();

    // The bands of picture's pixels with alpha above zero, in picture
    // coordinates; a picture without alpha channel is one band, and a picture
    // without a visible pixel none.
    static std::vector<QRect> ofPicture(const QImage& picture);

private:
    // Ends the open band, if any, on row bottom.
    void close(int bottom);

    std::vector<QRect> bands_;
    int nextRow_;
    int bandTop_ = 0;
    int bandLeft_ = 0;
    int bandRight_ = -1;     // less than bandLeft_ while no band is open
    long long ownArea_ = 0;  // pixels of the open band's rows' own spans
};
