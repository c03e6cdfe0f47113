// The classic account-file format: its bytes (checked against an independent
// record-by-record picture), round trips, every refusal a person can meet,
// and files that lie about every length, count and position they hold.

#include "classic_reference.h"
#include "core/cipher.h"
#include "core/classic_file.h"
#include "core/cp1252.h"
#include "core/program_errors.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace lb {
namespace {

using test::f64;
using test::le16;
using test::le32;

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

std::string list(std::initializer_list<double> ends) {
    std::string out = le16(1) + le32(static_cast<std::uint32_t>(ends.size())) + le32(0);
    for (double e : ends) {
        out += f64(e);
    }
    return out;
}

TEST(ClassicFileBytes, OneAccountWorkedOutByHand) {
    // Each character: + running shift, then + key 146, wrapped by 255.
    std::string expected = le16(10) + "Lockerbook" + le32(6) + le32(6);
    expected += le16(0) + list({0, 0, 0});           // URL: empty
    expected += le32(0xD5E37F56) + "LBc1";           // CRC-32 of "Aupn", marker
    expected += f64(40) + f64(6) + f64(1);           // URL start, step; AccountCount
    expected += le16(1) + "\x21" + list({0, 1, 0});  // 'p' 112 + 30 + 146 - 255
    expected += f64(30) + f64(5);                    //
    expected += le16(1) + "\x1C" + list({0, 1, 0});  // 'u' 117 + 20 + 146 - 255
    expected += f64(20) + f64(4) + le16(1) + "\xBB"; // check ')' 41 + 146
    expected += le16(1) + "\xDD" + list({0, 1, 0});  // 'A' 65 + 10 + 146
    expected += f64(10) + f64(3);                    //
    expected += le16(1) + "\x33" + list({0, 1, 0});  // 'n' 110 + 50 + 146 - 255
    expected += f64(50) + f64(7);
    EXPECT_EQ(write({{"A", "u", "p", "", "n"}}, "ab"), expected);
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
    std::string all;
    for (int c = 0; c < 255; ++c) {
        all += static_cast<char>(c);
    }
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

struct PasswordRow {
    const char* name;
    std::string written;
    std::string typed;
    DecodeOutcome outcome;
};

TEST(ClassicFileRead, PasswordsAreJudgedByTheirKeyAndTheCrc) {
    const PasswordRow rows[] = {
        {"the same password", "hunter2", "hunter2", DecodeOutcome::Read},
        {"the same key (neighbours of one half-code)", "hunter2", "hunter3", DecodeOutcome::Read},
        {"a key 255 higher", "a", "a\xFE\xFE\x02", DecodeOutcome::Read},
        {"far off: the check character fails", "hunter2", "letmein", DecodeOutcome::WrongPassword},
        {"a key one off: only the CRC catches it", "hunter2", "hunter1",
         DecodeOutcome::WrongPassword},
    };
    for (const PasswordRow& row : rows) {
        SCOPED_TRACE(row.name);
        const DecodeResult r = read(write(sampleTable(), row.written), row.typed);
        EXPECT_EQ(r.outcome, row.outcome);
        EXPECT_EQ(r.accounts,
                  row.outcome == DecodeOutcome::Read ? sampleTable() : std::vector<Account>{});
    }
}

TEST(ClassicFileRead, FilesWithoutTheCrcMarkerReadAsEarlierVersionsDid) {
    const std::vector<Account> accounts = {{"Mail", "jane", "hunter", "example", "notes"}};
    auto parts = test::referenceParts(accounts, "hunter2", 41, kDraws);
    parts.reserved = "\x12\x34\x56\x78LBc2"; // never looked at without the marker
    EXPECT_EQ(read(parts.bytes(), "hunter2").accounts, accounts);
    // A near miss then reads every character shifted by the keys' difference.
    const DecodeResult near = read(parts.bytes(), "hunter1");
    ASSERT_EQ(near.outcome, DecodeOutcome::Read);
    EXPECT_EQ(near.accounts[0].notes, ShiftText("notes", 1));
    // Without the CRC only the check character turns a far-off password away.
    for (const char* far : {"letmein", "zzzzzzzzzzzz"}) {
        EXPECT_EQ(read(parts.bytes(), far).outcome, DecodeOutcome::WrongPassword);
    }
    // Under the marker a changed field is caught.
    auto marked = test::referenceParts(accounts, "pw", 40, kDraws);
    marked.column(Field::Notes).data[0] ^= 1;
    EXPECT_EQ(read(marked.bytes(), "pw").outcome, DecodeOutcome::WrongPassword);
}

struct HeaderRow {
    const char* name;
    std::function<void(test::FileParts&)> change;
    DecodeOutcome outcome;
    std::size_t keep = std::string::npos; // bytes of the file kept
};

TEST(ClassicFileRead, TheHeaderAloneDecidesForeignAndNewerFiles) {
    const HeaderRow rows[] = {
        {"signature in lower case", [](auto& p) { p.signature = "lockerbook"; },
         DecodeOutcome::NotAccountFile},
        {"a foreign file, cut short", [](auto& p) { p.signature = "PNG"; },
         DecodeOutcome::NotAccountFile, 13},
        {"format version 7", [](auto& p) { p.formatVersion = 7; }, DecodeOutcome::NewerVersion},
        {"format version 61", [](auto& p) { p.formatVersion = 61; }, DecodeOutcome::NewerVersion},
        {"a newer version with another body", [](auto& p) { p.formatVersion = 1000000; },
         DecodeOutcome::NewerVersion, 20},
        {"format version 60 reads as 6", [](auto& p) { p.formatVersion = 60; },
         DecodeOutcome::Read},
        {"the program version is not looked at", [](auto& p) { p.programVersion = 99; },
         DecodeOutcome::Read},
    };
    for (const HeaderRow& row : rows) {
        SCOPED_TRACE(row.name);
        auto parts = validParts();
        row.change(parts);
        EXPECT_EQ(read(parts.bytes().substr(0, row.keep), "pw").outcome, row.outcome);
    }
}

struct HostileRow {
    const char* name;
    std::function<void(test::FileParts&)> change;
    ProgramError error;
};

TEST(ClassicFileHostile, EveryLieEndsAsDamagedWithItsNumberedError) {
    using P = test::FileParts;
    const auto names = [](P& p) -> std::vector<double>& {
        return p.column(Field::AccountName).ends;
    };
    const HostileRow rows[] = {
        {"a list of two dimensions", [](P& p) { p.column(Field::Notes).dimensions = 2; },
         ProgramError::BadListDimension},
        {"a list from 1", [](P& p) { p.column(Field::Password).lowerBound = 1; },
         ProgramError::BadListLowerBound},
        {"a list of 2^32 - 1 entries", [](P& p) { p.column(Field::Url).declaredCount = ~0u; },
         ProgramError::ListLongerThanFile},
        {"a negative count", [](P& p) { p.accountCount = -1; }, ProgramError::BadAccountCount},
        {"a fractional count", [](P& p) { p.accountCount = 2.5; }, ProgramError::BadAccountCount},
        {"a count that is not a number", [](P& p) { p.accountCount = kNaN; },
         ProgramError::BadAccountCount},
        {"a count the lists disagree with", [](P& p) { p.accountCount = 2; },
         ProgramError::EndsListWrongLength},
        {"a huge count without its lists", [](P& p) { p.accountCount = 1e8; },
         ProgramError::EndsListWrongLength},
        {"ends going backwards", [&](P& p) { names(p)[2] = names(p)[1] - 1; },
         ProgramError::BadEndPosition},
        {"an end past the data", [&](P& p) { names(p)[4] += 1; }, ProgramError::BadEndPosition},
        {"a first end before the data", [&](P& p) { names(p)[0] = -1; },
         ProgramError::BadEndPosition},
        {"a fractional end", [&](P& p) { names(p)[1] = 2.5; }, ProgramError::BadEndPosition},
        {"a start of 256", [](P& p) { p.column(Field::Notes).start = 256; },
         ProgramError::BadColumnShift},
        {"a negative step", [](P& p) { p.column(Field::UserName).step = -1; },
         ProgramError::BadColumnShift},
        {"a huge start", [](P& p) { p.column(Field::Password).start = 1e18; },
         ProgramError::BadColumnShift},
        {"no check character", [](P& p) { p.check.clear(); }, ProgramError::MissingCheckCharacter},
    };
    for (const HostileRow& row : rows) {
        SCOPED_TRACE(row.name);
        auto parts = validParts();
        row.change(parts);
        const DecodeResult r = read(parts.bytes(), "pw");
        EXPECT_EQ(r.outcome, DecodeOutcome::Damaged);
        EXPECT_TRUE(r.accounts.empty());
        EXPECT_EQ(r.error.number, programError(row.error).number) << r.error.description;
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
