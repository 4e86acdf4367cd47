#include "startup/CommandLine.h"

#include <gtest/gtest.h>

namespace {

RunMode ModeOf(const char* arguments) {
    return CommandLine(arguments).Mode();
}

TEST(CommandLineTest, EmptyOrBlankStartsTheSaverWithoutTheInstanceCheck) {
    EXPECT_EQ(ModeOf(""), RunMode::Saver);
    EXPECT_EQ(ModeOf("   "), RunMode::Saver);
    EXPECT_EQ(ModeOf(" \t "), RunMode::Saver);
}

TEST(CommandLineTest, SaverSwitchIsTrimmedAndCaseBlind) {
    EXPECT_EQ(ModeOf("/s"), RunMode::SaverChecked);
    EXPECT_EQ(ModeOf("/S"), RunMode::SaverChecked);
    EXPECT_EQ(ModeOf(" /s "), RunMode::SaverChecked);
    EXPECT_EQ(CommandLine(" /S ").Text(), "/s");
}

TEST(CommandLineTest, OnlyTheFirstTwoCharactersChoose) {
    EXPECT_EQ(ModeOf("/c:1234"), RunMode::Configure);
    EXPECT_EQ(ModeOf("/C"), RunMode::Configure);
    EXPECT_EQ(ModeOf("/p 1234"), RunMode::Preview);
    EXPECT_EQ(ModeOf("/a"), RunMode::Password);
    EXPECT_EQ(ModeOf("/save"), RunMode::SaverChecked);
}

TEST(CommandLineTest, UnknownSwitchesRunNothing) {
    EXPECT_EQ(ModeOf("/x"), RunMode::None);
    EXPECT_EQ(ModeOf("/"), RunMode::None);
    EXPECT_EQ(ModeOf("s"), RunMode::None);
    EXPECT_EQ(ModeOf("-s"), RunMode::None);
    EXPECT_EQ(ModeOf("x/s"), RunMode::None);
}

std::optional<uint32_t> PreviewOf(const char* arguments) {
    return CommandLine(arguments).PreviewWindow();
}

TEST(CommandLineTest, PreviewWindowIsTheFirstNumericRemainder) {
    EXPECT_EQ(PreviewOf("/p 1234"), 1234u);
    EXPECT_EQ(PreviewOf("/p1234"), 1234u);
    EXPECT_EQ(PreviewOf("/P   4194311  "), 4194311u);
    // "x1f" and "1f" are no numbers, "f" neither: the rule finds nothing.
    EXPECT_EQ(PreviewOf("/p 0x1f"), std::nullopt);
    // The first numeric remainder wins, even when it is only the tail.
    EXPECT_EQ(PreviewOf("/p 12 34"), 34u);
    EXPECT_EQ(PreviewOf("/p 1e3"), 1000u);
}

TEST(CommandLineTest, PreviewWindowRoundsHalvesToEven) {
    EXPECT_EQ(PreviewOf("/p 1234.4"), 1234u);
    EXPECT_EQ(PreviewOf("/p 1234.5"), 1234u);
    EXPECT_EQ(PreviewOf("/p 1235.5"), 1236u);
}

TEST(CommandLineTest, PreviewWithoutAUsableWindowHasNone) {
    EXPECT_EQ(PreviewOf("/p"), std::nullopt);
    EXPECT_EQ(PreviewOf("/p "), std::nullopt);
    EXPECT_EQ(PreviewOf("/p abc"), std::nullopt);
    EXPECT_EQ(PreviewOf("/p 0"), std::nullopt);
    EXPECT_EQ(PreviewOf("/p -5"), std::nullopt);
    EXPECT_EQ(PreviewOf("/p 0.4"), std::nullopt);
    EXPECT_EQ(PreviewOf("/p 4294967295"), 4294967295u);
    EXPECT_EQ(PreviewOf("/p 4294967296"), std::nullopt);
    EXPECT_EQ(PreviewOf("/p 1e300"), std::nullopt);
}

TEST(CommandLineTest, SecondSaverGivesWayUnlessDisplayPropertiesAreOpen) {
    EXPECT_TRUE(CommandLine::MayStart(RunMode::SaverChecked, false, false));
    EXPECT_FALSE(CommandLine::MayStart(RunMode::SaverChecked, true, false));
    EXPECT_TRUE(CommandLine::MayStart(RunMode::SaverChecked, true, true));
    // An empty command line is not subject to the rule.
    EXPECT_TRUE(CommandLine::MayStart(RunMode::Saver, true, false));
    EXPECT_FALSE(CommandLine::MayStart(RunMode::None, false, false));
}

}  // namespace
