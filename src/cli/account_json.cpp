#include "cli/account_json.h"

#include "store/cp1252.h"

#include <array>

namespace lb::cli {
namespace {

constexpr std::array<std::string_view, kFieldCount> kMemberNames = {"name", "user", "password",
                                                                    "url", "notes"};

// How each Windows-1252 byte appears inside a JSON string.
std::array<std::string, 256> makeEscapes() {
    std::array<std::string, 256> escapes;
    constexpr char kHex[] = "0123456789abcdef";
    for (int b = 0; b < 256; ++b) {
        std::string& e = escapes[b];
        switch (b) {
        case '"':
            e = "\\\"";
            break;
        case '\\':
            e = "\\\\";
            break;
        case '\b':
            e = "\\b";
            break;
        case '\f':
            e = "\\f";
            break;
        case '\n':
            e = "\\n";
            break;
        case '\r':
            e = "\\r";
            break;
        case '\t':
            e = "\\t";
            break;
        default:
            if (b < 0x20) {
                e = std::string("\\u00") + kHex[b >> 4] + kHex[b & 0xF];
            } else {
                e = cp1252::toUtf8(std::string(1, static_cast<char>(b)));
            }
        }
    }
    return escapes;
}

void appendString(std::string& out, std::string_view bytes) {
    static const std::array<std::string, 256> escapes = makeEscapes();
    out += '"';
    for (char c : bytes) {
        out += escapes[static_cast<unsigned char>(c)];
    }
    out += '"';
}

// Reads tokens from the front of the document; every look at a character is
// checked against the end, and the first problem stops the reading.
class JsonReader {
public:
    explicit JsonReader(std::string_view json) : json_(json) {}

    const std::string& error() const { return error_; }

    bool fail(const std::string& what) {
        if (error_.empty()) {
            error_ = what + " at byte " + std::to_string(pos_ + 1) + " of the JSON";
        }
        return false;
    }

    void skipSpace() {
        while (pos_ < json_.size() && (json_[pos_] == ' ' || json_[pos_] == '\t' ||
                                       json_[pos_] == '\n' || json_[pos_] == '\r')) {
            ++pos_;
        }
    }

    // Skips white space; true and past c when c comes next.
    bool take(char c) {
        skipSpace();
        if (pos_ < json_.size() && json_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool expect(char c) { return take(c) || fail(std::string("expected '") + c + "'"); }

    bool atEnd() {
        skipSpace();
        return pos_ == json_.size();
    }

    // A JSON string, its escapes resolved, as UTF-8.
    bool string(std::string& out) {
        out.clear();
        if (!take('"')) {
            return fail("expected a string");
        }
        while (pos_ < json_.size()) {
            const char c = json_[pos_++];
            if (c == '"') {
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return fail("a control character must be escaped");
            }
            if (c != '\\') {
                out += c;
            } else if (!escape(out)) {
                return false;
            }
        }
        return fail("the string is not closed");
    }

private:
    bool escape(std::string& out) {
        if (pos_ >= json_.size()) {
            return fail("the escape is cut short");
        }
        switch (const char c = json_[pos_++]) {
        case '"':
        case '\\':
        case '/':
            out += c;
            return true;
        case 'b':
            out += '\b';
            return true;
        case 'f':
            out += '\f';
            return true;
        case 'n':
            out += '\n';
            return true;
        case 'r':
            out += '\r';
            return true;
        case 't':
            out += '\t';
            return true;
        case 'u':
            return unicodeEscape(out);
        default:
            return fail("unknown escape");
        }
    }

    bool hex4(char32_t& out) {
        if (json_.size() - pos_ < 4) {
            return fail("\\u needs four hex digits");
        }
        out = 0;
        for (int i = 0; i < 4; ++i) {
            const char h = json_[pos_++];
            int digit = 0;
            if (h >= '0' && h <= '9') {
                digit = h - '0';
            } else if (h >= 'a' && h <= 'f') {
                digit = h - 'a' + 10;
            } else if (h >= 'A' && h <= 'F') {
                digit = h - 'A' + 10;
            } else {
                return fail("\\u needs four hex digits");
            }
            out = out << 4 | static_cast<char32_t>(digit);
        }
        return true;
    }

    bool unicodeEscape(std::string& out) {
        char32_t c = 0;
        if (!hex4(c)) {
            return false;
        }
        if (c >= 0xDC00 && c <= 0xDFFF) {
            return fail("a lone low surrogate");
        }
        if (c >= 0xD800 && c <= 0xDBFF) {
            char32_t low = 0;
            if (json_.substr(pos_, 2) != "\\u") {
                return fail("a high surrogate without its low half");
            }
            pos_ += 2;
            if (!hex4(low)) {
                return false;
            }
            if (low < 0xDC00 || low > 0xDFFF) {
                return fail("a high surrogate without its low half");
            }
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        }
        cp1252::appendUtf8(out, c);
        return true;
    }

    std::string_view json_;
    std::size_t pos_ = 0;
    std::string error_;
};

bool readAccount(JsonReader& in, std::size_t number, Account& account) {
    const std::string where = "account " + std::to_string(number);
    if (!in.expect('{')) {
        return false;
    }
    if (in.take('}')) {
        return true;
    }
    std::array<bool, kFieldCount> seen{};
    std::string name;
    std::string value;
    do {
        if (!in.string(name) || !in.expect(':') || !in.string(value)) {
            return false;
        }
        int f = 0;
        while (f < kFieldCount && kMemberNames[f] != name) {
            ++f;
        }
        if (f == kFieldCount) {
            return in.fail(where + " has an unknown member \"" + name + "\"");
        }
        if (seen[f]) {
            return in.fail(where + " has \"" + name + "\" twice");
        }
        seen[f] = true;
        auto bytes = cp1252::fromUtf8(value);
        if (!bytes) {
            return in.fail(where + ": \"" + name +
                           "\" holds a character that account files cannot store");
        }
        account.field(static_cast<Field>(f)) = std::move(*bytes);
    } while (in.take(','));
    return in.expect('}');
}

} // namespace

std::string accountsToJson(const std::vector<Account>& accounts) {
    std::string out = "{\"accounts\":[";
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        out += i == 0 ? "{" : ",{";
        for (int f = 0; f < kFieldCount; ++f) {
            out += f == 0 ? "\"" : ",\"";
            out += kMemberNames[f];
            out += "\":";
            appendString(out, accounts[i].field(static_cast<Field>(f)));
        }
        out += '}';
    }
    out += "]}\n";
    return out;
}

std::optional<std::vector<Account>> accountsFromJson(std::string_view json, std::string& error) {
    JsonReader in(json);
    std::vector<Account> accounts;
    std::string key;
    const bool ok = [&] {
        if (!in.expect('{') || !in.string(key)) {
            return false;
        }
        if (key != "accounts") {
            return in.fail("the document's only member must be \"accounts\"");
        }
        if (!in.expect(':') || !in.expect('[')) {
            return false;
        }
        if (!in.take(']')) {
            do {
                accounts.emplace_back();
                if (!readAccount(in, accounts.size(), accounts.back())) {
                    return false;
                }
            } while (in.take(','));
            if (!in.expect(']')) {
                return false;
            }
        }
        if (!in.expect('}')) {
            return false;
        }
        return in.atEnd() || in.fail("text after the document");
    }();
    if (!ok) {
        error = in.error();
        return std::nullopt;
    }
    return accounts;
}

} // namespace lb::cli
