#pragma once

#include <array>
#include <cstdint>

// Everything the scene remembers between frames. The saver form owns one; the
// drawing set-up fills the surfaces, the frame passes move the flakes and the
// greeting, the timers and keys change the background and the days count.
// Surface number 0 means that the picture is not loaded.
struct SceneState {
    static constexpr int FlakeSlots = 10;  // nine flakes, 0 to 8; slot 9 stays empty

    int32_t CalendarSurface = 0;
    int32_t GreetingSurface = 0;
    int32_t BorderLeftSurface = 0;
    int32_t BorderRightSurface = 0;
    int32_t BorderTopSurface = 0;
    int32_t BorderBottomSurface = 0;
    std::array<int32_t, 5> BackgroundSurface{};

    // Back layer (tiny flakes), mid layer (small flakes), front layer (big
    // flakes). Active flags are 16-bit Booleans, True = -1.
    std::array<int32_t, FlakeSlots> TinyFlakeSurface{};
    std::array<int16_t, FlakeSlots> TinyFlakeActive{};
    std::array<int16_t, FlakeSlots> TinyFlakeY{};
    std::array<int64_t, FlakeSlots> TinyFlakeLastMove{};
    std::array<int32_t, FlakeSlots> SmallFlakeSurface{};
    std::array<int16_t, FlakeSlots> SmallFlakeActive{};
    std::array<int16_t, FlakeSlots> SmallFlakeY{};
    std::array<int64_t, FlakeSlots> SmallFlakeLastMove{};
    std::array<int32_t, FlakeSlots> BigFlakeSurface{};
    std::array<int16_t, FlakeSlots> BigFlakeActive{};
    std::array<int16_t, FlakeSlots> BigFlakeY{};
    std::array<int64_t, FlakeSlots> BigFlakeLastMove{};

    int16_t GreetingX = 0;
    int16_t GreetingY = 0;
    int16_t GreetingDirX = 0;  // +1 right, -1 left
    int16_t GreetingDirY = 0;  // +1 up, -1 down
    int64_t GreetingLastMove = 0;

    int16_t BgChoice = 0;  // 1 to 5; 0 draws no background
    int32_t DaysLeft = 0;  // days until 25 December
};
