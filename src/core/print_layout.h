#pragma once
// The printout as lines of text: the bold title, an empty line, the bold
// heading line, then the accounts in list order in the formatted-text export's
// columns. The password column prints what the list shows: asterisks while
// passwords are masked, as many as the list shows. A value with line breaks takes several lines: its
// account's first line carries the first part of every value, and each later
// line carries only the values' further parts, each in its own column, so
// continued notes stay indented under the Notes heading.

#include "core/account.h"
#include "core/pad_column.h"

#include <functional>
#include <string>
#include <vector>

namespace lb {

// One printed line: the title alone, or five cells that start at their
// columns. text is the whole line, the cells padded with spaces (UTF-8).
struct PrintLine {
    std::string text;
    std::vector<std::string> cells; // empty for the title and the empty line
    bool bold = false;

    bool operator==(const PrintLine&) const = default;
};

// The run of asterisks a masked password shows; nothing prints passwords in clear.
using PasswordMask = std::function<std::string(std::string_view password)>;

// The printout; mask is empty while passwords show in clear.
std::vector<PrintLine> printLayout(const std::vector<Account>& accounts, const PasswordMask& mask);

// The widths of the five columns, in characters, as printLayout pads them.
ColumnWidths printColumnWidths(const std::vector<Account>& accounts, const PasswordMask& mask);

} // namespace lb
