#pragma once
// The printout as lines of text: the bold title, an empty line, the bold
// heading line, then the accounts in list order in the formatted-text export's
// columns. The password column prints what the list shows: asterisks while
// passwords are masked. A value with line breaks takes several lines: its
// account's first line carries the first part of every value, and each later
// line carries only the values' further parts, each in its own column, so
// continued notes stay indented under the Notes heading.

#include "core/account.h"

#include <string>
#include <vector>

namespace lb {

struct PrintLine {
    std::string text; // Windows-1252, no line break
    bool bold = false;

    bool operator==(const PrintLine&) const = default;
};

std::vector<PrintLine> printLayout(const std::vector<Account>& accounts, bool masked);

} // namespace lb
