#include "shell/modhelp.h"
#include "shell/platform.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <chrono>
#include <random>

namespace modHelp {
namespace {

bool ending = false;
std::function<void()> leaveHandler;
std::mt19937 generator;

} // namespace

void randomize() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    generator.seed(static_cast<std::mt19937::result_type>(ticks));
}

float rnd() {
    // 24 random bits fill a float's mantissa exactly, so the result never rounds up to 1.
    constexpr float scale = 1.0f / 16777216.0f;
    return static_cast<float>(generator() >> 8) * scale;
}

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
