#include "core/import_sources.h"

#include "core/cp1252.h"
#include "core/csv_reader.h"
#include "core/import_layouts.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace lb {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kNoteLineBreak = "\r\n"; // as the notes box stores a line break

// Why a field cannot be stored, in the words of a refusal.
std::string whyUnstorable(std::string_view utf8) {
    const auto c = cp1252::firstUnconvertible(utf8);
    if (!c) {
        return "holds the character \xC3\xBF (code 255), which an account file cannot store";
    }
    if (*c == cp1252::kNotUtf8) {
        return "is not valid UTF-8";
    }
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*c));
    return std::string("holds ") + code + ", which Windows-1252 lacks";
}

// The host of a URL, which Firefox gives in place of a name:
// "https://user@www.example.com:8080/login" gives "www.example.com".
std::string hostOf(std::string_view url) {
    if (const std::size_t scheme = url.find("://"); scheme != std::string_view::npos) {
        url.remove_prefix(scheme + 3);
    }
    url = url.substr(0, url.find_first_of("/?#"));
    if (const std::size_t at = url.rfind('@'); at != std::string_view::npos) {
        url.remove_prefix(at + 1);
    }
    if (!url.empty() && url.front() == '[') { // an IPv6 address keeps its brackets
        return std::string(url.substr(0, url.find(']') + 1));
    }
    return std::string(url.substr(0, url.find(':')));
}

// Other programs break lines with LF alone; the notes box stores CR LF.
std::string withNoteLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += kNoteLineBreak;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += text[i];
        }
    }
    return out;
}

void addNoteLine(std::string& notes, std::string_view line) {
    if (line.empty()) {
        return;
    }
    if (!notes.empty()) {
        notes += kNoteLineBreak;
    }
    notes += line;
}

std::string valuesText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " value" : " values");
}

class Importer {
public:
    explicit Importer(ImportResult& result) : result_(result) {}

    // A value's Windows-1252 bytes; empty, with the problem noted, when it
    // has none an account file can hold.
    std::string text(std::string_view value, bool utf8, std::string_view column, std::size_t line) {
        std::optional<std::string> bytes = utf8 ? cp1252::fromUtf8(value) : std::string(value);
        if (!bytes || bytes->find(kUnstorableCode) != std::string::npos) {
            result_.problems.push_back({line, std::string(column), whyUnstorable(value)});
            return {};
        }
        return std::move(*bytes);
    }

    void rowProblem(std::size_t line, std::string what) {
        result_.problems.push_back({line, {}, std::move(what)});
    }

    void keep(Account account) { result_.accounts.push_back(std::move(account)); }

private:
    ImportResult& result_;
};

void importOwnExport(const std::vector<CsvRow>& rows, ImportResult& result) {
    Importer importer(result);
    for (const CsvRow& row : rows) {
        if (row.fields.size() != kFieldCount) {
            importer.rowProblem(row.line, valuesText(row.fields.size()) +
                                              " where a Lockerbook export has five (name, "
                                              "user, password, url, notes)");
            continue;
        }
        Account account;
        for (int f = 0; f < kFieldCount; ++f) {
            account.field(static_cast<Field>(f)) =
                importer.text(row.fields[f], false, kMemberNames[f], row.line);
        }
        importer.keep(std::move(account));
    }
}

// Where each header column's values go; refuses a header that lacks a
// required column or names a known one twice.
std::vector<const ImportColumn*> columnsOf(const ImportLayout& layout,
                                           const std::vector<std::string>& header,
                                           ImportResult& result) {
    std::vector<const ImportColumn*> columns;
    for (const std::string& name : header) {
        const auto known =
            std::find_if(layout.columns.begin(), layout.columns.end(),
                         [&name](const ImportColumn& c) { return c.header == name; });
        if (known == layout.columns.end()) {
            columns.push_back(nullptr);
            auto& unknown = result.unknownColumns;
            if (!name.empty() && std::find(unknown.begin(), unknown.end(), name) == unknown.end()) {
                unknown.push_back(name);
            }
        } else if (std::find(columns.begin(), columns.end(), &*known) != columns.end()) {
            result.refusal = "the header line names the column \"" + name + "\" twice";
        } else {
            columns.push_back(&*known);
        }
    }
    const auto missing = missingColumns(layout, header);
    if (!missing.empty()) {
        result.refusal =
            std::string("the header line lacks the column") + (missing.size() == 1 ? " " : "s ");
        for (std::size_t i = 0; i < missing.size(); ++i) {
            result.refusal += (i == 0 ? "\"" : ", \"") + std::string(missing[i]) + "\"";
        }
    }
    return columns;
}

