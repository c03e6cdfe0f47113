#pragma once
// A fresh user's main window, shown offscreen, with a FakeUser to answer it.

#include "fake_user.h"
#include "mainwindow/frm_main.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace lb::test {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        user = std::make_unique<FakeUser>();
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

    // Adds accounts through the Add command, as a person would.
    void addAccounts(int count) {
        for (int i = 0; i < count; ++i) {
            window->menuEntry(QStringLiteral("mnuAccountsAdd"))->trigger();
        }
    }

    QString cell(int row, int column) const {
        return window->table().index(row, column).data().toString();
    }

    std::unique_ptr<FakeUser> user;
    std::unique_ptr<FrmMain> window;
};

} // namespace lb::test
