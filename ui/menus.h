#pragma once
// The menu bar entries the main and the reading window share: the Help menu, and the Donate and
// Make Money Online commands on the bar itself.

#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace menus {

// A menu entry under its control name.
QAction* entry(QWidget* menu, const char* name, const QString& text);
void separator(QMenu* menu, const char* name);

// Where the two windows' Help menus differ.
struct HelpMenuNames {
    QString updateCaption;     // the Check for Software Update entry, accelerator and all
    const char* separators[2]; // the names of the separators around it
};

// Adds Help, Donate and Make Money Online to the window's menu bar, after what it holds, each
// web page entry opening its page. Returns the About entry for the window to connect.
QAction* addHelpAndDonate(QMainWindow& window, const HelpMenuNames& names);

} // namespace menus
