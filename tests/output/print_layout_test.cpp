// The printed lines: title, empty line, heading, accounts, and what masking
// and line breaks do to them.

#include "output/print_layout.h"

#include <gtest/gtest.h>

namespace {

using lb::Account;
using lb::printLayout;
using lb::PrintLine;

TEST(PrintLayout, AnEmptyListPrintsTitleEmptyLineAndHeading) {
    const std::vector<PrintLine> expected = {
        {"Lockerbook 5.51", true},
        {"", true},
        {"Account Name  User Name  Password  URL  Notes  ", true},
    };
    EXPECT_EQ(printLayout({}, false), expected);
}

const std::vector<Account> kAccounts = {
    {"Bank", "jsmith", "averylongpassword", "http://bank", "PIN"},
    {"Mail", "john", "pw", "", "work"},
};

TEST(PrintLayout, OneRegularLinePerAccountInListOrder) {
    const std::vector<PrintLine> lines = printLayout(kAccounts, false);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2].text, "Account Name  User Name  Password           URL          Notes  ");
    EXPECT_EQ(
        lines[3],
        (PrintLine{"Bank          jsmith     averylongpassword  http://bank  PIN    ", false}));
    EXPECT_EQ(
        lines[4],
        (PrintLine{"Mail          john       pw                              work   ", false}));
}

TEST(PrintLayout, MaskedPasswordsPrintAsAsterisksInColumnsOfTheSameWidth) {
    const std::vector<PrintLine> shown = printLayout(kAccounts, false);
    const std::vector<PrintLine> masked = printLayout(kAccounts, true);
    ASSERT_EQ(masked.size(), shown.size());
    EXPECT_EQ(masked[2], shown[2]);
    EXPECT_EQ(masked[3].text, "Bank          jsmith     *****************  http://bank  PIN    ");
    EXPECT_EQ(masked[4].text, "Mail          john       **                              work   ");
}

TEST(PrintLayout, NotesWithLineBreaksContinueUnderTheNotesColumn) {
    const std::vector<Account> accounts = {{"Bank", "jo", "pw", "u", "one\r\ntwo\nthree"},
                                           {"Mail", "an", "pw", "u", "x"}};
    const std::vector<PrintLine> lines = printLayout(accounts, false);
    ASSERT_EQ(lines.size(), 3u + 3u + 1u);
    // Notes width 14 (the whole value, line breaks included) + 2.
    const std::string notesIndent(12 + 2 + 9 + 2 + 8 + 2 + 3 + 2, ' ');
    EXPECT_EQ(lines[3].text, "Bank          jo         pw        u    one" + std::string(13, ' '));
    EXPECT_EQ(lines[4].text, notesIndent + "two" + std::string(13, ' '));
    EXPECT_EQ(lines[5].text, notesIndent + "three" + std::string(11, ' '));
    EXPECT_EQ(lines[6].text.substr(0, 4), "Mail");
}

TEST(PrintLayout, EveryValueWithLineBreaksKeepsItsOwnColumn) {
    const std::vector<Account> accounts = {{"first\rsecond", "u", "", "", "a\r\nb\r\nc"}};
    const std::vector<PrintLine> lines = printLayout(accounts, false);
    ASSERT_EQ(lines.size(), 3u + 3u);
    // Name width 12 (first\rsecond), user 9, password 8, URL 3, notes 7.
    EXPECT_EQ(lines[3].text, "first" + std::string(9, ' ') + "u" + std::string(10, ' ') +
                                 std::string(10 + 5, ' ') + "a" + std::string(8, ' '));
    EXPECT_EQ(lines[4].text, "second" + std::string(8, ' ') + std::string(11 + 10 + 5, ' ') + "b" +
                                 std::string(8, ' '));
    EXPECT_EQ(lines[5].text, std::string(14 + 11 + 10 + 5, ' ') + "c" + std::string(8, ' '));
}

TEST(PrintLayout, NoPrintedLineHoldsALineBreak) {
    const std::vector<Account> accounts = {{"a\n", "\r", "\r\n\r\n", "x", "\n\r"}};
    for (const PrintLine& line : printLayout(accounts, false)) {
        EXPECT_EQ(line.text.find_first_of("\r\n"), std::string::npos) << line.text;
    }
}

} // namespace
