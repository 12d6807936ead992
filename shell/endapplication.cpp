#include "shell/endapplication.h"

#include "shell/platform.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace modHelp {
namespace {

bool ending = false;
std::function<void()> leaveHandler;

} // namespace

void setLeaveHandler(std::function<void()> handler) {
    leaveHandler = std::move(handler);
}

void leaveApplication() {
    if (ending)
        return;
    if (leaveHandler)
        leaveHandler();
    else
        EndApplication();
}

void EndApplication() {
    if (ending)
        return;
    ending = true;
    // Guarded pointers: closing one window may destroy others.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget>& window : windows) {
        if (window)
            window->close();
    }
    platform::services().endProcess(0);
}

bool isEnding() {
    return ending;
}

} // namespace modHelp
