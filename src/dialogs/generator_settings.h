#pragma once
// The password generator's last settings, kept in the settings store's
// Options section, and the passwords made from them without a dialog.

#include "core/password_generator.h"

#include <QString>

namespace lb {

// The stored settings; each value that is absent or not one the generator
// offers reads as its default, and no kind of character chosen as all four.
GeneratorSettings loadGeneratorSettings();
void saveGeneratorSettings(const GeneratorSettings& settings);

// A fresh password from the stored settings, with nothing shown.
QString passwordFromLastSettings();

// What "&Ran. Password" puts into an account: the words and numbers of old,
// or a password from the generator's last settings when the Options say so.
QString randomPasswordAsChosen();

// The separators a passphrase may have, as stored and as offered.
struct SeparatorChoice {
    const char* text;
    const char* caption;
};
inline constexpr SeparatorChoice kSeparatorChoices[] = {
    {"-", "Hyphen ( - )"}, {" ", "Space"}, {".", "Full stop ( . )"}, {"", "None"}};

} // namespace lb
