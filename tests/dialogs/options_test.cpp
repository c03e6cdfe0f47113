// frmOptions: what it shows for the stored options, what Ok, Cancel, Escape
// and the close box write, Browse, and "Clear now".

#include "dialog_helpers.h"
#include "fake_user.h"
#include "shell/frm_options.h"
#include "shell/settings.h"
#include "shell/texts.h"
#include "shell/twips.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

namespace lb {
namespace {

using settings::kOptions;

const QString kAbsent = QStringLiteral("(absent)");

QString stored(const QString& key) {
    return settings::GetSetting(kOptions, key, kAbsent);
}

using test::part;

void click(QWidget* dialog, const char* button) {
    QTest::mouseClick(part<QPushButton>(dialog, button), Qt::LeftButton);
}

class Options : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        main.setGeometry(100, 100, 900, 700);
        main.show();
    }

    // Opens the dialog, lets `act` work in it, and returns once it has closed.
    void open(std::function<void(QWidget*)> act) {
        test::whenModalOpens(std::move(act));
        ShowOptions(&main);
    }

    test::FakeUser user;
    QWidget main;
};

TEST_F(Options, AFreshUserSeesTheDefaultsAndOkStoresAllFive) {
    open([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Options"));
        EXPECT_FALSE(part<QCheckBox>(d, "chkAutoSave")->isChecked());
        EXPECT_FALSE(part<QCheckBox>(d, "chkStartInMiniMode")->isChecked());
        EXPECT_EQ(part<QLineEdit>(d, "txtDefaultFile")->text(), QString());
        EXPECT_TRUE(part<QCheckBox>(d, "chkClearClipboardExit")->isChecked());
        EXPECT_TRUE(part<QCheckBox>(d, "chkShowCopyWarning")->isChecked());
        click(d, "cmdOk");
    });

    EXPECT_EQ(stored(settings::kAutoSave), QStringLiteral("No"));
    EXPECT_EQ(stored(settings::kStartInMiniMode), QStringLiteral("No"));
    EXPECT_EQ(stored(settings::kDefaultFile), QString());
    EXPECT_EQ(stored(settings::kClearClipboardOnExit), QStringLiteral("Yes"));
    EXPECT_EQ(stored(settings::kCopyPasswordWarning), QStringLiteral("Yes"));
}

TEST_F(Options, StoredYesValuesShowCheckedAndOkStoresEachBoxAsTicked) {
    settings::SaveSetting(kOptions, settings::kAutoSave, QStringLiteral("Yes"));
    settings::SaveSetting(kOptions, settings::kClearClipboardOnExit, QStringLiteral("No"));
    settings::SaveSetting(kOptions, settings::kDefaultFile, QStringLiteral("/data/a.lockbk"));

    open([](QWidget* d) {
        EXPECT_TRUE(part<QCheckBox>(d, "chkAutoSave")->isChecked());
        EXPECT_FALSE(part<QCheckBox>(d, "chkClearClipboardExit")->isChecked());
        EXPECT_EQ(part<QLineEdit>(d, "txtDefaultFile")->text(), QStringLiteral("/data/a.lockbk"));
        test::clickCheckBox(part<QCheckBox>(d, "chkAutoSave"));
        test::clickCheckBox(part<QCheckBox>(d, "chkStartInMiniMode"));
        test::clickCheckBox(part<QCheckBox>(d, "chkClearClipboardExit"));
        test::clickCheckBox(part<QCheckBox>(d, "chkShowCopyWarning"));
        click(d, "cmdOk");
    });

    EXPECT_EQ(stored(settings::kAutoSave), QStringLiteral("No"));
    EXPECT_EQ(stored(settings::kStartInMiniMode), QStringLiteral("Yes"));
    EXPECT_EQ(stored(settings::kDefaultFile), QStringLiteral("/data/a.lockbk"));
    EXPECT_EQ(stored(settings::kClearClipboardOnExit), QStringLiteral("Yes"));
    EXPECT_EQ(stored(settings::kCopyPasswordWarning), QStringLiteral("No"));
}

TEST_F(Options, YesInLowerCaseShowsUncheckedAndIsStoredAsNo) {
    settings::SaveSetting(kOptions, settings::kAutoSave, QStringLiteral("yes"));

    open([](QWidget* d) {
        EXPECT_FALSE(part<QCheckBox>(d, "chkAutoSave")->isChecked());
        click(d, "cmdOk");
    });

    EXPECT_EQ(stored(settings::kAutoSave), QStringLiteral("No"));
}

