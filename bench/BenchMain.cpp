// glintfall-bench: measures the drawing control with a scene that makes the
// saver's calls.
//   glintfall-bench                 median composition time per frame
//   glintfall-bench --callgrind N   N frames, each in runBenchFrame, for
//                                   valgrind --toggle-collect=*runBenchFrame*
//   glintfall-bench --window S      the scene in a full-screen saver window
//                                   for S seconds, then the frame rate
// --interval MS sets the time between frame events of the window.
// --pictures DIR takes the saver's pictures from DIR; without it the
// benchmark draws stand-ins of the same kinds and sizes.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/BenchPictures.h"
#include "bench/SyntheticScene.h"
#include "platform/QtDrawControl.h"
#include "platform/SaverWindow.h"

namespace {

constexpr int kMeasuredFrames = 1000;

// Kept out of line so that callgrind can count exactly the frames.
[[gnu::noinline]] void runBenchFrame(SyntheticScene& scene) {
    scene.ComposeFrame();
}

struct FrameTimes {
    double median = 0;
    double mean = 0;
    double p99 = 0;  // the first frame renders every text and composes all
};

// Frames are composed back to back while the scene's clock advances by one
// frame interval per frame, so the scene moves as it would on screen.
FrameTimes frameTimes(const std::string& folder, bool fullRepaint) {
    int64_t now = 0;
    QtDrawControl control;
    control.setFrameInterval(0);
    control.setFullRepaint(fullRepaint);
    SyntheticScene scene(control, [&now] { return now; });
    if (!scene.load(folder)) {
        return {};
    }
    std::vector<double> times;
    times.reserve(kMeasuredFrames);
    QElapsedTimer timer;
    for (int frame = 0; frame < kMeasuredFrames; ++frame) {
        now += QtDrawControl::DefaultFrameIntervalMs;
        timer.start();
        scene.ComposeFrame();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    FrameTimes result;
    for (const double time : times) {
        result.mean += time / kMeasuredFrames;
    }
    std::sort(times.begin(), times.end());
    result.median = times[kMeasuredFrames / 2];
    result.p99 = times[kMeasuredFrames * 99 / 100];
    return result;
}

int measure(const std::string& folder) {
    for (const bool full : {false, true}) {
        const FrameTimes times = frameTimes(folder, full);
        std::printf(
            "%s: median %.3f ms, mean %.3f ms, 99th percentile %.3f ms per frame (%d frames)\n",
            full ? "whole frame composed" : "changes composed    ", times.median, times.mean,
            times.p99, kMeasuredFrames);
    }
    return 0;
}

int callgrind(const std::string& folder, int frames) {
    int64_t now = 0;
    QtDrawControl control;
    control.setFrameInterval(0);
    SyntheticScene scene(control, [&now] { return now; });
    if (!scene.load(folder)) {
        return 1;
    }
    for (int frame = 0; frame < frames; ++frame) {
        now += QtDrawControl::DefaultFrameIntervalMs;
        runBenchFrame(scene);
    }
    std::printf("frames: %d\n", frames);
    return 0;
}

int window(const std::string& folder, int seconds, int interval) {
    QElapsedTimer clock;
    clock.start();
    SaverWindow saverWindow;
    QtDrawControl control(&saverWindow);
    SyntheticScene scene(control, [&clock] { return clock.elapsed(); });
    control.setEventSink(&scene);
    control.setFrameInterval(interval);
    saverWindow.setEventSink(&scene);
    if (!scene.load(folder)) {
        return 1;
    }
    saverWindow.setCursorVisible(false);
    saverWindow.showSaver();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    const uint64_t start = control.frameEvents();
    clock.restart();
    QGuiApplication::exec();
    const double elapsed = static_cast<double>(clock.elapsed()) / 1000.0;
    std::printf("window %dx%d, frame events: %.1f per second\n", saverWindow.width(),
                saverWindow.height(), static_cast<double>(control.frameEvents() - start) / elapsed);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode;
    int count = 0;
    int interval = QtDrawControl::DefaultFrameIntervalMs;
    QString pictureFolder;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--pictures") == 0) {
            pictureFolder = QString::fromLocal8Bit(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--interval") == 0) {
            interval = std::atoi(argv[i + 1]);
        } else {
            mode = argv[i];
            count = std::atoi(argv[i + 1]);
        }
    }
    if (mode != "--window") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QTemporaryDir standIns;
    if (pictureFolder.isEmpty()) {
        if (!standIns.isValid() || !BenchPictures::write(standIns.path())) {
            std::fprintf(stderr, "cannot write the pictures\n");
            return 1;
        }
        pictureFolder = standIns.path();
    }
    const std::string folder = pictureFolder.toStdString() + "/";
    if (mode == "--window") {
        return window(folder, count, interval);
    }
    if (mode == "--callgrind") {
        return callgrind(folder, count);
    }
    return measure(folder);
}
