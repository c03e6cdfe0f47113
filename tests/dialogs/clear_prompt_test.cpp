// The clear-clipboard prompt after a password copy: its three ways of
// closing, what each does to the clipboard and to CopyPasswordWarning, and
// that there is never more than one.

#include "dialog_helpers.h"
#include "fake_account_window.h"
#include "fake_user.h"
#include "shell/settings.h"
#include "shell/texts.h"
#include "shell/twips.h"
#include "tools/copy_commands.h"
#include "tools/frm_clear.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace lb {
namespace {

const QString kNoMorePrompt = QStringLiteral(
    "From now on, the clipboard will not be cleared after you have copied passwords to it. You "
    "can enable this prompt at any time through the options window.");

using test::part;

QString storedWarning() {
    return settings::GetSetting(settings::kOptions, settings::kCopyPasswordWarning,
                                QStringLiteral("(absent)"));
}

class ClearPrompt : public ::testing::Test {
protected:
    void SetUp() override { test::resetSettings(); }

    // Copies a password and returns the prompt that follows.
    FrmClear* copyPassword() {
        CopyPassword(main, QStringLiteral("secret"));
        const auto prompts = main.widget.findChildren<FrmClear*>();
        for (FrmClear* prompt : prompts) {
            if (prompt->isVisible()) {
                return prompt;
            }
        }
        return nullptr;
    }

    static void dropClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    test::FakeUser user;
    test::FakeAccountWindow main;
};

TEST_F(ClearPrompt, ShowsItsDesignedTextsAndSize) {
    FrmClear* prompt = copyPassword();
    ASSERT_NE(prompt, nullptr);

    EXPECT_EQ(prompt->windowTitle(), QStringLiteral("Clear clipboard"));
    EXPECT_EQ(part<QLabel>(prompt, "lblPrompt")->text(),
              QStringLiteral("Copy the password into the application or website and then click "
                             "Ok to clear the Windows clipboard. Never leave your password on "
                             "the clipboard."));
    EXPECT_EQ(part<QPushButton>(prompt, "cmdOk")->text(),
              QStringLiteral("&Ok, clear the clipboard"));
    EXPECT_EQ(part<QPushButton>(prompt, "cmdCancel")->text(),
              QStringLiteral("&No, don't clear the clipboard"));
    auto* check = part<QCheckBox>(prompt, "chkDontShowWindow");
    EXPECT_EQ(check->text(), QStringLiteral("&Don't show this window again?"));
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(check)->text(QAccessible::Name),
              QStringLiteral("Don't show this window again?"));

    const QSize designed(static_cast<int>(std::lround(twipsToPixels(prompt, 3675))),
                         static_cast<int>(std::lround(twipsToPixels(prompt, 2505))));
    auto* label = part<QLabel>(prompt, "lblPrompt");
    EXPECT_GE(label->height(), label->heightForWidth(label->width())) << "no line cut off";
    EXPECT_GT(part<QPushButton>(prompt, "cmdOk")->y(), label->geometry().bottom());
    EXPECT_GE(check->width(), check->sizeHint().width());
    EXPECT_LE(check->geometry().bottom(), prompt->height());
    EXPECT_EQ(prompt->minimumSize(), prompt->maximumSize()); // fixed
    EXPECT_GE(prompt->width(), designed.width());
    EXPECT_GE(prompt->height(), designed.height());
}

