#pragma once
// What the window tests share: the windows' caption, twips to pixels, finding controls,
// reading what is on screen, the event loop's deferred work, and a stand-in for the way out of
// the program so closing a window never ends the test.

#include "shell/core/identity.h"
#include "shell/core/pageaddresses.h"
#include "shell/endapplication.h"

#include <QAccessible>
#include <QAction>
#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QMenu>
#include <QRect>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QWidget>

#include <cmath>

namespace windowtesting {

// Every window's caption: "Velmora v" and the version of the CMake project.
inline const QString Caption = QStringLiteral("Velmora v") + QLatin1String(identity::Version);

// The address a web page key opens, written out as the pages are addressed.
inline QString address(const QString& pageKey) {
    return modHelp::SiteBaseAddress + QStringLiteral("/velmora/ssd.php?page=") + pageKey;
}

// 1 pixel = 15 twips at 96 dpi.
inline int px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}
inline QRect fromTwips(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

// The container as the window tables name it: "window" for the client area, the tab control
// for a tab page.
inline QString containerOf(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    if (!parent)
        return {};
    if (parent->objectName() == QLatin1String("client"))
        return QStringLiteral("window");
    if (qobject_cast<const QStackedWidget*>(parent) &&
        qobject_cast<const QTabWidget*>(parent->parentWidget()))
        return parent->parentWidget()->objectName();
    return parent->objectName();
}

// The colour a person sees at a point of a control, read from the rendered window.
inline QColor seenAt(QWidget* control, QPoint point) {
    QWidget* window = control->window();
    const QImage image = window->grab().toImage();
    const QPoint inWindow = control->mapTo(window, point) * image.devicePixelRatio();
    return image.pixelColor(inWindow);
}

// A menu's entries, in order, as "objectName=text" ("-" for a separator); a submenu counts by
// its own object name.
inline QStringList menuEntries(const QWidget* owner) {
    QStringList found;
    for (QAction* action : owner->actions()) {
        const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        found.append(name + QLatin1Char('=') +
                     (action->isSeparator() ? QStringLiteral("-") : action->text()));
    }
    return found;
}

// Presses a link label as a screen reader does, through its accessible Press action; false
// unless it is announced as a link that has that action.
inline bool pressAsScreenReader(QWidget* link) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(link);
    if (!accessible || accessible->role() != QAccessible::Link)
        return false;
    QAccessibleActionInterface* actions = accessible->actionInterface();
    const QString press = QAccessibleActionInterface::pressAction();
    if (!actions || actions->actionNames() != QStringList{press})
        return false;
    actions->doAction(press);
    return true;
}

// The middle of a character of a text box, scrolled into view, in viewport coordinates.
inline QPoint pointOf(QTextEdit& box, int position) {
    QTextCursor cursor(box.document());
    cursor.setPosition(position);
    box.setTextCursor(cursor);
    box.ensureCursorVisible();
    const QRect left = box.cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect right = box.cursorRect(cursor);
    if (right.top() != left.top()) // the character ends its line
        return {left.left() + 2, left.center().y()};
    return {(left.left() + right.left()) / 2, left.center().y()};
}

// Lets queued deletions (WA_DeleteOnClose) happen.
inline void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// As the event loop of a real session would between two clicks: everything posted is handled,
// the queued deletions too.
inline void settle() {
    QCoreApplication::processEvents();
    flushDeletes();
}

// Counts the requests to leave the program instead of ending it.
class LeaveRecorder {
public:
    LeaveRecorder() {
        modHelp::setLeaveHandler([this] { ++m_leaves; });
    }
    ~LeaveRecorder() {
        modHelp::setLeaveHandler([] {});
    }
    LeaveRecorder(const LeaveRecorder&) = delete;
    LeaveRecorder& operator=(const LeaveRecorder&) = delete;
    int leaves() const { return m_leaves; }

private:
    int m_leaves = 0;
};

} // namespace windowtesting
