#include "core/print_layout.h"

#include "core/account_order.h"
#include "core/pad_column.h"
#include "core/product.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace lb {
namespace {

// The parts of a value between its line breaks (CR LF, a lone CR or a lone LF).
std::vector<std::string_view> partsOf(std::string_view value) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t brk = value.find_first_of("\r\n", start);
        if (brk == value.npos) {
            parts.push_back(value.substr(start));
            return parts;
        }
        parts.push_back(value.substr(start, brk - start));
        start = brk + 1;
        if (value[brk] == '\r' && start < value.size() && value[start] == '\n') {
            ++start;
        }
    }
}

void addAccountLines(std::vector<PrintLine>& lines, const Account& account, bool masked,
                     const ColumnWidths& widths) {
    std::array<std::string, kFieldCount> texts;
    std::array<std::vector<std::string_view>, kFieldCount> parts;
    std::size_t height = 1;
    for (std::size_t f = 0; f < texts.size(); ++f) {
        texts[f] = shownText(account, static_cast<Field>(f), masked);
        parts[f] = partsOf(texts[f]);
        height = std::max(height, parts[f].size());
    }
    for (std::size_t row = 0; row < height; ++row) {
        std::array<std::string_view, kFieldCount> cells{};
        for (std::size_t f = 0; f < cells.size(); ++f) {
            if (row < parts[f].size()) {
                cells[f] = parts[f][row];
            }
        }
        lines.push_back({paddedLine(cells, widths), false});
    }
}

} // namespace

std::vector<PrintLine> printLayout(const std::vector<Account>& accounts, bool masked) {
    // A masked password prints as many asterisks as it has characters, so the
    // widths are those of the real values either way.
    const ColumnWidths widths = columnWidths(accounts);
    std::vector<PrintLine> lines;
    lines.reserve(accounts.size() + 3);
    std::string title(kProductName);
    title += ' ';
    title += kProductVersion;
    lines.push_back({std::move(title), true});
    lines.push_back({std::string(), true});
    lines.push_back({paddedLine(kColumnHeadings, widths), true});
    for (const Account& account : accounts) {
        addAccountLines(lines, account, masked, widths);
    }
    return lines;
}

} // namespace lb
