#include "app/startup.h"

#include "mainwindow/frm_main.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/settings.h"
#include "store/open_file.h"

namespace lb {
namespace {

bool fileExists(const QString& path) {
    return fileExistsAt(pathBytes(path));
}

} // namespace

QString commandLinePath(const QStringList& arguments) {
    QString text = arguments.mid(1).join(QLatin1Char(' ')).trimmed();
    text.remove(QLatin1Char('"'));
    return text;
}

bool startUp(FrmMain& window, const QString& commandLine) {
    if (!commandLine.isEmpty()) {
        // A missing file is ignored: the window starts with the empty table it
        // was created with, and the default file is not tried instead.
        if (fileExists(commandLine) && !ReadAccountFile(window, commandLine)) {
            return false;
        }
    } else {
        const QString defaultFile =
            settings::GetSetting(settings::kOptions, settings::kDefaultFile, QString());
        if (defaultFile.isEmpty()) {
            window.NewFile();
        } else if (fileExists(defaultFile) && !ReadAccountFile(window, defaultFile)) {
            window.NewFile();
        }
    }
    if (settings::GetSetting(settings::kOptions, settings::kStartInMiniMode,
                             QStringLiteral("No")) == QLatin1String("Yes")) {
        window.SetMiniMode(true);
    }
    return true;
}

} // namespace lb
