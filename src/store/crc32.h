#pragma once
// CRC-32 with the zlib polynomial (reflected 0xEDB88320), computed piece by
// piece: crc32Update(crc32Update(0, a), b) equals the CRC of a followed by b.

#include <cstdint>
#include <string_view>

namespace lb {

std::uint32_t crc32Update(std::uint32_t crc, std::string_view bytes);

// The CRC of a followed by b, from the CRC of a, the CRC of b and b's length:
// pieces computed apart can be joined without seeing their bytes again.
std::uint32_t crc32Combine(std::uint32_t crcA, std::uint32_t crcB, std::uint64_t lengthB);

} // namespace lb
