// File > Print onto a PDF file standing in for the default printer: the
// page's orientation, the printed text, paging, and the machine without a
// printer.

#include "fake_user.h"
#include "output/print_accounts.h"
#include "output/printer_seam.h"
#include "test_window.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using lb::test::FakeUser;
using lb::test::TestWindow;

const std::vector<lb::Account> kAccounts = {
    {"Bank", "jsmith", "averylongpassword", "http://bank.example", "PIN at home"},
    {"Mail", "john", "hunter2", "", "first line\r\nsecond line"},
};

class PrintAccounts : public ::testing::Test {
protected:
    PrintAccounts() {
        lb::ui::setPrinterHook([this](QPrinter::PrinterMode mode) {
            requestedModes_.push_back(mode);
            auto printer = std::make_unique<QPrinter>(mode);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfPath());
            return printer;
        });
    }
    ~PrintAccounts() override { lb::ui::setPrinterHook({}); }

    QString pdfPath() const { return dir_.filePath(QStringLiteral("printout.pdf")); }

    QByteArray pdfBytes() const {
        QFile pdf(pdfPath());
        return pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
    }

    // Width and height in points of every page.
    std::vector<std::pair<double, double>> pageSizes() const {
        std::vector<std::pair<double, double>> sizes;
        const QRegularExpression box(
            QStringLiteral(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])"));
        auto it = box.globalMatch(QString::fromLatin1(pdfBytes()));
        while (it.hasNext()) {
            const auto m = it.next();
            sizes.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
        }
        return sizes;
    }

    // The printout as text, columns kept, or nothing without pdftotext.
    std::optional<QString> pdfText() const {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            return std::nullopt;
        }
        QProcess run;
        run.start(QStringLiteral("pdftotext"), {"-layout", pdfPath(), "-"});
        if (!run.waitForFinished(30000) || run.exitCode() != 0) {
            return std::nullopt;
        }
        return QString::fromUtf8(run.readAllStandardOutput());
    }

    QTemporaryDir dir_;
    FakeUser user_;
    std::vector<QPrinter::PrinterMode> requestedModes_;
};

TEST_F(PrintAccounts, PrintsOneLandscapePageInHighQualityWithoutADialog) {
    TestWindow window(kAccounts);
    lb::PrintAccounts(window);
    EXPECT_TRUE(user_.messages.empty());
    EXPECT_TRUE(user_.fileDialogs.empty());
    EXPECT_TRUE(window.statusTexts.empty());
    EXPECT_EQ(requestedModes_, std::vector<QPrinter::PrinterMode>{QPrinter::HighResolution});
    const auto sizes = pageSizes();
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_GT(sizes[0].first, sizes[0].second) << "a portrait page";
}

TEST_F(PrintAccounts, PrintsTitleHeadingAndAccountLines) {
    TestWindow window(kAccounts);
    lb::PrintAccounts(window);
    const std::optional<QString> text = pdfText();
    if (!text) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    // pdftotext guesses the spacing between words, so words are compared in
    // order and columns by where they start.
    const QStringList lines = text->split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0].simplified().toStdString(), "Lockerbook 5.51");
    EXPECT_EQ(lines[1].simplified().toStdString(), "");
    EXPECT_EQ(lines[2].simplified().toStdString(), "Account Name User Name Password URL Notes");
    EXPECT_EQ(lines[3].simplified().toStdString(),
              "Bank jsmith averylongpassword http://bank.example PIN at home");
    EXPECT_EQ(lines[4].simplified().toStdString(), "Mail john hunter2 first line");
    EXPECT_EQ(lines[5].simplified().toStdString(), "second line");
    for (const char* heading : {"User Name", "Password", "URL", "Notes"}) {
        SCOPED_TRACE(heading);
        const qsizetype column = lines[2].indexOf(QLatin1String(heading));
        EXPECT_EQ(lines[3].at(column - 1), ' ');
        EXPECT_NE(lines[3].at(column), ' ');
    }
    EXPECT_EQ(lines[4].indexOf("hunter2"), lines[2].indexOf("Password"));
    EXPECT_EQ(lines[4].indexOf("first line"), lines[2].indexOf("Notes"));
    EXPECT_EQ(lines[5].indexOf("second line"), lines[2].indexOf("Notes"));
}

TEST_F(PrintAccounts, PrintsPasswordsAsTheMaskedListShowsThem) {
    TestWindow window(kAccounts, true);
    lb::PrintAccounts(window);
    const std::optional<QString> text = pdfText();
    if (!text) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    EXPECT_FALSE(text->contains("averylongpassword"));
    EXPECT_FALSE(text->contains("hunter2"));
    const QString words = text->simplified();
    EXPECT_TRUE(words.contains("jsmith ***************** http://bank.example PIN"));
    EXPECT_TRUE(words.contains("john ******* first line"));
}

TEST_F(PrintAccounts, ALongListContinuesOnFurtherPages) {
    std::vector<lb::Account> many;
    for (int i = 0; i < 200; ++i) {
        many.push_back({"Account " + std::to_string(i), "user", "pw", "", ""});
    }
    TestWindow window(many);
    lb::PrintAccounts(window);
    EXPECT_TRUE(user_.messages.empty());
    const auto sizes = pageSizes();
    EXPECT_GT(sizes.size(), 2u);
    for (const auto& [width, height] : sizes) {
        EXPECT_GT(width, height);
    }
    const std::optional<QString> text = pdfText();
    if (!text) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    // Each account once, the heading only on the first page.
    EXPECT_EQ(text->count("Account Name"), 1);
    EXPECT_TRUE(text->contains("Account 0 "));
    EXPECT_TRUE(text->contains("Account 199 "));
    EXPECT_EQ(text->count(QRegularExpression(QStringLiteral("Account \\d+ "))), 200);
}

TEST_F(PrintAccounts, WithoutAPrinterShowsTheErrorAndPrintsNothing) {
    lb::ui::setPrinterHook([](QPrinter::PrinterMode) { return std::unique_ptr<QPrinter>(); });
    TestWindow window(kAccounts);
    lb::PrintAccounts(window);
    ASSERT_EQ(user_.messages.size(), 1u);
    EXPECT_EQ(user_.messages[0].title, "Error");
    EXPECT_EQ(user_.messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(user_.messages[0].buttons, QMessageBox::Ok);
    EXPECT_TRUE(user_.messages[0].text.startsWith("There was an unexpected error (number "));
    EXPECT_TRUE(user_.messages[0].text.endsWith(") while printing."));
    EXPECT_FALSE(QFile::exists(pdfPath()));
    EXPECT_TRUE(window.statusTexts.empty());
}

TEST_F(PrintAccounts, APrinterThatCannotStartShowsTheError) {
    lb::ui::setPrinterHook([this](QPrinter::PrinterMode mode) {
        auto printer = std::make_unique<QPrinter>(mode);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir_.filePath(QStringLiteral("missing/printout.pdf")));
        return printer;
    });
    TestWindow window(kAccounts);
    lb::PrintAccounts(window);
    ASSERT_EQ(user_.messages.size(), 1u);
    EXPECT_TRUE(user_.messages[0].text.endsWith(") while printing."));
}

} // namespace
