#pragma once
// What both readers, current and old format, do with a file they could read,
// and the refusals they share. A reader builds its accounts off to the side
// and hands them over here only once the whole file was read, so a failed
// open leaves the table and the open file's state exactly as they were.

#include "store/account.h"

#include <QString>
#include <string>
#include <vector>

namespace lb {

class AccountWindow;

inline const QString kNotAccountFileText =
    QStringLiteral("The file does not appear to be a Lockerbook file. It could not be opened.");
inline const QString kWrongPasswordText = QStringLiteral("Wrong password.");

// Swaps the accounts into the table, shows the first one, and makes the file
// the open one: its path, its password, nothing unsaved.
void installOpenedFile(AccountWindow& w, const QString& path, std::string password,
                       std::vector<Account> accounts);

} // namespace lb
