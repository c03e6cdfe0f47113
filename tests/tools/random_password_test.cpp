// The password generator with a random source whose draws the test chooses.

#include "tools/random_password.h"

#include <gtest/gtest.h>
#include <set>

namespace {

class FixedSource : public lb::RandomSource {
public:
    explicit FixedSource(float value) : value_(value) {}
    float next() override { return value_; }

private:
    float value_;
};

// The largest single-precision value below 1.
constexpr float kAlmostOne = 0.99999994f;

TEST(RandomBetween, StaysWithinBothBoundsAtTheExtremes) {
    FixedSource low(0.0f);
    FixedSource high(kAlmostOne);
    EXPECT_EQ(lb::RandomBetween(1, 100, low), 1);
    EXPECT_EQ(lb::RandomBetween(1, 100, high), 100);
    EXPECT_EQ(lb::RandomBetween(1111, 9999, low), 1111);
    EXPECT_EQ(lb::RandomBetween(1111, 9999, high), 9999);
    EXPECT_EQ(lb::RandomBetween(38, 44, high), 44);
    EXPECT_EQ(lb::RandomBetween(7, 7, high), 7);
}

TEST(RandomBetween, TakesTheFloorNotTheNearest) {
    FixedSource justBelowHalf(0.49f);
    // 0.49 * 2 + 1 = 1.98: the floor is 1, the nearest would be 2.
    EXPECT_EQ(lb::RandomBetween(1, 2, justBelowHalf), 1);
}

TEST(RandomBetween, SystemSourceCoversTheWholeRangeAndNothingElse) {
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
        const int v = lb::RandomBetween(1, 21);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 21);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 21u);
}

TEST(RandomPassword, AllZeroDrawsGiveTheFirstPatternWordAndNumber) {
    FixedSource zero(0.0f);
    EXPECT_EQ(lb::RandomPassword(zero), "Mice1111");
}

TEST(RandomPassword, LargestDrawsGiveTheFourthPatternWithTheLastWord) {
    FixedSource top(kAlmostOne);
    EXPECT_EQ(lb::RandomPassword(top), "Bolt9999Bolt");
}

TEST(RandomPassword, WordListIsTheFixedHundredAllDifferent) {
    const std::set<std::string_view> distinct(lb::kPasswordWords.begin(), lb::kPasswordWords.end());
    EXPECT_EQ(distinct.size(), 100u);
    EXPECT_EQ(lb::kPasswordWords[0], "Mice");
    EXPECT_EQ(lb::kPasswordWords[15], "Orcacle");
    EXPECT_EQ(lb::kPasswordWords[46], "Haracket");
    EXPECT_EQ(lb::kPasswordWords[90], "PC");
    EXPECT_EQ(lb::kPasswordWords[99], "Bolt");
}

TEST(RandomPassword, ManyPasswordsHoldOnlyLettersAndDigitsWithinTheLengths) {
    for (int i = 0; i < 2000; ++i) {
        const std::string p = lb::RandomPassword();
        ASSERT_GE(p.size(), 6u);
        ASSERT_LE(p.size(), 24u);
        for (char c : p) {
            ASSERT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << p;
        }
    }
}

TEST(RandomNumberText, IsAlwaysFourDigitsWithoutALeadingZero) {
    for (int i = 0; i < 2000; ++i) {
        const std::string n = lb::RandomNumberText(lb::randomSource());
        ASSERT_EQ(n.size(), 4u);
        ASSERT_NE(n[0], '0');
    }
}

} // namespace
