// frmPassword as a person meets it: real key presses into the boxes, Enter,
// the buttons and the window's close box.

#include "fake_user.h"
#include "store/frm_password.h"
#include "store/password_prompt.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace lb {
namespace {

const QString kMismatch =
    QStringLiteral("The passwords entered do not match each other, try typing them again.");
const QString kEmpty = QStringLiteral("Passwords cannot be null strings.");

// Puts an application palette in place for one test.
class PaletteGuard {
public:
    explicit PaletteGuard(const QPalette& palette) : original_(QApplication::palette()) {
        QApplication::setPalette(palette);
    }
    ~PaletteGuard() { QApplication::setPalette(original_); }
    PaletteGuard(const PaletteGuard&) = delete;
    PaletteGuard& operator=(const PaletteGuard&) = delete;

private:
    QPalette original_;
};

class FrmPasswordTest : public ::testing::Test {
protected:
    FrmPasswordTest() {
        owner.resize(300, 200);
        ownerButton = new QPushButton(QStringLiteral("Behind"), &owner);
        QObject::connect(ownerButton, &QPushButton::clicked, [this] { ++ownerClicks; });
        owner.show();
        // These tests meet the real dialog, not the stand-in answer.
        ui::setPasswordHook({});
    }

    // A click that passes the window system's modality check, as a real one would.
    void clickOwnerButtonThroughTheWindowSystem() {
        QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {},
                          ownerButton->geometry().center());
    }

