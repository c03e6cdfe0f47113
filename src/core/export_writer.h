#pragma once
// The bytes of an export file: the whole account list in one of five formats,
// every line (the last one too) ended by CR LF. Text that Windows-1252 holds
// is written in it, one byte per character; any other text makes the whole
// file UTF-8 (the HTML head says so, the other formats start with a
// byte-order mark). Pure: the caller writes the bytes wherever they go.

#include "core/account.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

// Numbered as the file types of the Export dialog, 1 to 5.
enum class ExportFormat {
    Html = 1,          // a table, one row per account
    FormattedText = 2, // column-aligned text under a heading line
    TabSeparated = 3,
    CommaSeparated = 4,
    Csv = 5, // the same bytes as CommaSeparated
};

// The format of a dialog or command-line number, or nothing outside 1 to 5.
std::optional<ExportFormat> exportFormatFromNumber(int number);

// The whole file, accounts in the given order, passwords as given.
std::string exportBytes(const std::vector<Account>& accounts, ExportFormat format);

// A table cell's content: the text with its markup characters as character
// references, or "&nbsp;" for an empty text so the cell keeps its border.
std::string HtmlCell(std::string_view text);

} // namespace lb
