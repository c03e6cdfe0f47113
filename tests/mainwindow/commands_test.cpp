// The menu bar, its shortcuts, the toolbar's routing and the view switches.

#include "main_window_fixture.h"

#include <QMenuBar>
#include <QToolButton>

namespace lb::test {
namespace {

class Commands : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->NewFile();
        showWindow();
    }

    QStringList visibleMenus() const {
        QStringList out;
        for (QAction* a : window->menuBar()->actions()) {
            if (a->isVisible()) {
                out << a->text();
            }
        }
        return out;
    }

    int triggeredBy(const QKeySequence& keys, const QString& entry) {
        int count = 0;
        QAction* action = window->menuEntry(entry);
        auto c = QObject::connect(action, &QAction::triggered, [&count] { ++count; });
        QTest::keySequence(window.get(), keys);
        QObject::disconnect(c);
        return count;
    }

    QToolButton* button(const QString& key) const {
        return qobject_cast<QToolButton*>(
            window->tbToolbar->widgetForAction(window->toolbarButton(key)));
    }
};

TEST_F(Commands, MenuBarReadsFileViewAccountsHelp) {
    EXPECT_EQ(visibleMenus(), (QStringList{"&File", "&View", "&Accounts", "&Help"}));
    EXPECT_FALSE(window->menuEntry("mnuCloseMiniMode")->isVisible());
    EXPECT_EQ(window->menuEntry("mnuCloseMiniMode")->menu(), nullptr);
}

TEST_F(Commands, EveryShortcutReachesItsEntry) {
    const std::pair<QKeySequence, QString> table[] = {
        {QKeySequence("Ctrl+N"), "mnuFileNew"},
        {QKeySequence("Ctrl+O"), "mnuFileOpen"},
        {QKeySequence("Ctrl+S"), "mnuFileSave"},
        {QKeySequence("Ctrl+P"), "mnuFilePrint"},
        {QKeySequence("Ctrl+T"), "mnuViewOnTop"},
        {QKeySequence("Ctrl+M"), "mnuViewMaskPasswords"},
        {QKeySequence("Ctrl+E"), "mnuAccountsAdd"},
        {QKeySequence("Ctrl+R"), "mnuAccountsRemove"},
        {QKeySequence("F1"), "mnuHelpFile"},
        {QKeySequence("F5"), "mnuViewToolbar"},
        {QKeySequence("F6"), "mnuViewStatusBar"},
        {QKeySequence("Ctrl+I"), "mnuViewMiniMode"}};
    for (const auto& [keys, entry] : table) {
        EXPECT_EQ(triggeredBy(keys, entry), 1) << entry.toStdString();
        if (window->InMiniMode) {
            window->SetMiniMode(false);
        }
    }
    for (const char* none : {"mnuFileSaveAs", "mnuFileExport", "mnuFileOptions", "mnuFileExit"}) {
        EXPECT_TRUE(window->menuEntry(QLatin1String(none))->shortcut().isEmpty()) << none;
    }
}

TEST_F(Commands, NoMenuEntryIsEverDisabled) {
    window->ClearDetailView();
    for (QAction* top : window->menuBar()->actions()) {
        if (!top->isVisible()) {
            continue; // Qt reports a hidden entry as disabled; it is only hidden
        }
        EXPECT_TRUE(top->isEnabled()) << top->objectName().toStdString();
        if (top->menu() != nullptr) {
            for (QAction* entry : top->menu()->actions()) {
                EXPECT_TRUE(entry->isEnabled()) << entry->objectName().toStdString();
            }
        }
    }
}

TEST_F(Commands, ToolbarHasItsThirteenEntriesInOrder) {
    QStringList shape;
    for (QAction* a : window->tbToolbar->actions()) {
        shape << (a->isSeparator() ? QStringLiteral("|") : a->data().toString());
    }
    EXPECT_EQ(shape, (QStringList{"new", "open", "|", "save", "|", "print", "|", "ontop",
                                  "maskpasswords", "|", "add", "remove", "|"}));
    EXPECT_EQ(window->toolbarButton("add")->toolTip(), "Add account");
    EXPECT_EQ(button("new")->size(), QSize(39, 38));
}

