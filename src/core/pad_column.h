#pragma once
// The column layout shared by the formatted-text export and the printout:
// five columns, each as wide as its heading or its longest value, each value
// followed by spaces up to its column's width plus two. Widths count
// characters (Unicode scalar values of the UTF-8 text), line breaks included.

#include "core/account.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

using ColumnWidths = std::array<std::size_t, kFieldCount>;

// Each width starts at its heading's length and is raised only by a strictly
// longer value.
ColumnWidths columnWidths(const std::vector<Account>& accounts);

// Text followed by width - length(text) + 2 spaces; width must not be less
// than the text's length.
std::string PadColumn(std::string_view text, std::size_t width);

// The five texts padded to their columns and joined with nothing between them.
std::string paddedLine(const std::array<std::string_view, kFieldCount>& texts,
                       const ColumnWidths& widths);

} // namespace lb
