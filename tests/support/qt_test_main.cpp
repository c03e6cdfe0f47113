// The main of every widget test program: an offscreen QApplication (or the X
// server's, for the tests of what other programs can see), settings in a
// temporary folder, so no test touches the user's own, and sealed files that
// cost next to nothing to open.

#include "account_files.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("LB_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    QTemporaryDir settingsDir;
    qputenv("XDG_CONFIG_HOME", settingsDir.path().toUtf8());
    QApplication app(argc, argv);
    lb::setSealingCost(lb::test::kCheapKdf);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
