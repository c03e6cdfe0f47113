#pragma once
// The process's one pseudo-random source: uniformly distributed numbers r with
// 0 <= r < 1 in single precision. The password generator and the account-file
// writer draw from it through RandomBetween.

#include <memory>
#include <random>

namespace lb {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number r with 0 <= r < 1.
    virtual float next() = 0;
};

// Seeded once from the operating system's random source, never from the clock:
// a clock seed would make every generated password guessable from its time.
class SystemRandomSource final : public RandomSource {
public:
    SystemRandomSource();
    float next() override;

private:
    std::mt19937 engine_;
};

// The process-wide source. Tests replace it to make every draw predictable;
// passing nullptr restores the system source.
RandomSource& randomSource();
void setRandomSource(std::unique_ptr<RandomSource> source);

// A uniform whole number with both bounds included: floor(r * (Upper - Lower + 1) + Lower),
// formed in double precision. Lower must not exceed Upper.
int RandomBetween(int lower, int upper, RandomSource& source);
int RandomBetween(int lower, int upper);

} // namespace lb
