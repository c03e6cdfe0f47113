// The bytes of each export format, compared whole.

#include "output/export_writer.h"

#include <gtest/gtest.h>

namespace {

using lb::Account;
using lb::exportBytes;
using lb::ExportFormat;

const std::string kHtmlOpening = "<HTML>\r\n"
                                 " <HEAD>\r\n"
                                 "  <TITLE>Exported Lockerbook File (version 5.51)</TITLE>\r\n"
                                 "  <META HTTP-EQUIV='Content-Type' CONTENT='text/html; "
                                 "charset=iso-8859-1'>\r\n"
                                 " </HEAD>\r\n"
                                 " <BODY>\r\n"
                                 "  <TABLE WIDTH='80%' BORDER='1' CELLSPACING='0' "
                                 "CELLPADDING='4'>\r\n"
                                 "   <TR>\r\n"
                                 "    <TD><B>Account Name</B></TD>\r\n"
                                 "    <TD><B>User Name</B></TD>\r\n"
                                 "    <TD><B>Password</B></TD>\r\n"
                                 "    <TD><B>URL</B></TD>\r\n"
                                 "    <TD><B>Notes</B></TD>\r\n"
                                 "   </TR>\r\n";
const std::string kHtmlClosing = "  </TABLE>\r\n </BODY>\r\n</HTML>\r\n";

std::string htmlRow(const std::string& a, const std::string& b, const std::string& c,
                    const std::string& d, const std::string& e) {
    return "   <TR>\r\n    <TD>" + a + "</TD>\r\n    <TD>" + b + "</TD>\r\n    <TD>" + c +
           "</TD>\r\n    <TD>" + d + "</TD>\r\n    <TD>" + e + "</TD>\r\n   </TR>\r\n";
}

const std::vector<Account> kOrdinary = {
    {"Bank", "jsmith", "s3cret", "http://bank.example", "PIN at home"},
    {"Mail", "john", "hunter2", "http://mail.example", "work"},
};

TEST(ExportEmptyList, HtmlHoldsOnlyTheHeadingRow) {
    EXPECT_EQ(exportBytes({}, ExportFormat::Html), kHtmlOpening + kHtmlClosing);
}

TEST(ExportEmptyList, FormattedTextIsTheHeadingLineAtItsHeadingsWidths) {
    EXPECT_EQ(exportBytes({}, ExportFormat::FormattedText),
              "Account Name  User Name  Password  URL  Notes  \r\n");
}

TEST(ExportEmptyList, SeparatedFormatsAreEmptyFiles) {
    EXPECT_EQ(exportBytes({}, ExportFormat::TabSeparated), "");
    EXPECT_EQ(exportBytes({}, ExportFormat::CommaSeparated), "");
    EXPECT_EQ(exportBytes({}, ExportFormat::Csv), "");
}

TEST(ExportOrdinaryAccounts, Html) {
    EXPECT_EQ(exportBytes(kOrdinary, ExportFormat::Html),
              kHtmlOpening +
                  htmlRow("Bank", "jsmith", "s3cret", "http://bank.example", "PIN at home") +
                  htmlRow("Mail", "john", "hunter2", "http://mail.example", "work") + kHtmlClosing);
}

TEST(ExportOrdinaryAccounts, FormattedTextLinesShareOneLength) {
    // Widths: 12, 9, 8, 19 (the bank's URL), 11 (its notes).
    EXPECT_EQ(exportBytes(kOrdinary, ExportFormat::FormattedText),
              "Account Name  User Name  Password  URL                  Notes        \r\n"
              "Bank          jsmith     s3cret    http://bank.example  PIN at home  \r\n"
              "Mail          john       hunter2   http://mail.example  work         \r\n");
}

TEST(ExportOrdinaryAccounts, TabSeparated) {
    EXPECT_EQ(exportBytes(kOrdinary, ExportFormat::TabSeparated),
              "Bank\tjsmith\ts3cret\thttp://bank.example\tPIN at home\r\n"
              "Mail\tjohn\thunter2\thttp://mail.example\twork\r\n");
}

TEST(ExportOrdinaryAccounts, CommaSeparatedAndCsvAreTheSameBytes) {
    const std::string expected = "Bank,jsmith,s3cret,http://bank.example,PIN at home\r\n"
                                 "Mail,john,hunter2,http://mail.example,work\r\n";
    EXPECT_EQ(exportBytes(kOrdinary, ExportFormat::CommaSeparated), expected);
    EXPECT_EQ(exportBytes(kOrdinary, ExportFormat::Csv), expected);
}

TEST(ExportOrdinaryAccounts, KeepsTheGivenOrderAndWindows1252Bytes) {
    const std::vector<Account> accounts = {{"Zeta", "", "", "", ""},
                                           {"Caf\xE9", "\x80uro", "", "", ""}};
    EXPECT_EQ(exportBytes(accounts, ExportFormat::CommaSeparated),
              "Zeta,,,,\r\nCaf\xE9,\x80uro,,,\r\n");
}

const std::vector<Account> kNoUrl = {{"Shop", "ann", "pw", "", ""}};

TEST(ExportEmptyValues, HtmlCellsHoldANonBreakingSpace) {
    EXPECT_EQ(exportBytes(kNoUrl, ExportFormat::Html),
              kHtmlOpening + htmlRow("Shop", "ann", "pw", "&nbsp;", "&nbsp;") + kHtmlClosing);
}

TEST(ExportEmptyValues, FormattedTextFillsTheColumnWithSpaces) {
    const std::string text = exportBytes(kNoUrl, ExportFormat::FormattedText);
    const std::string row = text.substr(text.find("\r\n") + 2);
    EXPECT_EQ(row, "Shop          ann        pw        " + std::string(3 + 2, ' ') +
                       std::string(5 + 2, ' ') + "\r\n");
}

TEST(ExportEmptyValues, SeparatorsStandSideBySide) {
    EXPECT_EQ(exportBytes(kNoUrl, ExportFormat::TabSeparated), "Shop\tann\tpw\t\t\r\n");
    EXPECT_EQ(exportBytes(kNoUrl, ExportFormat::Csv), "Shop,ann,pw,,\r\n");
}

TEST(ExportColumnWidths, ALongerPasswordWidensItsColumnForEveryLine) {
    const std::vector<Account> accounts = {
        {"Bank", "u", "averylongpassword", "", ""},
        {"Mail", "u", "pw", "", ""},
    };
    const std::string tail = std::string(5, ' ') + std::string(7, ' ') + "\r\n";
    EXPECT_EQ(exportBytes(accounts, ExportFormat::FormattedText),
              "Account Name  User Name  Password" + std::string(11, ' ') + "URL  Notes  \r\n" +
                  "Bank          u          averylongpassword  " + tail +
                  "Mail          u          pw" + std::string(17, ' ') + tail);
}

TEST(ExportColumnWidths, ANameOfTwentyCharactersMakesTheColumn22Wide) {
    const std::vector<Account> accounts = {{std::string(20, 'n'), "", "", "", ""}};
    const std::string text = exportBytes(accounts, ExportFormat::FormattedText);
    EXPECT_EQ(text.substr(0, text.find("User Name")), "Account Name" + std::string(10, ' '));
    EXPECT_EQ(text.find("User Name"), 22u);
}

TEST(ExportColumnWidths, AValueAsLongAsItsHeadingKeepsTheWidth) {
    const std::vector<Account> accounts = {{"", "", "12345678", "", ""}};
    const std::string text = exportBytes(accounts, ExportFormat::FormattedText);
    EXPECT_EQ(text.find("URL"), 12u + 2 + 9 + 2 + 8 + 2);
}

TEST(ExportColumnWidths, LineBreaksCountAsCharacters) {
    const std::vector<Account> accounts = {{"a", "b", "c", "d", "one\r\ntwo"}};
    // "one\r\ntwo" is 8 characters: notes width 8, so the heading gets 8 - 5 + 2 spaces.
    EXPECT_EQ(exportBytes(accounts, ExportFormat::FormattedText),
              "Account Name  User Name  Password  URL  Notes     \r\n"
              "a             b          c         d    one\r\ntwo  \r\n");
}

const std::vector<Account> kAwkward = {
    {"A&B <Bank>", "\"quoted\"", "it's", "a,b", "line1\r\nline2"},
    {"tab\there", "x", "y", "z", "ok"},
};

TEST(ExportAwkwardValues, HtmlEscapesMarkupCharacters) {
    EXPECT_EQ(exportBytes(kAwkward, ExportFormat::Html),
              kHtmlOpening +
                  htmlRow("A&amp;B &lt;Bank&gt;", "&quot;quoted&quot;", "it&#39;s", "a,b",
                          "line1\r\nline2") +
                  htmlRow("tab\there", "x", "y", "z", "ok") + kHtmlClosing);
}

TEST(ExportAwkwardValues, FormattedTextWritesValuesAsTheyStand) {
    // Widths: 12, 9 and 8 (the headings), 3, 12 (the notes, line break included).
    EXPECT_EQ(exportBytes(kAwkward, ExportFormat::FormattedText),
              "Account Name  User Name  Password  URL  Notes         \r\n"
              "A&B <Bank>    \"quoted\"   it's      a,b  line1\r\nline2  \r\n"
              "tab\there      x          y         z    ok            \r\n");
}

TEST(ExportAwkwardValues, TabSeparatedQuotesOnlyWhatWouldSplitTheLine) {
    EXPECT_EQ(exportBytes(kAwkward, ExportFormat::TabSeparated),
              "A&B <Bank>\t\"\"\"quoted\"\"\"\tit's\ta,b\t\"line1\r\nline2\"\r\n"
              "\"tab\there\"\tx\ty\tz\tok\r\n");
}

TEST(ExportAwkwardValues, CommaSeparatedQuotesCommasQuotesAndLineBreaks) {
    const std::string expected = "A&B <Bank>,\"\"\"quoted\"\"\",it's,\"a,b\",\"line1\r\nline2\"\r\n"
                                 "tab\there,x,y,z,ok\r\n";
    EXPECT_EQ(exportBytes(kAwkward, ExportFormat::CommaSeparated), expected);
    EXPECT_EQ(exportBytes(kAwkward, ExportFormat::Csv), expected);
}

TEST(ExportAwkwardValues, ALoneCarriageReturnOrLineFeedIsQuotedToo) {
    const std::vector<Account> accounts = {{"a\rb", "c\nd", "", "", ""}};
    EXPECT_EQ(exportBytes(accounts, ExportFormat::Csv), "\"a\rb\",\"c\nd\",,,\r\n");
}

TEST(HtmlCell, EmptyTextBecomesANonBreakingSpace) {
    EXPECT_EQ(lb::HtmlCell(""), "&nbsp;");
    EXPECT_EQ(lb::HtmlCell(" "), " ");
    EXPECT_EQ(lb::HtmlCell("&nbsp;"), "&amp;nbsp;");
}

TEST(ExportFormatNumber, OnlyOneToFiveAreFormats) {
    EXPECT_FALSE(lb::exportFormatFromNumber(0));
    EXPECT_EQ(lb::exportFormatFromNumber(1), ExportFormat::Html);
    EXPECT_EQ(lb::exportFormatFromNumber(5), ExportFormat::Csv);
    EXPECT_FALSE(lb::exportFormatFromNumber(6));
}

} // namespace
