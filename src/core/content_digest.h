#pragma once
// A digest of a file's bytes (BLAKE2b-256), to tell whether a file on disk is
// still the one that was read.

#include <string>
#include <string_view>

namespace lb {

// 32 bytes.
std::string contentDigest(std::string_view bytes);

} // namespace lb
