// The find box at the right end of the toolbar, where other password managers
// have it, so that the list and the pane keep their places: the list shows
// the accounts that hold every word typed, and the status bar says how many.

#include "mainwindow/account_list_view.h"
#include "mainwindow/frm_main.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSizePolicy>
#include <QToolBar>

namespace lb {
namespace {

// Escape empties the box and gives the focus back to the list.
class FindLineEdit final : public QLineEdit {
public:
    FindLineEdit(QWidget* parent, std::function<void()> escape)
        : QLineEdit(parent), escape_(std::move(escape)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            escape_();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    std::function<void()> escape_;
};

} // namespace

void FrmMain::buildFindBox() {
    auto* spacer = new QWidget(tbToolbar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    tbToolbar->addWidget(spacer);
    txtFind = new FindLineEdit(tbToolbar, [this] {
        txtFind->clear();
        lstAccounts->setFocus();
    });
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setAccessibleName(QStringLiteral("Find"));
    txtFind->setPlaceholderText(QStringLiteral("Find"));
    txtFind->setToolTip(QStringLiteral("Find accounts by name, user name, URL or notes (Ctrl+F)"));
    txtFind->setClearButtonEnabled(true);
    txtFind->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 28);
    tbToolbar->addWidget(txtFind);
    connect(txtFind, &QLineEdit::textChanged, this, &FrmMain::findTextChanged);
    // An account added, removed or brought back while the list is narrowed
    // changes the count the status bar gives.
    for (const auto signal :
         {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(&model_, signal, this, [this] {
            if (model_.isFiltered()) {
                showFindCount();
            }
        });
    }
}

void FrmMain::showFindCount() {
    SetStatusText(
        QStringLiteral("%1 of %2 accounts shown").arg(model_.size()).arg(model_.totalCount()));
}

void FrmMain::focusFindBox() {
    // Hidden in MiniMode, so the box is not there to take the keys.
    if (InMiniMode) {
        return;
    }
    if (!menu_.mnuViewToolbar->isChecked()) {
        menu_.mnuViewToolbar->trigger();
    }
    txtFind->setFocus(Qt::ShortcutFocusReason);
    txtFind->selectAll();
}

void FrmMain::emptyFindBox() {
    txtFind->clear();
}

void FrmMain::findTextChanged(const QString& text) {
    const int viewing = model_.viewingIndex();
    {
        const QSignalBlocker block(lstAccounts->selectionModel());
        model_.setFindText(text);
    }
    if (model_.isFiltered()) {
        SetStatusText(
            QStringLiteral("%1 of %2 accounts shown").arg(model_.size()).arg(model_.totalCount()));
    } else {
        SetStatusText(QString());
    }
    // The shown account stays while the find box shows it; otherwise the
    // first one found is shown, as a person looks for it.
    if (viewing >= 0 && model_.rowOfIndex(viewing) >= 0) {
        showAccount(model_.rowOfIndex(viewing));
    } else if (model_.size() > 0) {
        showAccount(0);
    } else {
        ClearDetailView();
    }
}

} // namespace lb
