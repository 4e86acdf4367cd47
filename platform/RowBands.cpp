#include "platform/RowBands.h"

#include <algorithm>

void RowBands::addRow(int first, int last) {
    const int row = nextRow_++;
    if (last < first) {
        // Empty rows end a band: nothing there needs covering, and a band
        // spanning them would add whole rows of waste.
        close(row - 1);
        return;
    }
    if (bandRight_ >= bandLeft_) {
        const int left = std::min(bandLeft_, first);
        const int right = std::max(bandRight_, last);
        const long long area = static_cast<long long>(right - left + 1) * (row - bandTop_ + 1);
        const long long own = ownArea_ + (last - first + 1);
        if (area - own <= WasteAllowance) {
            bandLeft_ = left;
            bandRight_ = right;
            ownArea_ = own;
            return;
        }
        close(row - 1);
    }
    bandTop_ = row;
    bandLeft_ = first;
    bandRight_ = last;
    ownArea_ = last - first + 1;
}

void RowBands::close(int bottom) {
    if (bandRight_ >= bandLeft_) {
        bands_.emplace_back(QPoint(bandLeft_, bandTop_), QPoint(bandRight_, bottom));
    }
    bandRight_ = bandLeft_ - 1;
}

std::vector<QRect> RowBands::finish() {
    close(nextRow_ - 1);
    return std::move(bands_);
}

std::vector<QRect> RowBands::ofPicture(const QImage& picture) {
    if (picture.isNull()) {
        return {};
    }
    if (!picture.hasAlphaChannel() || picture.depth() != 32) {
        return {picture.rect()};
    }
    RowBands bands(0);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        int first = 0;
        while (first < picture.width() && qAlpha(row[first]) == 0) {
            ++first;
        }
        int last = picture.width() - 1;
        while (last > first && qAlpha(row[last]) == 0) {
            --last;
        }
        bands.addRow(first, first < picture.width() ? last : first - 1);
    }
    return bands.finish();
}
