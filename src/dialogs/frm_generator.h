#pragma once
// frmGenerator: makes a password of random characters or a passphrase of
// random words, shows it with its strength, and hands it over on Use. It
// opens with the settings last used and stores them again on Use.

#include "core/password_generator.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace lb {

class StrengthMeter;

class FrmGenerator : public QDialog {
    Q_OBJECT

public:
    explicit FrmGenerator(QWidget* owner);

    // The password shown, the one Use hands over.
    QString password() const;

private:
    void Form_Load();
    GeneratorSettings chosenSettings() const;
    // Enables the controls of the chosen way, keeps one kind of character
    // chosen, and draws a password for the settings as they now are.
    void settingsChanged();
    void cmdGenerate_Click();
    void cmdUse_Click();

    QRadioButton* optCharacters;
    QSpinBox* spnLength;
    QCheckBox* chkLowercase;
    QCheckBox* chkUppercase;
    QCheckBox* chkDigits;
    QCheckBox* chkSymbols;
    QCheckBox* chkNoLookAlikes;
    QRadioButton* optPassphrase;
    QSpinBox* spnWords;
    QComboBox* cboSeparator;
    QCheckBox* chkCapitalise;
    QCheckBox* chkAddDigit;
    QLineEdit* txtGenerated;
    QPushButton* cmdGenerate;
    StrengthMeter* meterStrength;
    QLabel* lblBits;
    QPushButton* cmdUse;
    QPushButton* cmdCancel;
};

// Shows frmGenerator modal over owner. Returns the password on Use, nothing
// on Cancel, Escape or the close box.
std::optional<QString> generatePassword(QWidget* owner);

// A test answers every request through this hook instead of the dialog.
using GeneratorHook = std::function<std::optional<QString>()>;
void setGeneratorHook(GeneratorHook hook);

} // namespace lb
