#pragma once
// A fresh user's main window, shown offscreen, with a FakeUser to answer it,
// and the ways a person reaches it: keys, clicks, and controls by their names.

#include "controls.h"
#include "disk.h"
#include "fake_user.h"
#include "mainwindow/frm_main.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <memory>
#include <vector>

namespace lb::test {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        user = std::make_unique<FakeUser>();
        user->answerTheGenerator();
        user->windowBusy = [this] { return window->isBusy(); };
        window = std::make_unique<FrmMain>();
    }
    void TearDown() override {
        // Nothing unsaved may ask a question on the way out.
        window->currentFile().FileSaved = true;
        window.reset();
        user.reset();
    }

    void showWindow(int width = 1000, int height = 600) {
        window->resize(width, height);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename Widget = QWidget> Widget* part(const char* name) const {
        return control<Widget>(window.get(), name);
    }
    QLineEdit* box(const char* name) const { return part<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return part<QPushButton>(name); }
    QTableView* list() const { return part<QTableView>("lstAccounts"); }
    const MainCommands& commands() const { return window->commands(); }
    QToolButton* toolButton(QAction* command) const {
        return qobject_cast<QToolButton*>(part<QToolBar>("tbToolbar")->widgetForAction(command));
    }
    void press(const char* keys) {
        QTest::keySequence(window.get(), QKeySequence(QLatin1String(keys)));
    }

    // Adds accounts with the Add command's shortcut, as a person would.
    void addAccounts(int count) {
        for (int i = 0; i < count; ++i) {
            press("Ctrl+E");
        }
    }
    void clickRow(int row) {
        const QRect r = list()->visualRect(window->table().index(row, 1));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r.center());
    }
    void clickHeader(int column) {
        QHeaderView* header = list()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
    }
    QString cell(int row, int column) const {
        return window->table().index(row, column).data().toString();
    }

    // The clear prompts on screen.
    static std::vector<QWidget*> clearPrompts() {
        std::vector<QWidget*> out;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("frmClear") && w->isVisible()) {
                out.push_back(w);
            }
        }
        return out;
    }

    TempFolder folder;
    std::unique_ptr<FakeUser> user;
    std::unique_ptr<FrmMain> window;
};

} // namespace lb::test
