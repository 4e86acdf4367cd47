#include "bench/SyntheticScene.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace {

constexpr std::array<int32_t, 9> kBackLeft{80, 210, 280, 410, 550, 625, 780, 820, 975};
constexpr std::array<int32_t, 9> kMidLeft{25, 185, 320, 420, 510, 645, 760, 850, 955};
constexpr std::array<int32_t, 9> kFrontLeft{-15, 300, 575, 750, 955, 75, 325, 455, 775};
constexpr std::array<int32_t, 9> kFrontTop{40, 400, -5, 520, 175, 390, 100, 600, 275};
constexpr uint32_t kBlack = Rgb(0, 0, 0);
constexpr uint32_t kRed = Rgb(255, 0, 0);
constexpr uint32_t kBlue = Rgb(0, 0, 255);

}  // namespace

SyntheticScene::SyntheticScene(VexoDDrw& control, std::function<int64_t()> clock)
    : control_(control), clock_(std::move(clock)) {}

int32_t SyntheticScene::loadPicture(const std::string& path, int32_t keyMode, int32_t left,
                                    int32_t top) {
    const int32_t surface = control_.CreateSurface();
    control_.LoadSurfacePicture(surface, 1, path, keyMode);
    control_.SetSurfaceTop(surface, top);
    control_.SetSurfaceLeft(surface, left);
    return surface;
}

bool SyntheticScene::load(const std::string& folder) {
    if (!control_.OpenSession(1024, 768, 32, "")) {
        return false;
    }
    calendar_ = loadPicture(folder + "Calendar.bmp", VexoDDrw::KeyTransparent, 954, 5);
    greeting_ = loadPicture(folder + "xmas.bmp", VexoDDrw::KeyTransparent, 330, 240);
    for (std::size_t i = 0; i < 9; ++i) {
        const std::string number = std::to_string(i + 1) + ".bmp";
        back_[i].surface = loadPicture(folder + "tinyflake-" + number, VexoDDrw::KeyTransparent,
                                       kBackLeft[i], -50);
        mid_[i].surface =
            loadPicture(folder + "smflake-" + number, VexoDDrw::KeyTransparent, kMidLeft[i], -100);
        front_[i].surface = loadPicture(folder + "flake-" + number, VexoDDrw::KeyTransparent,
                                        kFrontLeft[i], kFrontTop[i]);
    }
    border_ = {loadPicture(folder + "BorderT.bmp", VexoDDrw::KeyOpaque, 0, 0),
               loadPicture(folder + "BorderB.bmp", VexoDDrw::KeyOpaque, 0, 739),
               loadPicture(folder + "BorderL.bmp", VexoDDrw::KeyTransparent, 0, 0),
               loadPicture(folder + "BorderR.bmp", VexoDDrw::KeyTransparent, 939, 0)};
    for (std::size_t i = 0; i < backgrounds_.size(); ++i) {
        backgrounds_[i] =
            loadPicture(folder + "bg" + std::to_string(i + 1) + ".bmp", VexoDDrw::KeyOpaque, 0, 0);
    }
    return true;
}

void SyntheticScene::text(const std::string& text, int32_t size, int32_t x, int32_t y,
                          uint32_t colour) {
    control_.SetTextFont("Arial", size, 30, false, false, false);
    control_.DrawText(text, x, y, colour);
}

void SyntheticScene::shadowedText(const std::string& text, int32_t size, int32_t x, int32_t y) {
    this->text(text, size, x + 1, y + 1, kBlack);
    this->text(text, size, x, y, kRed);
}

void SyntheticScene::ComposeFrame() {
    const int64_t now = clock_();
    control_.ClearFrame(kBlack);
    control_.DrawSurface(backgrounds_[static_cast<std::size_t>(now / 10000 % 5)]);
    shadowedText("Merry Christmas and a Happy New Year", 40, 54, 698);
    shadowedText("17 Days Until Christmas", 40, 340, 25);
    greetingPass();
    layerPass(back_, 22, true);
    layerPass(mid_, 17, true);
    for (const int32_t piece : border_) {
        control_.DrawSurface(piece);
    }
    control_.DrawSurface(calendar_);
    const int64_t seconds = now / 1000;
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", static_cast<int>(seconds / 3600 % 24),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    text("8", 46, 964, 36, kRed);
    text("Sunday", 12, 962, 30, kRed);
    text(clock, 14, 958, 17, kBlue);
    text("Dec", 16, 975, 4, kRed);
    layerPass(front_, 10, false);
    control_.PresentFrame();
}

void SyntheticScene::greetingPass() {
    if (clock_() - greetingLastMove_ >= 20) {
        const int32_t x = control_.GetSurfaceLeft(greeting_);
        const int32_t y = control_.GetSurfaceTop(greeting_);
        greetingDirX_ = x > 686 ? -1 : (x < 2 ? 1 : greetingDirX_);
        greetingDirY_ = y > 546 ? 1 : (y < 28 ? -1 : greetingDirY_);
        control_.MoveSurfaceRight(greeting_, greetingDirX_);
        control_.MoveSurfaceUp(greeting_, greetingDirY_);
        greetingLastMove_ = clock_();
    }
    control_.DrawSurface(greeting_);
}

void SyntheticScene::layerPass(Layer& layer, int64_t interval, bool reseed) {
    std::uniform_real_distribution<float> unit(0.0F, 1.0F);
    for (Flake& flake : layer) {
        if (clock_() - flake.lastMove >= interval) {
            control_.MoveSurfaceUp(flake.surface, -1);
            flake.lastMove = clock_();
        }
        control_.DrawSurface(flake.surface);
        if (control_.GetSurfaceTop(flake.surface) > 770) {
            if (reseed) {
                control_.SetSurfaceTop(flake.surface,
                                       static_cast<int32_t>(std::floor(unit(random_) * 71 - 150)));
                control_.SetSurfaceLeft(
                    flake.surface, static_cast<int32_t>(std::floor(unit(random_) * 1031 - 30)));
            } else {
                control_.SetSurfaceTop(flake.surface, -176);
            }
        }
    }
}

// The benchmark measures drawing only; input changes nothing.
void SyntheticScene::KeyDown(int16_t /*keyCode*/, int16_t /*shift*/) {}
void SyntheticScene::MouseMove(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
void SyntheticScene::MouseDown(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
