#include "app/startapplication.h"

#include "shell/core/identity.h"
#include "shell/core/random.h"
#include "shell/core/singleinstance.h"
#include "shell/endapplication.h"
#include "shell/platform.h"
#include "shell/updatereminder.h"
#include "ui/frmfarewell.h"
#include "ui/frmmain.h"

#include <QApplication>
#include <QPointer>

namespace {

QPointer<frmMain> mainWindow;
QPointer<frmFarewell> exitWindow;

void showMainWindow() {
    mainWindow = new frmMain;
    mainWindow->prepareReadingWindows();
    mainWindow->show();
}

void coBrandRandomize() {
    if (mainWindow)
        mainWindow->CoBrand_Randomize();
}

} // namespace

void setProgramIdentity() {
    QCoreApplication::setApplicationName(QString::fromLatin1(identity::Name));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(identity::Version));
    // No display name: Qt would add it to every window's caption.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(identity::DesktopId));
}

StartupSteps programSteps(SingleInstance& instance) {
    return {
        [&instance] { return instance.isAnotherInstanceRunning(); },
        &modHelp::randomize,
        &modHelp::ShowUpdateReminder,
        &showMainWindow,
        &coBrandRandomize,
    };
}

void StartApplication(const StartupSteps& steps) {
    modHelp::setLeaveHandler(&showExitWindow);
    if (steps.isAnotherInstanceRunning()) {
        platform::services().showMessage(nullptr, QStringLiteral("Application is already running"),
                                         platform::Icon::Information);
        modHelp::EndApplication();
        return;
    }
    steps.randomize();
    steps.showUpdateReminder();
    steps.showMainWindow();
    steps.coBrandRandomize();
}

void showExitWindow() {
    if (!exitWindow)
        exitWindow = new frmFarewell;
    // Whatever else is still on screen goes: the exit window is the last thing the user sees.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != exitWindow && window->isVisible())
            window->hide();
    }
    exitWindow->show();
}
