#pragma once
// The product's words as the windows show them: the shared texts of the core
// as QString, and the few texts only the windows use.

#include "core/product.h"

#include <QString>
#include <string_view>

namespace lb::texts {

// UTF-8 text of the core (messages, the product's name) as QString.
inline QString qtext(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline const QString kAppName = qtext(lb::kProductName);
inline const QString kVersion = qtext(lb::kProductVersion);
inline const QString kWebsite = qtext(lb::kWebsite);
inline const QString kEMail = qtext(lb::kEMail);

inline const QString kErrorTitle = QStringLiteral("Error");
inline const QString kAccountFileFilter =
    QStringLiteral("Lockerbook Files (*.lockbk)|*.lockbk|All Files (*.*)|*.*");
// The status bar's word on a file named on the command line that is not there.
inline const QString kFileNotFound = QStringLiteral("The file '%1' does not exist.");

} // namespace lb::texts