TEST_F(ClearPrompt, IsAModelessToolWindowCentredOverTheMainWindow) {
    FrmClear* prompt = copyPassword();
    ASSERT_NE(prompt, nullptr);

    EXPECT_FALSE(prompt->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(prompt->parentWidget(), &main.widget);
    EXPECT_EQ(prompt->windowType(), Qt::Tool);
    EXPECT_FALSE(prompt->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(prompt->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QPoint offset = prompt->frameGeometry().center() - main.widget.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4);
}

TEST_F(ClearPrompt, TwoCopiesLeaveOnePromptThatKeepsItsTick) {
    FrmClear* first = copyPassword();
    ASSERT_NE(first, nullptr);
    test::clickCheckBox(part<QCheckBox>(first, "chkDontShowWindow"));

    FrmClear* second = copyPassword();

    EXPECT_EQ(second, first);
    EXPECT_EQ(main.widget.findChildren<FrmClear*>().size(), 1);
    EXPECT_TRUE(part<QCheckBox>(second, "chkDontShowWindow")->isChecked());
}

TEST_F(ClearPrompt, OpensAgainUntickedAfterItClosed) {
    FrmClear* first = copyPassword();
    ASSERT_NE(first, nullptr);
    QTest::mouseClick(part<QPushButton>(first, "cmdCancel"), Qt::LeftButton);
    dropClosedWindows();

    FrmClear* second = copyPassword();

    ASSERT_NE(second, nullptr);
    EXPECT_EQ(main.widget.findChildren<FrmClear*>().size(), 1);
    EXPECT_FALSE(part<QCheckBox>(second, "chkDontShowWindow")->isChecked());
}

TEST_F(ClearPrompt, OkWithATickClearsThenTellsThenStoresNo) {
    FrmClear* prompt = copyPassword();
    ASSERT_NE(prompt, nullptr);
    test::clickCheckBox(part<QCheckBox>(prompt, "chkDontShowWindow"));
    // What the person sees at the moment the message comes up.
    QString clipboardAtMessage = QStringLiteral("(no message)");
    QString settingAtMessage;
    ui::setMessageHook([&](const ui::Message& m) {
        user.messages.push_back(m);
        clipboardAtMessage = test::clipboard()->text();
        settingAtMessage = storedWarning();
        return QMessageBox::Ok;
    });

    QTest::mouseClick(part<QPushButton>(prompt, "cmdOk"), Qt::LeftButton);

    EXPECT_EQ(clipboardAtMessage, QString());
    EXPECT_EQ(settingAtMessage, QStringLiteral("(absent)"));
    EXPECT_EQ(storedWarning(), QStringLiteral("No"));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, texts::kAppName);
    EXPECT_EQ(user.messages[0].text, kNoMorePrompt);
    EXPECT_EQ(user.messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(user.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

// Each way of closing, with the box ticked or clear.
enum class Closing { Ok, No, CloseBox };

struct Case {
    Closing closing;
    bool ticked;
};

class ClosingThePrompt : public ClearPrompt, public ::testing::WithParamInterface<Case> {};

TEST_P(ClosingThePrompt, StoresTheChoiceAndClearsOnlyOnOk) {
    const Case c = GetParam();
    QPointer<FrmClear> prompt = copyPassword();
    ASSERT_NE(prompt, nullptr);
    if (c.ticked) {
        test::clickCheckBox(part<QCheckBox>(prompt, "chkDontShowWindow"));
    }

    switch (c.closing) {
    case Closing::Ok:
        QTest::mouseClick(part<QPushButton>(prompt, "cmdOk"), Qt::LeftButton);
        break;
    case Closing::No:
        QTest::mouseClick(part<QPushButton>(prompt, "cmdCancel"), Qt::LeftButton);
        break;
    case Closing::CloseBox:
        prompt->close();
        break;
    }
    dropClosedWindows();

    EXPECT_TRUE(prompt.isNull()) << "the prompt is destroyed when it closes";
    EXPECT_EQ(storedWarning(), c.ticked ? QStringLiteral("No") : QStringLiteral("Yes"));
    EXPECT_EQ(user.messages.size(), c.ticked ? 1u : 0u);
    if (c.ticked && !user.messages.empty()) {
        EXPECT_EQ(user.messages[0].text, kNoMorePrompt);
    }
    EXPECT_EQ(test::clipboard()->text(),
              c.closing == Closing::Ok ? QString() : QStringLiteral("secret"));
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    const char* way[] = {"Ok", "No", "CloseBox"};
    return std::string(way[static_cast<int>(info.param.closing)]) +
           (info.param.ticked ? "Ticked" : "Clear");
}

INSTANTIATE_TEST_SUITE_P(EveryWay, ClosingThePrompt,
                         ::testing::Values(Case{Closing::Ok, false}, Case{Closing::Ok, true},
                                           Case{Closing::No, false}, Case{Closing::No, true},
                                           Case{Closing::CloseBox, false},
                                           Case{Closing::CloseBox, true}),
                         caseName);

TEST_F(ClearPrompt, AStoredNoStopsThePromptAtTheNextCopy) {
    FrmClear* prompt = copyPassword();
    ASSERT_NE(prompt, nullptr);
    test::clickCheckBox(part<QCheckBox>(prompt, "chkDontShowWindow"));
    QTest::mouseClick(part<QPushButton>(prompt, "cmdCancel"), Qt::LeftButton);
    dropClosedWindows();

    EXPECT_EQ(copyPassword(), nullptr);
}

} // namespace
} // namespace lb
