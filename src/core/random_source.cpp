#include "core/random_source.h"

#include <cmath>
#include <cstdint>
#include <new>
#include <sodium.h>

namespace lb {
namespace {

std::unique_ptr<RandomSource>& current() {
    static std::unique_ptr<RandomSource> source = std::make_unique<SystemRandomSource>();
    return source;
}

} // namespace

float SystemRandomSource::next() {
    if (sodium_init() < 0) {
        throw std::bad_alloc();
    }
    // 24 uniform bits fill a float's mantissa exactly, so the result is always below 1.
    constexpr std::uint32_t kSteps = 1u << 24;
    return static_cast<float>(randombytes_uniform(kSteps)) * (1.0f / kSteps);
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
