// The dialogs as a person meets them: what each asks, what each keeps, and
// how each lets the person out again.

#include "controls.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_clear.h"
#include "dialogs/frm_generator.h"
#include "dialogs/frm_options.h"
#include "dialogs/frm_password.h"
#include "fake_user.h"
#include "platform/clipboard.h"
#include "platform/settings.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace lb {
namespace {

using test::clickCheckBox;
using test::control;

const QString kAbsent = QStringLiteral("(absent)");

QString stored(const QString& key) {
    return settings::GetSetting(settings::kOptions, key, kAbsent);
}

void click(QWidget* dialog, const char* button) {
    QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
}

void type(QWidget* dialog, const char* box, const QString& text) {
    test::typeText(control<QLineEdit>(dialog, box), text);
}

class Dialogs : public ::testing::Test {
protected:
    Dialogs() {
        test::resetSettings();
        owner.setGeometry(100, 100, 900, 700);
        behind = new QPushButton(QStringLiteral("Behind"), &owner);
        QObject::connect(behind, &QPushButton::clicked, [this] { ++clicksBehind; });
        owner.show();
        QGuiApplication::clipboard()->setText(QStringLiteral("secret"));
    }

    // A click on the window behind, through the window system, where the
    // program's modal state decides whether it lands.
    void clickBehind() {
        QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {}, behind->geometry().center());
    }

    // The real password dialog, answered by act while it waits.
    QString askPassword(bool confirm, std::function<void(QWidget*)> act) {
        FrmPassword dialog(&owner);
        test::whenModalOpens(std::move(act));
        return dialog.GetPassword(confirm);
    }

    test::FakeUser user;
    QWidget owner;
    QPushButton* behind;
    int clicksBehind = 0;
};

TEST_F(Dialogs, TheClearPromptLetsThePersonWorkOnInTheWindowBehind) {
    showClearPrompt(&owner);
    clickBehind();
    EXPECT_EQ(clicksBehind, 1);
}

TEST_F(Dialogs, APasswordIsNeverEmptyAtMost255CharactersOfAnyScriptAndConfirmedExactly) {
    const QString single = askPassword(false, [](QWidget* d) {
        auto* password = control<QLineEdit>(d, "txtPassword");
        EXPECT_FALSE(control<QLineEdit>(d, "txtConfirm")->isEnabled());
        QTest::keyClick(password, Qt::Key_Return);
        ASSERT_TRUE(d->isVisible()) << "an empty password is refused";
        type(d, "txtPassword",
             QStringLiteral("\u4e2de\u0301\U0001F3AE") + QString(300, QLatin1Char('x')));
        QTest::keyClick(password, Qt::Key_Return);
    });
    // Three characters as a person sees them, then x up to 255.
    EXPECT_EQ(single, QStringLiteral("\u4e2de\u0301\U0001F3AE") + QString(252, QLatin1Char('x')));
    const QString confirmed = askPassword(true, [](QWidget* d) {
        type(d, "txtPassword", QStringLiteral("Secret\u00e9garden\u0416"));
        type(d, "txtConfirm", QStringLiteral("secret\u00e9garden\u0416"));
        QTest::keyClick(control<QLineEdit>(d, "txtConfirm"), Qt::Key_Return);
        ASSERT_TRUE(d->isVisible()) << "a letter-case mismatch is refused";
        control<QLineEdit>(d, "txtConfirm")->clear();
        type(d, "txtConfirm",
             QStringLiteral("Secret\u00e9garden\u0416")); // the first box kept its text
        QTest::keyClick(control<QLineEdit>(d, "txtPassword"), Qt::Key_Return);
    });
    EXPECT_EQ(confirmed, QStringLiteral("Secret\u00e9garden\u0416"));
    EXPECT_EQ(user.messages.size(), 2u) << "each refusal is said";
}

