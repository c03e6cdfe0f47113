// The Qt wrappers: the file dialog's filter form, the one text conversion
// pair between account text and the screen, the settings' rules, and the
// compiled-in artwork.

#include "platform/account_text.h"
#include "platform/artwork.h"
#include "platform/file_dialog.h"
#include "platform/settings.h"

#include <QImage>
#include <gtest/gtest.h>

namespace lb {
namespace {

TEST(AccountText, CountsWhatAPersonSeesAsOneCharacterAndKnowsTheLegacyLimit) {
    const struct {
        const char* text;
        qsizetype visible;
        std::optional<char32_t> unkeepable;
    } rows[] = {
        {"", 0, std::nullopt},
        {"Caf\u00e9 \u20ac", 6, std::nullopt},
        {"e\u0301", 1, U'\u0301'},                                  // e and a combining accent
        {"\U0001F3AE\U0001F468\u200D\U0001F469", 2, U'\U0001F3AE'}, // emoji, a joined family
        {"\U0001F1E9\U0001F1EA", 1, U'\U0001F1E9'},                 // a flag
        {"\u00ff", 1, U'\u00ff'}, // code 255 turns into 0 in a legacy file
        {"\u0142\u00f3d\u017a", 4, U'\u0142'},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const QString text = QString::fromUtf8(row.text);
        EXPECT_EQ(visibleLength(text), row.visible);
        EXPECT_EQ(MaskText(text), QString(row.visible, QLatin1Char('*')));
        EXPECT_EQ(firstClassicUnkeepable(text), row.unkeepable);
        EXPECT_EQ(toAccountText(toQString(row.text)), row.text);
    }
}

TEST(Settings, AnOptionIsOnOnlyForExactlyYesAndNumbersComeBackExactly) {
    const struct {
        const char* stored;
        bool on;
    } rows[] = {{"Yes", true},   {"yes", false}, {"YES", false},
                {"Yes ", false}, {"No", false},  {"1", false}};
    for (const auto& row : rows) {
        settings::SaveSetting(settings::kOptions, settings::kAutoSave, QLatin1String(row.stored));
        EXPECT_EQ(settings::optionOn(settings::kAutoSave, true), row.on) << row.stored;
    }
    for (double v : {1440.0, 41.25, 33.0, 0.1, -15.0, 123456.789}) {
        EXPECT_EQ(settings::toNumber(settings::numberText(v)), v);
    }
    for (const char* notANumber : {"", "abc", "nan", "inf", "-inf", "1,5"}) {
        EXPECT_FALSE(settings::toNumber(QLatin1String(notANumber))) << notANumber;
    }
}

} // namespace
} // namespace lb