// Cancel, Escape and the close box all leave the store as it was.
class OptionsLeftWithout : public Options, public ::testing::WithParamInterface<int> {};

TEST_P(OptionsLeftWithout, WritesNothing) {
    settings::SaveSetting(kOptions, settings::kAutoSave, QStringLiteral("yes"));
    settings::SaveSetting(kOptions, settings::kDefaultFile, QStringLiteral("/old.lockbk"));
    const int way = GetParam();

    open([way](QWidget* d) {
        for (const char* box :
             {"chkAutoSave", "chkStartInMiniMode", "chkClearClipboardExit", "chkShowCopyWarning"}) {
            test::clickCheckBox(part<QCheckBox>(d, box));
        }
        part<QLineEdit>(d, "txtDefaultFile")->setText(QStringLiteral("/new.lockbk"));
        if (way == 0) {
            click(d, "cmdCancel");
        } else if (way == 1) {
            QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
        } else {
            d->close();
        }
        EXPECT_FALSE(d->isVisible());
    });

    EXPECT_EQ(stored(settings::kAutoSave), QStringLiteral("yes"));
    EXPECT_EQ(stored(settings::kStartInMiniMode), kAbsent);
    EXPECT_EQ(stored(settings::kDefaultFile), QStringLiteral("/old.lockbk"));
    EXPECT_EQ(stored(settings::kClearClipboardOnExit), kAbsent);
    EXPECT_EQ(stored(settings::kCopyPasswordWarning), kAbsent);
}

std::string wayName(const ::testing::TestParamInfo<int>& info) {
    const char* way[] = {"Cancel", "Escape", "CloseBox"};
    return way[info.param];
}

INSTANTIATE_TEST_SUITE_P(CancelEscapeOrCloseBox, OptionsLeftWithout, ::testing::Values(0, 1, 2),
                         wayName);

TEST_F(Options, ATypedPathIsStoredExactlyAsTyped) {
    const QString typed = QStringLiteral(" /home/me/My Accounts/private file.lockbk  ");

    open([&typed](QWidget* d) {
        auto* box = part<QLineEdit>(d, "txtDefaultFile");
        box->setFocus();
        QTest::keyClicks(box, typed);
        click(d, "cmdOk");
    });

    EXPECT_EQ(stored(settings::kDefaultFile), typed);
}

TEST_F(Options, AnEmptiedPathIsStoredEmpty) {
    settings::SaveSetting(kOptions, settings::kDefaultFile, QStringLiteral("/a.lockbk"));

    open([](QWidget* d) {
        auto* box = part<QLineEdit>(d, "txtDefaultFile");
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        click(d, "cmdOk");
    });

    EXPECT_EQ(stored(settings::kDefaultFile), QString());
}

