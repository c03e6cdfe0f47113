// The four dialogs as a person meets them: what each asks, what each keeps,
// and how each lets the person out again.

#include "controls.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_clear.h"
#include "dialogs/frm_options.h"
#include "dialogs/frm_password.h"
#include "dialogs/password_prompt.h"
#include "fake_user.h"
#include "platform/settings.h"

#include <QAccessible>
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

QClipboard* clipboard() {
    return QGuiApplication::clipboard();
}

class Dialogs : public ::testing::Test {
protected:
    Dialogs() {
        test::resetSettings();
        owner.setGeometry(100, 100, 900, 700);
        behind = new QPushButton(QStringLiteral("Behind"), &owner);
        QObject::connect(behind, &QPushButton::clicked, [this] { ++clicksBehind; });
        owner.show();
    }

    // A click on the window behind, through the window system, where the
    // program's modal state decides whether it lands.
    void clickBehind() {
        QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {}, behind->geometry().center());
    }

    // frmPassword, answered by act while it waits; a dialog left open fails the test.
    QString askPassword(bool confirm, const std::function<void(FrmPassword&)>& act) {
        ui::setPasswordHook({});
        FrmPassword dialog(&owner);
        QTimer::singleShot(0, &dialog, [&] {
            act(dialog);
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog.reject();
            }
        });
        return dialog.GetPassword(confirm);
    }

    FrmClear* shownPrompt() const {
        for (FrmClear* prompt : owner.findChildren<FrmClear*>()) {
            if (prompt->isVisible()) {
                return prompt;
            }
        }
        return nullptr;
    }

    test::FakeUser user;
    QWidget owner;
    QPushButton* behind;
    int clicksBehind = 0;
};

