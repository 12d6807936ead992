#include "app/startapplication.h"

#include "shell/identity.h"
#include "shell/modhelp.h"
#include "shell/platform.h"
#include "shell/singleinstance.h"
#include "ui/frmfarewell.h"
#include "ui/frmmain.h"

#include <QApplication>
#include <QPointer>

namespace {

QPointer<frmMain> mainWindow;
QPointer<frmFarewell> exitWindow;

void ShowMainWindow() {
    mainWindow = new frmMain;
    mainWindow->PrepareReadingWindows();
    mainWindow->show();
}

void CoBrandRandomize() {
    if (mainWindow)
        mainWindow->CoBrand_Randomize();
}

} // namespace

void SetProgramIdentity() {
    QCoreApplication::setApplicationName(QString::fromLatin1(identity::Name));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(identity::Version));
    // No display name: Qt would add it to every window's caption.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(identity::DesktopId));
}

StartupSteps ProgramSteps(SingleInstance& instance) {
    return {
        [&instance] { return instance.IsAnotherInstanceRunning(); },
        &modHelp::Randomize,
        &modHelp::ShowUpdateReminder,
        &ShowMainWindow,
        &CoBrandRandomize,
    };
}

void StartApplication(const StartupSteps& steps) {
    modHelp::SetLeaveHandler(&ShowExitWindow);
    if (steps.IsAnotherInstanceRunning()) {
        platform::services().showMessage(nullptr, QStringLiteral("Application is already running"),
                                         platform::Icon::Information);
        modHelp::EndApplication();
        return;
    }
    steps.Randomize();
    steps.ShowUpdateReminder();
    steps.ShowMainWindow();
    steps.CoBrandRandomize();
}

void ShowExitWindow() {
    if (!exitWindow)
        exitWindow = new frmFarewell;
    // Whatever else is still on screen goes: the exit window is the last thing the user sees.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != exitWindow && window->isVisible())
            window->hide();
    }
    exitWindow->show();
}
