#pragma once
// Account files for tests, made without the window program: the classic
// format by the program's own writer, the old text format laid out by hand
// (the program never writes it), and a few accounts worth storing.

#include "core/account.h"
#include "core/random_source.h"
#include "core/sealed_file.h"

#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

// The five texts, for the messages of failed checks.
void PrintTo(const Account& account, std::ostream* out);

} // namespace lb

namespace lb::test {

// Three accounts with every field filled, names in sorted order, characters
// beyond ASCII that Windows-1252 holds included.
std::vector<Account> sampleAccounts();

// A random source that hands the classic writer chosen values, in the order
// it draws them: the check character, then the start and the step of each
// column in the order account name, user name, password, URL, notes.
struct ColumnDraw {
    int start = 1;
    int step = 1;
};
using ColumnDraws = std::array<ColumnDraw, kFieldCount>;

class FixedDraws final : public RandomSource {
public:
    FixedDraws(int check, const ColumnDraws& columns);
    float next() override { return values_.at(at_++); }

private:
    std::vector<float> values_;
    std::size_t at_ = 0;
};

std::string classicFile(const std::vector<Account>& accounts, std::string_view password);

// The least Argon2id allows: tests seal with it so as not to wait at every save.
inline constexpr KdfCost kCheapKdf{1, 8};
std::string sealedFile(const std::vector<Account>& accounts, std::string_view password);

struct LegacyFileText {
    std::string countLine;             // line 4; "Number Of Accounts: N" when empty
    std::string verifier;              // 14 plain characters; the first accepted text when empty
    std::string filler = "filler...."; // repeated into the unused part of each slot
};

// An old-format file: header lines, the verifier and one 256-character slot
// per field, enciphered with the password's average code. The accounts and
// the password are UTF-8 text that Windows-1252 holds.
std::string legacyFile(const std::vector<Account>& accounts, std::string_view password,
                       const LegacyFileText& text = {});

} // namespace lb::test
