#pragma once
// The most any file the program reads may hold. Far above any account file
// (5,000 accounts with 500 characters in every field come to 12.5 MB; a
// million small ones to about 60 MB), yet a device that never ends is stopped
// long before memory runs out. Every writer of an account file refuses, before
// writing, a table whose file would pass it: such a file could never be read
// back.

#include <cstdint>

namespace lb {

inline constexpr std::uint64_t kMaxFileBytes = 256ULL << 20;

} // namespace lb
