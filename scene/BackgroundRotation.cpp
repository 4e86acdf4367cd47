#include "scene/BackgroundRotation.h"

namespace {

constexpr int16_t BackgroundCount = 5;

int16_t NextBackground(int16_t choice) {
    const auto next = static_cast<int16_t>(choice + 1);
    return next < 1 || next > BackgroundCount ? int16_t{1} : next;
}

}  // namespace

BackgroundRotation::BackgroundRotation(const SettingsRecord& settings, SceneState& scene)
    : settings_(settings), scene_(scene) {}

void BackgroundRotation::TimerBGTick() {
    // A hand-edited "Rotate" below one second asks for no automatic change;
    // not counting then keeps the count from running over.
    if (settings_.RotateSeconds < 1) {
        return;
    }
    ++bgTicks_;
    if (bgTicks_ != settings_.RotateSeconds) {
        return;
    }
    // The first checked background after the current one, in cyclic order.
    // Five steps visit every background once; a flag that is anything but 1
    // counts as unchecked, so a hand-edited store cannot keep the search
    // going for ever.
    int16_t candidate = scene_.BgChoice;
    for (int16_t step = 0; step < BackgroundCount; ++step) {
        candidate = NextBackground(candidate);
        if (settings_.BackgroundChecked[static_cast<size_t>(candidate - 1)] == 1) {
            scene_.BgChoice = candidate;
            break;
        }
    }
    // The count restarts on every change, and also when nothing is checked
    // at all, so it stays below "Rotate" and the next attempt comes after
    // another full period.
    bgTicks_ = 0;
}