TEST_F(Dialogs, ANewVeryWeakMasterPasswordIsTakenOnlyAfterAQuestion) {
    const QString weak = QStringLiteral("password");
    const struct {
        const char* name;
        bool confirm;
        QString password;
        QMessageBox::StandardButton answer; // to the question; NoButton: none is asked
        const char* heard;                  // the meter, through a screen reader
        bool taken;
    } rows[] = {
        {"very weak, answered No", true, weak, QMessageBox::No, "Strength: very weak", false},
        {"very weak, answered Yes", true, weak, QMessageBox::Yes, "Strength: very weak", true},
        {"fair", true, QStringLiteral("Tr0ub4dor&3"), QMessageBox::NoButton, "Strength: fair",
         true},
        {"opening a file", false, weak, QMessageBox::NoButton, nullptr, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        user.messages.clear();
        const bool asked = row.answer != QMessageBox::NoButton;
        if (asked) {
            user.willAnswer(row.answer);
        }
        const QString result = askPassword(row.confirm, [&](QWidget* d) {
            type(d, "txtPassword", row.password);
            auto* meter = d->findChild<QWidget*>(QStringLiteral("meterStrength"));
            ASSERT_NE(meter, nullptr);
            EXPECT_EQ(meter->isVisible(), row.confirm);
            if (row.confirm) {
                type(d, "txtConfirm", row.password);
                EXPECT_EQ(meter->accessibleDescription(), QLatin1String(row.heard));
            }
            QTest::keyClick(control<QLineEdit>(d, "txtPassword"), Qt::Key_Return);
            EXPECT_EQ(d->isVisible(), !row.taken) << "after No the person may choose again";
        });
        EXPECT_EQ(result, row.taken ? row.password : QString());
        ASSERT_EQ(user.messages.size(), asked ? 1u : 0u);
        if (asked) {
            EXPECT_EQ(user.messages[0].icon, QMessageBox::Warning);
            EXPECT_EQ(user.messages[0].defaultButton, QMessageBox::No) << "Enter keeps it out";
        }
    }
}

TEST_F(Dialogs, CancelEscapeAndTheCloseBoxGiveNoPasswordAndStoreNoOption) {
    const std::function<void(QWidget*)> ways[] = {
        [](QWidget* d) { click(d, "cmdCancel"); },
        [](QWidget* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Escape); },
        [](QWidget* d) { d->close(); },
    };
    for (const auto& way : ways) {
        const auto leave = [&](QWidget* d) {
            way(d);
            EXPECT_FALSE(d->isVisible()) << d->objectName().toStdString() << " is still open";
        };
        const auto typeAndLeave = [&](QWidget* d) {
            type(d, "txtPassword", QStringLiteral("typed"));
            leave(d);
        };
        EXPECT_EQ(askPassword(true, typeAndLeave), QString());
        test::whenModalOpens(leave);
        EXPECT_EQ(generatePassword(&owner), std::nullopt);
        test::whenModalOpens([&](QWidget* d) {
            for (QCheckBox* box : d->findChildren<QCheckBox*>()) {
                clickCheckBox(box);
            }
            control<QLineEdit>(d, "txtDefaultFile")->setText(QStringLiteral("/new.lockbk"));
            leave(d);
        });
        showOptions(&owner);
        for (const QString& key :
             {settings::kAutoSave, settings::kStartInMiniMode, settings::kDefaultFile,
              settings::kClearClipboardOnExit, settings::kCopyPasswordWarning,
              settings::kRandomPasswordFromGenerator}) {
            EXPECT_EQ(stored(key), kAbsent) << key.toStdString();
        }
    }
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(Dialogs, OptionsShowTheStoredChoicesBrowseClearAtOnceAndOkStoresThemAll) {
    settings::SaveSetting(settings::kOptions, settings::kAutoSave, QStringLiteral("yes"));
    user.willChooseFile(QStringLiteral("/data/chosen one.lockbk"));
    user.willCancelFileDialog();
    test::whenModalOpens([](QWidget* d) {
        clickCheckBox(control<QCheckBox>(d, "chkShowCopyWarning"));
        click(d, "cmdBrowseForDefaultFile");
        click(d, "cmdBrowseForDefaultFile"); // cancelled: the path stays
        click(d, "cmdClearClipboard");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString()) << "at once, the dialog open";
        auto* path = control<QLineEdit>(d, "txtDefaultFile");
        path->setFocus();
        QTest::keyClicks(path, QStringLiteral(" ")); // kept as typed, untrimmed
        QTest::keyClick(path, Qt::Key_Return);       // Enter is Ok
    });
    showOptions(&owner);
    // Each box showed its stored choice, left as it was but the copy warning.
    EXPECT_EQ(stored(settings::kAutoSave), QStringLiteral("No")) << "only exactly Yes is ticked";
    EXPECT_EQ(stored(settings::kStartInMiniMode), QStringLiteral("No")) << "absent is No";
    EXPECT_EQ(stored(settings::kDefaultFile), QStringLiteral("/data/chosen one.lockbk "));
    EXPECT_EQ(stored(settings::kClearClipboardOnExit), QStringLiteral("Yes")) << "absent is Yes";
    EXPECT_EQ(stored(settings::kCopyPasswordWarning), QStringLiteral("No")) << "ticked, then not";
    EXPECT_EQ(stored(settings::kRandomPasswordFromGenerator), QStringLiteral("No"))
        << "absent is No";
}

TEST_F(Dialogs, TheClearPromptStoresItsTickAndClearsOnlyOnOkWhicheverWayItCloses) {
    enum Way { Ok, No, CloseBox };
    for (Way way : {Ok, No, CloseBox}) {
        for (bool ticked : {false, true}) {
            SCOPED_TRACE(std::to_string(way) + (ticked ? " ticked" : " clear"));
            putTextOnClipboard(QStringLiteral("secret"), ClipboardText::Secret);
            showClearPrompt(&owner);
            QPointer<FrmClear> prompt = owner.findChild<FrmClear*>();
            ASSERT_NE(prompt, nullptr);
            if (ticked) {
                clickCheckBox(control<QCheckBox>(prompt, "chkDontShowWindow"));
            }
            way == CloseBox ? void(prompt->close())
                            : click(prompt, way == Ok ? "cmdOk" : "cmdCancel");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(prompt.isNull()) << "the prompt is destroyed when it closes";
            EXPECT_EQ(stored(settings::kCopyPasswordWarning),
                      ticked ? QStringLiteral("No") : QStringLiteral("Yes"));
            EXPECT_EQ(QGuiApplication::clipboard()->text(),
                      way == Ok ? QString() : QStringLiteral("secret"));
        }
    }
    EXPECT_EQ(user.messages.size(), 3u) << "a word on how to undo each tick";
}

} // namespace
} // namespace lb
