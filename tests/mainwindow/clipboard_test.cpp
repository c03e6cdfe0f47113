// What other programs see of a password, on a real X server: the X selection
// while the password box is used, the clipboard after Copy and Cut there, and
// what the clear prompt and the end of the run leave. The other program is
// xclip, as a person would run it in a terminal.

#include "main_window_fixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QProcess>

namespace lb::test {
namespace {

// Runs xclip while this program goes on answering the X server, which asks
// it for whatever it owns. Gives what xclip printed.
QString xclip(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral("xclip"), arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }))
        << arguments.join(QLatin1Char(' ')).toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The clipboard's text and its password-manager hint, as a clipboard manager reads them.
QString clipboard() {
    const QString hint = QStringLiteral("x-kde-passwordManagerHint");
    const bool hinted = xclip({"-o", "-selection", "clipboard", "-t", "TARGETS"}).contains(hint);
    return xclip({"-o", "-selection", "clipboard"}) + QLatin1Char('|') +
           (hinted ? xclip({"-o", "-selection", "clipboard", "-t", hint}) : QString());
}

void anotherProgramCopies(const char* text) {
    xclip({"-i", "-selection", "clipboard"}, text);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QGuiApplication::clipboard()->ownsClipboard(); }));
}

class Clipboards : public MainWindowTest {
protected:
    void openWindow() {
        window = std::make_unique<FrmMain>();
        window->table().replaceAll({{"Mail", "ann", "hunter2", "", ""}});
        showWindow();
        clickRow(0);
    }
    QLineEdit* password() const { return box("txtViewPassword"); }
    QWidget* prompt() const { return clearPrompts().empty() ? nullptr : clearPrompts().front(); }
};

TEST_F(Clipboards, SelectingThePasswordNeverMakesItTheXSelection) {
    openWindow();
    QLineEdit* user = box("txtViewUserName");
    QTest::mouseDClick(user, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(user, Qt::LeftButton, {}, QPoint(8, 8));
    ASSERT_EQ(xclip({"-o", "-selection", "primary"}), QStringLiteral("ann"))
        << "what any other box selects";

    QLineEdit* box = password();
    const QPoint start(4, box->height() / 2);
    const QPoint end(box->width() - 4, box->height() / 2);
    for (const char* way : {"double click", "drag", "Home, Shift+End", "Ctrl+A"}) {
        SCOPED_TRACE(way);
        box->deselect();
        if (way == std::string_view("double click")) {
            QTest::mouseDClick(box, Qt::LeftButton, {}, start);
            QTest::mouseRelease(box, Qt::LeftButton, {}, start);
        } else if (way == std::string_view("drag")) {
            QTest::mousePress(box, Qt::LeftButton, {}, start);
            QTest::mouseMove(box, end);
            QTest::mouseRelease(box, Qt::LeftButton, {}, end);
        } else {
            QTest::keySequence(box, QKeySequence(QLatin1String(way)));
        }
        EXPECT_EQ(box->selectedText(), QStringLiteral("hunter2"));
        EXPECT_FALSE(xclip({"-o", "-selection", "primary"}).contains(QStringLiteral("hunter2")));
    }
}

TEST_F(Clipboards, CopyAndCutInThePasswordBoxDoExactlyWhatCopyPasswordDoes) {
    openWindow();
    const auto seen = [this] {
        return QStringList{clipboard(), window->statusText(), prompt() ? "prompt" : "no prompt",
                           password()->text()};
    };
    QTest::mouseClick(button("cmdViewCopyPassword"), Qt::LeftButton);
    const QStringList byTheButton = seen();
    ASSERT_EQ(byTheButton.first(), QStringLiteral("hunter2|secret"));
    ASSERT_EQ(byTheButton.at(2), QStringLiteral("prompt"));
    const struct {
        const char* keys;  // in the box, or
        Qt::Key menuEntry; // the key of an entry of its menu
        bool masked;
    } rows[] = {
        {"Ctrl+C", {}, false},       {"Ctrl+X", {}, false},       {"Shift+Del", {}, false},
        {nullptr, Qt::Key_C, false}, {nullptr, Qt::Key_T, false}, {"Ctrl+C", {}, true},
        {nullptr, Qt::Key_C, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        if (QWidget* shown = prompt()) {
            shown->close();
        }
        if (commands().mnuViewMaskPasswords->isChecked() != row.masked) {
            commands().mnuViewMaskPasswords->trigger();
        }
        window->SetStatusText(QString());
        anotherProgramCopies("theirs");
        if (row.keys != nullptr) {
            QTest::keySequence(password(), QKeySequence(QLatin1String(row.keys)));
        } else {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(8, 8),
                                    password()->mapToGlobal(QPoint(8, 8)));
            QApplication::sendEvent(password(), &click);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            QTest::keyClick(menu, row.menuEntry);
        }
        EXPECT_EQ(seen(), byTheButton);
    }
}

TEST_F(Clipboards, TheClearPromptsOkAndTheEndLeaveWhatAnotherProgramCopiedSince) {
    for (const bool atTheEnd : {false, true}) {
        for (const bool copiedSince : {false, true}) {
            SCOPED_TRACE(testing::Message() << (atTheEnd ? "the end" : "Ok") << copiedSince);
            openWindow();
            QTest::keySequence(password(), QKeySequence::Copy);
            if (copiedSince) {
                anotherProgramCopies("theirs");
            }
            if (atTheEnd) {
                window->close();
            } else {
                QTest::mouseClick(control<QPushButton>(prompt(), "cmdOk"), Qt::LeftButton);
            }
            EXPECT_EQ(clipboard(), copiedSince ? QStringLiteral("theirs|") : QStringLiteral("|"));
        }
    }
}

} // namespace
} // namespace lb::test
