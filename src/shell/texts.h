#pragma once
// Texts and addresses that several windows share, kept in one place.

#include <QString>

namespace lb::texts {

inline const QString kAppName = QStringLiteral("Lockerbook");
inline const QString kVersion = QStringLiteral("5.51");
inline const QString kWebsite = QStringLiteral("https://lockerbook.example.org/");
inline const QString kEMail = QStringLiteral("support@lockerbook.example.org");

inline const QString kErrorTitle = QStringLiteral("Error");
inline const QString kAccountFileFilter =
    QStringLiteral("Lockerbook Files (*.lockbk)|*.lockbk|All Files (*.*)|*.*");

// "There was an unexpected error (number N, description) while <doing>."
QString unexpectedError(int number, const QString& description, const QString& doing);

} // namespace lb::texts
