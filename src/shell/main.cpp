// The program's entry: process protection, the application, start-up, and
// the event loop until the main window's shut-down sequence ends it.

#include "mainwindow/frm_main.h"
#include "shell/artwork.h"
#include "shell/startup.h"
#include "tools/random_source.h"

#include <QApplication>
#include <sys/prctl.h>
#include <sys/resource.h>

namespace {

// A crash must not write every password to disk, and other processes of the
// same user must not read this one's memory.
void protectSecrets() {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
}

} // namespace

int main(int argc, char** argv) {
    protectSecrets();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lockerbook"));
    QApplication::setOrganizationName(QStringLiteral("Lockerbook"));
    QApplication::setDesktopFileName(QStringLiteral("lockerbook"));
    QApplication::setWindowIcon(lb::artwork::icon(QStringLiteral("lockerbook")));

    // The generator is seeded once, before any window exists.
    lb::randomSource();

    lb::FrmMain window;
    if (!lb::StartUp(window, lb::commandLinePath(QCoreApplication::arguments()))) {
        return 0;
    }
    QObject::connect(&window, &lb::FrmMain::unloaded, &app, [] { QCoreApplication::exit(0); });
    window.show();
    window.raise();
    window.activateWindow();
    return QApplication::exec();
}
