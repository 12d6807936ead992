#include "shell/desktopcontrast.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>

namespace platform {
namespace {

QColor systemColour(int index) {
    const COLORREF colour = GetSysColor(index);
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

std::optional<ContrastColours> askWindows() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof(setting);
    if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, setting.cbSize, &setting, 0) ||
        (setting.dwFlags & HCF_HIGHCONTRASTON) == 0)
        return std::nullopt;
    return ContrastColours{.window = systemColour(COLOR_WINDOW),
                           .windowText = systemColour(COLOR_WINDOWTEXT),
                           .buttonFace = systemColour(COLOR_BTNFACE),
                           .buttonText = systemColour(COLOR_BTNTEXT),
                           .link = systemColour(COLOR_HOTLIGHT),
                           .highlight = systemColour(COLOR_HIGHLIGHT),
                           .highlightedText = systemColour(COLOR_HIGHLIGHTTEXT),
                           .greyText = systemColour(COLOR_GRAYTEXT)};
}

// Windows tells every top-level window when high contrast is switched (WM_SETTINGCHANGE for
// SPI_SETHIGHCONTRAST) and when the system's colours change, another contrast theme among them
// (WM_SYSCOLORCHANGE). Each window hears it: only a change of the answer is announced.
class ContrastWatch final : public QAbstractNativeEventFilter {
public:
    ContrastWatch() { QCoreApplication::instance()->installNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "windows_generic_MSG")
            return false;
        const auto* windowMessage = static_cast<const MSG*>(message);
        if (windowMessage->message == WM_SYSCOLORCHANGE ||
            (windowMessage->message == WM_SETTINGCHANGE &&
             windowMessage->wParam == SPI_SETHIGHCONTRAST))
            refresh();
        return false;
    }

    // The system answers at once: it is asked every time.
    const std::optional<ContrastColours>& refresh() {
        std::optional<ContrastColours> now = askWindows();
        if (now != m_answer) {
            m_answer = std::move(now);
            QMetaObject::invokeMethod(&contrastChanges(), &ContrastChanges::changed,
                                      Qt::QueuedConnection);
        }
        return m_answer;
    }

private:
    std::optional<ContrastColours> m_answer = askWindows();
};

} // namespace

std::optional<ContrastColours> desktopContrast() {
    if (!QCoreApplication::instance())
        return askWindows();
    static ContrastWatch watch;
    return watch.refresh();
}

} // namespace platform
