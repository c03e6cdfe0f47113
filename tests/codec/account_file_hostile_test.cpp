// Files that lie: every length, count and position the reader takes from a
// file is wrong in turn, and each must end as Damaged with a numbered error,
// never a crash, an out-of-bounds read or an allocation the file cannot justify.

#include "fixed_draws.h"
#include "reference_file.h"
#include "store/account_file.h"
#include "store/program_errors.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <set>

namespace lb {
namespace {

const test::ColumnDraws kDraws = {{{3, 9}, {100, 2}, {250, 21}, {17, 17}, {1, 1}}};

std::vector<Account> sampleTable() {
    return {{"Mail", "jane", "hunter2", "https://mail.example.org", "first"},
            {"Bank", "j.doe", "S3cret!", "", "PIN in the safe"},
            {"Caf\xE9", "", "p\xE4ss", "ftp://x", std::string(70, 'n')}};
}

test::FileParts validParts() {
    return test::referenceParts(sampleTable(), "pw", 42, kDraws);
}

void expectDamaged(const std::string& file, ProgramError error) {
    const ReadResult r = readAccountFile(file, "pw");
    EXPECT_EQ(r.outcome, ReadOutcome::Damaged);
    EXPECT_TRUE(r.accounts.empty());
    EXPECT_EQ(r.error.number, programError(error).number) << r.error.description;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(HostileAccountFile, TheValidPartsReadBack) {
    const ReadResult r = readAccountFile(validParts().bytes(), "pw");
    ASSERT_EQ(r.outcome, ReadOutcome::Read);
    EXPECT_EQ(r.accounts, sampleTable());
}

TEST(HostileAccountFile, AnEmptyFileIsDamaged) {
    expectDamaged("", ProgramError::FileEndsEarly);
}

TEST(HostileAccountFile, EveryTruncationIsDamagedAndNothingElse) {
    const std::string file = validParts().bytes();
    for (std::size_t length = 0; length < file.size(); ++length) {
        const ReadResult r = readAccountFile(file.substr(0, length), "pw");
        ASSERT_EQ(r.outcome, ReadOutcome::Damaged) << "cut at " << length;
        EXPECT_TRUE(r.accounts.empty());
        EXPECT_GE(r.error.number, 1001);
        EXPECT_FALSE(r.error.description.empty());
    }
}

TEST(HostileAccountFile, ATextLongerThanTheRestOfTheFile) {
    auto parts = validParts();
    std::string file = parts.bytes();
    file[0] = '\xFE';
    file[1] = '\xFF'; // Signature claims 65534 bytes
    expectDamaged(file, ProgramError::FileEndsEarly);
    file[0] = '\xFF'; // a 32-bit length follows: "Lock", about 1.8 GB
    expectDamaged(file, ProgramError::FileEndsEarly);
}

TEST(HostileAccountFile, AListWithOtherThanOneDimension) {
    for (std::uint16_t dimensions : {0, 2, 65535}) {
        auto parts = validParts();
        parts.column(Field::Notes).dimensions = dimensions;
        expectDamaged(parts.bytes(), ProgramError::BadListDimension);
    }
}

TEST(HostileAccountFile, AListNotStartingAtZero) {
    auto parts = validParts();
    parts.column(Field::Password).lowerBound = 1;
    expectDamaged(parts.bytes(), ProgramError::BadListLowerBound);
}

TEST(HostileAccountFile, AListCountBeyondTheFileIsRefusedBeforeAnyAllocation) {
    for (std::uint32_t count : {0xFFFFFFFFu, 0x20000000u, 1000u}) {
        auto parts = validParts();
        parts.column(Field::Url).declaredCount = count;
        expectDamaged(parts.bytes(), ProgramError::ListLongerThanFile);
    }
}

TEST(HostileAccountFile, AnAccountCountThatIsNotAWholeNumberInRange) {
    for (double count : {-1.0, 2.5, kNaN, kInf, -kInf, 1e300, 4294967296.0}) {
        auto parts = validParts();
        parts.accountCount = count;
        expectDamaged(parts.bytes(), ProgramError::BadAccountCount);
    }
}

TEST(HostileAccountFile, AnEndsListNotTwoLongerThanTheAccountCount) {
    auto parts = validParts();
    parts.accountCount = 2;
    expectDamaged(parts.bytes(), ProgramError::EndsListWrongLength);
    parts = validParts();
    parts.column(Field::UserName).ends.push_back(0);
    expectDamaged(parts.bytes(), ProgramError::EndsListWrongLength);
    // A huge count agreed on by all five lists still needs their bytes in the file.
    parts = validParts();
    parts.accountCount = 100000000;
    expectDamaged(parts.bytes(), ProgramError::EndsListWrongLength);
}

TEST(HostileAccountFile, EndsGoingBackwardsOrPastTheirData) {
    const auto bad = [](auto change) {
        auto parts = validParts();
        change(parts.column(Field::AccountName).ends);
        expectDamaged(parts.bytes(), ProgramError::BadEndPosition);
    };
    bad([](std::vector<double>& e) { e[2] = e[1] - 1; }); // backwards
    bad([](std::vector<double>& e) { e[3] = e[3] + 1; }); // past the data
    bad([](std::vector<double>& e) { e[0] = -1; });       // before it
    bad([](std::vector<double>& e) { e[0] = 1e9; });      // far past it
    bad([](std::vector<double>& e) { e[1] = 2.5; });      // not whole
    bad([](std::vector<double>& e) { e[1] = kNaN; });     // not a number
    bad([](std::vector<double>& e) { e[3] = kInf; });     // endless
}

TEST(HostileAccountFile, EndsThatStayInsideTheirDataAreRead) {
    // Ends need not cover the whole text, nor start at 0: only order and bounds matter.
    auto parts = validParts();
    parts.column(Field::Url).ends[0] = 1;
    const ReadResult r = readAccountFile(parts.bytes(), "pw");
    EXPECT_EQ(r.outcome, ReadOutcome::WrongPassword) << "the CRC no longer matches";
    parts.reserved = std::string(8, '\0');
    EXPECT_EQ(readAccountFile(parts.bytes(), "pw").outcome, ReadOutcome::Read);
}

TEST(HostileAccountFile, ColumnShiftsOutsideZeroTo255) {
    for (double shift : {-1.0, 256.0, 0.5, kNaN, kInf, 1e18}) {
        auto parts = validParts();
        parts.column(Field::Notes).start = shift;
        expectDamaged(parts.bytes(), ProgramError::BadColumnShift);
        parts = validParts();
        parts.column(Field::UserName).step = shift;
        expectDamaged(parts.bytes(), ProgramError::BadColumnShift);
    }
}

TEST(HostileAccountFile, AMissingCheckCharacter) {
    auto parts = validParts();
    parts.check.clear();
    expectDamaged(parts.bytes(), ProgramError::MissingCheckCharacter);
}

TEST(HostileAccountFile, EverySingleByteChangeEndsCleanly) {
    // Not a fuzzer, but every position and several values: under the sanitizers
    // this shows that no single damaged byte leads the reader astray.
    const std::string file = validParts().bytes();
    for (std::size_t at = 0; at < file.size(); ++at) {
        for (int value : {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF}) {
            std::string changed = file;
            changed[at] = static_cast<char>(value);
            const ReadResult r = readAccountFile(changed, "pw");
            if (r.outcome == ReadOutcome::Read) {
                EXPECT_EQ(r.accounts.size(), 3u) << at;
            } else {
                EXPECT_TRUE(r.accounts.empty()) << at;
            }
        }
    }
}

TEST(ProgramErrors, HaveDistinctNumbersAbove1000AndPlainDescriptions) {
    std::set<int> numbers;
    for (int e = static_cast<int>(ProgramError::FileEndsEarly);
         e <= static_cast<int>(ProgramError::LegacyAccountsBeyondFile); ++e) {
        const Error error = programError(static_cast<ProgramError>(e));
        EXPECT_GT(error.number, 1000);
        EXPECT_FALSE(error.description.empty());
        EXPECT_TRUE(numbers.insert(error.number).second) << error.number;
    }
}

} // namespace
} // namespace lb
