#include "ui/contrast.h"

#include "shell/platform.h"
#include "ui/linklabel.h"
#include "ui/look.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <initializer_list>

namespace look {
namespace {

using platform::ContrastColours;

// The switch a window last dressed for, so that a window shown again after a switch catches up.
const char* const DressedFor = "contrastDressedFor";

QPalette applicationPalette(const ContrastColours& colours) {
    QPalette palette;
    const auto set = [&palette](std::initializer_list<QPalette::ColorRole> roles,
                                const QColor& colour) {
        for (QPalette::ColorRole role : roles)
            palette.setColor(role, colour);
    };
    set({QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::ToolTipBase,
         QPalette::Light, QPalette::Midlight},
        colours.window);
    // Edges and lines are drawn in the text colour.
    set({QPalette::WindowText, QPalette::Text, QPalette::ToolTipText, QPalette::PlaceholderText,
         QPalette::BrightText, QPalette::Mid, QPalette::Dark, QPalette::Shadow},
        colours.windowText);
    set({QPalette::Button}, colours.buttonFace);
    set({QPalette::ButtonText}, colours.buttonText);
    set({QPalette::Link, QPalette::LinkVisited}, colours.link);
    set({QPalette::Highlight}, colours.highlight);
    set({QPalette::HighlightedText}, colours.highlightedText);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, colours.greyText);
    return palette;
}

bool looksLikeLink(const QWidget* control) {
    return qobject_cast<const LinkLabel*>(control) &&
           control->cursor().shape() == Qt::PointingHandCursor;
}

// A control takes the application's high-contrast colours, except that a link is drawn in the
// link colour on the window's, and a rule in the text colour.
QPalette contrastPaletteOf(const QWidget* control, const ContrastColours& colours) {
    QPalette palette; // no role of its own
    if (control->property(Rule).toBool()) {
        palette.setColor(QPalette::Window, colours.windowText);
    } else if (looksLikeLink(control)) {
        palette.setColor(QPalette::WindowText, colours.link);
        palette.setColor(QPalette::Window, colours.window);
        palette.setColor(QPalette::Button, colours.window);
    }
    return palette;
}

// Follows the switch through the platform services: when it is told of a switch, and whenever a
// window is about to show (a first answer may only have come since). Only the colours the
// program gave its controls itself are changed, and only those are put back.
class ContrastFollower final : public QObject {
public:
    ContrastFollower()
        : QObject(QCoreApplication::instance()) {
        connect(&platform::contrastChanges(), &platform::ContrastChanges::changed, this,
                &ContrastFollower::follow);
        QCoreApplication::instance()->installEventFilter(this);
        follow();
    }

    bool isOn() const { return m_colours.has_value(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow()) {
                follow();
                dress(widget);
            }
        }
        return false;
    }

private:
    void follow() {
        std::optional<ContrastColours> now = platform::services().highContrast();
        if (now == m_colours)
            return;
        m_colours = std::move(now);
        ++m_switch;
        // The application's colours first: the controls given their own back inherit the rest.
        QApplication::setPalette(m_colours ? applicationPalette(*m_colours) : QPalette());
        for (QWidget* window : QApplication::topLevelWidgets())
            dress(window);
    }

    // The window is given the application's colours itself: Qt hands a new application palette
    // on to the windows only later, from the event loop, and the controls given theirs back
    // take the rest from the window at once.
    void dress(QWidget* window) {
        const Qt::WindowType type = window->windowType();
        if (type != Qt::Window && type != Qt::Dialog)
            return; // menus and lists that drop down take after their control or the application
        const QVariant dressedFor = window->property(DressedFor);
        if (dressedFor.isValid() ? dressedFor.toInt() == m_switch : !m_colours)
            return;
        window->setProperty(DressedFor, m_switch);
        const QVariant own = window->property(OwnColours);
        if (m_colours)
            window->setPalette(applicationPalette(*m_colours));
        else
            window->setPalette(own.isValid() ? own.value<QPalette>() : QPalette());
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->window() == window)
                dressControl(control);
        }
    }

    void dressControl(QWidget* control) const {
        const QVariant own = control->property(OwnColours);
        if (own.isValid())
            control->setPalette(m_colours ? contrastPaletteOf(control, *m_colours)
                                          : own.value<QPalette>());
    }

    std::optional<ContrastColours> m_colours;
    int m_switch = 0;
};

QPointer<ContrastFollower> follower;

} // namespace

void followDesktopContrast() {
    if (!follower)
        follower = new ContrastFollower;
}

bool highContrast() {
    return follower && follower->isOn();
}

} // namespace look
