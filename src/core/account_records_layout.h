#pragma once
// What the writer and the reader of the account records share: the fixed
// values of the header, the range of the classic check character and the
// marker of this program's second password check in the Reserved bytes.

#include "core/account.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

// The columns in Field order, as members, so that walking the fields costs
// no call per field.
inline constexpr std::array<std::string Account::*, kFieldCount> kColumnMembers = {
    &Account::name, &Account::user, &Account::password, &Account::url, &Account::notes};

inline constexpr std::string_view kFileSignature = "Lockerbook";
inline constexpr std::int32_t kWrittenVersion = 6;
// Files stamped with FormatVersion 60 are read like version 6.
inline constexpr std::int32_t kAlsoReadableVersion = 60;

// The plain check character is drawn from '&' to ','.
inline constexpr int kCheckLowest = 38;
inline constexpr int kCheckHighest = 44;

// A text length of 0xFFFF means a 32-bit length follows: the 16-bit length of
// older files cannot describe a data text of 65535 bytes or more.
inline constexpr std::uint16_t kLongTextMark = 0xFFFF;

// Reserved holds the CRC-32 of the plain texts (bytes 1-4) and then this
// marker (bytes 5-8). A password whose key is a few units off passes the check
// character but deciphers every field wrongly; the CRC tells it apart.
inline constexpr std::size_t kReservedSize = 8;
inline constexpr std::string_view kCrcMarker = "LBc1";

} // namespace lb
