#include "scene/DrawingSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SceneRig.h"

namespace {

using Calls = std::vector<std::string>;

const std::string Caption = "Error opening Direct Draw!";

const std::string Message16 =
    "The screensaver stated you were using 16-bit color\r\n\r\n"
    "However when it attempted to activate, you do not seem to be using 16-bit color\r\n\r\n"
    "We have added a button SET COLOR HERE in the configuration area of the screensavers "
    "control box\r\n"
    "Please go to that now and change your color setting";

const std::string OtherDepthMessage =
    "Your color setting is neither 16-bit, 24-bit or 32-bit which is required\r\n\r\n"
    "We STRONGLY suggest using the highest available color setting\r\n"
    "This screensaver will not run unless you do use a higher setting\r\n"
    "Please look in our help file or website if you do not know how to change this "
    "setting\r\n\r\n"
    "We have added a button SET COLOR HERE in the configuration area in the screensavers "
    "control box";

// The session is opened with the rig's own display and settings; returns the
// OpenSession call made.
std::string OpenedWith(SceneRig& rig) {
    rig.session.OpenDirectDrawSession(rig.settings, rig.scene, SceneRig::InstallPath);
    return rig.draw.calls.empty() ? "" : rig.draw.calls.front();
}

// The files loaded, in order, without the install folder.
std::vector<std::string> LoadedFiles(const RecordingDrawControl& draw) {
    std::vector<std::string> files;
    const std::string prefix = "LoadSurfacePicture(";
    for (const std::string& call : draw.calls) {
        if (call.starts_with(prefix)) {
            const size_t start = call.find(SceneRig::InstallPath) + 15;
            files.push_back(call.substr(start, call.rfind(',') - start));
        }
    }
    return files;
}

TEST(DrawingSessionTest, TheCurrentModeChoosesTheSessionDepth) {
    struct Case {
        const char* what;
        int32_t depth, width, height;
        std::vector<DisplayMode> modes;
        int32_t sessionBits;
    };
    const std::vector<Case> cases{
        {"large screen at 32 bits",
         32,
         1280,
         1024,
         {{640, 480, 32}, {1280, 1024, 16}, {1280, 1024, 32}, {1600, 1200, 32}},
         32},
        {"one entry per refresh rate",
         16,
         1024,
         768,
         {{1024, 768, 16}, {1024, 768, 32}, {1024, 768, 16}, {1024, 768, 16}},
         16},
        {"24 bits", 24, 800, 600, {{800, 600, 24}}, 24},
        {"no matching mode", 32, 1366, 768, {{1024, 768, 32}, {1920, 1080, 32}}, 24},
        {"no modes at all", 32, 1024, 768, {}, 24},
        {"8 bits", 8, 1024, 768, {{1024, 768, 8}, {1024, 768, 32}}, 24},
        {"15 bits", 15, 1024, 768, {{1024, 768, 15}}, 24},
    };
    for (const Case& c : cases) {
        SceneRig rig;
        rig.display.depth = c.depth;
        rig.display.width = c.width;
        rig.display.height = c.height;
        rig.display.modes = c.modes;
        EXPECT_EQ(OpenedWith(rig), "OpenSession(1024,768," + std::to_string(c.sessionBits) + ",)")
            << c.what;
        EXPECT_TRUE(rig.host.messages.empty()) << c.what;
        EXPECT_EQ(rig.draw.SurfaceOf("bg1.bmp"), 38) << c.what;
    }
}

TEST(DrawingSessionTest, AKnownDepthThatFailsTellsTheUserAndEndsBeforeLoading) {
    for (int32_t depth : {32, 24, 16}) {
        SceneRig rig;
        std::vector<std::string> log;
        rig.draw.log = &log;
        rig.host.log = &log;
        rig.draw.openResult = false;
        rig.display.depth = depth;
        rig.display.modes = {{1920, 1080, depth}};

        EXPECT_FALSE(
            rig.session.OpenDirectDrawSession(rig.settings, rig.scene, SceneRig::InstallPath));
        const std::string bits = std::to_string(depth);
        EXPECT_EQ(log, (Calls{"OpenSession(1024,768," + bits + ",)", "Message", "EndProgram"}));
        ASSERT_EQ(rig.host.messages.size(), 1u);
        EXPECT_EQ(rig.host.messages[0].caption, Caption);
        const std::string& prompt = rig.host.messages[0].prompt;
        EXPECT_TRUE(prompt.starts_with("The screensaver stated you were using " + bits +
                                       "-bit color\r\n\r\n"))
            << prompt;
        EXPECT_NE(prompt.find("using " + bits + "-bit color\r\n\r\nWe have"), std::string::npos);
        EXPECT_EQ(rig.scene.GreetingSurface, 0);
        EXPECT_EQ(rig.scene.BackgroundSurface[0], 0);
    }
}

TEST(DrawingSessionTest, MessageTextsAreExact) {
    SceneRig known;
    known.draw.openResult = false;
    known.display.depth = 16;
    known.display.modes = {{1920, 1080, 16}};
    OpenedWith(known);
    ASSERT_EQ(known.host.messages.size(), 1u);
    EXPECT_EQ(known.host.messages[0].prompt, Message16);

    SceneRig other;
    other.draw.openResult = false;
    other.display.depth = 8;
    other.display.modes = {{1920, 1080, 8}};
    OpenedWith(other);
    ASSERT_EQ(other.host.messages.size(), 1u);
    EXPECT_EQ(other.host.messages[0].prompt, OtherDepthMessage);
    EXPECT_EQ(other.host.messages[0].caption, Caption);
}

TEST(DrawingSessionTest, AnOtherDepthThatFailsTellsTheUserAndGoesOn) {
    SceneRig rig;
    rig.draw.openResult = false;
    rig.display.modes = {};
    EXPECT_TRUE(rig.session.OpenDirectDrawSession(rig.settings, rig.scene, SceneRig::InstallPath));
    EXPECT_EQ(rig.draw.calls.front(), "OpenSession(1024,768,24,)");
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_FALSE(rig.host.ended);
    EXPECT_EQ(LoadedFiles(rig.draw).size(), 38u);
}

TEST(DrawingSessionTest, EveryPictureLoadsInOrderWithItsKeyAndPlace) {
    SceneRig fresh;
    OpenedWith(fresh);

    std::vector<std::string> expected{"Calendar.bmp", "xmas.bmp"};
    for (const char* layer : {"tinyflake-", "smflake-", "flake-"}) {
        for (int n = 1; n <= 9; ++n) {
            expected.push_back(layer + std::to_string(n) + ".bmp");
        }
    }
    for (const char* file : {"BorderL.bmp", "BorderR.bmp", "BorderT.bmp", "BorderB.bmp", "bg2.bmp",
                             "bg3.bmp", "bg4.bmp", "bg5.bmp", "bg1.bmp"}) {
        expected.push_back(file);
    }
    EXPECT_EQ(LoadedFiles(fresh.draw), expected);

    // Each surface is created, loaded from the install folder, then placed
    // top first.
    const int32_t tiny1 = fresh.scene.TinyFlakeSurface[0];
    const std::string n = std::to_string(tiny1);
    const auto at =
        std::find(fresh.draw.calls.begin(), fresh.draw.calls.end(), "CreateSurface=" + n);
    ASSERT_NE(at, fresh.draw.calls.end());
    EXPECT_EQ(Calls(at, at + 4),
              (Calls{"CreateSurface=" + n,
                     "LoadSurfacePicture(" + n + ",1,/opt/glintfall/tinyflake-1.bmp,-1)",
                     "SetSurfaceTop(" + n + ",-50)", "SetSurfaceLeft(" + n + ",80)"}));

    const std::string g = std::to_string(fresh.scene.GreetingSurface);
    const auto greeting =
        std::find(fresh.draw.calls.begin(), fresh.draw.calls.end(), "CreateSurface=" + g);
    ASSERT_NE(greeting, fresh.draw.calls.end());
    EXPECT_EQ(
        Calls(greeting, greeting + 6),
        (Calls{"CreateSurface=" + g, "LoadSurfacePicture(" + g + ",1,/opt/glintfall/xmas.bmp,-1)",
               "SetSurfaceOptionA(" + g + ",1)", "SetSurfaceOptionB(" + g + ",120)",
               "SetSurfaceLeft(" + g + ",330)", "SetSurfaceTop(" + g + ",240)"}));

    // Keys and places, as (file, key mode, left, top).
    struct Placed {
        const char* file;
        int32_t keyMode, left, top;
    };
    for (const Placed& p : std::vector<Placed>{{"Calendar.bmp", -1, 5, 5},
                                               {"tinyflake-9.bmp", -1, 975, -50},
                                               {"smflake-1.bmp", -1, 25, -100},
                                               {"smflake-9.bmp", -1, 955, -100},
                                               {"/flake-1.bmp", -1, -15, 40},
                                               {"/flake-9.bmp", -1, 775, 275},
                                               {"BorderL.bmp", -1, 0, 0},
                                               {"BorderR.bmp", -1, 939, 0},
                                               {"BorderT.bmp", -2, 0, 0},
                                               {"BorderB.bmp", -2, 0, 739},
                                               {"bg2.bmp", -2, 0, 0},
                                               {"bg1.bmp", -2, 0, 0}}) {
        const RecordingDrawControl::Surface& s = fresh.draw.surfaces[fresh.draw.SurfaceOf(p.file)];
        EXPECT_EQ(s.keyMode, p.keyMode) << p.file;
        EXPECT_EQ(s.left, p.left) << p.file;
        EXPECT_EQ(s.top, p.top) << p.file;
    }

    // The scene keeps every number where the frames look for it.
    EXPECT_EQ(fresh.scene.CalendarSurface, fresh.draw.SurfaceOf("Calendar.bmp"));
    EXPECT_EQ(fresh.scene.SmallFlakeSurface[4], fresh.draw.SurfaceOf("smflake-5.bmp"));
    EXPECT_EQ(fresh.scene.BigFlakeSurface[8], fresh.draw.SurfaceOf("/flake-9.bmp"));
    EXPECT_EQ(fresh.scene.BorderTopSurface, fresh.draw.SurfaceOf("BorderT.bmp"));
    EXPECT_EQ(fresh.scene.BackgroundSurface[4], fresh.draw.SurfaceOf("bg1.bmp"));
    EXPECT_EQ(fresh.scene.TinyFlakeSurface[9], 0);
}

TEST(DrawingSessionTest, CalendarCornerComesFromItsSetting) {
    struct Case {
        int16_t corner;
        bool placed;
        int32_t left, top;
    };
    for (const Case& c : std::vector<Case>{{0, true, 5, 5},
                                           {1, true, 5, 678},
                                           {2, true, 954, 5},
                                           {3, true, 954, 678},
                                           {7, false, 0, 0},
                                           {-1, false, 0, 0}}) {
        SceneRig rig;
        rig.settings.CalendarPosition = c.corner;
        OpenedWith(rig);
        const int32_t calendar = rig.scene.CalendarSurface;
        ASSERT_NE(calendar, 0);
        const std::string n = std::to_string(calendar);
        const auto placedCalls = std::count_if(
            rig.draw.calls.begin(), rig.draw.calls.end(), [&](const std::string& call) {
                return call.starts_with("SetSurfaceTop(" + n + ",") ||
                       call.starts_with("SetSurfaceLeft(" + n + ",");
            });
        EXPECT_EQ(placedCalls, c.placed ? 2 : 0) << "corner " << c.corner;
        EXPECT_EQ(rig.draw.surfaces[calendar].left, c.left) << "corner " << c.corner;
        EXPECT_EQ(rig.draw.surfaces[calendar].top, c.top) << "corner " << c.corner;
    }
}

TEST(DrawingSessionTest, OnlyTheValueOneLoadsAnOptionalPicture) {
    SceneRig rig;
    rig.settings.LayerOn = {2, 0, -1};
    rig.settings.ShowCalendar = 2;
    rig.settings.ShowGreeting = 0;
    rig.settings.ShowBorder = -1;
    rig.settings.BackgroundChecked = {0, 0, 0, 0, 0};
    OpenedWith(rig);
    EXPECT_EQ(LoadedFiles(rig.draw),
              (std::vector<std::string>{"bg2.bmp", "bg3.bmp", "bg4.bmp", "bg5.bmp", "bg1.bmp"}));
    EXPECT_EQ(rig.scene.BigFlakeSurface[0], 0);
    EXPECT_EQ(rig.scene.CalendarSurface, 0);

    SceneRig frontOnly;
    frontOnly.settings.LayerOn = {1, 2, 2};
    OpenedWith(frontOnly);
    EXPECT_NE(frontOnly.draw.SurfaceOf("/flake-1.bmp"), 0);
    EXPECT_EQ(frontOnly.draw.SurfaceOf("tinyflake-1.bmp"), 0);
    EXPECT_EQ(frontOnly.draw.SurfaceOf("smflake-1.bmp"), 0);
}

}  // namespace
