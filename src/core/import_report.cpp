#include "core/import_report.h"

namespace lb {
namespace {

// A refusal names every place to fix, yet a file that is wrong throughout
// must not bury the first ones under thousands of lines.
constexpr std::size_t kMostProblemsShown = 20;

// A column name from the file as it may be shown at a terminal or in a
// message: control characters would move the cursor or break the lines.
std::string shown(std::string_view text) {
    std::string out;
    for (const char c : text) {
        out += static_cast<unsigned char>(c) < 0x20 || c == '\x7F' ? '?' : c;
    }
    return out;
}

void addLine(std::string& text, std::string_view line) {
    if (line.empty()) {
        return;
    }
    if (!text.empty()) {
        text += '\n';
    }
    text += line;
}

// Told by the header line, a file that fails as Lockerbook's own export is
// most likely a header line that is not quite one of the known ones.
void addReadAsOwn(std::string& text, const ImportResult& result, bool told) {
    if (told && result.source == ImportSource::Lockerbook) {
        addLine(text, "The file has none of the known header lines, so it was read as "
                      "Lockerbook's own export.");
    }
}

void addProblems(std::string& text, const ImportResult& result) {
    addLine(text, "Nothing was imported; these rows cannot be stored as they stand:");
    for (std::size_t i = 0; i < result.problems.size() && i < kMostProblemsShown; ++i) {
        const RowProblem& p = result.problems[i];
        std::string line = "  line " + std::to_string(p.line);
        if (!p.column.empty()) {
            line += ", \"";
            line += shown(p.column);
            line += '"';
        }
        line += ": ";
        line += p.what;
        addLine(text, line);
    }
    if (result.problems.size() > kMostProblemsShown) {
        addLine(text,
                "  and " + std::to_string(result.problems.size() - kMostProblemsShown) + " more.");
    }
}

} // namespace

std::string importFailureText(const ImportResult& result, bool told) {
    std::string text;
    if (!result.refusal.empty()) {
        text = "The file cannot be read as ";
        text += importSourceTitle(result.source);
        text += ": ";
        text += result.refusal;
        text += '.';
    } else if (!result.problems.empty()) {
        text = unknownColumnsText(result);
        addProblems(text, result);
    } else {
        return {};
    }
    addReadAsOwn(text, result, told);
    return text;
}

std::string unknownColumnsText(const ImportResult& result) {
    if (result.unknownColumns.empty()) {
        return {};
    }
    std::string text = "Not imported, as ";
    text += importSourceTitle(result.source);
    text += " has no such column";
    text += result.unknownColumns.size() == 1 ? ": " : "s: ";
    for (std::size_t i = 0; i < result.unknownColumns.size(); ++i) {
        text += i == 0 ? "\"" : ", \"";
        text += shown(result.unknownColumns[i]);
        text += '"';
    }
    text += '.';
    return text;
}

} // namespace lb
