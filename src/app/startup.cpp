#include "app/startup.h"

#include "mainwindow/frm_main.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/settings.h"
#include "platform/texts.h"
#include "store/open_file.h"

namespace lb {
namespace {

bool fileExists(const QString& path) {
    return fileExistsAt(pathBytes(path));
}

} // namespace

QString commandLinePath(const QStringList& arguments) {
    const QString given = arguments.mid(1).join(QLatin1Char(' '));
    if (fileExists(given)) {
        return given;
    }
    QString stripped = given.trimmed();
    stripped.remove(QLatin1Char('"'));
    return fileExists(stripped) ? stripped : given;
}

bool startUp(FrmMain& window, const QString& commandLine) {
    if (!commandLine.isEmpty()) {
        // A missing file leaves the window with the empty table it was
        // created with; the default file is not tried instead.
        if (!fileExists(commandLine)) {
            window.SetStatusText(texts::kFileNotFound.arg(commandLine));
        } else if (!ReadAccountFile(window, commandLine)) {
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
