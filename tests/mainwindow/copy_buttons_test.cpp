// The detail pane's copy and Go buttons, pressed in the real window.

#include "main_window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace lb::test {
namespace {

class CopyButtons : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->table().replaceAll({Account{"Mail", "ann", "hunter", "https://mail.example", ""}});
        showWindow();
        window->ShowAccount(0);
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("frmClear")) {
                delete w;
            }
        }
        MainWindowTest::TearDown();
    }
    int prompts() const {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            n += w->objectName() == QLatin1String("frmClear") && w->isVisible() ? 1 : 0;
        }
        return n;
    }
};

TEST_F(CopyButtons, CopyPasswordPutsTheSecretOnTheClipboardAndShowsItMasked) {
    QTest::mouseClick(window->picView->cmdViewCopyPassword, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), "hunter");
    EXPECT_EQ(QApplication::clipboard()->mimeData()->data("x-kde-passwordManagerHint"), "secret");
    EXPECT_EQ(window->statusText(), "'******' copied to the Windows clipboard.");
    EXPECT_EQ(prompts(), 1);
    QTest::mouseClick(window->picView->cmdViewCopyPassword, Qt::LeftButton);
    EXPECT_EQ(prompts(), 1);
}

TEST_F(CopyButtons, CopyUserNameShowsItInClearWithoutAPrompt) {
    QTest::mouseClick(window->picView->cmdViewCopyUserName, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), "ann");
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasFormat("x-kde-passwordManagerHint"));
    EXPECT_EQ(window->statusText(), "'ann' copied to the Windows clipboard.");
    EXPECT_EQ(prompts(), 0);
}

TEST_F(CopyButtons, GoHandsTheUrlToTheDesktopUnchanged) {
    window->picView->txtViewURL->setText(" mail.example/x ");
    QTest::mouseClick(window->picView->cmdViewGoURL, Qt::LeftButton);
    ASSERT_EQ(user->shellOpened.size(), 1u);
    EXPECT_EQ(user->shellOpened[0], " mail.example/x ");
    EXPECT_TRUE(user->messages.empty());
}

} // namespace
} // namespace lb::test