void importWithHeader(const std::vector<CsvRow>& rows, const ImportLayout& layout,
                      ImportResult& result) {
    if (rows.empty()) {
        result.refusal = "the file is empty, without the header line that names the columns";
        return;
    }
    const std::vector<const ImportColumn*> columns = columnsOf(layout, rows.front().fields, result);
    if (!result.refusal.empty()) {
        return;
    }
    Importer importer(result);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        if (row.fields.size() != columns.size()) {
            importer.rowProblem(row.line, valuesText(row.fields.size()) +
                                              " where the header line names " +
                                              std::to_string(columns.size()));
            continue;
        }
        std::array<std::string_view, kTargetCount> raw{};
        std::array<std::string_view, kTargetCount> header{};
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c] != nullptr && columns[c]->target != Target::Unused) {
                raw[static_cast<int>(columns[c]->target)] = row.fields[c];
                header[static_cast<int>(columns[c]->target)] = columns[c]->header;
            }
        }
        const auto text = [&](Target t) {
            const int i = static_cast<int>(t);
            return importer.text(raw[i], true, header[i], row.line);
        };
        if (layout.source == ImportSource::Bitwarden &&
            raw[static_cast<int>(Target::Type)] != "login") {
            ++result.skippedNotLogin;
            continue;
        }
        const std::string_view rawName = raw[static_cast<int>(Target::Name)];
        const bool nameless = layout.nameFromHost
                                  ? hostOf(raw[static_cast<int>(Target::Url)]).empty()
                                  : rawName.empty();
        if (nameless && raw[static_cast<int>(Target::User)].empty() &&
            raw[static_cast<int>(Target::Password)].empty()) {
            ++result.skippedEmpty;
            continue;
        }
        Account account;
        account.url = text(Target::Url);
        account.name = layout.nameFromHost ? hostOf(account.url) : text(Target::Name);
        account.user = text(Target::User);
        account.password = text(Target::Password);
        if (const std::string group = text(Target::Group); !group.empty()) {
            addNoteLine(account.notes, std::string(layout.groupLabel) + ": " + group);
        }
        addNoteLine(account.notes, withNoteLineBreaks(text(Target::Notes)));
        if (const std::string totp = text(Target::Totp); !totp.empty()) {
            addNoteLine(account.notes, "TOTP: " + totp);
        }
        addNoteLine(account.notes, withNoteLineBreaks(text(Target::Fields)));
        importer.keep(std::move(account));
    }
}

void importOwnFile(std::string_view bytes, ImportResult& result) {
    std::string error;
    if (const auto rows = readCsv(bytes, error)) {
        importOwnExport(*rows, result);
    } else {
        result.refusal = error;
    }
}

} // namespace

std::optional<ImportSource> importSourceNamed(std::string_view name) {
    if (name == "lockerbook") {
        return ImportSource::Lockerbook;
    }
    for (const ImportLayout& layout : importLayouts()) {
        if (layout.commandName == name) {
            return layout.source;
        }
    }
    return std::nullopt;
}

std::string_view importSourceTitle(ImportSource source) {
    const ImportLayout* layout = importLayoutOf(source);
    return layout != nullptr ? layout->title : "Lockerbook's own export";
}

ImportResult importExportFile(std::string_view bytes, std::optional<ImportSource> source) {
    ImportResult result;
    if (source == ImportSource::Lockerbook) {
        importOwnFile(bytes, result);
        return result;
    }
    // Other programs may start their UTF-8 with a byte-order mark; Lockerbook's
    // own export is Windows-1252 and never does, so there those bytes are text.
    std::string_view utf8 = bytes;
    if (utf8.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        utf8.remove_prefix(kByteOrderMark.size());
    }
    std::string error;
    const auto rows = readCsv(utf8, error);
    const ImportLayout* layout = nullptr;
    if (source) {
        layout = importLayoutOf(*source);
    } else if (rows && !rows->empty()) {
        layout = layoutOfHeader(rows->front().fields);
    }
    if (layout == nullptr) {
        importOwnFile(bytes, result);
        return result;
    }
    result.source = layout->source;
    if (!rows) {
        result.refusal = error;
        return result;
    }
    importWithHeader(*rows, *layout, result);
    return result;
}

} // namespace lb
