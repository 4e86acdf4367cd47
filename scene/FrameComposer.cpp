#include "scene/FrameComposer.h"

#include <array>

namespace {

constexpr uint32_t Black = Rgb(0, 0, 0);
constexpr uint32_t Red = Rgb(255, 0, 0);
constexpr uint32_t Blue = Rgb(0, 0, 255);

constexpr int32_t HeadlineSize = 40;
constexpr int32_t DaySize = 46;
constexpr int32_t WeekdaySize = 12;
constexpr int32_t ClockSize = 14;
constexpr int32_t MonthSize = 16;

struct Point {
    int32_t x;
    int32_t y;
};

// Where the calendar's texts go in each of the four corners.
struct CalendarLayout {
    Point day;
    Point weekday;
    Point clock;
    Point month;
};

constexpr std::array<CalendarLayout, 4> CalendarLayouts{{
    {{14, 36}, {10, 30}, {9, 18}, {27, 6}},           // top left
    {{14, 710}, {12, 702}, {9, 690}, {27, 677}},      // bottom left
    {{964, 36}, {962, 30}, {958, 17}, {975, 4}},      // top right
    {{964, 710}, {962, 702}, {958, 690}, {975, 677}}  // bottom right
}};

bool On(int16_t setting) {
    return setting == 1;
}

}  // namespace

FrameComposer::FrameComposer(VexoDDrw& draw, TickClock& ticks, DateTimeSource& dates,
                             RandomSource& random, const SettingsRecord& settings,
                             SceneState& scene)
    : draw_(draw),
      dates_(dates),
      settings_(settings),
      scene_(scene),
      motion_(draw, ticks, random, scene) {}

void FrameComposer::ComposeFrame() {
    draw_.ClearFrame(Black);

    if (scene_.BgChoice >= 1 && scene_.BgChoice <= 5) {
        draw_.DrawSurface(scene_.BackgroundSurface[static_cast<size_t>(scene_.BgChoice - 1)]);
    }

    if (On(settings_.ShowMessage)) {
        DrawShadowedText(settings_.MessageText, 54, 698);
    }

    if (On(settings_.ShowCountDown)) {
        if (scene_.DaysLeft == 0) {
            DrawShadowedText("It's Christmas", 400, 25);
        } else {
            DrawShadowedText(std::to_string(scene_.DaysLeft) + " Days Until Christmas", 340, 25);
        }
    }

    if (On(settings_.ShowGreeting)) {
        motion_.GreetingPass(On(settings_.MoveGreeting));
    }

    // Layers: index 0 is the front, 1 the mid, 2 the back layer.
    if (On(settings_.LayerOn[2])) {
        motion_.BackLayerPass();
    }
    if (On(settings_.LayerOn[1])) {
        motion_.MidLayerPass();
    }

    if (On(settings_.ShowBorder)) {
        draw_.DrawSurface(scene_.BorderTopSurface);
        draw_.DrawSurface(scene_.BorderBottomSurface);
        draw_.DrawSurface(scene_.BorderLeftSurface);
        draw_.DrawSurface(scene_.BorderRightSurface);
    }

    if (On(settings_.ShowCalendar)) {
        DrawCalendar();
    }

    // The front flakes fall over the border and the calendar.
    if (On(settings_.LayerOn[0])) {
        motion_.FrontLayerPass();
    }

    draw_.PresentFrame();
}

void FrameComposer::DrawShadowedText(const std::string& text, int32_t x, int32_t y) {
    DrawText(text, HeadlineSize, x + 1, y + 1, Black);
    DrawText(text, HeadlineSize, x, y, Red);
}

void FrameComposer::DrawCalendar() {
    draw_.DrawSurface(scene_.CalendarSurface);

    const std::string weekday = dates_.WeekdayName(dates_.Now());
    const std::string day = std::to_string(dates_.Now().day);
    const std::string month = dates_.MonthAbbreviation(dates_.Now());

    // Any other corner number leaves the picture without texts.
    const int16_t corner = settings_.CalendarPosition;
    if (corner < 0 || corner >= static_cast<int16_t>(CalendarLayouts.size())) {
        return;
    }
    const CalendarLayout& at = CalendarLayouts[static_cast<size_t>(corner)];
    DrawText(day, DaySize, at.day.x, at.day.y, Red);
    DrawText(weekday, WeekdaySize, at.weekday.x, at.weekday.y, Red);
    DrawText(dates_.TimeText(dates_.Now()), ClockSize, at.clock.x, at.clock.y, Blue);
    DrawText(month, MonthSize, at.month.x, at.month.y, Red);
}

void FrameComposer::DrawText(const std::string& text, int32_t size, int32_t x, int32_t y,
                             uint32_t colour) {
    // Each text selects its own font, so no text depends on what the one
    // drawn before it left selected.
    draw_.SetTextFont("Arial", size, 30, false, false, false);
    draw_.DrawText(text, x, y, colour);
}
