#include "legacy_file_maker.h"

#include "store/legacy_verifiers.h"

#include <cmath>

namespace lb::test {

std::string legacyEncipher(std::string_view plain, std::string_view password) {
    double sum = 0;
    for (char c : password) {
        sum += static_cast<unsigned char>(c);
    }
    // lrint rounds halves to the even neighbour in the default rounding mode.
    const long average = password.empty() ? 0 : std::lrint(sum / password.size());
    std::string out;
    for (char c : plain) {
        long v = static_cast<unsigned char>(c) + average;
        out += static_cast<char>(v > 255 ? v - 255 : v);
    }
    return out;
}

std::string makeLegacyFile(const std::vector<Account>& accounts, std::string_view password,
                           const LegacyFileText& text) {
    const std::string verifier = text.verifier.empty() ? std::string(kLegacyVerifierTexts[0]) +
                                                             std::string(kLegacyVerifierS1)
                                                       : text.verifier;
    const std::string countLine = text.countLine.empty()
                                      ? "Number Of Accounts: " + std::to_string(accounts.size())
                                      : text.countLine;
    std::string plain;
    for (const Account& account : accounts) {
        for (int f = 0; f < kFieldCount; ++f) {
            const std::string& value = account.field(static_cast<Field>(f));
            std::string slot(1, static_cast<char>(value.size()));
            slot += value;
            while (slot.size() < 256) {
                slot += text.filler.substr(0, 256 - slot.size());
            }
            plain += slot;
        }
    }
    return "Lockerbook\r\nAccount file\r\nof an earlier version\r\n" + countLine + "\r\n\r\n" +
           legacyEncipher(verifier + plain, password);
}

} // namespace lb::test
