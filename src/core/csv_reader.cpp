#include "core/csv_reader.h"

namespace lb {
namespace {

class CsvParser {
public:
    explicit CsvParser(std::string_view text) : text_(text) {}

    std::optional<std::vector<CsvRow>> rows(std::string& error) {
        std::vector<CsvRow> rows;
        while (at_ < text_.size()) {
            CsvRow row;
            row.line = line_;
            if (lineEnd()) { // an empty line holds no row
                continue;
            }
            for (;;) {
                std::string field;
                if (!readField(field, error)) {
                    return std::nullopt;
                }
                row.fields.push_back(std::move(field));
                if (at_ < text_.size() && text_[at_] == ',') {
                    ++at_;
                    continue;
                }
                lineEnd();
                break;
            }
            rows.push_back(std::move(row));
        }
        return rows;
    }

private:
    // Steps over a line end at the cursor, if one is there.
    bool lineEnd() {
        if (at_ < text_.size() && text_[at_] == '\r') {
            ++at_;
            if (at_ < text_.size() && text_[at_] == '\n') {
                ++at_;
            }
        } else if (at_ < text_.size() && text_[at_] == '\n') {
            ++at_;
        } else {
            return false;
        }
        ++line_;
        return true;
    }

    bool readField(std::string& field, std::string& error) {
        if (at_ >= text_.size() || text_[at_] != '"') {
            const std::size_t end = text_.find_first_of(",\r\n", at_);
            const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
            field.assign(text_.substr(at_, stop - at_));
            at_ = stop;
            return true;
        }
        const std::size_t opened = line_;
        ++at_;
        for (;;) {
            const std::size_t quote = text_.find('"', at_);
            if (quote == std::string_view::npos) {
                error = "the quoted value that starts on line " + std::to_string(opened) +
                        " is never closed";
                return false;
            }
            countLines(text_.substr(at_, quote - at_));
            field.append(text_.substr(at_, quote - at_));
            at_ = quote + 1;
            if (at_ < text_.size() && text_[at_] == '"') {
                field += '"';
                ++at_;
                continue;
            }
            if (at_ < text_.size() && !isSeparator(text_[at_])) {
                error = "on line " + std::to_string(line_) +
                        ", a quoted value is followed by something other than a comma";
                return false;
            }
            return true;
        }
    }

    static bool isSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

    // Line breaks inside a quoted value still move the line count on.
    void countLines(std::string_view inside) {
        for (std::size_t i = 0; i < inside.size(); ++i) {
            if (inside[i] == '\n' ||
                (inside[i] == '\r' && (i + 1 == inside.size() || inside[i + 1] != '\n'))) {
                ++line_;
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
};

} // namespace

std::optional<std::vector<CsvRow>> readCsv(std::string_view text, std::string& error) {
    return CsvParser(text).rows(error);
}

} // namespace lb
