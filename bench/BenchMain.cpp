// glintfall-bench: measures the drawing control with a scene that makes the
// saver's calls.
//   glintfall-bench                 median composition time per frame
//   glintfall-bench --callgrind N   N frames, each in runBenchFrame, for
//                                   valgrind --toggle-collect=*runBenchFrame*
//   glintfall-bench --window S      the scene in a full-screen saver window
//                                   for S seconds, then the frame rate
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

// Frames are composed back to back while the scene's clock advances by one
// frame interval per frame, so the scene moves as it would on screen.
double medianFrameMs(const std::string& folder, bool fullRepaint) {
    int64_t now = 0;
    QtDrawControl control;
    control.setFrameInterval(0);
    control.setFullRepaint(fullRepaint);
    SyntheticScene scene(control, [&now] { return now; });
    if (!scene.load(folder)) {
        return -1;
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
    std::nth_element(times.begin(), times.begin() + kMeasuredFrames / 2, times.end());
    return times[kMeasuredFrames / 2];
}

int measure(const std::string& folder) {
    std::printf(
        "composition median per frame: %.3f ms incremental, %.3f ms whole frame (%d frames)\n",
        medianFrameMs(folder, false), medianFrameMs(folder, true), kMeasuredFrames);
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

int window(const std::string& folder, int seconds) {
    QElapsedTimer clock;
    clock.start();
    SaverWindow saverWindow;
    QtDrawControl control(&saverWindow);
    SyntheticScene scene(control, [&clock] { return clock.elapsed(); });
    control.setEventSink(&scene);
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
    const bool windowMode = argc >= 3 && std::strcmp(argv[1], "--window") == 0;
    if (!windowMode) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QTemporaryDir pictures;
    if (!pictures.isValid() || !BenchPictures::write(pictures.path())) {
        std::fprintf(stderr, "cannot write the pictures\n");
        return 1;
    }
    const std::string folder = pictures.path().toStdString() + "/";
    if (windowMode) {
        return window(folder, std::atoi(argv[2]));
    }
    if (argc >= 3 && std::strcmp(argv[1], "--callgrind") == 0) {
        return callgrind(folder, std::atoi(argv[2]));
    }
    return measure(folder);
}