TEST_F(Commands, ToolbarButtonsRunTheirMenuEntries) {
    QTest::mouseClick(button("add"), Qt::LeftButton);
    EXPECT_EQ(window->table().size(), 1);
    EXPECT_FALSE(window->currentFile().FileSaved);
    QTest::mouseClick(button("remove"), Qt::LeftButton);
    EXPECT_EQ(window->table().size(), 0);
    // New asks first, exactly as the menu entry does.
    QTest::mouseClick(button("new"), Qt::LeftButton);
    ASSERT_EQ(user->messages.size(), 1u);
    EXPECT_EQ(user->messages[0].defaultButton, QMessageBox::Cancel);
    EXPECT_EQ(user->messages[0].escapeButton, QMessageBox::Cancel);
    window->tbToolbar_ButtonClick(QStringLiteral("Add")); // keys are case-sensitive
    EXPECT_EQ(window->table().size(), 0);
}

TEST_F(Commands, RemoveButtonFollowsTheDetailPane) {
    EXPECT_FALSE(window->toolbarButton("remove")->isEnabled());
    QTest::keySequence(window.get(), QKeySequence("Ctrl+E"));
    EXPECT_TRUE(window->toolbarButton("remove")->isEnabled());
}

TEST_F(Commands, MiniModeLeavesOnlyCloseMiniModeAndComesBackAsItWas) {
    QTest::keyClick(window.get(), Qt::Key_F5); // toolbar hidden first
    window->SplitPercentage = 40;
    window->Form_Resize();
    QTest::keySequence(window.get(), QKeySequence("Ctrl+I"));
    EXPECT_TRUE(window->InMiniMode);
    EXPECT_EQ(visibleMenus(), (QStringList{"&Close MiniMode"}));
    EXPECT_EQ(window->lstAccounts->geometry(), window->client->rect());
    EXPECT_EQ(triggeredBy(QKeySequence("Ctrl+E"), "mnuAccountsAdd"), 0);
    window->menuEntry("mnuCloseMiniMode")->trigger();
    EXPECT_EQ(visibleMenus(), (QStringList{"&File", "&View", "&Accounts", "&Help"}));
    EXPECT_TRUE(window->tbToolbar->isHidden());
    EXPECT_EQ(window->picSeperator->x(), 400);
    EXPECT_EQ(triggeredBy(QKeySequence("Ctrl+E"), "mnuAccountsAdd"), 1);
}

TEST_F(Commands, OnTopCheckMarkAndButtonAlwaysAgree) {
    QTest::mouseClick(button("ontop"), Qt::LeftButton);
    EXPECT_TRUE(window->menuEntry("mnuViewOnTop")->isChecked());
    EXPECT_TRUE(window->toolbarButton("ontop")->isChecked());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(button("ontop"), Qt::LeftButton);
    EXPECT_FALSE(window->menuEntry("mnuViewOnTop")->isChecked());
    EXPECT_FALSE(window->toolbarButton("ontop")->isChecked());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(Commands, MaskingEmptiesTheStatusAndLeavesTheFileSaved) {
    window->table().replaceAll(
        {Account{"a", "u", "12345678", "", ""}, Account{"b", "", "", "", ""}});
    window->ShowAccount(0);
    window->currentFile().FileSaved = true;
    window->SetStatusText("something");
    QTest::mouseClick(button("maskpasswords"), Qt::LeftButton);
    EXPECT_EQ(cell(0, 2), "********");
    EXPECT_EQ(cell(1, 2), "");
    EXPECT_EQ(window->picView->txtViewPassword->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(window->menuEntry("mnuViewMaskPasswords")->isChecked());
    EXPECT_TRUE(window->statusText().isEmpty());
    EXPECT_TRUE(window->currentFile().FileSaved);
    QTest::keySequence(window.get(), QKeySequence("Ctrl+M"));
    EXPECT_EQ(cell(0, 2), "12345678");
    EXPECT_EQ(window->picView->txtViewPassword->echoMode(), QLineEdit::Normal);
    EXPECT_FALSE(window->toolbarButton("maskpasswords")->isChecked());
}

TEST_F(Commands, ViewSwitchesStartInTheirDesignedStates) {
    EXPECT_TRUE(window->menuEntry("mnuViewToolbar")->isChecked());
    EXPECT_TRUE(window->menuEntry("mnuViewStatusBar")->isChecked());
    EXPECT_FALSE(window->menuEntry("mnuViewOnTop")->isChecked());
    EXPECT_FALSE(window->menuEntry("mnuViewMaskPasswords")->isChecked());
    EXPECT_FALSE(window->InMiniMode);
}

} // namespace
} // namespace lb::test
