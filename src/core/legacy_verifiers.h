#pragma once
// The fixed verifier texts of the old format. An old-format file holds one of
// 40 accepted 14-character texts, enciphered with the master password: one of
// 20 eight-character texts followed by S1, or S2 followed by one of them.

#include <array>
#include <string_view>

namespace lb {

inline constexpr std::size_t kLegacyVerifierLength = 14;

extern const std::array<std::string_view, 20> kLegacyVerifierTexts; // 8 characters each
extern const std::string_view kLegacyVerifierS1;                    // 6 characters
extern const std::string_view kLegacyVerifierS2;                    // 6 characters

// True when text is one of the 40 accepted verifier texts (exact comparison).
bool IsLegacyVerifier(std::string_view text);

} // namespace lb