    // Typed one key at a time; keys beyond ASCII carry their character as text.
    static void type(QWidget* box, const QString& text) {
        for (QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    // Opens the dialog and, while it waits, acts as the person would. The
    // action must end the dialog; one left open is cancelled and the test fails.
    QString answer(bool confirm, const std::function<void(FrmPassword&)>& act) {
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

    test::FakeUser user;
    QWidget owner;
    QPushButton* ownerButton = nullptr;
    int ownerClicks = 0;
};

TEST_F(FrmPasswordTest, LooksAsDesigned) {
    answer(true, [](FrmPassword& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Enter password"));
        EXPECT_EQ(d.objectName(), QStringLiteral("frmPassword"));
        EXPECT_EQ(d.cmdOk->text(), QStringLiteral("&Ok"));
        EXPECT_EQ(d.cmdCancel->text(), QStringLiteral("&Cancel"));
        EXPECT_EQ(d.txtPassword->objectName(), QStringLiteral("txtPassword"));
        EXPECT_EQ(d.txtConfirm->objectName(), QStringLiteral("txtConfirm"));
        EXPECT_EQ(d.txtPassword->echoMode(), QLineEdit::Password);
        EXPECT_EQ(d.txtConfirm->echoMode(), QLineEdit::Password);
        QStringList labels;
        for (const QLabel* label : d.findChildren<QLabel*>()) {
            labels << label->text();
        }
        EXPECT_TRUE(labels.contains(QStringLiteral("Password")));
        EXPECT_TRUE(labels.contains(QStringLiteral("Confirm")));
        EXPECT_TRUE(labels.contains(
            QStringLiteral("Warning: Passwords in Lockerbook are always case-sensitive.")));
        EXPECT_EQ(d.txtPassword->accessibleName(), QStringLiteral("Password"));
        EXPECT_EQ(d.txtConfirm->accessibleName(), QStringLiteral("Confirm"));
        EXPECT_EQ(d.cmdOk->accessibleName(), QStringLiteral("Ok"));
        EXPECT_EQ(d.cmdCancel->accessibleName(), QStringLiteral("Cancel"));
        EXPECT_FALSE(d.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(d.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(d.minimumSize(), d.maximumSize());
        d.reject();
    });
}

TEST_F(FrmPasswordTest, ConfirmedPasswordIsReturnedOnEnter) {
    const QString typed = answer(true, [](FrmPassword& d) {
        QTest::keyClicks(d.txtPassword, QStringLiteral("Tr0ub4dor&3"));
        QTest::keyClicks(d.txtConfirm, QStringLiteral("Tr0ub4dor&3"));
        EXPECT_EQ(d.txtPassword->displayText(), QString(11, QLatin1Char('*')));
        EXPECT_EQ(d.txtConfirm->displayText(), QString(11, QLatin1Char('*')));
        QTest::keyClick(d.txtConfirm, Qt::Key_Return);
    });
    EXPECT_EQ(typed, QStringLiteral("Tr0ub4dor&3"));
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(FrmPasswordTest, WithoutConfirmationTheConfirmBoxIsInactiveAndEnterAcceptsAtOnce) {
    // A theme whose disabled boxes stay white, so only the dialog's own
    // choice can paint the unused box in the button-face colour.
    const QColor buttonFace(200, 180, 120);
    QPalette theme = QApplication::palette();
    theme.setColor(QPalette::Button, buttonFace);
    theme.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    const PaletteGuard guard(theme);

    const QString typed = answer(false, [&](FrmPassword& d) {
        EXPECT_FALSE(d.txtConfirm->isEnabled());
        const QImage drawn = d.txtConfirm->grab().toImage();
        EXPECT_EQ(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2), buttonFace);
        EXPECT_TRUE(d.txtPassword->isEnabled());
        QTest::keyClicks(d.txtPassword, QStringLiteral("opensesame"));
        QTest::keyClick(d.txtPassword, Qt::Key_Enter);
    });
    EXPECT_EQ(typed, QStringLiteral("opensesame"));
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(FrmPasswordTest, ConfirmBoxKeepsItsNormalLookWhenConfirming) {
    answer(true, [](FrmPassword& d) {
        EXPECT_TRUE(d.txtConfirm->isEnabled());
        EXPECT_NE(d.txtConfirm->palette().color(QPalette::Base),
                  d.txtConfirm->palette().color(QPalette::Button));
        d.reject();
    });
}

TEST_F(FrmPasswordTest, LetterCaseMismatchIsReportedAndTheDialogStaysWithBothEntries) {
    const QString typed = answer(true, [this](FrmPassword& d) {
        QTest::keyClicks(d.txtPassword, QStringLiteral("secret"));
        QTest::keyClicks(d.txtConfirm, QStringLiteral("SECRET"));
        QTest::keyClick(d.txtConfirm, Qt::Key_Return);
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].title, QStringLiteral("Lockerbook"));
        EXPECT_EQ(user.messages[0].text, kMismatch);
        EXPECT_EQ(user.messages[0].icon, QMessageBox::Information);
        EXPECT_EQ(user.messages[0].buttons, QMessageBox::Ok);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.txtPassword->text(), QStringLiteral("secret"));
        EXPECT_EQ(d.txtConfirm->text(), QStringLiteral("SECRET"));
        d.txtConfirm->clear();
        QTest::keyClicks(d.txtConfirm, QStringLiteral("secret"));
        QTest::mouseClick(d.cmdOk, Qt::LeftButton);
    });
    EXPECT_EQ(typed, QStringLiteral("secret"));
}

TEST_F(FrmPasswordTest, EmptyEntryIsRefusedAsNull) {
    const QString typed = answer(true, [this](FrmPassword& d) {
        QTest::keyClick(d.txtPassword, Qt::Key_Return);
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].title, QStringLiteral("Lockerbook"));
        EXPECT_EQ(user.messages[0].text, kEmpty);
        EXPECT_EQ(user.messages[0].icon, QMessageBox::Information);
        EXPECT_TRUE(d.isVisible());
        QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
    });
    EXPECT_TRUE(typed.isEmpty());
}

TEST_F(FrmPasswordTest, WithoutConfirmationWhatTheConfirmBoxHoldsIsIgnored) {
    const QString typed = answer(false, [](FrmPassword& d) {
        d.txtConfirm->setText(QStringLiteral("something else"));
        QTest::keyClicks(d.txtPassword, QStringLiteral("mine"));
        QTest::keyClick(d.txtPassword, Qt::Key_Return);
    });
    EXPECT_EQ(typed, QStringLiteral("mine"));
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(FrmPasswordTest, CancelGivesNothingEvenAfterTyping) {
    const QString typed = answer(false, [](FrmPassword& d) {
        QTest::keyClicks(d.txtPassword, QStringLiteral("typed"));
        QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
    });
    EXPECT_TRUE(typed.isEmpty());
}

TEST_F(FrmPasswordTest, EscapeCountsAsCancel) {
    const QString typed = answer(false, [](FrmPassword& d) {
        QTest::keyClicks(d.txtPassword, QStringLiteral("typed"));
        QTest::keyClick(d.txtPassword, Qt::Key_Escape);
    });
    EXPECT_TRUE(typed.isEmpty());
}

TEST_F(FrmPasswordTest, CloseBoxCountsAsCancel) {
    const QString typed = answer(true, [](FrmPassword& d) {
        QTest::keyClicks(d.txtPassword, QStringLiteral("typed"));
        QTest::keyClicks(d.txtConfirm, QStringLiteral("typed"));
        d.close();
    });
    EXPECT_TRUE(typed.isEmpty());
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(FrmPasswordTest, TheTwoHundredFiftySixthCharacterIsRefused) {
    const QString typed = answer(false, [](FrmPassword& d) {
        QTest::keyClicks(d.txtPassword, QString(255, QLatin1Char('k')));
        EXPECT_EQ(d.txtPassword->text().size(), 255);
        QTest::keyClicks(d.txtPassword, QStringLiteral("z"));
        EXPECT_EQ(d.txtPassword->text().size(), 255);
        QTest::keyClick(d.txtPassword, Qt::Key_Return);
    });
    EXPECT_EQ(typed, QString(255, QLatin1Char('k')));
}

TEST_F(FrmPasswordTest, CharactersOutsideTheCodePageAreRefusedAsTyped) {
    const QString typed = answer(false, [](FrmPassword& d) {
        // The euro sign and y with diaeresis are in Windows-1252; Greek omega is not.
        type(d.txtPassword, QStringLiteral("a\u20ac\u03a9\u00ffb"));
        QTest::keyClick(d.txtPassword, Qt::Key_Return);
    });
    EXPECT_EQ(typed, QStringLiteral("a\u20ac\u00ffb"));
}

TEST_F(FrmPasswordTest, TheMainWindowTakesNoInputWhileTheDialogIsOpen) {
    answer(false, [this](FrmPassword& d) {
        EXPECT_EQ(QApplication::activeModalWidget(), &d);
        clickOwnerButtonThroughTheWindowSystem();
        d.reject();
    });
    EXPECT_EQ(ownerClicks, 0);
    clickOwnerButtonThroughTheWindowSystem();
    EXPECT_EQ(ownerClicks, 1);
}

TEST_F(FrmPasswordTest, PromptShowsTheDialogAndEachShowingStartsEmpty) {
    auto typeAndAccept = [this](const QString& text, QString* shownAtStart) {
        QTimer::singleShot(0, &owner, [=] {
            auto* dialog = qobject_cast<FrmPassword*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            *shownAtStart = dialog->txtPassword->text();
            QTest::keyClicks(dialog->txtPassword, text);
            QTest::keyClick(dialog->txtPassword, Qt::Key_Return);
        });
        return ui::GetPassword(&owner, false);
    };
    QString first;
    QString second;
    EXPECT_EQ(typeAndAccept(QStringLiteral("one"), &first), QStringLiteral("one"));
    EXPECT_EQ(typeAndAccept(QStringLiteral("two"), &second), QStringLiteral("two"));
    EXPECT_TRUE(first.isEmpty());
    EXPECT_TRUE(second.isEmpty());
}

TEST_F(FrmPasswordTest, PromptUsesTheInstalledAnswerWhenThereIsOne) {
    test::FakeUser person;
    person.willTypePassword(QStringLiteral("queued"));
    EXPECT_EQ(ui::GetPassword(&owner, true), QStringLiteral("queued"));
    ASSERT_EQ(person.passwordPrompts.size(), 1u);
    EXPECT_TRUE(person.passwordPrompts[0]);
}

} // namespace
} // namespace lb
