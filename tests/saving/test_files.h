#pragma once
// Account files on disk for flow tests: made with the program's own writer
// for the current format, or laid out by hand for the old text format, plus
// plain byte access to check what a save left behind.

#include "store/account.h"

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace lb::test {

// Three accounts with every field filled, the first one's name first in order.
std::vector<Account> sampleAccounts();

// A current-format file of the accounts under the password.
std::string currentFormatFile(const std::vector<Account>& accounts, std::string_view password);

// An old-format file: header lines, a valid verifier and one 256-character
// slot per field, enciphered with the password. count is what line 4 claims.
std::string oldFormatFile(const std::vector<Account>& accounts, std::string_view password,
                          int count);
std::string oldFormatFile(const std::vector<Account>& accounts, std::string_view password);

void writeBytes(const QString& path, std::string_view bytes);
std::string readBytes(const QString& path);
bool exists(const QString& path);
// The permission bits of the file.
unsigned permissions(const QString& path);
// The names in a folder, hidden ones included.
std::vector<QString> folderEntries(const QString& folder);

} // namespace lb::test
