#pragma once
// The process's one random source: uniformly distributed numbers r with
// 0 <= r < 1 in single precision. The password generator and the account-file
// writer draw from it through RandomBetween.

#include <memory>

namespace lb {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number r with 0 <= r < 1.
    virtual float next() = 0;
};

// Every draw comes straight from the operating system's random source, never
// from a generator seeded once: no draw tells anything about another, and a
// generated password cannot be guessed from the time or from earlier ones.
class SystemRandomSource final : public RandomSource {
public:
    float next() override;
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
