#pragma once
// An independent picture of a classic account file: every record as a plain
// value, turned into bytes field by field in the documented order. Tests build
// the file the writer should produce from it (enciphering character by
// character with ShiftText), and build damaged files by changing one record.

#include "account_files.h"
#include "core/account.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lb::test {

struct ColumnParts {
    std::string data;
    std::vector<double> ends;
    double start = 0;
    double step = 0;
    std::uint16_t dimensions = 1;
    std::uint32_t lowerBound = 0;
    std::optional<std::uint32_t> declaredCount; // the element count written, when not ends.size()
};

struct FileParts {
    std::string signature = "Lockerbook";
    std::int32_t programVersion = 6;
    std::int32_t formatVersion = 6;
    std::array<ColumnParts, kFieldCount> columns; // indexed by Field
    std::string reserved = std::string(8, '\0');
    double accountCount = 0;
    std::string check;

    ColumnParts& column(Field f) { return columns[static_cast<int>(f)]; }
    std::string bytes() const;
};

// The parts the writer should produce for these accounts, password and draws,
// the CRC and marker included in Reserved.
FileParts referenceParts(const std::vector<Account>& accounts, std::string_view password, int check,
                         const ColumnDraws& draws);

} // namespace lb::test
