#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "scene/VexoDDrw.h"
#include "scene/VexoDDrwEvents.h"

// A stand-in for the saver's frame composition that makes the same calls per
// frame with every element switched on: a background that changes every ten
// seconds, the message and the countdown as shadowed texts, the bouncing
// greeting, three layers of nine flakes stepping at their own pace, the
// border, and the calendar with a clock that changes every second.
class SyntheticScene : public VexoDDrwEvents {
public:
    // clock gives milliseconds; the scene paces its motion by it.
    SyntheticScene(VexoDDrw& control, std::function<int64_t()> clock);

    // Opens the session and loads the pictures from folder (with a trailing
    // slash), placing them as the saver does.
    bool load(const std::string& folder);

    void ComposeFrame() override;
    void KeyDown(int16_t keyCode, int16_t shift) override;
    void MouseMove(int16_t button, int16_t shift, float x, float y) override;
    void MouseDown(int16_t button, int16_t shift, float x, float y) override;

private:
    struct Flake {
        int32_t surface = 0;
        int64_t lastMove = 0;
    };
    using Layer = std::array<Flake, 9>;

    int32_t loadPicture(const std::string& path, int32_t keyMode, int32_t left, int32_t top);
    void shadowedText(const std::string& text, int32_t size, int32_t x, int32_t y);
    void text(const std::string& text, int32_t size, int32_t x, int32_t y, uint32_t colour);
    void layerPass(Layer& layer, int64_t interval, bool reseed);
    void greetingPass();

    VexoDDrw& control_;
    std::function<int64_t()> clock_;
    std::mt19937 random_{20241225};
    std::array<int32_t, 5> backgrounds_{};
    int32_t greeting_ = 0;
    int32_t greetingDirX_ = 1;
    int32_t greetingDirY_ = 1;
    int64_t greetingLastMove_ = 0;
    int32_t calendar_ = 0;
    std::array<int32_t, 4> border_{};
    Layer back_{};
    Layer mid_{};
    Layer front_{};
};
