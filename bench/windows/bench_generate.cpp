// Generate pressed on the main window until the reading window has painted, three pictures
// decoded: the median over many runs, in one process. Back between runs is not timed, nor is
// the main window's building of the next reading window in advance, which the program does
// while the user looks at the main window. Runs offscreen unless a display is chosen.

#include "bench/windows/paintwait.h"
#include "shell/fakeservices.h"
#include "ui/frmdisplay.h"
#include "ui/frmmain.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 201;
constexpr int WarmUps = 5;

// The main window builds the next reading window once it has painted again.
void waitForPreparedReadingWindow(const frmMain& mainWindow) {
    waitUntil([&mainWindow] { return mainWindow.readingWindowPrepared(); });
}

double generateMilliseconds(frmMain& mainWindow, QPushButton& generate) {
    PaintWatch watch;
    QElapsedTimer timer;
    timer.start();
    generate.click();
    frmDisplay* reading = mainWindow.readingWindow();
    if (!reading)
        return -1;
    reading->centralWidget()->installEventFilter(&watch);
    waitUntil([&watch] { return watch.painted; });
    if (!watch.painted)
        return -1;
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    reading->centralWidget()->removeEventFilter(&watch);
    reading->cmdBack_Click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    waitForPreparedReadingWindow(mainWindow);
    return elapsed;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::ScopedFakeServices services; // the clipboard of the user is left alone

    auto* mainWindow = new frmMain;
    mainWindow->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ASTRID"));
    mainWindow->findChild<QComboBox*>(QStringLiteral("cmbDate"))
        ->setCurrentText(QStringLiteral("12"));
    mainWindow->findChild<QComboBox*>(QStringLiteral("cmbMonth"))
        ->setCurrentText(QStringLiteral("March"));
    mainWindow->findChild<QComboBox*>(QStringLiteral("cmbYear"))
        ->setCurrentText(QStringLiteral("1980"));
    mainWindow->prepareReadingWindows();
    mainWindow->show();
    waitForPreparedReadingWindow(*mainWindow);
    auto* generate = mainWindow->findChild<QPushButton*>(QStringLiteral("cmdRunicAstrology"));

    std::vector<double> times;
    for (int run = 0; run < WarmUps + Runs; ++run) {
        const double milliseconds = generateMilliseconds(*mainWindow, *generate);
        if (milliseconds < 0) {
            std::fprintf(stderr, "The reading window did not open or did not paint\n");
            return 1;
        }
        if (run >= WarmUps)
            times.push_back(milliseconds);
    }
    std::sort(times.begin(), times.end());
    std::printf("Generate to reading window shown: median %.2f ms (min %.2f, max %.2f; %d runs)\n",
                times[times.size() / 2], times.front(), times.back(), Runs);
    delete mainWindow;
    return 0;
}
