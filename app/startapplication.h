#pragma once
// Start-up and the way out: one copy per user, the update reminder before the main window,
// and the exit window between closing the program's windows and the end of the process.

#include <functional>

class SingleInstance;

// Tells Qt, and through it the desktop, who the program is: its name, its version and its
// desktop entry, by which a Wayland compositor shows its icon and groups its windows.
void setProgramIdentity();

// The steps of start-up, each replaceable so that tests can follow their order.
struct StartupSteps {
    std::function<bool()> isAnotherInstanceRunning;
    std::function<void()> randomize;
    std::function<void()> showUpdateReminder;
    std::function<void()> showMainWindow;
    std::function<void()> coBrandRandomize;
};

// The program's own steps; instance must hold its lock for as long as the program runs.
StartupSteps programSteps(SingleInstance& instance);

// Refuses a second copy (a message, then the end), otherwise seeds the generator, lets the
// update reminder ask its question, shows the main window and draws its advert. Afterwards
// modHelp::isEnding() tells whether the program is to go on.
void StartApplication(const StartupSteps& steps);

// Where closing the main window, or the reading window by its close box, leads: the exit
// window, alone on the screen.
void showExitWindow();
