#pragma once
// The menu bars of the main and the reading window: a File menu of each window's own, then the
// Help menu and the Donate and Make Money Online commands they share.

#include <QAction>
#include <QMenu>
#include <QString>

#include <initializer_list>

class QMainWindow;
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

// An entry of a window's File menu, and the window's handler that it runs.
template <typename Window> struct FileEntry {
    const char* name;
    QString text;
    void (Window::*handler)();
};

// Adds an empty File menu to the window's menu bar.
QMenu* addFileMenu(QMainWindow& window);

// The window's whole menu bar: File with `file` in order, then Help, Donate and Make Money
// Online, the About entry running the window's mnuAbout_Click.
template <typename Window>
void addMenuBar(Window& window, std::initializer_list<FileEntry<Window>> file,
                const HelpMenuNames& names) {
    QMenu* mnuFile = addFileMenu(window);
    for (const FileEntry<Window>& item : file)
        QObject::connect(entry(mnuFile, item.name, item.text), &QAction::triggered, &window,
                         item.handler);
    QObject::connect(addHelpAndDonate(window, names), &QAction::triggered, &window,
                     &Window::mnuAbout_Click);
}

} // namespace menus
