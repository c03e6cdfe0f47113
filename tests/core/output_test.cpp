// The bytes of the HTML and formatted-text exports and the lines of the
// printout; the separated formats are read back field for field by cli_export.

#include "core/export_writer.h"
#include "core/print_layout.h"

#include <gtest/gtest.h>

namespace lb {
namespace {

std::string htmlRow(std::initializer_list<const char*> cells) {
    std::string row = "   <TR>\r\n";
    for (const char* cell : cells) {
        row += std::string("    <TD>") + cell + "</TD>\r\n";
    }
    return row + "   </TR>\r\n";
}

const std::vector<Account> kAwkward = {
    {"A&B <Bank>", "\"quoted\"", "it's", "a,b", "line1\r\nline2"},
    {"tab\there", "a\rb", "c\nd", "z", "\u20acuro"},
};
// Text beyond Windows-1252 makes the whole file UTF-8.
const std::vector<Account> kWorld = {
    {"\u042f\u043d\u0434\u0435\u043a\u0441", "\u674e", "p\u00e4ss", "", "\U0001F3AE"},
    {"Caf\u00e9", "", "", "", ""},
};

TEST(ExportBytes, HtmlIsATableWithEveryCellEscaped) {
    const std::string html = exportBytes(kAwkward, ExportFormat::Html);
    const std::string heading = htmlRow({"<B>Account Name</B>", "<B>User Name</B>",
                                         "<B>Password</B>", "<B>URL</B>", "<B>Notes</B>"});
    const auto start = html.find(heading);
    ASSERT_NE(start, std::string::npos);
    EXPECT_NE(html.find("charset=iso-8859-1"), std::string::npos);
    EXPECT_EQ(html.substr(start + heading.size()),
              htmlRow({"A&amp;B &lt;Bank&gt;", "&quot;quoted&quot;", "it&#39;s", "a,b",
                       "line1\r\nline2"}) +
                  htmlRow({"tab\there", "a\rb", "c\nd", "z", "\x80uro"}) +
                  "  </TABLE>\r\n </BODY>\r\n</HTML>\r\n");
    EXPECT_EQ(HtmlCell("&nbsp;"), "&amp;nbsp;");
}

TEST(ExportBytes, TextBeyondTheCodePageMakesUtf8SaidInTheHeadAndColumnsAsWideAsItsCharacters) {
    const std::string html = exportBytes(kWorld, ExportFormat::Html);
    EXPECT_NE(html.find("CONTENT='text/html; charset=utf-8'"), std::string::npos);
    EXPECT_NE(html.find("<TD>\u042f\u043d\u0434\u0435\u043a\u0441</TD>"), std::string::npos);
    EXPECT_NE(html.find("<TD>Caf\u00e9</TD>"), std::string::npos) << "UTF-8 throughout";
    // Columns are as wide as their characters, not their bytes.
    const std::string text = exportBytes(kWorld, ExportFormat::FormattedText);
    EXPECT_EQ(text.substr(3, text.find("\r\n") - 3),
              "Account Name  User Name  Password  URL  Notes  ");
    EXPECT_NE(
        text.find(
            "\r\n\u042f\u043d\u0434\u0435\u043a\u0441        \u674e          p\u00e4ss      "),
        std::string::npos);
}

std::string stars(std::string_view password) {
    return std::string(password.size(), '*');
}

TEST(PrintLayout, OneLinePerAccountMaskedAsTheListShowsAndLineBreaksInTheirOwnColumns) {
    const std::vector<Account> accounts = {
        {"Bank", "jsmith", "averylongpassword", "http://bank", "PIN"},
        {"Mail", "john", "pw", "", "work"}};
    for (bool masked : {false, true}) {
        const std::vector<PrintLine> lines =
            printLayout(accounts, masked ? PasswordMask(stars) : PasswordMask());
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[0].text.rfind("Lockerbook ", 0), 0u);
        EXPECT_TRUE(lines[0].bold && lines[1].bold && lines[2].bold);
        EXPECT_EQ(lines[1].text, "");
        EXPECT_EQ(lines[2].text,
                  "Account Name  User Name  Password           URL          Notes  ");
        EXPECT_EQ(lines[3].text, std::string("Bank          jsmith     ") +
                                     (masked ? "*****************" : "averylongpassword") +
                                     "  http://bank  PIN    ");
        EXPECT_FALSE(lines[3].bold);
        EXPECT_EQ(lines[3].cells[2], masked ? "*****************" : "averylongpassword");
        EXPECT_EQ(lines[4].text, std::string("Mail          john       ") + (masked ? "**" : "pw") +
                                     "                              work   ");
    }
    // Values with line breaks continue in their own columns.
    const std::vector<Account> broken = {{"first\rsecond", "u", "", "", "a\r\nb\r\nc"},
                                         {"Mail", "an", "pw", "u", "x"}};
    const std::vector<PrintLine> lines = printLayout(broken, {});
    ASSERT_EQ(lines.size(), 3u + 3u + 1u);
    // Widths: name 12 (first\rsecond), user 9, password 8, URL 3, notes 7.
    EXPECT_EQ(lines[3].text, "first" + std::string(9, ' ') + "u" + std::string(10, ' ') +
                                 std::string(10 + 5, ' ') + "a" + std::string(8, ' '));
    EXPECT_EQ(lines[4].text,
              "second" + std::string(8 + 11 + 10 + 5, ' ') + "b" + std::string(8, ' '));
    EXPECT_EQ(lines[5].text, std::string(14 + 11 + 10 + 5, ' ') + "c" + std::string(8, ' '));
    EXPECT_EQ(lines[6].text.substr(0, 4), "Mail");
}

} // namespace
} // namespace lb
