#pragma once
// Account text is Windows-1252 bytes; the screen shows QString. These are the
// one conversion pair between them, one to one over all 256 byte values.

#include "core/secret.h"

#include <QString>
#include <QValidator>
#include <optional>
#include <string>

namespace lb {

QString toQString(const std::string& bytes);
// Nothing when the text holds a character that Windows-1252 cannot hold.
std::optional<std::string> toAnsi(const QString& text);
// The same, straight into locked memory, for a typed password.
std::optional<SecretBytes> toSecretAnsi(const QString& text);

// True when every character of the text can be kept in an account file: held
// by Windows-1252 and not the character of code 255, which the file format
// turns into code 0.
bool isStorable(const QString& text);

// Refuses, as it is typed or pasted, text that an account file could not keep.
class StorableTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace lb
