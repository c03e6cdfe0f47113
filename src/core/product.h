#pragma once
// Who the program is: its name, its version and where its maker is found. The
// version comes from the build (the CMake project's version), so the About
// box, exported files, printouts and the package all carry the same number.

#include "core/version.h"

#include <string_view>

namespace lb {

inline constexpr std::string_view kProductName = "Lockerbook";
inline constexpr std::string_view kProductVersion = kBuildVersion;
inline constexpr std::string_view kWebsite = "https://lockerbook.example.org/";
inline constexpr std::string_view kEMail = "support@lockerbook.example.org";

} // namespace lb
