#pragma once
// What deriving a sealed file's key costs: Argon2id's passes over its memory.

#include <cstdint>

namespace lb {

struct KdfCost {
    std::uint32_t passes = 0;
    std::uint32_t memoryKiB = 0;
    bool operator==(const KdfCost&) const = default;
};

// About half a second on a two-core machine of 2026, with 128 MiB.
inline constexpr KdfCost kDefaultKdfCost{7, 128 * 1024};

} // namespace lb
