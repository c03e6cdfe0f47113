#include "dialogs/frm_about.h"

#include "dialogs/link_label.h"
#include "platform/artwork.h"
#include "platform/modal_dialogs.h"
#include "platform/shell_open.h"
#include "platform/texts.h"
#include "platform/twips.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <cmath>

namespace lb {
namespace {

// The box's designed client area in twips, and its artwork in logical pixels.
constexpr double kClientWidthTwips = 6435;
constexpr double kClientHeightTwips = 3555;
constexpr QSize kBannerSize{429, 187};
constexpr QSize kImageSize{150, 150};
constexpr QPoint kImagePos{12, 18};
constexpr int kTextLeft = 176;
constexpr int kLinksBottom = 150;
constexpr int kMargin = 8;

const QColor kWhite(255, 255, 255);

// Arial where it is installed; elsewhere the nearest sans face.
QFont arial(double points, bool underline = false) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    font.setUnderline(underline);
    return font;
}

// Labels sit on the white panel with a white background of their own.
template <typename Label>
Label* onWhite(Label* label, const char* name, const QFont& font, const QColor& colour) {
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kWhite);
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->adjustSize();
    return label;
}

} // namespace

FrmAbout::FrmAbout(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      Picture(new QLabel(this)), Image(new QLabel(Picture)),
      lblApplicationName(onWhite(new QLabel(texts::kAppName, Picture), "lblApplicationName",
                                 arial(15.75), QColor(0, 0, 0))),
      lblVersion(onWhite(new QLabel(QStringLiteral("Version ") + texts::kVersion, Picture),
                         "lblVersion", arial(8.25), QColor(128, 128, 128))),
      lblWebsite(onWhite(new LinkLabel(texts::kWebsite, Picture), "lblWebsite", arial(8.25, true),
                         QColor(0, 0, 128))),
      lblEMail(onWhite(new LinkLabel(texts::kEMail, Picture), "lblEMail", arial(8.25, true),
                       QColor(0, 0, 128))),
      cmdOk(new QPushButton(QStringLiteral("&OK"), this)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    Picture->setObjectName(QStringLiteral("Picture"));
    Image->setObjectName(QStringLiteral("Image"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));

    const int width = static_cast<int>(std::lround(twipsToPixels(this, kClientWidthTwips)));
    const int height = static_cast<int>(std::lround(twipsToPixels(this, kClientHeightTwips)));
    setFixedSize(width, height);

    QPalette white = Picture->palette();
    white.setColor(QPalette::Window, kWhite);
    Picture->setPalette(white);
    Picture->setAutoFillBackground(true);
    Picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture->setGeometry(0, 0, width, kBannerSize.height());
    Picture->setPixmap(artwork::icon(QStringLiteral("about-banner")).pixmap(kBannerSize));
    Image->setGeometry(QRect(kImagePos, kImageSize));
    Image->setPixmap(artwork::icon(QStringLiteral("about-image")).pixmap(kImageSize));

    // Name and version at the top right of the picture, the links above the
    // wave that runs along the banner's bottom edge.
    lblApplicationName->move(kTextLeft, kImagePos.y() + 6);
    lblVersion->move(kTextLeft, lblApplicationName->geometry().bottom() + 4);
    lblEMail->move(kTextLeft, kLinksBottom - lblEMail->height());
    lblWebsite->move(kTextLeft, lblEMail->y() - lblWebsite->height() - 4);

    const QSize okSize = cmdOk->sizeHint().expandedTo(QSize(75, 23));
    cmdOk->setGeometry(width - kMargin - okSize.width(),
                       kBannerSize.height() + (height - kBannerSize.height() - okSize.height()) / 2,
                       okSize.width(), okSize.height());
    cmdOk->setDefault(true);
    cmdOk->setFocus();

    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(lblWebsite, &LinkLabel::activated, this, [] { ui::openInShell(texts::kWebsite); });
    connect(lblEMail, &LinkLabel::activated, this,
            [] { ui::openInShell(QStringLiteral("mailto:") + texts::kEMail); });
}

void showAbout(QWidget* mainWindow) {
    if (ui::dialogsRefused()) {
        return;
    }
    FrmAbout box(mainWindow);
    const QScreen* screen =
        mainWindow != nullptr ? mainWindow->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        QRect placed = box.rect();
        placed.moveCenter(screen->availableGeometry().center());
        box.move(placed.topLeft());
    }
    const ui::ModalScope modal;
    box.exec();
}

} // namespace lb
