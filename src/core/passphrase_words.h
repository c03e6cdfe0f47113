#pragma once
// The words passphrases are made of: the plain lower-case words of 4 to 8
// letters of the system's English word list, sorted and each once. The list
// is read when the build is configured (cmake/PassphraseWords.cmake), so its
// size is whatever the installed list holds: several thousand words.

#include <span>
#include <string_view>

namespace lb {

std::span<const std::string_view> passphraseWords();

} // namespace lb
