#include "app/programstyle.h"
#include "app/startapplication.h"

#include "shell/core/safefile.h"
#include "shell/core/singleinstance.h"
#include "shell/endapplication.h"
#include "shell/fontwarmup.h"
#include "ui/accessibility.h"
#include "ui/contrast.h"

#include <QApplication>
#include <QScopeGuard>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef Q_OS_WIN
    // Every DLL loaded from here on by name (the plug-ins' system DLLs among them) comes from
    // the system folder, never from the current folder or one a planted file could sit in.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
#endif
    // Before anything can write: a file-size limit must fail a save, not end the program.
    safefile::surviveFileSizeLimits();
    // The program reads no command line: Qt is given the program's name and nothing else.
    char fallbackName[] = "Velmora";
    char* qtArguments[] = {argc > 0 ? argv[0] : fallbackName, nullptr};
    int qtArgumentCount = 1;
    setProgramIdentity();
    // The system's fonts are read on a second thread while the application object is made and
    // the main window is built; that thread is done before the application object goes.
    FontWarmUp fonts;
    QApplication application(qtArgumentCount, qtArguments);
    fonts.loadFontList();
    const auto fontsRead = qScopeGuard([&fonts] { fonts.wait(); });
    application.setStyle(programStyle());
    // Asked first thing: the answer may then be there before the main window shows.
    look::followDesktopContrast();
    accessibility::announceFramesAsPanels();
    accessibility::announceActiveWindowOnConnection();
    // Only the exit window ends the program, through EndApplication.
    application.setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    StartApplication(programSteps(instance));
    if (modHelp::isEnding())
        return 0;
    return application.exec();
}
