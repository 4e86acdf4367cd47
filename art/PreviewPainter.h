#pragma once

#include <QImage>
#include <QString>
#include <map>

// The still picture of the preview mode: a whole frame as the saver shows it,
// composed from the finished pictures and scaled down to 153 x 115.
class PreviewPainter {
public:
    // pictures maps file names ("bg2.bmp", "flake-1.bmp", ...) to images.
    static QImage preview(const std::map<QString, QImage>& pictures);
};
