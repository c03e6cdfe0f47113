#pragma once
// The per-user settings store: an INI file under the XDG config folder,
// organisation and application "Lockerbook", sections "Options" and "Window".
// Values are text. An option is on only when its text is exactly "Yes".
// Options are read when needed, never cached, so a change in the Options
// dialog takes effect at once.
//
// The file is judged at its first use, as account files are: only a regular
// file of at most 1 MiB is read, and a symbolic link is written through to
// the file it names. Anything else at that path (a folder, a pipe, a device,
// an oversized file) is left alone for the whole run, which then starts from
// the defaults and keeps its changes in memory; one line on standard error
// names the path and the reason.

#include <QString>
#include <optional>

namespace lb::settings {

inline const QString kOptions = QStringLiteral("Options");
inline const QString kWindow = QStringLiteral("Window");

// Option keys and their defaults.
inline const QString kAutoSave = QStringLiteral("AutoSave");                         // "No"
inline const QString kStartInMiniMode = QStringLiteral("StartInMiniMode");           // "No"
inline const QString kDefaultFile = QStringLiteral("DefaultFile");                   // ""
inline const QString kClearClipboardOnExit = QStringLiteral("ClearClipboardOnExit"); // "Yes"
inline const QString kCopyPasswordWarning = QStringLiteral("CopyPasswordWarning");   // "Yes"
// Seconds after a password copy that the clipboard clears itself; 0: only
// when the person asks.
inline const QString kClearClipboardSeconds = QStringLiteral("ClearClipboardSeconds"); // 30
// Minutes without a key or a click before the file locks; 0: never.
inline const QString kLockAfterIdleMinutes = QStringLiteral("LockAfterIdleMinutes"); // 15
// "Yes": the file locks when the screen locks and before the computer sleeps.
inline const QString kLockOnScreenLock = QStringLiteral("LockOnScreenLock"); // "Yes"
// "Yes": "&Ran. Password" uses the password generator's last settings.
inline const QString kRandomPasswordFromGenerator =
    QStringLiteral("RandomPasswordFromGenerator"); // "No"

// Where the settings file is, whatever is there.
QString filePath();
// For tests: the next use judges the file again, and what a run kept in
// memory is forgotten.
void judgeFileAgain();

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);
void SaveSetting(const QString& section, const QString& key, const QString& value);

// An option read with its default ("Yes" or "No"); on only for exactly "Yes".
bool optionOn(const QString& key, bool defaultOn);
void saveOption(const QString& key, bool on);

// A number option from 0 to most; absent, not a number or out of range gives the default.
double numberOption(const QString& key, double defaultValue, double most);
void saveNumberOption(const QString& key, double value);

// Numbers travel as decimal text that reads back to the same value.
QString numberText(double value);
std::optional<double> toNumber(const QString& text);

} // namespace lb::settings