// Typed one key at a time; keys beyond ASCII carry their character as text.
void type(QWidget* box, const QString& text) {
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

TEST_F(Dialogs, EveryDialogIsFixedInSizeWithoutMinimiseOrMaximiseAndModalButTheClearPrompt) {
    const auto expectFixed = [](QWidget* d) {
        EXPECT_EQ(d->minimumSize(), d->maximumSize()) << d->objectName().toStdString();
        EXPECT_FALSE(d->windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    };
    askPassword(false, [&](FrmPassword& d) {
        expectFixed(&d);
        clickBehind();
        d.reject();
    });
    test::whenModalOpens([&](QWidget* d) {
        expectFixed(d);
        clickBehind();
    });
    showOptions(&owner);
    test::whenModalOpens([&](QWidget* d) {
        expectFixed(d);
        clickBehind();
    });
    showAbout(&owner);
    EXPECT_EQ(clicksBehind, 0) << "the window behind took a click while a modal dialog was up";

    showClearPrompt(&owner);
    ASSERT_NE(shownPrompt(), nullptr);
    expectFixed(shownPrompt());
    clickBehind();
    EXPECT_EQ(clicksBehind, 1) << "the clear prompt lets the person work on";
}

TEST_F(Dialogs, PasswordWithConfirmationMustBeTypedTwiceExactly) {
    const QString result = askPassword(true, [](FrmPassword& d) {
        auto* password = control<QLineEdit>(&d, "txtPassword");
        auto* confirm = control<QLineEdit>(&d, "txtConfirm");
        EXPECT_TRUE(confirm->isEnabled());
        type(password, QStringLiteral("Secret\u00e9"));
        type(confirm, QStringLiteral("secret\u00e9"));
        QTest::keyClick(confirm, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible()) << "a letter-case mismatch is refused";
        EXPECT_EQ(password->text(), QStringLiteral("Secret\u00e9")) << "neither box is emptied";
        confirm->clear();
        type(confirm, QStringLiteral("Secret\u00e9"));
        QTest::keyClick(password, Qt::Key_Return);
    });
    EXPECT_EQ(result, QStringLiteral("Secret\u00e9"));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, QStringLiteral("The passwords entered do not match each "
                                                    "other, try typing them again."));
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Lockerbook"));
    EXPECT_EQ(user.messages[0].icon, QMessageBox::Information);
}

TEST_F(Dialogs, PasswordWithoutConfirmationAcceptsAtOnceAndRefusesOnlyEmptiness) {
    const QString result = askPassword(false, [](FrmPassword& d) {
        auto* password = control<QLineEdit>(&d, "txtPassword");
        auto* confirm = control<QLineEdit>(&d, "txtConfirm");
        EXPECT_FALSE(confirm->isEnabled());
        EXPECT_EQ(confirm->palette().color(QPalette::Base),
                  confirm->palette().color(QPalette::Button));
        EXPECT_EQ(d.focusWidget(), password);
        QTest::keyClick(password, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        type(password, QString(300, QLatin1Char('x')) + QStringLiteral("\u4e2d"));
        EXPECT_EQ(password->text().size(), 255)
            << "at most 255 characters, none outside the code page";
        EXPECT_EQ(password->displayText(), QString(255, QLatin1Char('*')));
        QTest::keyClick(password, Qt::Key_Return);
    });
    EXPECT_EQ(result, QString(255, QLatin1Char('x')));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, QStringLiteral("Passwords cannot be null strings."));
}

TEST_F(Dialogs, PasswordCancelEscapeAndTheCloseBoxGiveNothingAndEachShowingStartsEmpty) {
    const std::function<void(FrmPassword&)> ways[] = {
        [](FrmPassword& d) { click(&d, "cmdCancel"); },
        [](FrmPassword& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Escape); },
        [](FrmPassword& d) { d.close(); },
    };
    for (const auto& leave : ways) {
        EXPECT_EQ(
            askPassword(true,
                        [&](FrmPassword& d) {
                            EXPECT_TRUE(control<QLineEdit>(&d, "txtPassword")->text().isEmpty());
                            type(control<QLineEdit>(&d, "txtPassword"), QStringLiteral("typed"));
                            leave(d);
                        }),
            QString());
    }
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(Dialogs, OptionsShowTheStoredChoicesAndOkStoresAllFiveAsTicked) {
    settings::SaveSetting(settings::kOptions, settings::kAutoSave, QStringLiteral("yes"));
    settings::SaveSetting(settings::kOptions, settings::kStartInMiniMode, QStringLiteral("Yes"));
    test::whenModalOpens([](QWidget* d) {
        EXPECT_FALSE(control<QCheckBox>(d, "chkAutoSave")->isChecked()) << "only exactly Yes";
        EXPECT_TRUE(control<QCheckBox>(d, "chkStartInMiniMode")->isChecked());
        EXPECT_TRUE(control<QCheckBox>(d, "chkClearClipboardExit")->isChecked()) << "absent is Yes";
        EXPECT_TRUE(control<QCheckBox>(d, "chkShowCopyWarning")->isChecked()) << "absent is Yes";
        clickCheckBox(control<QCheckBox>(d, "chkShowCopyWarning"));
        auto* path = control<QLineEdit>(d, "txtDefaultFile");
        path->setFocus();
        QTest::keyClicks(path, QStringLiteral(" /home/me/My Accounts.lockbk "));
        QTest::keyClick(path, Qt::Key_Return); // Enter is Ok
        EXPECT_FALSE(d->isVisible());
    });
    showOptions(&owner);
    EXPECT_EQ(stored(settings::kAutoSave), QStringLiteral("No"));
    EXPECT_EQ(stored(settings::kStartInMiniMode), QStringLiteral("Yes"));
    EXPECT_EQ(stored(settings::kDefaultFile), QStringLiteral(" /home/me/My Accounts.lockbk "));
    EXPECT_EQ(stored(settings::kClearClipboardOnExit), QStringLiteral("Yes"));
    EXPECT_EQ(stored(settings::kCopyPasswordWarning), QStringLiteral("No"));
}

TEST_F(Dialogs, OptionsLeftByCancelEscapeOrTheCloseBoxWriteNothing) {
    for (int way = 0; way < 3; ++way) {
        test::whenModalOpens([way](QWidget* d) {
            for (const char* box : {"chkAutoSave", "chkStartInMiniMode", "chkClearClipboardExit",
                                    "chkShowCopyWarning"}) {
                clickCheckBox(control<QCheckBox>(d, box));
            }
            control<QLineEdit>(d, "txtDefaultFile")->setText(QStringLiteral("/new.lockbk"));
            if (way == 0) {
                click(d, "cmdCancel");
            } else if (way == 1) {
                QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
            } else {
                d->close();
            }
        });
        showOptions(&owner);
        for (const QString& key :
             {settings::kAutoSave, settings::kStartInMiniMode, settings::kDefaultFile,
              settings::kClearClipboardOnExit, settings::kCopyPasswordWarning}) {
            EXPECT_EQ(stored(key), kAbsent) << way << " " << key.toStdString();
        }
    }
}

TEST_F(Dialogs, OptionsBrowseFillsThePathAndClearNowEmptiesTheClipboardAtOnce) {
    clipboard()->setText(QStringLiteral("secret"));
    user.willChooseFile(QStringLiteral("/data/chosen one.lockbk"));
    user.willCancelFileDialog();
    test::whenModalOpens([](QWidget* d) {
        EXPECT_EQ(d->focusWidget()->objectName(), QStringLiteral("chkAutoSave"));
        click(d, "cmdBrowseForDefaultFile");
        click(d, "cmdBrowseForDefaultFile"); // cancelled: the path stays
        EXPECT_EQ(control<QLineEdit>(d, "txtDefaultFile")->text(),
                  QStringLiteral("/data/chosen one.lockbk"));
        EXPECT_EQ(stored(settings::kDefaultFile), kAbsent) << "only Ok stores it";
        click(d, "cmdClearClipboard");
        EXPECT_EQ(clipboard()->text(), QString());
        EXPECT_EQ(QApplication::activeModalWidget(), d) << "the dialog stays open";
        EXPECT_EQ(
            QAccessible::queryAccessibleInterface(control<QWidget>(d, "cmdBrowseForDefaultFile"))
                ->text(QAccessible::Name),
            QStringLiteral("Browse for the default file"));
        click(d, "cmdOk");
    });
    showOptions(&owner);
    EXPECT_EQ(stored(settings::kDefaultFile), QStringLiteral("/data/chosen one.lockbk"));
    EXPECT_EQ(user.fileDialogs.size(), 2u);
}

TEST_F(Dialogs, TheClearPromptStoresItsTickAndClearsOnlyOnOkWhicheverWayItCloses) {
    enum Way { Ok, No, CloseBox };
    for (Way way : {Ok, No, CloseBox}) {
        for (bool ticked : {false, true}) {
            SCOPED_TRACE(std::to_string(way) + (ticked ? " ticked" : " clear"));
            test::resetSettings();
            user.messages.clear();
            clipboard()->setText(QStringLiteral("secret"));
            showClearPrompt(&owner);
            QPointer<FrmClear> prompt = shownPrompt();
            ASSERT_NE(prompt, nullptr);
            if (ticked) {
                clickCheckBox(control<QCheckBox>(prompt, "chkDontShowWindow"));
                showClearPrompt(&owner); // a second copy brings the same prompt, still ticked
                EXPECT_EQ(shownPrompt(), prompt.data());
                EXPECT_TRUE(control<QCheckBox>(prompt, "chkDontShowWindow")->isChecked());
            }
            if (way == CloseBox) {
                prompt->close();
            } else {
                click(prompt, way == Ok ? "cmdOk" : "cmdCancel");
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(prompt.isNull()) << "the prompt is destroyed when it closes";
            EXPECT_EQ(stored(settings::kCopyPasswordWarning),
                      ticked ? QStringLiteral("No") : QStringLiteral("Yes"));
            EXPECT_EQ(user.messages.size(), ticked ? 1u : 0u);
            EXPECT_EQ(clipboard()->text(), way == Ok ? QString() : QStringLiteral("secret"));
        }
    }
}

TEST_F(Dialogs, AboutLinksOpenTheSiteAndAMailFromMouseAndKeyboard) {
    test::whenModalOpens([](QWidget* d) {
        EXPECT_EQ(d->focusWidget(), control<QPushButton>(d, "cmdOk"));
        QTest::mouseClick(control<QLabel>(d, "lblWebsite"), Qt::LeftButton);
        auto* email = control<QLabel>(d, "lblEMail");
        email->setFocus(Qt::TabFocusReason);
        QTest::keyClick(email, Qt::Key_Space);
        EXPECT_EQ(QApplication::activeModalWidget(), d) << "the box stays open";
        click(d, "cmdOk");
        EXPECT_FALSE(d->isVisible());
    });
    showAbout(&owner);
    EXPECT_EQ(user.shellOpened,
              (std::vector<QString>{QStringLiteral("https://lockerbook.example.org/"),
                                    QStringLiteral("mailto:support@lockerbook.example.org")}));
}

} // namespace
} // namespace lb
