#include "mainwindow/detail_pane.h"

#include "mainwindow/round_half_even.h"
#include "platform/artwork.h"
#include "platform/asterisk_style.h"

#include <QAction>
#include <QFontMetrics>
#include <QStyle>
#include <algorithm>

namespace lb {
namespace {

DetailLineEdit* makeBox(QWidget* parent, const DetailTextRules& rules, const char* name,
                        const QString& accessibleName) {
    auto* box = new DetailLineEdit(rules, parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    return box;
}

QLabel* makeLabel(QWidget* parent, const QString& text, int top, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(4, top, 69, 17);
    label->setBuddy(buddy);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    button->setAutoDefault(false);
    return button;
}

} // namespace

DetailPane::DetailPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picView"));
    txtViewAccountName =
        makeBox(this, rules_, "txtViewAccountName", QStringLiteral("Account Name"));
    QFont bold = txtViewAccountName->font();
    bold.setBold(true);
    txtViewAccountName->setFont(bold);
    txtViewAccountName->setGeometry(0, 0, 100, 21);

    txtViewUserName = makeBox(this, rules_, "txtViewUserName", QStringLiteral("User Name"));
    txtViewUserName->setGeometry(80, 36, 100, 19);
    txtViewPassword = new PasswordBox(rules_, this);
    txtViewPassword->setGeometry(80, 60, 100, 19);
    actViewGeneratePassword = txtViewPassword->addAction(artwork::icon(QStringLiteral("generate")),
                                                         QLineEdit::TrailingPosition);
    actViewGeneratePassword->setObjectName(QStringLiteral("actViewGeneratePassword"));
    actViewGeneratePassword->setText(QStringLiteral("Generate Password"));
    actViewGeneratePassword->setToolTip(QStringLiteral("Generate Password... (Ctrl+G)"));
    txtViewURL = makeBox(this, rules_, "txtViewURL", QStringLiteral("URL"));
    txtViewURL->setGeometry(80, 84, 100, 19);
    QFont link = txtViewURL->font();
    link.setUnderline(true);
    txtViewURL->setFont(link);
    QPalette urlPalette = txtViewURL->palette();
    urlPalette.setColor(QPalette::Text, QColor(0, 0, 128));
    txtViewURL->setPalette(urlPalette);

    cmdViewGoURL = makeButton(this, "cmdViewGoURL", QStringLiteral("&Go"));
    cmdViewGoURL->setGeometry(184, 84, 37, 19);

    txtViewNotes = new NotesEdit(rules_, this);
    txtViewNotes->setObjectName(QStringLiteral("txtViewNotes"));
    txtViewNotes->setAccessibleName(QStringLiteral("Notes"));
    txtViewNotes->setTabChangesFocus(true);
    txtViewNotes->setGeometry(80, 108, 100, 100);

    makeLabel(this, QStringLiteral("User Name"), 36, txtViewUserName);
    makeLabel(this, QStringLiteral("Password"), 60, txtViewPassword);
    makeLabel(this, QStringLiteral("URL"), 84, txtViewURL);
    makeLabel(this, QStringLiteral("Notes"), 108, txtViewNotes);

    picViewButtons = new QWidget(this);
    picViewButtons->setObjectName(QStringLiteral("picViewButtons"));
    cmdViewCopyPassword =
        makeButton(picViewButtons, "cmdViewCopyPassword", QStringLiteral("&Copy Password"));
    cmdViewCopyUserName =
        makeButton(picViewButtons, "cmdViewCopyUserName", QStringLiteral("&Copy User Name"));
    cmdViewCopyURL = makeButton(picViewButtons, "cmdViewCopyURL", QStringLiteral("&Copy URL"));
    cmdViewRandomPassword =
        makeButton(picViewButtons, "cmdViewRandomPassword", QStringLiteral("&Ran. Password"));
    cmdViewCopyPassword->setGeometry(0, 0, 100, 25);
    cmdViewCopyUserName->setGeometry(0, 32, 100, 25);
    cmdViewCopyURL->setGeometry(105, 0, 100, 25);
    cmdViewRandomPassword->setGeometry(105, 32, 100, 25);

