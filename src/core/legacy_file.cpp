#include "core/legacy_file.h"

#include "core/cp1252.h"
#include "core/legacy_verifiers.h"
#include "core/program_errors.h"

#include <array>
#include <optional>

namespace lb {
namespace {

constexpr std::string_view kSignature = "Lockerbook";
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kCountLabel = "Number Of Accounts: ";
constexpr std::size_t kSlotSize = 256;
constexpr std::size_t kRecordSize = kSlotSize * kFieldCount;

DecodeResult damaged(ProgramError e) {
    return damagedBy(Error{programError(e).number, {}});
}

// The line at the front of text without its line break, which is dropped
// with it; nothing when text holds no further line break.
std::optional<std::string_view> takeLine(std::string_view& text) {
    const auto end = text.find(kLineBreak);
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + kLineBreak.size());
    return line;
}

// Line 4 without its label, as a signed 16-bit decimal number (spaces around
// it allowed). A negative count is refused: loading it as an empty table
// would let the next save replace the file with nothing.
std::optional<int> accountCount(std::string_view line) {
    std::string digits;
    for (auto at = line.find(kCountLabel); at != std::string_view::npos;
         at = line.find(kCountLabel)) {
        digits.append(line.substr(0, at));
        line.remove_prefix(at + kCountLabel.size());
    }
    digits.append(line);
    const auto first = digits.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const auto last = digits.find_last_not_of(' ');
    std::string_view number = std::string_view(digits).substr(first, last - first + 1);
    if (number.front() == '+') {
        number.remove_prefix(1);
    }
    if (number.empty() || number.size() > 5) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : number) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value > 32767) {
        return std::nullopt;
    }
    return value;
}

// The password's average character code, halves rounded to the even neighbour.
int averageCode(std::string_view password) {
    if (password.empty()) {
        return 0;
    }
    std::uint64_t sum = 0;
    for (const char c : password) {
        sum += static_cast<unsigned char>(c);
    }
    const std::uint64_t n = password.size();
    const std::uint64_t quotient = sum / n;
    const std::uint64_t twiceRest = 2 * (sum % n);
    if (twiceRest > n || (twiceRest == n && quotient % 2 == 1)) {
        return static_cast<int>(quotient + 1);
    }
    return static_cast<int>(quotient);
}

std::array<char, 256> decipherTable(std::string_view password) {
    const int a = averageCode(password);
    std::array<char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        const int v = c - a;
        table[c] = static_cast<char>(v < 0 ? v + 255 : v);
    }
    return table;
}

std::string decipher(std::string_view text, const std::array<char, 256>& table) {
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = table[static_cast<unsigned char>(text[i])];
    }
    return out;
}

} // namespace

std::string LegacyDecipher(std::string_view text, std::string_view password) {
    return decipher(text, decipherTable(password));
}

std::string LegacyField(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    return std::string(text.substr(1, static_cast<unsigned char>(text[0])));
}

bool isLegacyFile(std::string_view fileBytes) {
    std::string_view line = fileBytes.substr(0, fileBytes.find_first_of("\r\n"));
    const auto first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return false;
    }
    line = line.substr(first, line.find_last_not_of(' ') - first + 1);
    return line == kSignature;
}

DecodeResult decodeLegacyFile(std::string_view fileBytes, std::string_view password) {
    if (fileBytes.substr(0, kSignature.size()) != kSignature) {
        return refusedAs(DecodeOutcome::NotAccountFile);
    }
    // Line 1 is taken as the signature and its line break, whatever they hold.
    const std::size_t firstLine = kSignature.size() + kLineBreak.size();
    if (fileBytes.size() < firstLine) {
        return damaged(ProgramError::FileEndsEarly);
    }
    std::string_view text = fileBytes.substr(firstLine);
    if (!takeLine(text) || !takeLine(text)) {
        return damaged(ProgramError::FileEndsEarly);
    }
    const auto countLine = takeLine(text);
    if (!countLine) {
        return damaged(ProgramError::FileEndsEarly);
    }
    const auto count = accountCount(*countLine);
    if (!count) {
        return damaged(ProgramError::BadLegacyAccountCount);
    }
    if (!takeLine(text) || text.size() < kLegacyVerifierLength) {
        return damaged(ProgramError::FileEndsEarly);
    }

    // Enciphered with the password's Windows-1252 codes: one outside the code
    // page cannot be this file's.
    const auto codePagePassword = cp1252::secretFromUtf8(password);
    if (!codePagePassword) {
        return refusedAs(DecodeOutcome::WrongPassword);
    }
    const auto table = decipherTable(codePagePassword->view());
    if (!IsLegacyVerifier(decipher(text.substr(0, kLegacyVerifierLength), table))) {
        return refusedAs(DecodeOutcome::WrongPassword);
    }
    text.remove_prefix(kLegacyVerifierLength);
    const auto n = static_cast<std::size_t>(*count);
    if (text.size() / kRecordSize < n) {
        return damaged(ProgramError::LegacyAccountsBeyondFile);
    }

    std::string records = decipher(text.substr(0, n * kRecordSize), table);
    DecodeResult result;
    result.accounts.resize(n);
    std::string_view slots = records;
    for (Account& account : result.accounts) {
        for (int f = 0; f < kFieldCount; ++f) {
            std::string field = LegacyField(slots);
            account.field(static_cast<Field>(f)) = cp1252::toUtf8(field);
            wipeText(field);
            slots.remove_prefix(kSlotSize);
        }
        account.id = newAccountId();
    }
    wipeText(records);
    result.outcome = DecodeOutcome::Read;
    return result;
}

} // namespace lb
