// The random password generator with draws the test chooses.

#include "core/random_password.h"

#include <gtest/gtest.h>
#include <set>

namespace lb {
namespace {

class FixedSource : public RandomSource {
public:
    explicit FixedSource(float value) : value_(value) {}
    float next() override { return value_; }

private:
    float value_;
};

constexpr float kAlmostOne = 0.99999994f; // the largest float below 1

TEST(RandomBetween, TakesTheFloorAndStaysWithinBothBounds) {
    FixedSource low(0.0f);
    FixedSource high(kAlmostOne);
    FixedSource justBelowHalf(0.49f);
    EXPECT_EQ(RandomBetween(1111, 9999, low), 1111);
    EXPECT_EQ(RandomBetween(1111, 9999, high), 9999);
    EXPECT_EQ(RandomBetween(7, 7, high), 7);
    EXPECT_EQ(RandomBetween(1, 2, justBelowHalf), 1) << "0.98 + 1: the floor, not the nearest";
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
        seen.insert(RandomBetween(1, 21));
    }
    EXPECT_EQ(seen, (std::set<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                   12, 13, 14, 15, 16, 17, 18, 19, 20, 21}));
}

TEST(RandomPassword, DrawsThePatternThenEachPartLeftToRight) {
    FixedSource zero(0.0f);
    FixedSource top(kAlmostOne);
    EXPECT_EQ(RandomPassword(zero), "Mice1111");
    EXPECT_EQ(RandomPassword(top), "Bolt9999Bolt");
    const std::set<std::string_view> distinct(kPasswordWords.begin(), kPasswordWords.end());
    EXPECT_EQ(distinct.size(), 100u);
    for (int i = 0; i < 2000; ++i) {
        const std::string n = RandomNumberText(randomSource());
        ASSERT_TRUE(n.size() == 4 && n[0] != '0') << n;
    }
}

} // namespace
} // namespace lb
