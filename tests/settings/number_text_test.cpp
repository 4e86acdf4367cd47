#include <gtest/gtest.h>

#include "settings/NumberText.h"

TEST(NumberText, ReadsWhatAPersonWouldTypeAsANumber) {
    EXPECT_EQ(ParseNumber("10"), 10.0);
    EXPECT_EQ(ParseNumber("  -7 "), -7.0);
    EXPECT_EQ(ParseNumber("+ 3"), 3.0);
    EXPECT_EQ(ParseNumber("2.5"), 2.5);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("1e3"), 1000.0);
    EXPECT_EQ(ParseNumber(" 1234"), 1234.0);
}

TEST(NumberText, RejectsTextsThatAreNoNumber) {
    for (const char* text : {"", " ", "abc", "12abc", "1 2", "--1", "-", "inf", "nan", "0x10",
                             "1e999", "Never", "/p"}) {
        EXPECT_FALSE(ParseNumber(text).has_value()) << text;
    }
}

TEST(NumberText, RoundsHalvesToEvenAndKeepsTo16Bits) {
    EXPECT_EQ(TextToInt16("2.5"), int16_t{2});
    EXPECT_EQ(TextToInt16("3.5"), int16_t{4});
    EXPECT_EQ(TextToInt16("-0.4"), int16_t{0});
    EXPECT_EQ(TextToInt16("32767"), int16_t{32767});
    EXPECT_EQ(TextToInt16("-32768"), int16_t{-32768});
    EXPECT_FALSE(TextToInt16("32768").has_value());
    EXPECT_FALSE(TextToInt16("-32769").has_value());
    EXPECT_FALSE(TextToInt16("1e10").has_value());
}
