// The floor under "Generate pressed to reading window shown": a bare window, already built,
// shown in place of another until its first paint, timed as bench_generate times Generate.
// What is left is the window system's and the window manager's part, which no program can
// shorten. Runs offscreen unless a display is chosen.

#include "bench/windows/paintwait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int Runs = 201;
constexpr int WarmUps = 5;

// The first paint, or false after five seconds.
bool waitForPaint(const PaintWatch& watch) {
    waitUntil([&watch] { return watch.painted; });
    return watch.painted;
}

std::unique_ptr<QLabel> window(const QString& text, QSize size) {
    auto label = std::make_unique<QLabel>(text);
    label->setFixedSize(size);
    label->ensurePolished();
    return label;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The sizes of Velmora's main and reading windows.
    const std::unique_ptr<QLabel> first = window(QStringLiteral("first"), {490, 350});
    first->show();
    PaintWatch firstPainted;
    first->installEventFilter(&firstPainted);
    if (!waitForPaint(firstPainted))
        return 1;

    std::vector<double> times;
    for (int run = 0; run < WarmUps + Runs; ++run) {
        std::unique_ptr<QLabel> next = window(QStringLiteral("next"), {653, 540});
        PaintWatch watch;
        next->installEventFilter(&watch);
        QElapsedTimer timer;
        timer.start();
        first->hide();
        next->show();
        if (!waitForPaint(watch)) {
            std::fprintf(stderr, "The new window did not paint\n");
            return 1;
        }
        if (run >= WarmUps)
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        next->removeEventFilter(&watch);
        next.reset();
        first->show();
        QApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    std::printf("Bare window shown in place of another: median %.2f ms (min %.2f, max %.2f; %d "
                "runs)\n",
                times[times.size() / 2], times.front(), times.back(), Runs);
    return 0;
}
