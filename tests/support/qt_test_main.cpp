// The main of every widget test program: an offscreen QApplication, a
// settings store in a temporary folder, so no test touches the user's own,
// and sealed files that cost next to nothing to open.

#include "account_files.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsDir;
    qputenv("XDG_CONFIG_HOME", settingsDir.path().toUtf8());
    QApplication app(argc, argv);
    lb::setSealingCost(lb::test::kCheapKdf);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
