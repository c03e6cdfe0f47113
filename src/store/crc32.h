#pragma once
// CRC-32 with the zlib polynomial (reflected 0xEDB88320), computed piece by
// piece: crc32Update(crc32Update(0, a), b) equals the CRC of a followed by b.

#include <cstdint>
#include <string_view>

namespace lb {

std::uint32_t crc32Update(std::uint32_t crc, std::string_view bytes);

} // namespace lb
