#pragma once
// The second password check of the account file: the CRC-32 of the five
// columns' plain texts joined, columns in Field order (account name, user
// name, password, URL, notes), each column the field of every account in
// table order, taken as a read gives them back (a code 255 counts as the 0 it
// turns into). Fields may be added row by row: each column keeps its own CRC
// and the five are joined at the end.

#include "core/account.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lb {

class PlainTextCrc {
public:
    PlainTextCrc();

    void add(Field column, std::string_view plain);
    std::uint32_t finish();

private:
    // Fields are gathered into a chunk before the CRC sees them: most are a
    // few bytes long, and the CRC is many times faster on long runs.
    struct Column {
        char* chunk = nullptr;
        std::size_t used = 0;
        std::uint64_t length = 0;
        std::uint32_t crc = 0;
    };
    void flush(Column& c);

    std::vector<char> chunks_;
    std::array<Column, kFieldCount> columns_;
};

} // namespace lb