TEST_F(Options, BrowseThenCancelKeepsThePath) {
    settings::SaveSetting(kOptions, settings::kDefaultFile, QStringLiteral("/kept.lockbk"));
    user.willCancelFileDialog();

    open([](QWidget* d) {
        click(d, "cmdBrowseForDefaultFile");
        EXPECT_EQ(part<QLineEdit>(d, "txtDefaultFile")->text(), QStringLiteral("/kept.lockbk"));
    });

    ASSERT_EQ(user.fileDialogs.size(), 1u);
    EXPECT_EQ(user.fileDialogs[0].kind, ui::FileDialogRequest::Kind::Open);
    EXPECT_EQ(user.fileDialogs[0].title, QStringLiteral("Select default file:"));
    EXPECT_EQ(user.fileDialogs[0].filter, texts::kAccountFileFilter);
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(Options, BrowsedFileReplacesThePathButOnlyOkStoresIt) {
    settings::SaveSetting(kOptions, settings::kDefaultFile, QStringLiteral("/old.lockbk"));
    user.willChooseFile(QStringLiteral("/data/chosen one.lockbk"));
    user.willChooseFile(QStringLiteral("/data/second.lockbk"));

    open([](QWidget* d) {
        click(d, "cmdBrowseForDefaultFile");
        EXPECT_EQ(part<QLineEdit>(d, "txtDefaultFile")->text(),
                  QStringLiteral("/data/chosen one.lockbk"));
        EXPECT_EQ(stored(settings::kDefaultFile), QStringLiteral("/old.lockbk"));
        click(d, "cmdOk");
    });
    EXPECT_EQ(stored(settings::kDefaultFile), QStringLiteral("/data/chosen one.lockbk"));

    open([](QWidget* d) {
        click(d, "cmdBrowseForDefaultFile");
        click(d, "cmdCancel");
    });
    EXPECT_EQ(stored(settings::kDefaultFile), QStringLiteral("/data/chosen one.lockbk"));
}

TEST_F(Options, ClearNowEmptiesTheClipboardAndCancelDoesNotUndoIt) {
    test::clipboard()->setText(QStringLiteral("secret"));

    open([](QWidget* d) {
        click(d, "cmdClearClipboard");
        EXPECT_EQ(test::clipboard()->text(), QString());
        EXPECT_EQ(QApplication::activeModalWidget(), d) << "the dialog stays open";
        click(d, "cmdCancel");
    });

    EXPECT_EQ(test::clipboard()->text(), QString());
    EXPECT_EQ(stored(settings::kClearClipboardOnExit), kAbsent);
}

TEST_F(Options, IsAFixedModalDialogOwnedByTheMainWindow) {
    open([this](QWidget* d) {
        EXPECT_TRUE(d->isModal());
        EXPECT_EQ(d->parentWidget(), &main);
        EXPECT_EQ(d->minimumSize(), d->maximumSize());
        EXPECT_GE(d->width(), std::lround(twipsToPixels(d, 6915)));
        EXPECT_GE(d->height(), std::lround(twipsToPixels(d, 2955)));
        EXPECT_FALSE(d->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(d->windowFlags() & Qt::WindowMaximizeButtonHint);
        const QPoint offset = d->frameGeometry().center() - main.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 4);
    });
}

TEST_F(Options, OpensOnAutoSaveAndTabsThroughTheControlsInOrder) {
    open([](QWidget* d) {
        const char* order[] = {"chkAutoSave",
                               "chkStartInMiniMode",
                               "txtDefaultFile",
                               "cmdBrowseForDefaultFile",
                               "chkClearClipboardExit",
                               "cmdClearClipboard",
                               "chkShowCopyWarning",
                               "cmdOk",
                               "cmdCancel",
                               "chkAutoSave"};
        EXPECT_EQ(d->focusWidget()->objectName(), QLatin1String(order[0]));
        for (std::size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(d->focusWidget()->objectName(), QLatin1String(order[i])) << i;
        }
    });
}

TEST_F(Options, EveryControlHasAnAccessibleName) {
    open([](QWidget* d) {
        const auto name = [d](const char* control) {
            return QAccessible::queryAccessibleInterface(part<QWidget>(d, control))
                ->text(QAccessible::Name);
        };
        EXPECT_EQ(name("chkAutoSave"), QStringLiteral("Automatically save on exit?"));
        EXPECT_EQ(name("chkStartInMiniMode"), QStringLiteral("Start in MiniMode?"));
        EXPECT_EQ(name("txtDefaultFile"), QStringLiteral("Default file:"));
        EXPECT_EQ(name("cmdBrowseForDefaultFile"), QStringLiteral("Browse for the default file"));
        EXPECT_EQ(name("chkClearClipboardExit"),
                  QStringLiteral("Clear the Windows clipboard on exit?"));
        EXPECT_EQ(name("cmdClearClipboard"), QStringLiteral("Clear now"));
        EXPECT_EQ(name("chkShowCopyWarning"),
                  QStringLiteral("Show warning when you copy passwords to the Windows clipboard?"));
        EXPECT_EQ(name("cmdOk"), QStringLiteral("Ok"));
        EXPECT_EQ(name("cmdCancel"), QStringLiteral("Cancel"));
    });
}

TEST_F(Options, EnterConfirms) {
    open([](QWidget* d) {
        test::clickCheckBox(part<QCheckBox>(d, "chkAutoSave"));
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(d->isVisible());
    });

    EXPECT_EQ(stored(settings::kAutoSave), QStringLiteral("Yes"));
    EXPECT_TRUE(user.fileDialogs.empty());
}

} // namespace
} // namespace lb
