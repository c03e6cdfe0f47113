#include "core/random_source.h"

#include <cmath>

namespace lb {
namespace {

std::unique_ptr<RandomSource>& current() {
    static std::unique_ptr<RandomSource> source = std::make_unique<SystemRandomSource>();
    return source;
}

} // namespace

SystemRandomSource::SystemRandomSource() {
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device(),
                       device(), device(), device(), device()};
    engine_.seed(seed);
}

float SystemRandomSource::next() {
    // 24 random bits fill a float's mantissa exactly, so the result is always below 1.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

RandomSource& randomSource() {
    return *current();
}

void setRandomSource(std::unique_ptr<RandomSource> source) {
    current() = source ? std::move(source) : std::make_unique<SystemRandomSource>();
}

int RandomBetween(int lower, int upper, RandomSource& source) {
    const double r = source.next();
    const double span = static_cast<double>(upper) - static_cast<double>(lower) + 1.0;
    return static_cast<int>(std::floor(r * span + lower));
}

int RandomBetween(int lower, int upper) {
    return RandomBetween(lower, upper, randomSource());
}

} // namespace lb
