// frmGenerator as a person meets it: the settings they choose decide the
// password and the bits shown, Use hands over exactly what is shown, and the
// next opening starts where the last Use left off.

#include "controls.h"
#include "core/passphrase_words.h"
#include "core/password_generator.h"
#include "dialogs/frm_generator.h"
#include "dialogs/frm_options.h"
#include "dialogs/frm_password.h"
#include "dialogs/generator_settings.h"
#include "fake_user.h"
#include "platform/settings.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <cmath>

namespace lb {
namespace {

using test::clickCheckBox;
using test::control;

QString stored(const char* key) {
    return settings::GetSetting(settings::kOptions, QLatin1String(key), QStringLiteral("(absent)"));
}

int shownBits(QWidget* d) {
    return control<QLabel>(d, "lblBits")->text().section(QLatin1Char(' '), 0, 0).toInt();
}

QString shown(QWidget* d) {
    return control<QLineEdit>(d, "txtGenerated")->text();
}

void choose(QWidget* d, const char* way) {
    auto* button = control<QRadioButton>(d, way);
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect dot =
        button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, dot.center());
}

void typeNumber(QWidget* d, const char* box, int value) {
    auto* spin = control<QSpinBox>(d, box);
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, QString::number(value));
}

class Generator : public ::testing::Test {
protected:
    Generator() { test::resetSettings(); }
    test::FakeUser user;
};

TEST_F(Generator, ShowsTheBitsAsSetUsesTheShownPasswordAndStartsThereNextTime) {
    const double wordBits = std::log2(static_cast<double>(passphraseWords().size()));
    QString lastShown;
    test::whenModalOpens([&](QWidget* d) {
        // Lower case alone, ten of them: 26^10.
        for (const char* kind : {"chkUppercase", "chkDigits", "chkSymbols"}) {
            clickCheckBox(control<QCheckBox>(d, kind));
        }
        typeNumber(d, "spnLength", 10);
        EXPECT_EQ(shownBits(d), 47);
        EXPECT_TRUE(shown(d).contains(QRegularExpression(QStringLiteral("^[a-z]{10}$"))))
            << shown(d).toStdString();
        clickCheckBox(control<QCheckBox>(d, "chkLowercase"));
        EXPECT_TRUE(control<QCheckBox>(d, "chkLowercase")->isChecked()) << "the last kind stays";

        choose(d, "optPassphrase");
        EXPECT_FALSE(control<QSpinBox>(d, "spnLength")->isEnabled());
        typeNumber(d, "spnWords", 4);
        EXPECT_EQ(shownBits(d), static_cast<int>(std::floor(4 * wordBits)));
        typeNumber(d, "spnWords", 8);
        EXPECT_EQ(shownBits(d), static_cast<int>(std::floor(8 * wordBits)));
        auto* separator = control<QComboBox>(d, "cboSeparator");
        separator->setFocus();
        QTest::keyClicks(separator, QStringLiteral("Space"));
        clickCheckBox(control<QCheckBox>(d, "chkCapitalise"));
        EXPECT_TRUE(
            shown(d).contains(QRegularExpression(QStringLiteral("^([A-Z][a-z]+ ){7}[A-Z][a-z]+$"))))
            << shown(d).toStdString();
        const QString before = shown(d);
        QTest::mouseClick(control<QPushButton>(d, "cmdGenerate"), Qt::LeftButton);
        EXPECT_NE(shown(d), before) << "drawn again";
        lastShown = shown(d);
        QTest::mouseClick(control<QPushButton>(d, "cmdUse"), Qt::LeftButton);
    });
    EXPECT_EQ(generatePassword(nullptr), lastShown);
    EXPECT_EQ(stored("GeneratorPassphrase"), QStringLiteral("Yes"));
    EXPECT_EQ(stored("GeneratorWords"), QStringLiteral("8"));
    EXPECT_EQ(stored("GeneratorSeparator"), QStringLiteral(" "));
    EXPECT_EQ(stored("GeneratorLength"), QStringLiteral("10"));
    EXPECT_EQ(stored("GeneratorUppercase"), QStringLiteral("No"));

    test::whenModalOpens([&](QWidget* d) {
        EXPECT_TRUE(control<QRadioButton>(d, "optPassphrase")->isChecked());
        EXPECT_EQ(shownBits(d), static_cast<int>(std::floor(8 * wordBits)));
        EXPECT_EQ(shown(d).count(QLatin1Char(' ')), 7);
        choose(d, "optCharacters");
        EXPECT_TRUE(shown(d).contains(QRegularExpression(QStringLiteral("^[a-z]{10}$"))));
        QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(generatePassword(nullptr), std::nullopt);
    EXPECT_EQ(stored("GeneratorPassphrase"), QStringLiteral("Yes")) << "Cancel stores nothing";
}

TEST_F(Generator, RanPasswordMakesWordsAndNumbersOrWhatTheOptionsChose) {
    GeneratorSettings threeWords;
    threeWords.passphrase = true;
    threeWords.words = 3;
    threeWords.separator = ".";
    saveGeneratorSettings(threeWords);
    const QRegularExpression oldKind(QStringLiteral(
        "^([A-Za-z]+\\d{4}|\\d{4}[A-Za-z]+|\\d{4}[A-Za-z]+\\d{4}|[A-Za-z]+\\d{4}[A-Za-z]+)$"));
    EXPECT_TRUE(randomPasswordAsChosen().contains(oldKind)) << "by default";
    test::whenModalOpens([](QWidget* d) {
        clickCheckBox(control<QCheckBox>(d, "chkRandomPasswordFromGenerator"));
        QTest::mouseClick(control<QPushButton>(d, "cmdOk"), Qt::LeftButton);
    });
    showOptions(nullptr);
    const QString made = randomPasswordAsChosen();
    EXPECT_TRUE(made.contains(QRegularExpression(QStringLiteral("^[a-z]+\\.[a-z]+\\.[a-z]+$"))))
        << made.toStdString();
}

TEST_F(Generator, EveryControlOfTheDialogsIsNamedForAScreenReader) {
    test::expectEveryControlNamed(std::make_unique<FrmGenerator>(nullptr).get());
    test::expectEveryControlNamed(std::make_unique<FrmOptions>(nullptr).get());
    test::expectEveryControlNamed(std::make_unique<FrmPassword>(nullptr).get());
}

TEST_F(Generator, StrangeStoredSettingsReadAsDefaults) {
    for (const char* row :
         {"GeneratorLength=3", "GeneratorLength=129", "GeneratorLength=twenty",
          "GeneratorLength=0x10", "GeneratorWords=13", "GeneratorWords=2.5", "GeneratorSeparator=+",
          "GeneratorPassphrase=yes", "GeneratorAddDigit=1",
          // No kind of character at all is no choice.
          "GeneratorLowercase=No GeneratorUppercase=No GeneratorDigits=No GeneratorSymbols=No"}) {
        SCOPED_TRACE(row);
        test::resetSettings();
        for (const QString& pair : QString::fromLatin1(row).split(QLatin1Char(' '))) {
            settings::SaveSetting(settings::kOptions, pair.section(QLatin1Char('='), 0, 0),
                                  pair.section(QLatin1Char('='), 1));
        }
        EXPECT_TRUE(loadGeneratorSettings() == GeneratorSettings{});
    }
}

} // namespace
} // namespace lb
