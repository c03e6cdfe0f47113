// File > Export and File > Print as a person meets them: the dialog, the
// format chosen by the file type, the bytes and permissions on disk, and the
// printout on a PDF file standing in for the default printer.

#include "flow_fixture.h"
#include "platform/file_io.h"
#include "platform/printer.h"
#include "store/export_accounts.h"
#include "store/print_accounts.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cerrno>

namespace lb::test {
namespace {

const std::vector<Account> kAccounts = {
    {"Bank", "jsmith", "averylongpassword", "http://bank.example", "PIN at home"},
    {"Mail", "john", "hunter2", "", "first line\r\nsecond line"},
};

class ExportFlow : public FlowTest {
protected:
    ExportFlow() {
        w.table().replaceAll(kAccounts);
        w.table().setMasked(true);
        w.currentFile().FileSaved = false;
    }
    ~ExportFlow() override { setWriteFaultHook({}); }
};

TEST_F(ExportFlow, TheChosenTypeSelectsTheFormatAndRealPasswordsAreWritten) {
    const char* names[] = {"1.html", "2.txt", "3.txt", "4.txt", "accounts"};
    for (int type = 1; type <= 5; ++type) {
        user.willChooseFile(path(names[type - 1]), type);
        ExportAccounts(w);
    }
    ASSERT_EQ(user.fileDialogs.size(), 5u);
    EXPECT_EQ(user.fileDialogs[0].title, QStringLiteral("Export"));
    EXPECT_EQ(ui::toNameFilters(user.fileDialogs[0].filter).size(), 5);
    EXPECT_TRUE(readBytes(folder / "1.html").starts_with("<HTML>\r\n"));
    EXPECT_TRUE(readBytes(folder / "2.txt").starts_with("Account Name  User Name  "));
    EXPECT_TRUE(readBytes(folder / "3.txt").starts_with("Bank\tjsmith\taverylongpassword\t"));
    EXPECT_TRUE(readBytes(folder / "4.txt").starts_with("Bank,jsmith,averylongpassword,"));
    EXPECT_EQ(readBytes(folder / "accounts"), readBytes(folder / "4.txt")) << "no extension added";
    EXPECT_EQ(permissions(folder / "accounts"), 0600u);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_TRUE(w.statusLog.empty());
    EXPECT_EQ(w.table().accounts(), kAccounts);
    EXPECT_FALSE(w.currentFile().FileSaved);
}

TEST_F(ExportFlow, CancellingWritesNothingAndAFailureShowsOneMessageAndKeepsTheOldFile) {
    user.willCancelFileDialog();
    ExportAccounts(w);
    EXPECT_TRUE(folder.entries().empty());
    EXPECT_TRUE(user.messages.empty());

    writeBytes(folder / "kept.csv", "earlier export");
    setWriteFaultHook([](std::size_t) { return ENOSPC; });
    user.willChooseFile(path("kept.csv"), 5);
    ExportAccounts(w);
    expectOneFailure(QStringLiteral("There was an unexpected error (number 28, No space left on "
                                    "device) while exporting."),
                     false);
    EXPECT_EQ(readBytes(folder / "kept.csv"), "earlier export");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"kept.csv"});
}

class PrintFlow : public FlowTest {
protected:
    PrintFlow() {
        ui::setPrinterHook([this](QPrinter::PrinterMode mode) {
            modes.push_back(mode);
            auto printer = std::make_unique<QPrinter>(mode);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return printer;
        });
    }
    ~PrintFlow() override { ui::setPrinterHook({}); }

    // Width over height of every page.
    std::vector<bool> landscapePages() const {
        QFile file(pdf);
        file.open(QIODevice::ReadOnly);
        std::vector<bool> pages;
        const QRegularExpression box(
            QStringLiteral(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])"));
        for (auto it = box.globalMatch(QString::fromLatin1(file.readAll())); it.hasNext();) {
            const auto m = it.next();
            pages.push_back(m.captured(1).toDouble() > m.captured(2).toDouble());
        }
        return pages;
    }

    // The printout as text, columns kept (pdftotext guesses the spacing).
    QStringList printedLines() const {
        QProcess run;
        run.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(run.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
        return QString::fromUtf8(run.readAllStandardOutput()).split(QLatin1Char('\n'));
    }

    const QString pdf = path("printout.pdf");
    std::vector<QPrinter::PrinterMode> modes;
};

TEST_F(PrintFlow, PrintsTheListAsTheScreenShowsItInColumnsOnLandscapePages) {
    w.table().replaceAll(kAccounts);
    w.table().setMasked(true);
    PrintAccounts(w);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_TRUE(user.fileDialogs.empty());
    EXPECT_EQ(modes, std::vector<QPrinter::PrinterMode>{QPrinter::HighResolution});
    EXPECT_EQ(landscapePages(), std::vector<bool>{true});
    const QStringList lines = printedLines();
    ASSERT_GE(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Lockerbook ")));
    EXPECT_EQ(lines[2].simplified(), QStringLiteral("Account Name User Name Password URL Notes"));
    EXPECT_EQ(lines[3].simplified(),
              QStringLiteral("Bank jsmith ***************** http://bank.example PIN at home"));
    EXPECT_EQ(lines[4].simplified(), QStringLiteral("Mail john ******* first line"));
    EXPECT_EQ(lines[5].indexOf(QStringLiteral("second line")),
              lines[2].indexOf(QStringLiteral("Notes")));
    EXPECT_EQ(lines[4].indexOf(QStringLiteral("*******")),
              lines[2].indexOf(QStringLiteral("Password")));
}

TEST_F(PrintFlow, ALongListGoesOnToFurtherPagesWithTheHeadingOnce) {
    std::vector<Account> many;
    for (int i = 0; i < 200; ++i) {
        many.push_back({"Account " + std::to_string(i), "user", "pw", "", ""});
    }
    w.table().replaceAll(many);
    PrintAccounts(w);
    EXPECT_GT(landscapePages().size(), 2u);
    const QString text = printedLines().join(QLatin1Char('\n'));
    EXPECT_EQ(text.count(QStringLiteral("Account Name")), 1);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("Account \\d+ "))), 200);
}

TEST_F(PrintFlow, NoPrinterOrOneThatCannotStartShowsOneError) {
    ui::setPrinterHook([](QPrinter::PrinterMode) { return std::unique_ptr<QPrinter>(); });
    PrintAccounts(w);
    ui::setPrinterHook([this](QPrinter::PrinterMode mode) {
        auto printer = std::make_unique<QPrinter>(mode);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path("missing/printout.pdf"));
        return printer;
    });
    PrintAccounts(w);
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].text, QStringLiteral("There was an unexpected error (number 1012, "
                                                    "no printer is installed) while printing."));
    EXPECT_TRUE(user.messages[1].text.endsWith(QStringLiteral(") while printing.")));
    EXPECT_EQ(user.messages[1].icon, QMessageBox::Critical);
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
} // namespace lb::test
