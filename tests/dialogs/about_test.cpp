// frmAbout: its look, its links, and that it is modal and new each time.

#include "about/frm_about.h"
#include "dialog_helpers.h"
#include "fake_user.h"
#include "shell/texts.h"
#include "shell/twips.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace lb {
namespace {

using test::part;

class About : public ::testing::Test {
protected:
    void SetUp() override {
        main.setGeometry(100, 100, 900, 700);
        main.show();
    }

    void open(std::function<void(QWidget*)> act) {
        test::whenModalOpens(std::move(act));
        ShowAbout(&main);
    }

    test::FakeUser user;
    QWidget main;
};

void expectLook(QLabel* label, double points, bool underline, const QColor& colour) {
    const QFont font = label->font();
    EXPECT_EQ(font.family(), QStringLiteral("Arial")) << label->objectName().toStdString();
    EXPECT_EQ(font.styleHint(), QFont::SansSerif);
    EXPECT_DOUBLE_EQ(font.pointSizeF(), points);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.underline(), underline);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), colour);
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(About, ShowsNameVersionAndLinksOnTheWhitePicture) {
    open([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("About"));
        auto* name = part<QLabel>(d, "lblApplicationName");
        auto* version = part<QLabel>(d, "lblVersion");
        auto* website = part<QLabel>(d, "lblWebsite");
        auto* email = part<QLabel>(d, "lblEMail");
        EXPECT_EQ(name->text(), QStringLiteral("Lockerbook"));
        EXPECT_EQ(version->text(), QStringLiteral("Version 5.51"));
        EXPECT_EQ(website->text(), texts::kWebsite);
        EXPECT_EQ(email->text(), texts::kEMail);
        expectLook(name, 15.75, false, QColor(0, 0, 0));
        expectLook(version, 8.25, false, QColor(128, 128, 128));
        expectLook(website, 8.25, true, QColor(0, 0, 128));
        expectLook(email, 8.25, true, QColor(0, 0, 128));
        EXPECT_EQ(website->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(email->cursor().shape(), Qt::PointingHandCursor);

        auto* picture = part<QLabel>(d, "Picture");
        auto* image = part<QLabel>(d, "Image");
        EXPECT_EQ(picture->geometry(), QRect(0, 0, d->width(), 187));
        EXPECT_EQ(picture->palette().color(QPalette::Window), QColor(Qt::white));
        EXPECT_EQ(image->size(), QSize(150, 150));
        EXPECT_FALSE(picture->pixmap().isNull());
        EXPECT_FALSE(image->pixmap().isNull());
        for (QLabel* label : {name, version, website, email, image}) {
            EXPECT_EQ(label->parentWidget(), picture);
            EXPECT_TRUE(picture->rect().contains(label->geometry()))
                << label->objectName().toStdString();
        }

        auto* ok = part<QPushButton>(d, "cmdOk");
        EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
        EXPECT_GE(ok->y(), picture->height());
        EXPECT_GT(ok->x(), d->width() / 2);
        EXPECT_LE(ok->geometry().right(), d->width());
        EXPECT_LE(ok->geometry().bottom(), d->height());
    });
}

TEST_F(About, IsAFixedModalBoxOfTheDesignedSize) {
    open([this](QWidget* d) {
        EXPECT_TRUE(d->isModal());
        EXPECT_EQ(d->parentWidget(), &main);
        EXPECT_EQ(d->size(),
                  QSize(std::lround(twipsToPixels(d, 6435)), std::lround(twipsToPixels(d, 3555))));
        EXPECT_EQ(d->minimumSize(), d->maximumSize());
        EXPECT_FALSE(d->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(d->windowFlags() & Qt::WindowMaximizeButtonHint);
    });
}

TEST_F(About, TheMainWindowTakesNoClicksWhileItIsOpen) {
    auto* button = new QPushButton(QStringLiteral("Behind"), &main);
    button->setGeometry(10, 10, 100, 30);
    button->show();
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });

    // Through the window system, where the program's modal state decides.
    const auto clickThroughWindow = [this, button] {
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, button->geometry().center());
    };

    open([&clickThroughWindow](QWidget*) { clickThroughWindow(); });
    EXPECT_EQ(clicks, 0);

    clickThroughWindow();
    EXPECT_EQ(clicks, 1) << "the click reaches the window once the box has closed";
}

TEST_F(About, LinksOpenTheSiteAndAMailAndLeaveTheBoxOpen) {
    open([](QWidget* d) {
        QTest::mouseClick(part<QLabel>(d, "lblWebsite"), Qt::LeftButton);
        QTest::mouseClick(part<QLabel>(d, "lblEMail"), Qt::LeftButton);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), d);
        QTest::mouseClick(part<QPushButton>(d, "cmdOk"), Qt::LeftButton);
        EXPECT_FALSE(d->isVisible());
    });

    ASSERT_EQ(user.shellOpened.size(), 2u);
    EXPECT_EQ(user.shellOpened[0], texts::kWebsite);
    EXPECT_EQ(user.shellOpened[1], QStringLiteral("mailto:") + texts::kEMail);
}

TEST_F(About, LinksCanBeReachedAndOpenedFromTheKeyboard) {
    open([](QWidget* d) {
        EXPECT_EQ(d->focusWidget(), part<QPushButton>(d, "cmdOk"));
        auto* website = part<QLabel>(d, "lblWebsite");
        website->setFocus(Qt::TabFocusReason);
        QTest::keyClick(website, Qt::Key_Space);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(website)->text(QAccessible::Name),
                  texts::kWebsite);
    });

    EXPECT_EQ(user.shellOpened, std::vector<QString>{texts::kWebsite});
}

TEST_F(About, IsANewBoxEachTime) {
    QPointer<QWidget> first;
    open([&first](QWidget* d) {
        first = d;
        part<QLabel>(d, "lblEMail")->setFocus();
    });
    EXPECT_TRUE(first.isNull()) << "the box is destroyed when it closes";

    open([](QWidget* d) {
        EXPECT_EQ(d->focusWidget(), part<QPushButton>(d, "cmdOk"));
        EXPECT_TRUE(d->isVisible());
    });
}

} // namespace
} // namespace lb
