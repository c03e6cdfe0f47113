#include "core/classic_file.h"

#include "core/account_records.h"
#include "core/account_records_layout.h"
#include "core/cipher.h"
#include "core/cp1252.h"
#include "core/file_limits.h"

#include <cstdio>
#include <stdexcept>

namespace lb {
namespace {

constexpr char32_t kUnkeepableByte = 0xFF; // ÿ: the cipher turns it into code 0

// The table's texts as Windows-1252 bytes, or an exception.
std::vector<Account> codePageCopy(const std::vector<Account>& accounts) {
    std::vector<Account> copy(accounts.size());
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        for (int f = 0; f < kFieldCount; ++f) {
            const auto field = static_cast<Field>(f);
            auto bytes = cp1252::fromUtf8(accounts[i].field(field));
            if (!bytes || classicUnkeepable(accounts[i].field(field))) {
                throw std::domain_error("a text the legacy format cannot keep");
            }
            copy[i].field(field) = std::move(*bytes);
        }
    }
    return copy;
}

} // namespace

std::optional<char32_t> classicUnkeepable(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const char32_t c = utf8::nextCharacter(text, i);
        if (c == utf8::kInvalid || c == kUnkeepableByte || c > 0xFFFF ||
            !cp1252::fromUnicode(static_cast<char16_t>(c))) {
            return c;
        }
    }
    return std::nullopt;
}

std::vector<ClassicRefusal> classicRefusals(const std::vector<Account>& accounts) {
    std::vector<ClassicRefusal> found;
    for (std::size_t row = 0; row < accounts.size(); ++row) {
        for (int f = 0; f < kFieldCount; ++f) {
            const auto field = static_cast<Field>(f);
            if (const auto c = classicUnkeepable(accounts[row].field(field))) {
                found.push_back({row, field, *c});
            }
        }
    }
    return found;
}

std::string characterName(char32_t c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    std::string name = code;
    if (c != utf8::kInvalid && c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0)) {
        name += " '";
        utf8::append(name, c);
        name += "'";
    }
    return name;
}

DecodeResult decodeClassicFile(std::string_view fileBytes, std::string_view password) {
    const auto codePagePassword = cp1252::secretFromUtf8(password);
    // A password outside the code page cannot be this file's; the records are
    // still judged first, so a foreign or newer file gets its own answer.
    DecodeResult result =
        decodeRecords(fileBytes, PasswordKey(codePagePassword ? codePagePassword->view() : ""));
    if (!codePagePassword && result.outcome == DecodeOutcome::Read) {
        return refusedAs(DecodeOutcome::WrongPassword);
    }
    if (result.outcome != DecodeOutcome::Read) {
        return result;
    }
    for (Account& a : result.accounts) {
        for (int f = 0; f < kFieldCount; ++f) {
            std::string& text = a.field(static_cast<Field>(f));
            std::string converted = cp1252::toUtf8(text);
            wipeText(text);
            text = std::move(converted);
        }
        a.id = newAccountId();
    }
    return result;
}

std::string encodeClassicFile(const std::vector<Account>& accounts, std::string_view password,
                              RandomSource& random) {
    const auto codePagePassword = cp1252::secretFromUtf8(password);
    if (!codePagePassword) {
        throw std::domain_error("a password the legacy format cannot keep");
    }
    const std::vector<Account> bytes = codePageCopy(accounts);
    RecordShifts shifts;
    shifts.key = PasswordKey(codePagePassword->view());
    shifts.plainCheck = static_cast<char>(RandomBetween(kCheckLowest, kCheckHighest, random));
    for (ColumnShift& c : shifts.columns) {
        c.start = RandomBetween(1, 254, random);
        c.step = RandomBetween(1, 21, random);
    }
    const std::size_t size = recordsSize(bytes);
    if (size > kMaxFileBytes) {
        throw std::length_error("the accounts are too many or too long for one account file");
    }
    std::string file(size, '\0');
    writeRecords(bytes, shifts, file.data());
    return file;
}

} // namespace lb
