#pragma once
// Builds old-format files for tests and fuzzing seeds; the program itself
// never writes this format. Enciphering adds the password's average code
// (halves to the even neighbour) and wraps by 255, the inverse of reading for
// every code the reader can give back.

#include "store/account.h"

#include <string>
#include <string_view>
#include <vector>

namespace lb::test {

struct LegacyFileText {
    std::string countLine;             // line 4; "Number Of Accounts: N" when empty
    std::string verifier;              // 14 plain characters; the first accepted text when empty
    std::string filler = "filler...."; // repeated into the unused part of each slot
};

std::string legacyEncipher(std::string_view plain, std::string_view password);

std::string makeLegacyFile(const std::vector<Account>& accounts, std::string_view password,
                           const LegacyFileText& text = {});

} // namespace lb::test
