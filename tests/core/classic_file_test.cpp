// The classic account-file format: its cipher's arithmetic at the wrap points
// and its password key, its bytes (checked against an independent
// record-by-record picture), round trips, every refusal a person can meet,
// and files that lie about every length, count and position they hold.

#include "classic_reference.h"
#include "core/cipher.h"
#include "core/classic_file.h"
#include "core/cp1252.h"
#include "core/program_errors.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace lb {
namespace {

std::string allCodes(int from = 0, int to = 255) {
    std::string s;
    for (int c = from; c <= to; ++c) {
        s += static_cast<char>(c);
    }
    return s;
}

// The wrap exactly as written down, step by step, for amounts where 16-bit
// arithmetic does not overflow.
int wrapByLoop(int code, int amount) {
    int v = code + amount;
    while (v < 0 || v > 255) {
        v += v < 0 ? 255 : -255;
    }
    return v;
}

TEST(PasswordKey, CountsTheFirstCharacterWholeAndHalvesTheRest) {
    const struct {
        std::string password;
        std::int64_t key;
    } rows[] = {
        {"a", 97},
        {"ab", 97 + 49},
        {"abc", 97 + 49 + 49},
        {"\xFF\xFF", 255 + 127},
        {std::string("Q\0\1\0", 4), 'Q'}, // later codes 0 and 1 add nothing
        {"hunter2", 'h' + 'u' / 2 + 'n' / 2 + 't' / 2 + 'e' / 2 + 'r' / 2 + '2' / 2},
        {std::string(100000, '\xFF'), 255 + 127LL * 99999}, // no overflow
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PasswordKey(row.password), row.key) << row.password.substr(0, 10);
    }
}

TEST(ShiftText, MatchesTheStepwiseWrapWherever16BitArithmeticWouldNotOverflow) {
    const std::string all = allCodes();
    // Every amount near the wrap points, a sample of the rest. Long texts move
    // sixteen codes at a time and their last few once more, short ones one by one.
    for (int amount = -32768; amount <= 32767 - 255; amount += std::abs(amount) > 600 ? 97 : 1) {
        const std::string few = all.substr(static_cast<std::size_t>(amount & 255) % 240,
                                           static_cast<std::size_t>(amount & 15));
        for (const std::string& text : {all + few, few}) {
            const std::string shifted = ShiftText(text, amount);
            ASSERT_EQ(shifted.size(), text.size());
            for (std::size_t i = 0; i < text.size(); ++i) {
                ASSERT_EQ(static_cast<unsigned char>(shifted[i]),
                          wrapByLoop(static_cast<unsigned char>(text[i]), amount))
                    << "length " << text.size() << " amount " << amount << " at " << i;
            }
        }
    }
    // Beyond 16 bits the wrap simply continues.
    EXPECT_EQ(ShiftText(all, 255LL * 1000000 + 17), ShiftText(all, 255 + 17));
    EXPECT_EQ(ShiftText(all, -255LL * 1000000 - 17), ShiftText(all, -255 - 17));
}

const test::ColumnDraws kDraws = {{{10, 3}, {20, 4}, {30, 5}, {40, 6}, {50, 7}}};
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The tests speak in the file's own Windows-1252 bytes; the codec takes and
// gives UTF-8.
std::vector<Account> converted(std::vector<Account> accounts, bool toUtf8) {
    for (Account& a : accounts) {
        for (int f = 0; f < kFieldCount; ++f) {
            std::string& text = a.field(static_cast<Field>(f));
            text = toUtf8 ? cp1252::toUtf8(text) : *cp1252::fromUtf8(text);
        }
    }
    return accounts;
}

std::string write(const std::vector<Account>& accounts, std::string_view password, int check = 41,
                  const test::ColumnDraws& draws = kDraws) {
    test::FixedDraws random(check, draws);
    return encodeClassicFile(converted(accounts, true), cp1252::toUtf8(password), random);
}

DecodeResult read(std::string_view file, std::string_view password) {
    DecodeResult r = decodeClassicFile(file, cp1252::toUtf8(password));
    r.accounts = converted(std::move(r.accounts), false);
    return r;
}

std::vector<Account> sampleTable() {
    return {{"Mail", "jane", "hunter2", "https://mail.example.org", "first"},
            {"Bank", "j.doe", "S3cret!", "", "PIN in the safe\r\nsecond line"},
            {"", "", "", "", ""},
            {"Caf\xE9", "\x80uro", "p\xE4ss", "ftp://x", std::string(70, 'n')}};
}

