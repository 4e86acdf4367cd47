#include "scene/DrawingSession.h"

#include <array>
#include <optional>
#include <vector>

namespace {

constexpr int32_t SessionWidth = 1024;
constexpr int32_t SessionHeight = 768;
constexpr int32_t FallbackDepth = 24;
constexpr const char* Caption = "Error opening Direct Draw!";
constexpr const char* CrLf = "\r\n";

constexpr int32_t FlakesPerLayer = 9;
constexpr std::array<int32_t, FlakesPerLayer> TinyFlakeLeft{80,  210, 280, 410, 550,
                                                            625, 780, 820, 975};
constexpr int32_t TinyFlakeTop = -50;
constexpr std::array<int32_t, FlakesPerLayer> SmallFlakeLeft{25,  185, 320, 420, 510,
                                                             645, 760, 850, 955};
constexpr int32_t SmallFlakeTop = -100;
constexpr std::array<int32_t, FlakesPerLayer> BigFlakeLeft{-15, 300, 575, 750, 955,
                                                           75,  325, 455, 775};
constexpr std::array<int32_t, FlakesPerLayer> BigFlakeTop{40,  400, -5,  520, 175,
                                                          390, 100, 600, 275};

struct Corner {
    int32_t left;
    int32_t top;
};
constexpr std::array<Corner, 4> CalendarCorners{{{5, 5}, {5, 678}, {954, 5}, {954, 678}}};

// Background n (1 to 5) is the picture of slot n - 1; the gradient comes last
// in the rotation although its file is the first.
constexpr std::array<const char*, 5> BackgroundFiles{"bg2.bmp", "bg3.bmp", "bg4.bmp", "bg5.bmp",
                                                     "bg1.bmp"};

bool On(int16_t setting) {
    return setting == 1;
}

std::string KnownDepthMessage(const std::string& bits) {
    return "The screensaver stated you were using " + bits + "-bit color" + CrLf + CrLf +
           "However when it attempted to activate, you do not seem to be using " + bits +
           "-bit color" + CrLf + CrLf +
           "We have added a button SET COLOR HERE in the configuration area of the "
           "screensavers control box" +
           CrLf + "Please go to that now and change your color setting";
}

std::string OtherDepthMessage() {
    return std::string("Your color setting is neither 16-bit, 24-bit or 32-bit which is required") +
           CrLf + CrLf + "We STRONGLY suggest using the highest available color setting" + CrLf +
           "This screensaver will not run unless you do use a higher setting" + CrLf +
           "Please look in our help file or website if you do not know how to change this "
           "setting" +
           CrLf + CrLf +
           "We have added a button SET COLOR HERE in the configuration area in the "
           "screensavers control box";
}

std::string ModeText(const DisplayMode& mode) {
    return std::to_string(mode.width) + "x" + std::to_string(mode.height) + "x" +
           std::to_string(mode.bitsPerPixel);
}

}  // namespace

DrawingSession::DrawingSession(VexoDDrw& draw, DisplayInfo& display, SaverHost& host)
    : draw_(draw), display_(display), host_(host) {}

bool DrawingSession::OpenDirectDrawSession(const SettingsRecord& settings, SceneState& scene,
                                           const std::string& installPath) {
    const std::string colourText = CurrentModeColourText();
    if (colourText == "32" || colourText == "24" || colourText == "16") {
        if (!draw_.OpenSession(SessionWidth, SessionHeight, std::stoi(colourText), "")) {
            host_.ShowCriticalMessage(KnownDepthMessage(colourText), Caption);
            host_.EndProgram();
            return false;
        }
    } else if (!draw_.OpenSession(SessionWidth, SessionHeight, FallbackDepth, "")) {
        // The user is told, but the saver goes on: the control may still
        // manage to show something at this depth.
        host_.ShowCriticalMessage(OtherDepthMessage(), Caption);
    }
    LoadPictures(settings, scene, installPath);
    return true;
}

