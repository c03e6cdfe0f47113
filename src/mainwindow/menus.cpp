// The command surface of frmMain: the menu bar, the toolbar, and the routing
// of every entry to the operation that does the work.

#include "about/frm_about.h"
#include "about/help.h"
#include "mainwindow/frm_main.h"
#include "output/export_accounts.h"
#include "output/print_accounts.h"
#include "shell/artwork.h"
#include "shell/frm_options.h"
#include "store/open_file.h"
#include "store/save_file.h"

#include <QMenuBar>

namespace lb {
namespace {

struct Entry {
    const char* name;
    const char* caption; // "-" for a separator
    QKeySequence shortcut;
};

} // namespace

void FrmMain::buildMenus() {
    QMenuBar* bar = menuBar();
    auto addMenu = [&](const char* name, const char* caption,
                       std::initializer_list<Entry> entries) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        menu_.insert(QLatin1String(name), menu->menuAction());
        for (const Entry& e : entries) {
            QAction* action = std::string_view(e.caption) == "-"
                                  ? menu->addSeparator()
                                  : menu->addAction(QString::fromLatin1(e.caption));
            action->setObjectName(QLatin1String(e.name));
            if (!e.shortcut.isEmpty()) {
                action->setShortcut(e.shortcut);
            }
            menu_.insert(QLatin1String(e.name), action);
        }
    };
    addMenu("mnuFile", "&File",
            {{"mnuFileNew", "&New", QKeySequence(Qt::CTRL | Qt::Key_N)},
             {"mnuFileOpen", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O)},
             {"mnuFileSep1", "-", {}},
             {"mnuFileSave", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S)},
             {"mnuFileSaveAs", "Save as", {}},
             {"mnuFileSep125", "-", {}},
             {"mnuFileExport", "Export", {}},
             {"mnuFileSep15", "-", {}},
             {"mnuFilePrint", "&Print", QKeySequence(Qt::CTRL | Qt::Key_P)},
             {"mnuFileSep2", "-", {}},
             {"mnuFileOptions", "Op&tions", {}},
             {"mnuFileSep3", "-", {}},
             {"mnuFileExit", "E&xit", {}}});
    addMenu("mnuView", "&View",
            {{"mnuViewToolbar", "&Toolbar", QKeySequence(Qt::Key_F5)},
             {"mnuViewStatusBar", "&Status Bar", QKeySequence(Qt::Key_F6)},
             {"mnuViewSep1", "-", {}},
             {"mnuViewOnTop", "&On top?", QKeySequence(Qt::CTRL | Qt::Key_T)},
             {"mnuViewMaskPasswords", "&Mask passwords?", QKeySequence(Qt::CTRL | Qt::Key_M)},
             {"mnuViewSep2", "-", {}},
             {"mnuViewMiniMode", "&MiniMode", QKeySequence(Qt::CTRL | Qt::Key_I)}});
    addMenu("mnuAccounts", "&Accounts",
            {{"mnuAccountsAdd", "&Add", QKeySequence(Qt::CTRL | Qt::Key_E)},
             {"mnuAccountsRemove", "&Remove", QKeySequence(Qt::CTRL | Qt::Key_R)}});
    QAction* closeMini = bar->addAction(QStringLiteral("&Close MiniMode"));
    closeMini->setObjectName(QStringLiteral("mnuCloseMiniMode"));
    closeMini->setVisible(false);
    menu_.insert(QStringLiteral("mnuCloseMiniMode"), closeMini);
    addMenu("mnuHelp", "&Help",
            {{"mnuHelpFile", "&Help file", QKeySequence(Qt::Key_F1)},
             {"mnuHelpSep1", "-", {}},
             {"mnuHelpAbout", "&About", {}}});

    for (const char* name :
         {"mnuViewToolbar", "mnuViewStatusBar", "mnuViewOnTop", "mnuViewMaskPasswords"}) {
        menu_.value(QLatin1String(name))->setCheckable(true);
    }
    menu_.value(QStringLiteral("mnuViewToolbar"))->setChecked(true);
    menu_.value(QStringLiteral("mnuViewStatusBar"))->setChecked(true);

    auto route = [this](const char* name, auto handler) {
        connect(menu_.value(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    route("mnuFileNew", [this] { NewFile(); });
    route("mnuFileOpen", [this] { OpenFile(*this); });
    route("mnuFileSave", [this] { SaveFile(*this); });
    route("mnuFileSaveAs", [this] { SaveFileAs(*this); });
    route("mnuFileExport", [this] { ExportAccounts(*this); });
    route("mnuFilePrint", [this] { PrintAccounts(*this); });
    route("mnuFileOptions", [this] { ShowOptions(this); });
    route("mnuFileExit", [this] { close(); });
    route("mnuViewToolbar", [this] { mnuViewToolbar_Click(); });
    route("mnuViewStatusBar", [this] { mnuViewStatusBar_Click(); });
    route("mnuViewOnTop", [this] { mnuViewOnTop_Click(); });
    route("mnuViewMaskPasswords", [this] { mnuViewMaskPasswords_Click(); });
    route("mnuViewMiniMode", [this] { SetMiniMode(true); });
    route("mnuCloseMiniMode", [this] { SetMiniMode(false); });
    route("mnuAccountsAdd", [this] {
        AddAccount();
        // Marked changed even when the limit refused the new account.
        file_.FileSaved = false;
    });
    route("mnuAccountsRemove", [this] { mnuAccountsRemove_Click(); });
    route("mnuHelpFile", [this] { OpenHelpFile(this); });
    route("mnuHelpAbout", [this] { ShowAbout(this); });
}

void FrmMain::buildToolbar() {
    tbToolbar->setIconSize(QSize(32, 32));
    tbToolbar->setMovable(false);
    tbToolbar->setFloatable(false);
    tbToolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    struct Button {
        const char* key;
        const char* tooltip;
        bool check;
    };
    const Button buttons[] = {{"new", "New", false},
                              {"open", "Open", false},
                              {nullptr, nullptr, false},
                              {"save", "Save", false},
                              {nullptr, nullptr, false},
                              {"print", "Print", false},
                              {nullptr, nullptr, false},
                              {"ontop", "On top?", true},
                              {"maskpasswords", "Mask passwords?", true},
                              {nullptr, nullptr, false},
                              {"add", "Add account", false},
                              {"remove", "Remove account", false},
                              {nullptr, nullptr, false}};
    for (const Button& b : buttons) {
        if (b.key == nullptr) {
            tbToolbar->addSeparator();
            continue;
        }
        const QString key = QLatin1String(b.key);
        QAction* action = tbToolbar->addAction(artwork::icon(key), QLatin1String(b.tooltip));
        action->setObjectName(QStringLiteral("tb_") + key);
        action->setData(key);
        action->setToolTip(QLatin1String(b.tooltip));
        action->setCheckable(b.check);
        toolbar_.insert(key, action);
        connect(action, &QAction::triggered, this, [this, key] { tbToolbar_ButtonClick(key); });
        if (QWidget* button = tbToolbar->widgetForAction(action)) {
            button->setFixedSize(39, 38);
            button->setAccessibleName(QLatin1String(b.tooltip));
        }
    }
}

void FrmMain::tbToolbar_ButtonClick(const QString& key) {
    static const QMap<QString, QString> routes = {
        {QStringLiteral("new"), QStringLiteral("mnuFileNew")},
        {QStringLiteral("open"), QStringLiteral("mnuFileOpen")},
        {QStringLiteral("save"), QStringLiteral("mnuFileSave")},
        {QStringLiteral("print"), QStringLiteral("mnuFilePrint")},
        {QStringLiteral("ontop"), QStringLiteral("mnuViewOnTop")},
        {QStringLiteral("maskpasswords"), QStringLiteral("mnuViewMaskPasswords")},
        {QStringLiteral("add"), QStringLiteral("mnuAccountsAdd")},
        {QStringLiteral("remove"), QStringLiteral("mnuAccountsRemove")}};
    const auto route = routes.constFind(key);
    if (route != routes.constEnd()) {
        // A check button flips itself when clicked; the command sets it again
        // from the menu entry's check mark.
        menu_.value(route.value())->trigger();
    }
}

} // namespace lb
