#include "core/export_writer.h"

#include "core/cp1252.h"
#include "core/pad_column.h"
#include "core/product.h"

#include <array>

namespace lb {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void addLine(std::string& out, std::string_view line) {
    out += line;
    out += kLineEnd;
}

void addHtmlOpening(std::string& out, bool utf8) {
    addLine(out, "<HTML>");
    addLine(out, " <HEAD>");
    out += "  <TITLE>Exported ";
    out += kProductName;
    out += " File (version ";
    out += kProductVersion;
    out += ")</TITLE>";
    out += kLineEnd;
    addLine(out, utf8 ? "  <META HTTP-EQUIV='Content-Type' CONTENT='text/html; charset=utf-8'>"
                      : "  <META HTTP-EQUIV='Content-Type' CONTENT='text/html; charset=iso-8859-1'>");
    addLine(out, " </HEAD>");
    addLine(out, " <BODY>");
    addLine(out, "  <TABLE WIDTH='80%' BORDER='1' CELLSPACING='0' CELLPADDING='4'>");
    addLine(out, "   <TR>");
    for (std::string_view heading : kColumnHeadings) {
        out += "    <TD><B>";
        out += heading;
        out += "</B></TD>";
        out += kLineEnd;
    }
    addLine(out, "   </TR>");
}

void addHtmlRow(std::string& out, const Account& account) {
    addLine(out, "   <TR>");
    for (int f = 0; f < kFieldCount; ++f) {
        out += "    <TD>";
        out += HtmlCell(account.field(static_cast<Field>(f)));
        out += "</TD>";
        out += kLineEnd;
    }
    addLine(out, "   </TR>");
}

void addHtmlClosing(std::string& out) {
    addLine(out, "  </TABLE>");
    addLine(out, " </BODY>");
    addLine(out, "</HTML>");
}

std::array<std::string_view, kFieldCount> fieldsOf(const Account& account) {
    return {account.name, account.user, account.password, account.url, account.notes};
}

// A value that would break the line into more or fewer than five fields for a
// reader goes in double quotes, inner quotes doubled; any other value is
// written as it stands, so ordinary lines stay plain separated text.
void addSeparatedValue(std::string& out, std::string_view value, char separator) {
    const char splitters[] = {separator, '"', '\r', '\n'};
    if (value.find_first_of(std::string_view(splitters, sizeof splitters)) == value.npos) {
        out += value;
        return;
    }
    out += '"';
    for (char c : value) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

void addSeparatedLine(std::string& out, const Account& account, char separator) {
    bool first = true;
    for (std::string_view value : fieldsOf(account)) {
        if (!first) {
            out += separator;
        }
        first = false;
        addSeparatedValue(out, value, separator);
    }
    out += kLineEnd;
}

std::size_t roughSize(const std::vector<Account>& accounts, ExportFormat format) {
    std::size_t perAccountMarkup = 16;
    if (format == ExportFormat::Html) {
        perAccountMarkup = 120;
    }
    std::size_t total = 1024 + accounts.size() * perAccountMarkup;
    for (const Account& account : accounts) {
        for (std::string_view value : fieldsOf(account)) {
            total += value.size();
        }
    }
    return total;
}

bool fitsCodePage(const std::vector<Account>& accounts) {
    for (const Account& account : accounts) {
        for (std::string_view value : fieldsOf(account)) {
            if (cp1252::firstUnconvertible(value)) {
                return false;
            }
        }
    }
    return true;
}

// The export as UTF-8 text, with the HTML head naming the charset it will have.
std::string exportText(const std::vector<Account>& accounts, ExportFormat format, bool utf8) {
    std::string out;
    switch (format) {
    case ExportFormat::Html:
        out.reserve(roughSize(accounts, format));
        addHtmlOpening(out, utf8);
        for (const Account& account : accounts) {
            addHtmlRow(out, account);
        }
        addHtmlClosing(out);
        break;
    case ExportFormat::FormattedText: {
        const ColumnWidths widths = columnWidths(accounts);
        std::size_t lineLength = 2 * kFieldCount;
        for (std::size_t width : widths) {
            lineLength += width;
        }
        out.reserve((accounts.size() + 1) * (lineLength + kLineEnd.size()));
        addLine(out, paddedLine(kColumnHeadings, widths));
        for (const Account& account : accounts) {
            addLine(out, paddedLine(fieldsOf(account), widths));
        }
        break;
    }
    case ExportFormat::TabSeparated:
    case ExportFormat::CommaSeparated:
    case ExportFormat::Csv: {
        const char separator = format == ExportFormat::TabSeparated ? '\t' : ',';
        out.reserve(roughSize(accounts, format));
        for (const Account& account : accounts) {
            addSeparatedLine(out, account, separator);
        }
        break;
    }
    }
    return out;
}

} // namespace

std::optional<ExportFormat> exportFormatFromNumber(int number) {
    if (number < static_cast<int>(ExportFormat::Html) ||
        number > static_cast<int>(ExportFormat::Csv)) {
        return std::nullopt;
    }
    return static_cast<ExportFormat>(number);
}

std::string HtmlCell(std::string_view text) {
    if (text.empty()) {
        return "&nbsp;";
    }
    std::string cell;
    cell.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            cell += "&amp;";
            break;
        case '<':
            cell += "&lt;";
            break;
        case '>':
            cell += "&gt;";
            break;
        case '"':
            cell += "&quot;";
            break;
        case '\'':
            cell += "&#39;";
            break;
        default:
            cell += c;
        }
    }
    return cell;
}

std::string exportBytes(const std::vector<Account>& accounts, ExportFormat format) {
    // Western text comes out as it always has, one Windows-1252 byte per
    // character, for the programs that read such files. Anything else is
    // UTF-8, said in the HTML head, or marked by a byte-order mark that tells
    // spreadsheet programs what they read.
    const bool codePage = fitsCodePage(accounts);
    std::string text = exportText(accounts, format, !codePage);
    if (!codePage) {
        if (format != ExportFormat::Html) {
            text.insert(0, kByteOrderMark);
        }
        return text;
    }
    std::string bytes = *cp1252::fromUtf8(text);
    wipeText(text);
    return bytes;
}

} // namespace lb
