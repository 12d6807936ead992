#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFrame>

namespace accessibility {
namespace {

QAccessibleInterface* panelFor(const QString& className, QObject* object) {
    auto* frame = className == QLatin1String("QFrame") ? qobject_cast<QFrame*>(object) : nullptr;
    return frame ? new QAccessibleWidget(frame, QAccessible::Grouping) : nullptr;
}

// The next question about CONTROL makes a new accessible object, with a new identity.
void forget(QWidget* control) {
    if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(control))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
}

void announceActiveWindow() {
    QWidget* window = QApplication::activeWindow();
    if (!window || !QAccessible::isActive())
        return;
    QAccessible::State activated;
    activated.active = true;
    QAccessibleStateChangeEvent activation(window, activated);
    QAccessible::updateAccessibility(&activation);
    if (QWidget* focus = QApplication::focusWidget()) {
        QAccessibleEvent focused(focus, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}

// Told as the bridge turns active, before it is ready to send anything: the announcement waits
// for the event loop.
class ConnectionObserver final : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override {
        if (active)
            QMetaObject::invokeMethod(qApp, &announceActiveWindow, Qt::QueuedConnection);
    }
};

} // namespace

void announceActiveWindowOnConnection() {
    static ConnectionObserver observer;
    static const bool installed = [] {
        QAccessible::installActivationObserver(&observer);
        return true;
    }();
    Q_UNUSED(installed);
}

void announceFramesAsPanels() {
    static const bool installed = [] {
        QAccessible::installFactory(&panelFor);
        return true;
    }();
    Q_UNUSED(installed);
}

void renewWithin(QWidget* window) {
    if (!QAccessible::isActive())
        return;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        // A window of its own (a report over this one) keeps its objects.
        if (control->window() == window->window())
            forget(control);
    }
}

void renew(QWidget* control) {
    if (!QAccessible::isActive())
        return;
    forget(control);
    renewWithin(control);
}

} // namespace accessibility
