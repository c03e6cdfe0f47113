#include "account_files.h"

#include "core/classic_file.h"
#include "core/cp1252.h"
#include "core/legacy_verifiers.h"

#include <cmath>

namespace lb {

void PrintTo(const Account& account, std::ostream* out) {
    *out << "{";
    for (int f = 0; f < kFieldCount; ++f) {
        *out << (f == 0 ? "\"" : ", \"") << account.field(static_cast<Field>(f)).substr(0, 40)
             << "\"";
    }
    *out << "}";
}

} // namespace lb

namespace lb::test {

std::vector<Account> sampleAccounts() {
    std::vector<Account> accounts = {
        {"Bank", "alice", "s3cret", "https://bank.example", "PIN in the drawer"},
        {"Mail", "alice@example.org", "m\u00e4il-pw", "https://mail.example", ""},
        {"Shop", "al", "x", "", "Ordered \u20ac 20 of paper"},
    };
    for (Account& a : accounts) {
        a.id = newAccountId();
    }
    return accounts;
}

FixedDraws::FixedDraws(int check, const ColumnDraws& columns) {
    // The middle of the interval that RandomBetween(lower, upper) maps to value.
    const auto add = [this](int value, int lower, int upper) {
        values_.push_back(static_cast<float>((value - lower + 0.5) / (upper - lower + 1)));
    };
    add(check, 38, 44);
    for (const ColumnDraw& c : columns) {
        add(c.start, 1, 254);
        add(c.step, 1, 21);
    }
}

std::string classicFile(const std::vector<Account>& accounts, std::string_view password) {
    return encodeClassicFile(accounts, password, randomSource());
}

std::string sealedFile(const std::vector<Account>& accounts, std::string_view password) {
    return encodeSealedFile(accounts, {}, password, kCheapKdf);
}

std::string legacyFile(const std::vector<Account>& accounts, std::string_view password,
                       const LegacyFileText& text) {
    const std::string verifier = text.verifier.empty() ? std::string(kLegacyVerifierTexts[0]) +
                                                             std::string(kLegacyVerifierS1)
                                                       : text.verifier;
    const std::string countLine = text.countLine.empty()
                                      ? "Number Of Accounts: " + std::to_string(accounts.size())
                                      : text.countLine;
    std::string plain = verifier;
    for (const Account& account : accounts) {
        for (int f = 0; f < kFieldCount; ++f) {
            // The old format held Windows-1252 bytes.
            const std::string value = *cp1252::fromUtf8(account.field(static_cast<Field>(f)));
            std::string slot(1, static_cast<char>(value.size()));
            slot += value;
            while (slot.size() < 256) {
                slot += text.filler.substr(0, 256 - slot.size());
            }
            plain += slot;
        }
    }
    double sum = 0;
    const std::string codes = *cp1252::fromUtf8(password);
    for (char c : codes) {
        sum += static_cast<unsigned char>(c);
    }
    // lrint rounds halves to the even neighbour in the default rounding mode.
    const long average = codes.empty() ? 0 : std::lrint(sum / codes.size());
    std::string enciphered;
    for (char c : plain) {
        const long v = static_cast<unsigned char>(c) + average;
        enciphered += static_cast<char>(v > 255 ? v - 255 : v);
    }
    return "Lockerbook\r\nAccount file\r\nof an earlier version\r\n" + countLine + "\r\n\r\n" +
           enciphered;
}

} // namespace lb::test
