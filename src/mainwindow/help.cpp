#include "mainwindow/help.h"

#include "platform/message_box.h"
#include "platform/shell_open.h"
#include "platform/texts.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace lb {
namespace {

const QString kHelpFileName = QStringLiteral("Lockerbook.chm");

} // namespace

QString helpFilePath(const QString& programFolder) {
    if (programFolder.endsWith(QLatin1Char('/'))) {
        return programFolder + kHelpFileName;
    }
    return programFolder + QLatin1Char('/') + kHelpFileName;
}

void openHelpFile(QWidget* mainWindow) {
    const QString path = helpFilePath(QCoreApplication::applicationDirPath());
    if (!QFileInfo(path).isFile()) {
        ui::showInformation(
            mainWindow, texts::kAppName,
            QStringLiteral(
                "The file Lockerbook.chm could not be found in the Lockerbook program folder."));
        return;
    }
    ui::openInShell(path);
}

void goToUrl(const QString& url) {
    ui::openInShell(url);
}

} // namespace lb
