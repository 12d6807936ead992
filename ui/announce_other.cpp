#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QString>
#include <QWidget>

// Where a screen reader knows a notification role: the window is one until it is made active,
// which the screen reader reads out as it appears.
namespace accessibility {
namespace {

constexpr char AnnouncedWhileInactive[] = "announcedWhileInactive";

class InactiveWindowAccessible : public QAccessibleWidget {
public:
    explicit InactiveWindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    QAccessible::Role role() const override {
        return widget()->isActiveWindow() ? QAccessible::Window : QAccessible::Notification;
    }
};

QAccessibleInterface* inactiveWindowFor(const QString&, QObject* object) {
    auto* window = object && object->isWidgetType() ? static_cast<QWidget*>(object) : nullptr;
    return window && window->isWindow() && window->property(AnnouncedWhileInactive).toBool()
               ? new InactiveWindowAccessible(window)
               : nullptr;
}

} // namespace

void announceWhileInactive(QWidget* window, std::function<QString()>) {
    static const bool installed = [] {
        QAccessible::installFactory(&inactiveWindowFor);
        return true;
    }();
    Q_UNUSED(installed);
    window->setProperty(AnnouncedWhileInactive, true);
}

} // namespace accessibility
