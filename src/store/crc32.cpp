#include "store/crc32.h"

#include <array>

namespace lb {
namespace {

// Eight tables let the loop take eight bytes per step ("slicing by 8"), so the
// check of a large file costs little next to its cipher.
using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr std::uint32_t kPolynomial = 0xEDB88320u;

constexpr Tables makeTables() {
    Tables t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) != 0 ? kPolynomial ^ (c >> 1) : c >> 1;
        }
        t[0][n] = c;
    }
    for (std::uint32_t n = 0; n < 256; ++n) {
        for (std::size_t k = 1; k < 8; ++k) {
            t[k][n] = (t[k - 1][n] >> 8) ^ t[0][t[k - 1][n] & 0xFF];
        }
    }
    return t;
}

constexpr Tables kTables = makeTables();

std::uint32_t byteAt(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

// a * b modulo the polynomial, both as reflected polynomials over GF(2).
std::uint32_t multiplyModulo(std::uint32_t a, std::uint32_t b) {
    std::uint32_t product = 0;
    for (std::uint32_t bit = 1u << 31; bit != 0; bit >>= 1) {
        if ((a & bit) != 0) {
            product ^= b;
        }
        b = (b & 1) != 0 ? (b >> 1) ^ kPolynomial : b >> 1;
    }
    return product;
}

} // namespace

std::uint32_t crc32Combine(std::uint32_t crcA, std::uint32_t crcB, std::uint64_t lengthB) {
    // Appending lengthB bytes multiplies a's remainder by x^(8 * lengthB); the
    // power is built from repeated squares of x^8, one per bit of lengthB.
    std::uint32_t power = 1u << 31;  // x^0
    std::uint32_t square = 1u << 23; // x^8
    for (std::uint64_t n = lengthB; n != 0; n >>= 1) {
        if ((n & 1) != 0) {
            power = multiplyModulo(power, square);
        }
        square = multiplyModulo(square, square);
    }
    return multiplyModulo(power, crcA) ^ crcB;
}

std::uint32_t crc32Update(std::uint32_t crc, std::string_view bytes) {
    std::uint32_t c = ~crc;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        const std::uint32_t lo = c ^ (byteAt(bytes, i) | byteAt(bytes, i + 1) << 8 |
                                      byteAt(bytes, i + 2) << 16 | byteAt(bytes, i + 3) << 24);
        c = kTables[7][lo & 0xFF] ^ kTables[6][(lo >> 8) & 0xFF] ^ kTables[5][(lo >> 16) & 0xFF] ^
            kTables[4][lo >> 24] ^ kTables[3][byteAt(bytes, i + 4)] ^
            kTables[2][byteAt(bytes, i + 5)] ^ kTables[1][byteAt(bytes, i + 6)] ^
            kTables[0][byteAt(bytes, i + 7)];
    }
    for (; i < bytes.size(); ++i) {
        c = kTables[0][(c ^ byteAt(bytes, i)) & 0xFF] ^ (c >> 8);
    }
    return ~c;
}

} // namespace lb
