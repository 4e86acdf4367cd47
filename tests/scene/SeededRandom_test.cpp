#include "scene/SeededRandom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

std::vector<float> Draw(SeededRandom& random, int count) {
    std::vector<float> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(random.Next());
    }
    return values;
}

TEST(SeededRandomTest, EveryRunDrawsTheSameSequence) {
    SeededRandom first;
    SeededRandom second;
    EXPECT_EQ(Draw(first, 1000), Draw(second, 1000));

    SeededRandom other(7);
    SeededRandom fresh;
    EXPECT_NE(Draw(other, 10), Draw(fresh, 10));
}

TEST(SeededRandomTest, ValuesAreEvenlySpreadBelowOne) {
    SeededRandom random;
    const std::vector<float> values = Draw(random, 100000);
    double sum = 0;
    int lowerHalf = 0;
    for (float r : values) {
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        // A whole number of 2^-24 steps, so every value is exact on any
        // platform.
        const float scaled = r * 16777216.0f;
        ASSERT_EQ(scaled, std::floor(scaled));
        sum += r;
        lowerHalf += r < 0.5f ? 1 : 0;
    }
    EXPECT_NEAR(sum / static_cast<double>(values.size()), 0.5, 0.01);
    EXPECT_NEAR(lowerHalf, 50000, 1000);
}

}  // namespace
