#include "core/pad_column.h"

#include "core/utf8.h"

#include <algorithm>

namespace lb {

ColumnWidths columnWidths(const std::vector<Account>& accounts) {
    ColumnWidths widths{};
    for (int f = 0; f < kFieldCount; ++f) {
        std::size_t width = kColumnHeadings[static_cast<std::size_t>(f)].size();
        for (const Account& account : accounts) {
            const std::string& text = account.field(static_cast<Field>(f));
            // A text has at least as many bytes as characters: most need no count.
            if (text.size() > width) {
                width = std::max(width, utf8::characterCount(text));
            }
        }
        widths[static_cast<std::size_t>(f)] = width;
    }
    return widths;
}

std::string PadColumn(std::string_view text, std::size_t width) {
    std::string result(text);
    result.append(width - utf8::characterCount(text) + 2, ' ');
    return result;
}

std::string paddedLine(const std::array<std::string_view, kFieldCount>& texts,
                       const ColumnWidths& widths) {
    std::string line;
    for (std::size_t f = 0; f < texts.size(); ++f) {
        line += PadColumn(texts[f], widths[f]);
    }
    return line;
}

} // namespace lb