test::FileParts validParts() {
    return test::referenceParts(sampleTable(), "pw", 42, kDraws);
}

TEST(ClassicFileBytes, RandomTablesMatchTheRecordByRecordPicture) {
    std::mt19937 rng(12345);
    const auto draw = [&rng](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
    for (int round = 0; round < 40; ++round) {
        std::vector<Account> accounts(static_cast<std::size_t>(round * 3));
        for (Account& a : accounts) {
            for (int f = 0; f < kFieldCount; ++f) {
                std::string& v = a.field(static_cast<Field>(f));
                v.resize(static_cast<std::size_t>(draw(0, 30)));
                for (char& c : v) {
                    c = static_cast<char>(draw(0, 254));
                }
            }
        }
        test::ColumnDraws draws;
        for (auto& d : draws) {
            d = {draw(1, 254), draw(1, 21)};
        }
        const int check = draw(38, 44);
        const std::string password = round % 2 == 0 ? "correct horse" : "\xFF\xFE\x01zz";
        EXPECT_EQ(write(accounts, password, check, draws),
                  test::referenceParts(accounts, password, check, draws).bytes())
            << "round " << round;
    }
}

TEST(ClassicFileRead, GivesBackEveryCodeBelow255AndLongTexts) {
    const std::string all = allCodes(0, 254);
    // Many accounts, so the running shifts pass through every value.
    const std::vector<Account> every(300, Account{all, all, all, all, all});
    for (std::string_view password : {"a", "\xFF\xFF\xFF", "\x01"}) {
        const DecodeResult r = read(write(every, password), password);
        ASSERT_EQ(r.outcome, DecodeOutcome::Read) << password;
        EXPECT_EQ(r.accounts, every);
    }
    // The cipher's one loss, code 255 coming back as 0, is refused before writing,
    // and so is any character outside Windows-1252.
    for (const char* text : {"\xC3\xBF", "\xD0\xAF"}) {
        EXPECT_THROW(encodeClassicFile({{"", "", "", "", text}}, "pw", randomSource()),
                     std::domain_error);
    }
    EXPECT_THROW(encodeClassicFile({}, "\xD0\xAF", randomSource()), std::domain_error);
    for (std::size_t length : {65534u, 65535u, 65536u}) {
        const std::vector<Account> one = {{"", std::string(length, 'u'), "", "", ""}};
        EXPECT_EQ(read(write(one, "pw"), "pw").accounts, one) << length;
    }
    const auto table = sampleTable();
    EXPECT_EQ(read(write(table, "pw"), "pw").accounts, table);
}

TEST(ClassicFileRead, PasswordsAreJudgedByTheirKeyAndTheCrcWhereTheFileHasOne) {
    using enum DecodeOutcome;
    const struct {
        const char* name;
        std::string written;
        std::string typed;
        bool marked; // earlier versions wrote no CRC
        DecodeOutcome outcome;
    } rows[] = {
        {"the same password", "hunter2", "hunter2", true, Read},
        {"the same key (neighbours of one half-code)", "hunter2", "hunter3", true, Read},
        {"a key 255 higher", "a", "a\xFE\xFE\x02", true, Read},
        {"far off: the check character fails", "hunter2", "letmein", true, WrongPassword},
        {"a key one off: only the CRC catches it", "hunter2", "hunter1", true, WrongPassword},
        {"no CRC, the same password", "hunter2", "hunter2", false, Read},
        {"no CRC, far off", "hunter2", "letmein", false, WrongPassword},
        {"no CRC, a key one off reads every character shifted", "hunter2", "hunter1", false, Read},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto parts = test::referenceParts(sampleTable(), row.written, 41, kDraws);
        if (!row.marked) {
            parts.reserved = "\x12\x34\x56\x78LBc2"; // never looked at without the marker
        }
        const std::int64_t shift =
            row.marked ? 0 : PasswordKey(row.written) - PasswordKey(row.typed);
        std::vector<Account> expected = sampleTable();
        for (Account& a : expected) {
            for (int f = 0; f < kFieldCount; ++f) {
                a.field(static_cast<Field>(f)) = ShiftText(a.field(static_cast<Field>(f)), shift);
            }
        }
        const DecodeResult r = read(parts.bytes(), row.typed);
        EXPECT_EQ(r.outcome, row.outcome);
        EXPECT_EQ(r.accounts, row.outcome == Read ? expected : std::vector<Account>{});
    }
    // Under the marker a changed field is caught.
    auto changed = validParts();
    changed.column(Field::Notes).data[0] ^= 1;
    EXPECT_EQ(read(changed.bytes(), "pw").outcome, WrongPassword);
}

struct FileRow {
    const char* name;
    std::function<void(test::FileParts&)> change;
    DecodeOutcome outcome;
    std::optional<ProgramError> error = {};
    std::size_t keep = std::string::npos; // bytes of the file kept
};

TEST(ClassicFileRead, TheHeaderDecidesForeignAndNewerFilesAndEveryLieIsDamagedWithItsNumber) {
    using enum DecodeOutcome;
    using P = test::FileParts;
    const auto names = [](P& p) -> std::vector<double>& {
        return p.column(Field::AccountName).ends;
    };
    const FileRow rows[] = {
        {"signature in lower case", [](P& p) { p.signature = "lockerbook"; }, NotAccountFile},
        {"a foreign file, cut short", [](P& p) { p.signature = "PNG"; }, NotAccountFile, {}, 13},
        {"format version 61", [](P& p) { p.formatVersion = 61; }, NewerVersion},
        {"newer, another body", [](P& p) { p.formatVersion = 1000000; }, NewerVersion, {}, 20},
        {"format version 60 reads as 6", [](P& p) { p.formatVersion = 60; }, Read},
        {"the program version is not looked at", [](P& p) { p.programVersion = 99; }, Read},
        {"a list of two dimensions", [](P& p) { p.column(Field::Notes).dimensions = 2; }, Damaged,
         ProgramError::BadListDimension},
        {"a list from 1", [](P& p) { p.column(Field::Password).lowerBound = 1; }, Damaged,
         ProgramError::BadListLowerBound},
        {"a list of 2^32 - 1 entries", [](P& p) { p.column(Field::Url).declaredCount = ~0u; },
         Damaged, ProgramError::ListLongerThanFile},
        {"a negative count", [](P& p) { p.accountCount = -1; }, Damaged,
         ProgramError::BadAccountCount},
        {"a fractional count", [](P& p) { p.accountCount = 2.5; }, Damaged,
         ProgramError::BadAccountCount},
        {"a count that is not a number", [](P& p) { p.accountCount = kNaN; }, Damaged,
         ProgramError::BadAccountCount},
        {"a count the lists disagree with", [](P& p) { p.accountCount = 2; }, Damaged,
         ProgramError::EndsListWrongLength},
        {"a huge count without its lists", [](P& p) { p.accountCount = 1e8; }, Damaged,
         ProgramError::EndsListWrongLength},
        {"ends going backwards", [&](P& p) { names(p)[2] = names(p)[1] - 1; }, Damaged,
         ProgramError::BadEndPosition},
        {"an end past the data", [&](P& p) { names(p)[4] += 1; }, Damaged,
         ProgramError::BadEndPosition},
        {"a first end before the data", [&](P& p) { names(p)[0] = -1; }, Damaged,
         ProgramError::BadEndPosition},
        {"a fractional end", [&](P& p) { names(p)[1] = 2.5; }, Damaged,
         ProgramError::BadEndPosition},
        {"a start of 256", [](P& p) { p.column(Field::Notes).start = 256; }, Damaged,
         ProgramError::BadColumnShift},
        {"a negative step", [](P& p) { p.column(Field::UserName).step = -1; }, Damaged,
         ProgramError::BadColumnShift},
        {"a huge start", [](P& p) { p.column(Field::Password).start = 1e18; }, Damaged,
         ProgramError::BadColumnShift},
        {"no check character", [](P& p) { p.check.clear(); }, Damaged,
         ProgramError::MissingCheckCharacter},
    };
    for (const FileRow& row : rows) {
        SCOPED_TRACE(row.name);
        auto parts = validParts();
        row.change(parts);
        const DecodeResult r = read(parts.bytes().substr(0, row.keep), "pw");
        EXPECT_EQ(r.outcome, row.outcome);
        EXPECT_EQ(r.accounts.empty(), row.outcome != Read);
        EXPECT_EQ(r.error.number, row.error ? programError(*row.error).number : 0)
            << r.error.description;
    }
}

TEST(ClassicFileHostile, TextLengthsBeyondTheFile) {
    std::string file = validParts().bytes();
    std::string lying = file;
    lying[0] = '\xFE';
    lying[1] = '\xFF'; // the signature claims 65534 bytes
    EXPECT_EQ(read(lying, "pw").error.number, 1001);
    lying[0] = '\xFF'; // a 32-bit length follows: "Lock", about 1.8 GB
    EXPECT_EQ(read(lying, "pw").error.number, 1001);
}

} // namespace
} // namespace lb
