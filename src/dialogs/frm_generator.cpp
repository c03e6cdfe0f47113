#include "dialogs/frm_generator.h"

#include "dialogs/generator_settings.h"
#include "dialogs/strength_meter.h"
#include "platform/modal_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace lb {
namespace {

// What a test put in place of the real dialog; empty in the program.
GeneratorHook answer;

constexpr int kIndent = 20;
// The shown password has room for this many wide letters; longer ones scroll.
constexpr int kShownCharacters = 44;

// Controls are reached by their object names. A screen reader names a button
// or a check box by its caption, a box by the label that is its buddy.
template <typename Control> Control* named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

template <typename Box>
Box* labelled(Box* box, const char* name, QLabel* label, QGridLayout* grid, int row) {
    label->setBuddy(named(box, name));
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1, Qt::AlignLeft);
    return box;
}

QSpinBox* spinBox(QWidget* parent, int lowest, int highest) {
    auto* box = new QSpinBox(parent);
    box->setRange(lowest, highest);
    return box;
}

QVBoxLayout* indented(QGridLayout* fields) {
    auto* column = new QVBoxLayout;
    column->setContentsMargins(kIndent, 0, 0, 0);
    column->addLayout(fields);
    return column;
}

} // namespace

FrmGenerator::FrmGenerator(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmGenerator"));
    setWindowTitle(QStringLiteral("Generate Password"));
    setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);

    // Created in tab order, which Qt follows from creation.
    auto* characters = new QGridLayout;
    optCharacters = named(new QRadioButton(QStringLiteral("C&haracters"), this), "optCharacters");
    spnLength = labelled(spinBox(this, kMinGeneratedLength, kMaxGeneratedLength), "spnLength",
                         new QLabel(QStringLiteral("&Length:"), this), characters, 0);
    chkLowercase =
        named(new QCheckBox(QStringLiteral("Lo&wercase letters (a-z)"), this), "chkLowercase");
    chkUppercase =
        named(new QCheckBox(QStringLiteral("Upp&ercase letters (A-Z)"), this), "chkUppercase");
    chkDigits = named(new QCheckBox(QStringLiteral("&Digits (0-9)"), this), "chkDigits");
    chkSymbols = named(new QCheckBox(QStringLiteral("&Symbols (!#$%&&*...)"), this), "chkSymbols");
    QStringList lookAlikes;
    for (const char* c = kLookAlikes; *c != '\0'; ++c) {
        lookAlikes += QString(QLatin1Char(*c));
    }
    chkNoLookAlikes = named(
        new QCheckBox(
            QStringLiteral("Leave out look-ali&kes (%1)").arg(lookAlikes.join(QLatin1Char(' '))),
            this),
        "chkNoLookAlikes");
    int row = 1;
    for (QCheckBox* box : {chkLowercase, chkUppercase, chkDigits, chkSymbols, chkNoLookAlikes}) {
        characters->addWidget(box, row++, 0, 1, 2);
    }

    auto* passphrase = new QGridLayout;
    optPassphrase = named(new QRadioButton(QStringLiteral("&Passphrase"), this), "optPassphrase");
    spnWords = labelled(spinBox(this, kMinPassphraseWords, kMaxPassphraseWords), "spnWords",
                        new QLabel(QStringLiteral("Wo&rds:"), this), passphrase, 0);
    cboSeparator = labelled(new QComboBox(this), "cboSeparator",
                            new QLabel(QStringLiteral("Separa&tor:"), this), passphrase, 1);
    for (const SeparatorChoice& choice : kSeparatorChoices) {
        cboSeparator->addItem(QLatin1String(choice.caption), QLatin1String(choice.text));
    }
    chkCapitalise =
        named(new QCheckBox(QStringLiteral("C&apitalise each word"), this), "chkCapitalise");
    chkAddDigit = named(new QCheckBox(QStringLiteral("Add a d&igit"), this), "chkAddDigit");
    passphrase->addWidget(chkCapitalise, 2, 0, 1, 2);
    passphrase->addWidget(chkAddDigit, 3, 0, 1, 2);
    passphrase->setRowStretch(4, 1);

    auto* result = new QGridLayout;
    txtGenerated = labelled(new QLineEdit(this), "txtGenerated",
                            new QLabel(QStringLiteral("Passw&ord:"), this), result, 0);
    txtGenerated->setReadOnly(true);
    txtGenerated->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtGenerated->setMinimumWidth(
        txtGenerated->fontMetrics().horizontalAdvance(QString(kShownCharacters, QLatin1Char('M'))) +
        8);
    cmdGenerate = named(new QPushButton(QStringLiteral("&Generate"), this), "cmdGenerate");
    result->addWidget(cmdGenerate, 0, 2);
    meterStrength = new StrengthMeter(this);
    meterStrength->setObjectName(QStringLiteral("meterStrength"));
    lblBits = new QLabel(this);
    lblBits->setObjectName(QStringLiteral("lblBits"));
    auto* strength = new QHBoxLayout;
    strength->addWidget(meterStrength);
    strength->addStretch(1);
    strength->addWidget(lblBits);
    result->addWidget(new QLabel(QStringLiteral("Strength:"), this), 1, 0);
    result->addLayout(strength, 1, 1);
    result->setColumnStretch(1, 1);

    cmdUse = named(new QPushButton(QStringLiteral("&Use"), this), "cmdUse");
    cmdCancel = named(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel");
    // Enter uses the password shown; Generate acts on Enter only with the focus.
    cmdUse->setDefault(true);
    cmdGenerate->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);

    auto* ways = new QGridLayout;
    ways->addWidget(optCharacters, 0, 0);
    ways->addLayout(indented(characters), 1, 0);
    ways->addWidget(optPassphrase, 0, 1);
    ways->addLayout(indented(passphrase), 1, 1);
    ways->setHorizontalSpacing(24);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdUse);
    buttons->addWidget(cmdCancel);

    auto* page = new QVBoxLayout(this);
    page->addLayout(ways);
    page->addSpacing(8);
    page->addLayout(result);
    page->addWidget(line);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
    for (QRadioButton* way : {optCharacters, optPassphrase}) {
        connect(way, &QRadioButton::toggled, this, &FrmGenerator::settingsChanged);
    }
    for (QSpinBox* box : {spnLength, spnWords}) {
        connect(box, &QSpinBox::valueChanged, this, &FrmGenerator::settingsChanged);
    }
    for (QCheckBox* box : {chkLowercase, chkUppercase, chkDigits, chkSymbols, chkNoLookAlikes,
                           chkCapitalise, chkAddDigit}) {
        connect(box, &QCheckBox::toggled, this, &FrmGenerator::settingsChanged);
    }
    connect(cboSeparator, &QComboBox::currentIndexChanged, this, &FrmGenerator::settingsChanged);
    connect(cmdGenerate, &QPushButton::clicked, this, &FrmGenerator::cmdGenerate_Click);
    connect(cmdUse, &QPushButton::clicked, this, &FrmGenerator::cmdUse_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    settingsChanged();
    cmdUse->setFocus();
}

