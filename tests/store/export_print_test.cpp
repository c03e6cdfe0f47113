// File > Export and File > Print as a person meets them: the dialog, the
// format chosen by the file type, the bytes and permissions on disk, and the
// printout on a PDF file standing in for the default printer.

#include "flow_fixture.h"
#include "platform/file_io.h"
#include "platform/printer.h"
#include "store/export_accounts.h"
#include "store/print_accounts.h"

#include <QProcess>
#include <QRegularExpression>
#include <cerrno>

namespace lb::test {
namespace {

class OutputFlow : public FlowTest {
protected:
    OutputFlow() {
        w.table().replaceAll({
            {"Bank", "jsmith", "averylongpassword", "http://bank.example", "PIN at home"},
            {"Mail", "john", "hunter2", "", "first line\r\nsecond line"},
        });
        w.table().setMasked(true);
        // The default printer is a PDF file, or none while pdf is empty.
        ui::setPrinterHook([this](QPrinter::PrinterMode mode) {
            auto printer = pdf.isEmpty() ? nullptr : std::make_unique<QPrinter>(mode);
            if (printer) {
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(pdf);
            }
            return printer;
        });
    }
    ~OutputFlow() override {
        setWriteFaultHook({});
        ui::setPrinterHook({});
    }

    // What a poppler tool prints about the printout (%1).
    QString poppler(const char* command) const {
        QStringList words = QProcess::splitCommand(QLatin1String(command).arg(pdf));
        QProcess run;
        run.start(words.takeFirst(), words);
        EXPECT_TRUE(run.waitForFinished(30000)) << command << ": poppler-utils are needed";
        return QString::fromUtf8(run.readAllStandardOutput());
    }
    // How many pages were printed, and whether they are wider than high.
    std::pair<int, bool> pages() const {
        const auto m =
            QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+)\s[\s\S]*size:\s+(\S+) x (\S+))"))
                .match(poppler(R"(pdfinfo "%1")"));
        return {m.captured(1).toInt(), m.captured(2).toDouble() > m.captured(3).toDouble()};
    }

    QString pdf = path("printout.pdf");
};

TEST_F(OutputFlow, TheChosenTypeSelectsTheFormatAndAFailedExportKeepsTheEarlierFile) {
    user.willCancelFileDialog();
    ExportAccounts(w);
    EXPECT_TRUE(folder.entries().empty());
    const std::pair<const char*, std::string_view> files[] = {
        {"1.html", "<HTML>\r\n"},
        {"2.txt", "Account Name  User Name  "},
        {"3.txt", "Bank\tjsmith\taverylongpassword\t"},
        {"4.txt", "Bank,jsmith,averylongpassword,"},
        {"accounts", "Bank,jsmith,averylongpassword,"}, // no extension added
    };
    for (int type = 1; type <= 5; ++type) {
        user.willChooseFile(path(files[type - 1].first), type);
        ExportAccounts(w);
        EXPECT_TRUE(readBytes(folder / files[type - 1].first).starts_with(files[type - 1].second))
            << type;
    }
    EXPECT_EQ(permissions(folder / "accounts"), 0600u);
    EXPECT_FALSE(w.currentFile().FileSaved);

    const std::string earlier = readBytes(folder / "accounts");
    setWriteFaultHook([](std::size_t) { return ENOSPC; });
    user.willChooseFile(path("accounts"), 5);
    ExportAccounts(w);
    expectOneFailure(QStringLiteral("There was an unexpected error (number 28, No space left on "
                                    "device) while exporting."),
                     false);
    EXPECT_EQ(folder.entries().size(), 5u);
    EXPECT_EQ(readBytes(folder / "accounts"), earlier);
}

TEST_F(OutputFlow, PrintsTheListAsTheScreenShowsItInColumnsOnLandscapePages) {
    PrintAccounts(w);
    EXPECT_EQ(pages(), std::make_pair(1, true));
    const QStringList lines = poppler(R"(pdftotext -layout "%1" -)").split(u'\n');
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[4].simplified(), QStringLiteral("Mail john ******* first line"));
    EXPECT_EQ(lines[5].indexOf(QStringLiteral("second line")),
              lines[2].indexOf(QStringLiteral("Notes")));

    // A long list goes on to further pages, with the heading once and no line lost.
    w.table().replaceAll(std::vector<Account>(200, {"Account", "user", "pw", "", ""}));
    PrintAccounts(w);
    EXPECT_GT(pages().first, 2);
    EXPECT_EQ(poppler(R"(pdftotext -layout "%1" -)").count(QStringLiteral("Account ")), 201);
}

TEST_F(OutputFlow, NoPrinterOrOneThatCannotStartShowsOneErrorEach) {
    pdf.clear();
    PrintAccounts(w);
    pdf = path("missing/printout.pdf");
    PrintAccounts(w);
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].text, QStringLiteral("There was an unexpected error (number 1012, "
                                                    "no printer is installed) while printing."));
    EXPECT_TRUE(user.messages[1].text.endsWith(QStringLiteral(") while printing.")));
}

} // namespace
} // namespace lb::test
