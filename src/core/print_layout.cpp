#include "core/print_layout.h"

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

std::string shown(const Account& account, Field f, const PasswordMask& mask) {
    const std::string& text = account.field(f);
    return f == Field::Password && mask ? mask(text) : text;
}

PrintLine cellsLine(const std::array<std::string_view, kFieldCount>& cells,
                    const ColumnWidths& widths, bool bold) {
    PrintLine line;
    line.text = paddedLine(cells, widths);
    line.cells.assign(cells.begin(), cells.end());
    line.bold = bold;
    return line;
}

void addAccountLines(std::vector<PrintLine>& lines, const Account& account,
                     const PasswordMask& mask, const ColumnWidths& widths) {
    std::array<std::string, kFieldCount> texts;
    std::array<std::vector<std::string_view>, kFieldCount> parts;
    std::size_t height = 1;
    for (std::size_t f = 0; f < texts.size(); ++f) {
        texts[f] = shown(account, static_cast<Field>(f), mask);
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
        lines.push_back(cellsLine(cells, widths, false));
    }
}

} // namespace

ColumnWidths printColumnWidths(const std::vector<Account>& accounts, const PasswordMask& mask) {
    ColumnWidths widths = columnWidths(accounts);
    if (mask) {
        // A mask may be shorter than its password (it counts what a person
        // sees as one character); the column is as wide as what it prints.
        std::size_t width = kColumnHeadings[static_cast<int>(Field::Password)].size();
        for (const Account& account : accounts) {
            width = std::max(width, mask(account.password).size());
        }
        widths[static_cast<int>(Field::Password)] = width;
    }
    return widths;
}

std::vector<PrintLine> printLayout(const std::vector<Account>& accounts, const PasswordMask& mask) {
    const ColumnWidths widths = printColumnWidths(accounts, mask);
    std::vector<PrintLine> lines;
    lines.reserve(accounts.size() + 3);
    std::string title(kProductName);
    title += ' ';
    title += kProductVersion;
    lines.push_back({std::move(title), {}, true});
    lines.push_back({std::string(), {}, true});
    lines.push_back(cellsLine(kColumnHeadings, widths, true));
    for (const Account& account : accounts) {
        addAccountLines(lines, account, mask, widths);
    }
    return lines;
}

} // namespace lb
