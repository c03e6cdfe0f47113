#include "mainwindow/help.h"

#include "platform/message_box.h"
#include "platform/shell_open.h"
#include "platform/texts.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace lb {
namespace {

const QString kHelpFileName = QStringLiteral("Lockerbook.html");

QString joined(const QString& folder, const QString& rest) {
    return folder.endsWith(QLatin1Char('/')) ? folder + rest : folder + QLatin1Char('/') + rest;
}

} // namespace

QStringList helpFilePaths(const QString& programFolder) {
    return {joined(programFolder, QStringLiteral("../share/lockerbook/") + kHelpFileName),
            joined(programFolder, kHelpFileName)};
}

void openHelpFile(QWidget* mainWindow) {
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& path : helpFilePaths(folder)) {
        if (QFileInfo(path).isFile()) {
            ui::openInShell(QFileInfo(path).canonicalFilePath());
            return;
        }
    }
    ui::showInformation(mainWindow, texts::kAppName,
                        QStringLiteral("The file %1 could not be found in the Lockerbook program "
                                       "folder (%2) or in %3.")
                            .arg(kHelpFileName, folder,
                                 QFileInfo(joined(folder, QStringLiteral("../share/lockerbook")))
                                     .absoluteFilePath()));
}

void goToUrl(const QString& url) {
    ui::openInShell(url);
}

} // namespace lb
