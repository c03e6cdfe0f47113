#pragma once
// The name and version that exported files and printouts carry, for the pure
// core, which cannot reach the window program's shared texts.

#include <string_view>

namespace lb {

inline constexpr std::string_view kProductName = "Lockerbook";
inline constexpr std::string_view kProductVersion = "5.51";

} // namespace lb
