#pragma once
// The master password every fuzzer reads with and every seed is written with,
// so that mutations of a seed reach the deciphering and not only the checks.

#include <string_view>

namespace lb::fuzz {

inline constexpr std::string_view kPassword = "fuzz me";

} // namespace lb::fuzz
