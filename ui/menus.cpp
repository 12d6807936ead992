#include "ui/menus.h"

#include "shell/modhelp.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace menus {
namespace {

void opensPage(QAction* action, const char* pageKey) {
    QObject::connect(action, &QAction::triggered, action,
                     [pageKey] { modHelp::OpenWebPage(QLatin1String(pageKey)); });
}

} // namespace

QAction* entry(QWidget* menu, const char* name, const QString& text) {
    auto* action = new QAction(text, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    return action;
}

void separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

QAction* addHelpAndDonate(QMainWindow& window, const HelpMenuNames& names) {
    QMenuBar* bar = window.menuBar();
    QMenu* mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    opensPage(entry(mnuHelp, "mnuOnline", QStringLiteral("&Online Help")), modHelp::PageHelp);
    opensPage(entry(mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online")), modHelp::PageHome);
    separator(mnuHelp, names.separators[0]);
    opensPage(entry(mnuHelp, "mnuUpdate", names.updateCaption), modHelp::PageDownload);
    separator(mnuHelp, names.separators[1]);
    QAction* mnuAbout = entry(mnuHelp, "mnuAbout", QStringLiteral("&About Software"));

    opensPage(entry(bar, "mnuDonate", QStringLiteral("&Donate")), modHelp::PageDonate);
    QAction* mnuMakeMoneyOnline =
        entry(bar, "mnuMakeMoneyOnline", QStringLiteral("Make Money &Online"));
    mnuMakeMoneyOnline->setEnabled(false);
    opensPage(mnuMakeMoneyOnline, modHelp::PageFullyBranded);
    return mnuAbout;
}

} // namespace menus
