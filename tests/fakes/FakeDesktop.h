#pragma once

#include <functional>
#include <string>
#include <vector>

#include "music/VexoSnd.h"
#include "saver/MonitorPower.h"
#include "saver/SaverHost.h"
#include "scene/DisplayInfo.h"

// The desktop around the saver, recording what the saver asks of it. Every
// fake appends to one shared log when given one, so tests can check the order
// of calls across services.
class FakeHost : public SaverHost {
public:
    explicit FakeHost(std::vector<std::string>* log = nullptr) : log(log) {}

    void ShowCursor(bool show) override {
        cursorShown = show;
        Note(show ? "ShowCursor(true)" : "ShowCursor(false)");
    }
    void SetScreenSaverRunning(bool running) override {
        Note(running ? "ScreenSaverRunning(true)" : "ScreenSaverRunning(false)");
    }
    void ShowCriticalMessage(const std::string& prompt, const std::string& caption) override {
        messages.push_back({prompt, caption});
        Note("Message");
    }
    void EndProgram() override {
        ended = true;
        Note("EndProgram");
    }

    void Note(const std::string& what) {
        if (log) {
            log->push_back(what);
        }
    }

    std::vector<std::string>* log;
    bool cursorShown = true;
    bool ended = false;
    struct Message {
        std::string prompt;
        std::string caption;
    };
    std::vector<Message> messages;
};

class FakeDisplay : public DisplayInfo {
public:
    int32_t ColourDepth() override { return depth; }
    int32_t ScreenWidth() override { return width; }
    int32_t ScreenHeight() override { return height; }
    bool EnumDisplaySettings(int32_t index, DisplayMode& mode) override {
        if (index < 0 || index >= static_cast<int32_t>(modes.size())) {
            return false;
        }
        mode = modes[static_cast<size_t>(index)];
        return true;
    }

    int32_t depth = 32;
    int32_t width = 1920;
    int32_t height = 1080;
    std::vector<DisplayMode> modes{{1024, 768, 32}, {1920, 1080, 32}};
};

class FakeSound : public VexoSnd {
public:
    explicit FakeSound(std::vector<std::string>* log = nullptr) : log(log) {}

    void PlayFile(const std::string& path, int32_t, int32_t) override {
        played.push_back(path);
        playing = true;
        if (log) {
            log->push_back("PlayFile");
        }
    }
    void StopPlaying() override {
        playing = false;
        ++stops;
        if (log) {
            log->push_back("StopPlaying");
        }
    }
    bool IsPlaying() override { return playing; }

    std::vector<std::string>* log;
    std::vector<std::string> played;
    bool playing = false;
    int stops = 0;
};

class FakeMonitorPower : public MonitorPower {
public:
    void Hook(std::function<bool()> handler) override { this->handler = std::move(handler); }
    void HoldMonitorOn(bool hold) override { held = hold; }
    void Release() override {
        handler = nullptr;
        held = false;
        released = true;
    }

    // The monitor asks to power down; returns whether the saver let it.
    bool RequestPowerDown() { return handler ? handler() : true; }

    std::function<bool()> handler;
    bool held = false;
    bool released = false;
};
