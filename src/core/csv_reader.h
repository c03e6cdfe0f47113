#pragma once
// Comma-separated values as browsers and password managers export them
// (RFC 4180): fields in double quotes may hold commas, doubled quotes and
// line breaks; lines end in CR LF, LF or CR, the last one perhaps not at all.
// Bytes pass through unchanged, whatever their encoding, so the caller
// decides what a byte-order mark means. Pure.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

struct CsvRow {
    std::size_t line = 0; // where the row starts in the file, from 1
    std::vector<std::string> fields;
};

// The rows of text, empty lines left out; nothing, with error saying where,
// when a quoted field is never closed or a closing quote is followed by
// anything but a comma or a line end.
std::optional<std::vector<CsvRow>> readCsv(std::string_view text, std::string& error);

} // namespace lb
