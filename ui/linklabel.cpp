#include "ui/linklabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace {

// Announced as a link with one action, Press, that opens its page. The label takes no focus,
// so pressing it leaves the focus and the tab order as they are.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label)
        : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty() && link())
            return link()->text();
        return text;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && link() && link()->isEnabled())
            link()->press();
    }

private:
    LinkLabel* link() const { return qobject_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* linkLabelAccessibleFor(const QString& className, QObject* object) {
    auto* link =
        className == QLatin1String("LinkLabel") ? qobject_cast<LinkLabel*>(object) : nullptr;
    return link ? new LinkLabelAccessible(link) : nullptr;
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent, bool pointingHand)
    : QLabel(parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(&linkLabelAccessibleFor);
        return true;
    }();
    Q_UNUSED(accessible);
    if (pointingHand)
        setCursor(Qt::PointingHandCursor);
}

void LinkLabel::press() {
    emit clicked();
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        press();
}
