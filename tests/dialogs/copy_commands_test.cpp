// The three copy buttons: what lands on the clipboard, what the status bar
// says, and when the clear-clipboard prompt follows.

#include "dialog_helpers.h"
#include "fake_account_window.h"
#include "fake_user.h"
#include "shell/settings.h"
#include "tools/clipboard.h"
#include "tools/copy_commands.h"
#include "tools/frm_clear.h"

#include <QMimeData>
#include <gtest/gtest.h>

namespace lb {
namespace {

const QString kHint = QStringLiteral("x-kde-passwordManagerHint");

class CopyCommands : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::clipboard()->setText(QStringLiteral("before"));
    }
    void TearDown() override { setClipboardSource({}); }

    int promptsShown() {
        int count = 0;
        for (const FrmClear* prompt : main.widget.findChildren<FrmClear*>()) {
            count += prompt->isVisible() ? 1 : 0;
        }
        return count;
    }

    test::FakeUser user;
    test::FakeAccountWindow main;
};

TEST_F(CopyCommands, UserNameIsShownInClearAndNeedsNoPrompt) {
    CopyUserNameOrUrl(main, QStringLiteral("j.smith"));

    EXPECT_EQ(test::clipboard()->text(), QStringLiteral("j.smith"));
    EXPECT_FALSE(test::clipboard()->mimeData()->hasFormat(kHint));
    ASSERT_EQ(main.statusTexts.size(), 1u);
    EXPECT_EQ(main.statusTexts[0], QStringLiteral("'j.smith' copied to the Windows clipboard."));
    EXPECT_EQ(promptsShown(), 0);
}

TEST_F(CopyCommands, AnEmptyFieldIsCopiedLikeAnyOther) {
    CopyUserNameOrUrl(main, QString());

    EXPECT_EQ(test::clipboard()->text(), QString());
    EXPECT_EQ(main.statusTexts.back(), QStringLiteral("'' copied to the Windows clipboard."));
}

TEST_F(CopyCommands, PasswordIsReportedAsOneAsteriskPerCharacter) {
    CopyPassword(main, QStringLiteral("Pa55w\u00e9"));

    EXPECT_EQ(test::clipboard()->text(), QStringLiteral("Pa55w\u00e9"));
    EXPECT_EQ(main.statusTexts.back(), QStringLiteral("'******' copied to the Windows clipboard."));
}

TEST_F(CopyCommands, PasswordIsMarkedSecretForClipboardManagers) {
    CopyPassword(main, QStringLiteral("hunter2"));

    const QMimeData* data = test::clipboard()->mimeData();
    EXPECT_EQ(data->text(), QStringLiteral("hunter2"));
    EXPECT_EQ(data->data(kHint), QByteArray("secret"));
}

TEST_F(CopyCommands, EmptyPasswordStillBringsThePrompt) {
    CopyPassword(main, QString());

    EXPECT_EQ(test::clipboard()->text(), QString());
    EXPECT_EQ(main.statusTexts.back(), QStringLiteral("'' copied to the Windows clipboard."));
    EXPECT_EQ(promptsShown(), 1);
}

TEST_F(CopyCommands, PromptFollowsOnlyWhenTheWarningIsExactlyYes) {
    const QString stored[] = {QStringLiteral("No"), QStringLiteral("yes"), QString()};
    for (const QString& value : stored) {
        settings::SaveSetting(settings::kOptions, settings::kCopyPasswordWarning, value);
        CopyPassword(main, QStringLiteral("secret"));
        EXPECT_EQ(promptsShown(), 0) << value.toStdString();
    }
    settings::SaveSetting(settings::kOptions, settings::kCopyPasswordWarning,
                          QStringLiteral("Yes"));
    CopyPassword(main, QStringLiteral("secret"));
    EXPECT_EQ(promptsShown(), 1);
}

TEST_F(CopyCommands, AnUnreachableClipboardLeavesTheViewAsItWas) {
    setClipboardSource([] { return nullptr; });

    CopyUserNameOrUrl(main, QStringLiteral("j.smith"));
    CopyPassword(main, QStringLiteral("secret"));
    ClearClipboard();

    EXPECT_TRUE(main.statusTexts.empty());
    EXPECT_EQ(promptsShown(), 0);
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(CopyCommands, ClearClipboardEmptiesEveryFormat) {
    CopyPassword(main, QStringLiteral("secret"));

    ClearClipboard();

    const QMimeData* data = test::clipboard()->mimeData();
    EXPECT_TRUE(data == nullptr || data->formats().isEmpty());
    EXPECT_EQ(test::clipboard()->text(), QString());
}

} // namespace
} // namespace lb
