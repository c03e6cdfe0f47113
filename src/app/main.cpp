// The program's entry: process protection, the application, start-up, and
// the event loop until the main window's shut-down sequence ends it.

#include "app/startup.h"
#include "core/random_source.h"
#include "mainwindow/frm_main.h"
#include "platform/artwork.h"
#include "platform/paths.h"
#include "platform/process_protection.h"
#include "platform/texts.h"

#include <QApplication>

int main(int argc, char** argv) {
    lb::protectSecrets();
    QApplication app(argc, argv);
    QApplication::setApplicationName(lb::texts::kAppName);
    QApplication::setOrganizationName(lb::texts::kAppName);
    QApplication::setDesktopFileName(QStringLiteral("lockerbook"));
    QApplication::setWindowIcon(lb::artwork::icon(QStringLiteral("lockerbook")));

    // The generator is seeded once, before any window exists.
    lb::randomSource();

    lb::FrmMain window;
    // From the bytes themselves: Qt's own arguments lose a name that is not UTF-8.
    if (!lb::startUp(window, lb::commandLinePath(lb::argumentsAsText(argc, argv)))) {
        return 0;
    }
    QObject::connect(&window, &lb::FrmMain::unloaded, &app, [] { QCoreApplication::exit(0); });
    window.show();
    window.raise();
    window.activateWindow();
    return QApplication::exec();
}
