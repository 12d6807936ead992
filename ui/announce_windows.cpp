#include "ui/accessibility.h"

#include <QEvent>
#include <QString>
#include <QWidget>

#include <windows.h>

#include <oleauto.h>
#include <uiautomationcore.h>

#include <utility>

// UI Automation has no notification role; Windows 10 1709 added notification events, which
// Narrator and NVDA speak. Both functions are looked up at run time: older Windows and Wine lack
// the event (and mingw-w64 declares neither it nor its enumerations).
namespace accessibility {
namespace {

enum NotificationKind { NotificationKind_Other = 4 };
enum NotificationProcessing { NotificationProcessing_ImportantMostRecent = 1 };
using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IRawElementProviderSimple*, NotificationKind,
                                                NotificationProcessing, BSTR, BSTR);

struct NotificationFunctions {
    HostProviderFromHwnd hostProvider = nullptr;
    RaiseNotificationEvent raise = nullptr;
};

template <typename Function> Function lookUp(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const NotificationFunctions& notificationFunctions() {
    static const NotificationFunctions functions = [] {
        NotificationFunctions found;
        // Only the system's copy; it stays loaded, as Qt's UI Automation keeps it anyway.
        HMODULE core =
            LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (core) {
            found.hostProvider = lookUp<HostProviderFromHwnd>(core, "UiaHostProviderFromHwnd");
            found.raise = lookUp<RaiseNotificationEvent>(core, "UiaRaiseNotificationEvent");
        }
        return found;
    }();
    return functions;
}

// Raised on the window's own element, which the screen reader then names as the source.
void raiseNotification(HWND window, const QString& text) {
    const NotificationFunctions& uia = notificationFunctions();
    IRawElementProviderSimple* provider = nullptr;
    if (!uia.raise || !uia.hostProvider || FAILED(uia.hostProvider(window, &provider)) || !provider)
        return;
    BSTR displayString = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.utf16()),
                                           static_cast<UINT>(text.size()));
    BSTR activityId = SysAllocString(L"Velmora.WindowAppears");
    if (displayString && activityId)
        uia.raise(provider, NotificationKind_Other, NotificationProcessing_ImportantMostRecent,
                  displayString, activityId);
    SysFreeString(activityId);
    SysFreeString(displayString);
    provider->Release();
}

// Says the text once the window is on screen: its show event comes before the system shows it.
class NotifyOnShow : public QObject {
public:
    NotifyOnShow(QWidget* window, std::function<QString()> text)
        : QObject(window)
        , m_text(std::move(text)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Show && !event->spontaneous())
            QMetaObject::invokeMethod(this, &NotifyOnShow::notify, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    void notify() {
        auto* window = static_cast<QWidget*>(parent());
        if (window->isVisible())
            raiseNotification(reinterpret_cast<HWND>(window->winId()), m_text());
    }

    std::function<QString()> m_text;
};

} // namespace

void announceWhileInactive(QWidget* window, std::function<QString()> text) {
    new NotifyOnShow(window, std::move(text));
}

} // namespace accessibility
