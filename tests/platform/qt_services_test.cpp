// The Qt wrappers: the file dialog's filter form, the one text conversion
// pair between account bytes and the screen, the settings' rules, and the
// compiled-in artwork.

#include "platform/ansi_text.h"
#include "platform/artwork.h"
#include "platform/file_dialog.h"
#include "platform/settings.h"

#include <QImage>
#include <gtest/gtest.h>

namespace lb {
namespace {

TEST(AnsiText, MapsEveryByteOneToOneAndRefusesWhatAFileCannotKeep) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(toAnsi(toQString(all)), all);
    EXPECT_EQ(toQString("\x80"), QStringLiteral("\u20AC"));
    EXPECT_FALSE(toAnsi(QStringLiteral("\u4E2D")));
    EXPECT_TRUE(isStorable(QStringLiteral("Caf\u00E9 \u20AC")));
    EXPECT_FALSE(isStorable(QStringLiteral("\u00FF"))) << "code 255 turns into 0 in the file";
    EXPECT_FALSE(isStorable(QStringLiteral("\u4E2D")));
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

TEST(Artwork, EveryPictureIsDrawnAtAnySizeAndNoPathGetsOut) {
    QList<QImage> seen;
    for (const char* key :
         {"lockerbook", "new", "open", "save", "print", "ontop", "maskpasswords", "add", "remove",
          "account", "sortup", "sortdown", "about-banner", "about-image"}) {
        const QIcon icon = artwork::icon(QLatin1String(key));
        ASSERT_FALSE(icon.isNull()) << key;
        const QSize big = icon.pixmap(256, 256).size();
        EXPECT_EQ(std::max(big.width(), big.height()), 256) << key;
        const QImage image = icon.pixmap(32, 32).toImage();
        EXPECT_FALSE(seen.contains(image)) << key << " duplicates another picture";
        seen.append(image);
    }
    for (const char* key : {"", "no-such-picture", "../artwork/new"}) {
        EXPECT_TRUE(artwork::icon(QLatin1String(key)).isNull()) << key;
    }
}

} // namespace
} // namespace lb
