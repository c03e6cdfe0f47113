#pragma once
// A random source that hands the account-file writer chosen values, in the
// order it draws them: the check character, then the start and the step of
// each column in the order account name, user name, password, URL, notes.

#include "tools/random_source.h"

#include <array>
#include <cstddef>
#include <vector>

namespace lb::test {

struct ColumnDraw {
    int start = 1;
    int step = 1;
};
using ColumnDraws = std::array<ColumnDraw, 5>;

class FixedDraws final : public RandomSource {
public:
    FixedDraws(int check, const ColumnDraws& columns) {
        add(check, 38, 44);
        for (const ColumnDraw& c : columns) {
            add(c.start, 1, 254);
            add(c.step, 1, 21);
        }
    }

    float next() override { return values_.at(at_++); }

private:
    // The middle of the interval that RandomBetween(lower, upper) maps to value.
    void add(int value, int lower, int upper) {
        values_.push_back(static_cast<float>((value - lower + 0.5) / (upper - lower + 1)));
    }

    std::vector<float> values_;
    std::size_t at_ = 0;
};

} // namespace lb::test
