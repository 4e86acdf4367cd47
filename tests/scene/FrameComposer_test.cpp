#include "scene/FrameComposer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "SceneRig.h"

namespace {

using Calls = std::vector<std::string>;

// Surfaces as the loading numbers them with every element on.
constexpr int Calendar = 1;
constexpr int Greeting = 2;
constexpr int FirstTiny = 3;
constexpr int FirstSmall = 12;
constexpr int FirstBig = 21;

const std::string Font40 = "SetTextFont(Arial,40,30,0,0,0)";

enum class Element {
    Clear,
    Background,
    Message,
    Countdown,
    GreetingPass,
    BackLayer,
    MidLayer,
    Border,
    CalendarWithTexts,
    FrontLayer,
    Present
};

// The first frame with every element on, 7 December, no back or mid flake
// appeared yet, element by element in drawing order.
std::vector<std::pair<Element, Calls>> AllOnFrame() {
    Calls back;
    Calls mid;
    Calls front;
    for (int i = 0; i < 9; ++i) {
        back.push_back("GetSurfaceTop(" + std::to_string(FirstTiny + i) + ")");
        mid.push_back("GetSurfaceTop(" + std::to_string(FirstSmall + i) + ")");
        const std::string big = std::to_string(FirstBig + i);
        front.insert(front.end(), {"MoveSurfaceUp(" + big + ",-1)", "DrawSurface(" + big + ")",
                                   "GetSurfaceTop(" + big + ")"});
    }
    return {
        {Element::Clear, {"ClearFrame(0)"}},
        {Element::Background, {"DrawSurface(34)"}},
        {Element::Message,
         {Font40, "DrawText(Have a Merry Christmas!,55,699,0)", Font40,
          "DrawText(Have a Merry Christmas!,54,698,255)"}},
        {Element::Countdown,
         {Font40, "DrawText(18 Days Until Christmas,341,26,0)", Font40,
          "DrawText(18 Days Until Christmas,340,25,255)"}},
        {Element::GreetingPass,
         {"GetSurfaceLeft(2)", "GetSurfaceTop(2)", "MoveSurfaceRight(2,1)", "MoveSurfaceUp(2,1)",
          "DrawSurface(2)"}},
        {Element::BackLayer, back},
        {Element::MidLayer, mid},
        {Element::Border,
         {"DrawSurface(32)", "DrawSurface(33)", "DrawSurface(30)", "DrawSurface(31)"}},
        {Element::CalendarWithTexts,
         {"DrawSurface(1)", "SetTextFont(Arial,46,30,0,0,0)", "DrawText(7,14,36,255)",
          "SetTextFont(Arial,12,30,0,0,0)", "DrawText(Monday,10,30,255)",
          "SetTextFont(Arial,14,30,0,0,0)", "DrawText(12:00:00,9,18,16711680)",
          "SetTextFont(Arial,16,30,0,0,0)", "DrawText(Dec,27,6,255)"}},
        {Element::FrontLayer, front},
        {Element::Present, {"PresentFrame"}},
    };
}

// The all-on frame with one element's calls replaced.
Calls FrameReplacing(Element replaced, const Calls& with) {
    Calls calls;
    for (const auto& [element, block] : AllOnFrame()) {
        const Calls& part = element == replaced ? with : block;
        calls.insert(calls.end(), part.begin(), part.end());
    }
    return calls;
}

Calls FrameWithout(Element left) {
    return FrameReplacing(left, {});
}

Calls FullFrame() {
    return FrameReplacing(Element::Present, {"PresentFrame"});
}

// Switches one element off the way the settings (or, for the background, the
// choice of none) would.
void SwitchOff(Element element, SceneRig& rig) {
    SettingsRecord& s = rig.settings;
    switch (element) {
        case Element::Background:
            rig.scene.BgChoice = 0;
            break;
        case Element::Message:
            s.ShowMessage = 0;
            break;
        case Element::Countdown:
            s.ShowCountDown = 0;
            break;
        case Element::GreetingPass:
            s.ShowGreeting = 0;
            break;
        case Element::BackLayer:
            s.LayerOn[2] = 0;
            break;
        case Element::MidLayer:
            s.LayerOn[1] = 0;
            break;
        case Element::Border:
            s.ShowBorder = 0;
            break;
        case Element::CalendarWithTexts:
            s.ShowCalendar = 0;
            break;
        case Element::FrontLayer:
            s.LayerOn[0] = 0;
            break;
        case Element::Clear:
        case Element::Present:
            break;
    }
}

TEST(FrameComposerTest, EveryElementOnDrawsBackToFront) {
    SceneRig rig;
    ASSERT_TRUE(rig.Load());
    EXPECT_EQ(rig.Frame(), FullFrame());
}

TEST(FrameComposerTest, EachElementSwitchedOffLeavesOnlyItsOwnCallsOut) {
    for (Element element : {Element::Background, Element::Message, Element::Countdown,
                            Element::GreetingPass, Element::BackLayer, Element::MidLayer,
                            Element::Border, Element::CalendarWithTexts, Element::FrontLayer}) {
        SceneRig rig;
        ASSERT_TRUE(rig.Load());
        SwitchOff(element, rig);
        EXPECT_EQ(rig.Frame(), FrameWithout(element)) << "element " << static_cast<int>(element);
    }
}

TEST(FrameComposerTest, OnlyTheValueOneSwitchesAnElementOn) {
    SceneRig rig;
    ASSERT_TRUE(rig.Load());
    rig.settings = SettingsRecord{};
    rig.settings.ShowGreeting = -1;
    rig.settings.ShowCountDown = 2;
    rig.settings.ShowBorder = -1;
    rig.settings.LayerOn = {2, -1, 3};
    rig.scene.BgChoice = 0;
    EXPECT_EQ(rig.Frame(), (Calls{"ClearFrame(0)", "PresentFrame"}));
}

TEST(FrameComposerTest, AStillGreetingIsDrawnButNeverMovedOrReadBack) {
    SceneRig rig;
    ASSERT_TRUE(rig.Load());
    rig.settings.MoveGreeting = 0;
    EXPECT_EQ(rig.Frame(), FrameReplacing(Element::GreetingPass, {"DrawSurface(2)"}));
}

TEST(FrameComposerTest, CountdownTexts) {
    const std::vector<std::pair<int32_t, Calls>> cases{
        {0,
         {Font40, "DrawText(It's Christmas,401,26,0)", Font40,
          "DrawText(It's Christmas,400,25,255)"}},
        {1,
         {Font40, "DrawText(1 Days Until Christmas,341,26,0)", Font40,
          "DrawText(1 Days Until Christmas,340,25,255)"}},
        {-6,
         {Font40, "DrawText(-6 Days Until Christmas,341,26,0)", Font40,
          "DrawText(-6 Days Until Christmas,340,25,255)"}},
        {364,
         {Font40, "DrawText(364 Days Until Christmas,341,26,0)", Font40,
          "DrawText(364 Days Until Christmas,340,25,255)"}},
    };
    for (const auto& [days, texts] : cases) {
        SceneRig rig;
        rig.settings = SettingsRecord{};
        rig.settings.ShowGreeting = 0;
        rig.settings.ShowBorder = 0;
        ASSERT_TRUE(rig.Load());
        rig.scene.BgChoice = 0;
        rig.scene.DaysLeft = days;
        Calls expected{"ClearFrame(0)"};
        expected.insert(expected.end(), texts.begin(), texts.end());
        expected.push_back("PresentFrame");
        EXPECT_EQ(rig.Frame(), expected) << days << " days";
    }
}

TEST(FrameComposerTest, AnEmptyMessageIsStillDrawnTwice) {
    SceneRig rig;
    rig.settings = SettingsRecord{};
    rig.settings.ShowGreeting = 0;
    rig.settings.ShowBorder = 0;
    rig.settings.ShowCountDown = 0;
    rig.settings.ShowMessage = 1;
    rig.settings.MessageText = "";
    ASSERT_TRUE(rig.Load());
    rig.scene.BgChoice = 0;
    EXPECT_EQ(rig.Frame(), (Calls{"ClearFrame(0)", Font40, "DrawText(,55,699,0)", Font40,
                                  "DrawText(,54,698,255)", "PresentFrame"}));
}

TEST(FrameComposerTest, BackgroundChoiceNamesItsSlotAndOutOfRangeDrawsNone) {
    SceneRig rig;
    rig.settings = SettingsRecord{};
    rig.settings.ShowGreeting = 0;
    rig.settings.ShowBorder = 0;
    rig.settings.ShowCountDown = 0;
    ASSERT_TRUE(rig.Load());
    const std::vector<std::pair<int16_t, std::string>> cases{
        {1, "bg2.bmp"}, {2, "bg3.bmp"}, {3, "bg4.bmp"}, {4, "bg5.bmp"}, {5, "bg1.bmp"}};
    for (const auto& [choice, file] : cases) {
        rig.scene.BgChoice = choice;
        EXPECT_EQ(
            rig.Frame(),
            (Calls{"ClearFrame(0)", "DrawSurface(" + std::to_string(rig.draw.SurfaceOf(file)) + ")",
                   "PresentFrame"}))
            << "background " << choice;
    }
    for (int16_t choice : {0, 6, -1}) {
        rig.scene.BgChoice = choice;
        EXPECT_EQ(rig.Frame(), (Calls{"ClearFrame(0)", "PresentFrame"})) << "background " << choice;
    }
}

TEST(FrameComposerTest, CalendarTextsFollowTheCornerAndAnyOtherCornerDrawsNone) {
    const std::vector<std::pair<int16_t, Calls>> cases{
        {1,
         {"DrawText(21,14,710,255)", "DrawText(Thursday,12,702,255)",
          "DrawText(09:05:03,9,690,16711680)", "DrawText(Jan,27,677,255)"}},
        {2,
         {"DrawText(21,964,36,255)", "DrawText(Thursday,962,30,255)",
          "DrawText(09:05:03,958,17,16711680)", "DrawText(Jan,975,4,255)"}},
        {3,
         {"DrawText(21,964,710,255)", "DrawText(Thursday,962,702,255)",
          "DrawText(09:05:03,958,690,16711680)", "DrawText(Jan,975,677,255)"}},
        {4, {}},
        {-1, {}},
    };
    for (const auto& [corner, texts] : cases) {
        SceneRig rig;
        rig.settings = SettingsRecord{};
        rig.settings.ShowGreeting = 0;
        rig.settings.ShowBorder = 0;
        rig.settings.ShowCountDown = 0;
        rig.settings.ShowCalendar = 1;
        rig.settings.CalendarPosition = corner;
        ASSERT_TRUE(rig.Load());
        rig.scene.BgChoice = 0;
        rig.dates.now = {2027, 1, 21, 9, 5, 3};
        Calls drawn;
        for (const std::string& call : rig.Frame()) {
            if (call.starts_with("DrawText")) {
                drawn.push_back(call);
            }
        }
        EXPECT_EQ(drawn, texts) << "corner " << corner;
    }
}

}  // namespace