std::string DrawingSession::CurrentModeColourText() {
    const int32_t depth = display_.ColourDepth();
    const int32_t screenWidth = display_.ScreenWidth();
    const int32_t screenHeight = display_.ScreenHeight();

    // The display's modes as a list of "WxHxB" entries with at most one
    // selected: the last entry that matches the current mode, as a display
    // lists its current mode once per refresh rate.
    std::vector<std::string> list1;
    std::optional<size_t> selected;
    int32_t modeIndex = 0;
    DisplayMode mode;
    while (display_.EnumDisplaySettings(modeIndex, mode)) {
        list1.push_back(ModeText(mode));
        if (mode.bitsPerPixel == depth && mode.width == screenWidth &&
            mode.height == screenHeight) {
            selected = list1.size() - 1;
        }
        ++modeIndex;
    }

    if (!selected) {
        return "";
    }
    const std::string& entry = list1[*selected];
    return entry.substr(entry.size() - 2);
}

void DrawingSession::LoadPictures(const SettingsRecord& settings, SceneState& scene,
                                  const std::string& installPath) {
    const auto load = [&](const std::string& file, int32_t keyMode) {
        const int32_t surface = draw_.CreateSurface();
        draw_.LoadSurfacePicture(surface, 1, installPath + file, keyMode);
        return surface;
    };
    const auto place = [&](int32_t surface, int32_t left, int32_t top) {
        draw_.SetSurfaceTop(surface, top);
        draw_.SetSurfaceLeft(surface, left);
    };

    if (On(settings.ShowCalendar)) {
        scene.CalendarSurface = load("Calendar.bmp", VexoDDrw::KeyTransparent);
        // Any other corner number leaves the calendar wherever the control
        // puts a new surface.
        const int16_t corner = settings.CalendarPosition;
        if (corner >= 0 && corner < static_cast<int16_t>(CalendarCorners.size())) {
            const Corner& at = CalendarCorners[static_cast<size_t>(corner)];
            place(scene.CalendarSurface, at.left, at.top);
        }
    }

    if (On(settings.ShowGreeting)) {
        const int32_t greeting = load("xmas.bmp", VexoDDrw::KeyTransparent);
        scene.GreetingSurface = greeting;
        draw_.SetSurfaceOptionA(greeting, 1);
        draw_.SetSurfaceOptionB(greeting, 120);
        draw_.SetSurfaceLeft(greeting, 330);
        draw_.SetSurfaceTop(greeting, 240);
    }

    // Layers: index 0 is the front, 1 the mid, 2 the back layer.
    if (On(settings.LayerOn[2])) {
        for (size_t i = 0; i < FlakesPerLayer; ++i) {
            const std::string file = "tinyflake-" + std::to_string(i + 1) + ".bmp";
            scene.TinyFlakeSurface[i] = load(file, VexoDDrw::KeyTransparent);
            place(scene.TinyFlakeSurface[i], TinyFlakeLeft[i], TinyFlakeTop);
        }
    }
    if (On(settings.LayerOn[1])) {
        for (size_t i = 0; i < FlakesPerLayer; ++i) {
            const std::string file = "smflake-" + std::to_string(i + 1) + ".bmp";
            scene.SmallFlakeSurface[i] = load(file, VexoDDrw::KeyTransparent);
            place(scene.SmallFlakeSurface[i], SmallFlakeLeft[i], SmallFlakeTop);
        }
    }
    if (On(settings.LayerOn[0])) {
        for (size_t i = 0; i < FlakesPerLayer; ++i) {
            const std::string file = "flake-" + std::to_string(i + 1) + ".bmp";
            scene.BigFlakeSurface[i] = load(file, VexoDDrw::KeyTransparent);
            place(scene.BigFlakeSurface[i], BigFlakeLeft[i], BigFlakeTop[i]);
        }
    }

    if (On(settings.ShowBorder)) {
        scene.BorderLeftSurface = load("BorderL.bmp", VexoDDrw::KeyTransparent);
        place(scene.BorderLeftSurface, 0, 0);
        scene.BorderRightSurface = load("BorderR.bmp", VexoDDrw::KeyTransparent);
        place(scene.BorderRightSurface, 939, 0);
        scene.BorderTopSurface = load("BorderT.bmp", VexoDDrw::KeyOpaque);
        place(scene.BorderTopSurface, 0, 0);
        scene.BorderBottomSurface = load("BorderB.bmp", VexoDDrw::KeyOpaque);
        place(scene.BorderBottomSurface, 0, 739);
    }

    for (size_t slot = 0; slot < BackgroundFiles.size(); ++slot) {
        scene.BackgroundSurface[slot] = load(BackgroundFiles[slot], VexoDDrw::KeyOpaque);
        place(scene.BackgroundSurface[slot], 0, 0);
    }
}
