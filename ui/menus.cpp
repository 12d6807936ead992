#include "ui/menus.h"

#include "ui/pagelinks.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace menus {

QAction* entry(QWidget* menu, const char* name, const QString& text) {
    auto* action = new QAction(text, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    return action;
}

void separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

QMenu* addFileMenu(QMainWindow& window) {
    QMenu* mnuFile = window.menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    return mnuFile;
}

QAction* addHelpAndDonate(QMainWindow& window, const HelpMenuNames& names) {
    using modHelp::WebPage;
    using pageLinks::opensPage;
    QMenuBar* bar = window.menuBar();
    QMenu* mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    opensPage(entry(mnuHelp, "mnuOnline", QStringLiteral("&Online Help")), WebPage::Help);
    opensPage(entry(mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online")), WebPage::Home);
    separator(mnuHelp, names.separators[0]);
    opensPage(entry(mnuHelp, "mnuUpdate", names.updateCaption), WebPage::Download);
    separator(mnuHelp, names.separators[1]);
    QAction* mnuAbout = entry(mnuHelp, "mnuAbout", QStringLiteral("&About Software"));

    opensPage(entry(bar, "mnuDonate", QStringLiteral("&Donate")), WebPage::Donate);
    QAction* mnuMakeMoneyOnline =
        entry(bar, "mnuMakeMoneyOnline", QStringLiteral("Make Money &Online"));
    mnuMakeMoneyOnline->setEnabled(false);
    opensPage(mnuMakeMoneyOnline, WebPage::FullyBranded);
    return mnuAbout;
}

} // namespace menus