    setTabOrder(txtViewAccountName, txtViewUserName);
    setTabOrder(txtViewUserName, txtViewPassword);
    setTabOrder(txtViewPassword, txtViewURL);
    setTabOrder(txtViewURL, txtViewNotes);
}

QList<QWidget*> DetailPane::textBoxes() const {
    return {txtViewAccountName, txtViewUserName, txtViewPassword, txtViewURL, txtViewNotes};
}

QList<QPushButton*> DetailPane::buttons() const {
    return {cmdViewCopyUserName, cmdViewCopyPassword, cmdViewRandomPassword, cmdViewCopyURL,
            cmdViewGoURL};
}

void DetailPane::setPasswordMasked(bool masked) {
    // Made on first use: building the style costs a noticeable part of start-up.
    if (masked && txtViewPassword->style() != asteriskPasswordStyle()) {
        txtViewPassword->setStyle(asteriskPasswordStyle());
    }
    txtViewPassword->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}

void DetailPane::setTextRules(std::function<bool()> classicOnly,
                              std::function<void(char32_t)> refused) {
    rules_.classicOnly = std::move(classicOnly);
    rules_.refused = std::move(refused);
}

void DetailPane::layOut(int sw, int sh) {
    // Each step stands alone: one that would give a negative size is skipped
    // and its control keeps its previous geometry.
    auto setWidth = [](QWidget* w, int width) {
        if (width >= 0) {
            w->resize(width, w->height());
        }
    };
    setWidth(txtViewAccountName, sw);
    setWidth(txtViewUserName, sw - 84);
    setWidth(txtViewPassword, sw - 84);
    setWidth(txtViewURL, sw - 88 - cmdViewGoURL->width());
    setWidth(txtViewNotes, sw - 84);
    const int notesHeight = sh - 112 - picViewButtons->height() - 5;
    if (notesHeight >= 0) {
        txtViewNotes->resize(txtViewNotes->width(), notesHeight);
    }
    const int panelTop = txtViewNotes->y() + txtViewNotes->height() + 5;
    if (sw - 9 >= 0) {
        picViewButtons->setGeometry(5, panelTop, sw - 9, 57);
    }
    const int b = roundHalfEven((picViewButtons->width() - 5) / 2.0);
    if (b - 1 >= 0) {
        cmdViewCopyPassword->resize(b, cmdViewCopyPassword->height());
        cmdViewCopyUserName->resize(b, cmdViewCopyUserName->height());
        cmdViewCopyURL->resize(b - 1, cmdViewCopyURL->height());
        cmdViewRandomPassword->resize(b - 1, cmdViewRandomPassword->height());
    }
    const int rightColumn = cmdViewCopyUserName->width() + 5;
    cmdViewCopyURL->move(rightColumn, cmdViewCopyURL->y());
    cmdViewRandomPassword->move(rightColumn, cmdViewRandomPassword->y());
    cmdViewGoURL->move(txtViewURL->x() + txtViewURL->width() + 4, cmdViewGoURL->y());
    fitCaptions();
}

void DetailPane::fitCaptions() {
    // The buttons keep their pixel widths, so a caption that would be clipped
    // is drawn smaller instead: the four in one size, the largest that lets
    // every caption fit, never above the pane's own font. Where even the
    // smallest size is too wide, a caption ends in an ellipsis. The full
    // caption is the button's spoken name; every one is marked on its first
    // letter, so the mark goes back in front.
    const QList<QPushButton*> panel = {cmdViewCopyPassword, cmdViewCopyUserName, cmdViewCopyURL,
                                       cmdViewRandomPassword};
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_ButtonMargin) +
                             style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
    const auto fits = [&panel, margins](const QFont& f) {
        const QFontMetrics metrics(f);
        return std::all_of(panel.begin(), panel.end(), [&](const QPushButton* b) {
            return metrics.horizontalAdvance(b->accessibleName()) + margins <= b->width();
        });
    };
    QFont caption = font();
    constexpr double kSmallest = 7.0;
    while (!fits(caption) && caption.pointSizeF() - 0.5 >= kSmallest) {
        caption.setPointSizeF(caption.pointSizeF() - 0.5);
    }
    const QFontMetrics metrics(caption);
    for (QPushButton* b : panel) {
        b->setFont(caption);
        b->setText(QLatin1Char('&') +
                   metrics.elidedText(b->accessibleName(), Qt::ElideRight, b->width() - margins));
    }
}

} // namespace lb
