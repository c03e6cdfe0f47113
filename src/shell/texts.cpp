#include "shell/texts.h"

namespace lb::texts {

QString unexpectedError(int number, const QString& description, const QString& doing) {
    return QStringLiteral("There was an unexpected error (number %1, %2) while %3.")
        .arg(number)
        .arg(description, doing);
}

} // namespace lb::texts
