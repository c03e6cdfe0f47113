#include "dialogs/generator_settings.h"

#include "core/random_password.h"
#include "platform/settings.h"

#include <algorithm>

namespace lb {
namespace {

const QString kLength = QStringLiteral("GeneratorLength");
const QString kLowercase = QStringLiteral("GeneratorLowercase");
const QString kUppercase = QStringLiteral("GeneratorUppercase");
const QString kDigits = QStringLiteral("GeneratorDigits");
const QString kSymbols = QStringLiteral("GeneratorSymbols");
const QString kNoLookAlikes = QStringLiteral("GeneratorNoLookAlikes");
const QString kPassphrase = QStringLiteral("GeneratorPassphrase");
const QString kWords = QStringLiteral("GeneratorWords");
const QString kSeparator = QStringLiteral("GeneratorSeparator");
const QString kCapitalise = QStringLiteral("GeneratorCapitalise");
const QString kAddDigit = QStringLiteral("GeneratorAddDigit");

QString stored(const QString& key) {
    return settings::GetSetting(settings::kOptions, key, QString());
}

// "Yes" or "No"; anything else is the default.
bool yesNo(const QString& key, bool defaultOn) {
    const QString text = stored(key);
    if (text == QLatin1String("Yes")) {
        return true;
    }
    return text == QLatin1String("No") ? false : defaultOn;
}

// A whole number in decimal within the bounds; anything else is the default.
int number(const QString& key, int lowest, int highest, int defaultValue) {
    bool ok = false;
    const int value = stored(key).toInt(&ok, 10);
    return ok && value >= lowest && value <= highest ? value : defaultValue;
}

void saveNumber(const QString& key, int value) {
    settings::SaveSetting(settings::kOptions, key, QString::number(value));
}

} // namespace

GeneratorSettings loadGeneratorSettings() {
    const GeneratorSettings defaults;
    GeneratorSettings s;
    s.length = number(kLength, kMinGeneratedLength, kMaxGeneratedLength, defaults.length);
    s.lowercase = yesNo(kLowercase, defaults.lowercase);
    s.uppercase = yesNo(kUppercase, defaults.uppercase);
    s.digits = yesNo(kDigits, defaults.digits);
    s.symbols = yesNo(kSymbols, defaults.symbols);
    if (!s.lowercase && !s.uppercase && !s.digits && !s.symbols) {
        s.lowercase = defaults.lowercase;
        s.uppercase = defaults.uppercase;
        s.digits = defaults.digits;
        s.symbols = defaults.symbols;
    }
    s.noLookAlikes = yesNo(kNoLookAlikes, defaults.noLookAlikes);
    s.passphrase = yesNo(kPassphrase, defaults.passphrase);
    s.words = number(kWords, kMinPassphraseWords, kMaxPassphraseWords, defaults.words);
    // An absent key reads as a text no choice has, so it too gives the default.
    const QString separator =
        settings::GetSetting(settings::kOptions, kSeparator, QStringLiteral("absent"));
    const auto* choice =
        std::find_if(std::begin(kSeparatorChoices), std::end(kSeparatorChoices),
                     [&](const SeparatorChoice& c) { return separator == QLatin1String(c.text); });
    if (choice != std::end(kSeparatorChoices)) {
        // Built, then moved in: assigning the C string trips a false -Wrestrict in GCC 12.
        s.separator = std::string(choice->text);
    }
    s.capitalise = yesNo(kCapitalise, defaults.capitalise);
    s.withDigit = yesNo(kAddDigit, defaults.withDigit);
    return s;
}

void saveGeneratorSettings(const GeneratorSettings& s) {
    using settings::saveOption;
    saveNumber(kLength, s.length);
    saveOption(kLowercase, s.lowercase);
    saveOption(kUppercase, s.uppercase);
    saveOption(kDigits, s.digits);
    saveOption(kSymbols, s.symbols);
    saveOption(kNoLookAlikes, s.noLookAlikes);
    saveOption(kPassphrase, s.passphrase);
    saveNumber(kWords, s.words);
    settings::SaveSetting(settings::kOptions, kSeparator, QString::fromStdString(s.separator));
    saveOption(kCapitalise, s.capitalise);
    saveOption(kAddDigit, s.withDigit);
}

QString passwordFromLastSettings() {
    return QString::fromStdString(generate(loadGeneratorSettings()));
}

QString randomPasswordAsChosen() {
    if (settings::optionOn(settings::kRandomPasswordFromGenerator, false)) {
        return passwordFromLastSettings();
    }
    return QString::fromStdString(RandomPassword());
}

} // namespace lb
