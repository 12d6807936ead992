#pragma once
// What the window benchmarks share: noting a window's first paint, and waiting for it as the
// program's event loop waits.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <functional>

// Notes the first paint of the widget it watches.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Waits as the program's event loop does, asleep until the window system or a posted event
// wakes it: spinning instead would take the processor from the X server and the window manager
// the program waits for. Gives up after five seconds.
inline void waitUntil(const std::function<bool()>& done) {
    bool late = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [&late] { late = true; });
    deadline.start(5000);
    while (!done() && !late)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
