#pragma once

#include <QImage>
#include <QSize>

// A Format_RGB32 image in a System V shared memory segment, which the X
// server can attach and read where it lies: the saver's frame is scaled by
// the server straight from the memory it is composed in.
class SharedImage {
public:
    // An image of size in a segment of its own, whose id goes to segment;
    // where the system refuses one, a plain image and -1. The segment is
    // marked for removal when the image goes, or as soon as the X server has
    // attached it (see X11ShmPresenter), so that it goes with the last
    // process using it: an X server refuses to attach a segment already
    // marked.
    static QImage create(const QSize& size, int& segment);
};