QString FrmGenerator::password() const {
    return txtGenerated->text();
}

void FrmGenerator::Form_Load() {
    const GeneratorSettings s = loadGeneratorSettings();
    (s.passphrase ? optPassphrase : optCharacters)->setChecked(true);
    spnLength->setValue(s.length);
    chkLowercase->setChecked(s.lowercase);
    chkUppercase->setChecked(s.uppercase);
    chkDigits->setChecked(s.digits);
    chkSymbols->setChecked(s.symbols);
    chkNoLookAlikes->setChecked(s.noLookAlikes);
    spnWords->setValue(s.words);
    cboSeparator->setCurrentIndex(cboSeparator->findData(QString::fromStdString(s.separator)));
    chkCapitalise->setChecked(s.capitalise);
    chkAddDigit->setChecked(s.withDigit);
}

GeneratorSettings FrmGenerator::chosenSettings() const {
    GeneratorSettings s;
    s.passphrase = optPassphrase->isChecked();
    s.length = spnLength->value();
    s.lowercase = chkLowercase->isChecked();
    s.uppercase = chkUppercase->isChecked();
    s.digits = chkDigits->isChecked();
    s.symbols = chkSymbols->isChecked();
    s.noLookAlikes = chkNoLookAlikes->isChecked();
    s.words = spnWords->value();
    s.separator = cboSeparator->currentData().toString().toStdString();
    s.capitalise = chkCapitalise->isChecked();
    s.withDigit = chkAddDigit->isChecked();
    return s;
}

void FrmGenerator::settingsChanged() {
    const GeneratorSettings s = chosenSettings();
    const QList<QCheckBox*> kinds = {chkLowercase, chkUppercase, chkDigits, chkSymbols};
    const auto chosenKinds = std::count_if(kinds.begin(), kinds.end(),
                                           [](const QCheckBox* box) { return box->isChecked(); });
    for (QWidget* control : std::initializer_list<QWidget*>{
             spnLength, chkLowercase, chkUppercase, chkDigits, chkSymbols, chkNoLookAlikes}) {
        control->setEnabled(!s.passphrase);
    }
    // The one kind still chosen cannot be let go: a password needs characters.
    for (QCheckBox* box : kinds) {
        box->setEnabled(!s.passphrase && !(chosenKinds == 1 && box->isChecked()));
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{spnWords, cboSeparator, chkCapitalise, chkAddDigit}) {
        control->setEnabled(s.passphrase);
    }
    // Whole bits, rounded down: the strength is never overstated.
    lblBits->setText(QStringLiteral("%1 bits").arg(static_cast<int>(std::floor(strengthBits(s)))));
    cmdGenerate_Click();
}

void FrmGenerator::cmdGenerate_Click() {
    txtGenerated->setText(QString::fromStdString(generate(chosenSettings())));
    txtGenerated->setCursorPosition(0);
    meterStrength->setPassword(txtGenerated->text());
}

void FrmGenerator::cmdUse_Click() {
    saveGeneratorSettings(chosenSettings());
    accept();
}

std::optional<QString> generatePassword(QWidget* owner) {
    if (ui::dialogsRefused()) {
        return std::nullopt;
    }
    if (answer) {
        return answer();
    }
    FrmGenerator dialog(owner);
    const ui::ModalScope modal;
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.password();
}

void setGeneratorHook(GeneratorHook hook) {
    answer = std::move(hook);
}

} // namespace lb
