#pragma once

#include <QElapsedTimer>
#include <QRect>
#include <cstdint>
#include <string>
#include <vector>

// What a running session's frames amounted to, for measuring the saver's
// cost: frame events, presents that reached the window, and the pace of the
// surface that moved down the most (the front snow layer must keep 100
// pixels a second). The drawing control reports it on stderr when its
// session closes if the environment variable GLINTFALL_FRAME_STATS is set.
class FrameStats {
public:
    void start();
    void frameEvent() { ++frameEvents_; }
    // A present of the frame's changed rectangles, which took composeNs
    // nanoseconds to compose.
    void present(const std::vector<QRect>& rects, int64_t composeNs);
    void movedDown(int32_t surface, int32_t pixels);
    // One line of rates per second since start.
    std::string report() const;

private:
    QElapsedTimer clock_;
    uint64_t frameEvents_ = 0;
    uint64_t presents_ = 0;
    uint64_t rects_ = 0;
    uint64_t pixels_ = 0;
    int64_t composeNs_ = 0;
    std::vector<uint64_t> pixelsDown_;  // by surface number - 1
};
