#include "shell/desktopcontrast.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QPointer>

namespace platform {
namespace {

const QString Portal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString SettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString Accessibility = QStringLiteral("org.gnome.desktop.a11y.interface");
const QString HighContrastKey = QStringLiteral("high-contrast");

// GNOME's high-contrast theme, black on white; its blue, darkened to 7.6 : 1 on white (the
// theme's own gives 5.3 : 1), marks links and selections, and greyed text is 7.2 : 1.
const ContrastColours GnomeHighContrast{.window = QColor(Qt::white),
                                        .windowText = QColor(Qt::black),
                                        .buttonFace = QColor(Qt::white),
                                        .buttonText = QColor(Qt::black),
                                        .link = QColor(0x15539E),
                                        .highlight = QColor(0x15539E),
                                        .highlightedText = QColor(Qt::white),
                                        .greyText = QColor(0x575757)};

// The portal hands its values over wrapped in one variant or two.
bool isTrue(QVariant value) {
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value.metaType() == QMetaType::fromType<bool>() && value.toBool();
}

// GNOME's switch as the desktop portal reports it. Nothing here waits for the portal, which the
// bus may first have to start: the first answer is taken whenever it has come, and until then
// the setting counts as off.
class PortalSetting final : public QObject {
    Q_OBJECT
public:
    explicit PortalSetting(QDBusConnection bus)
        : QObject(QCoreApplication::instance())
        , m_firstAnswer(bus.asyncCall(readRequest())) {
        // From any sender: naming the portal would have the bus asked who owns it, and waited for.
        // D-Bus signals are connected by name.
        bus.connect(QString(), PortalPath, SettingsInterface, QStringLiteral("SettingChanged"),
                    {Accessibility, HighContrastKey}, QString(), this,
                    SLOT(settingChanged(QDBusMessage)));
        auto* watcher = new QDBusPendingCallWatcher(m_firstAnswer, this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, &PortalSetting::takeFirstAnswer);
    }

    bool isOn() {
        takeFirstAnswer();
        return m_on;
    }

private slots:
    // Namespace, key and value; the bus passes on only this namespace's key.
    void settingChanged(const QDBusMessage& change) {
        m_answered = true; // newer than any first answer still on its way
        setOn(isTrue(change.arguments().value(2)));
    }

private:
    static QDBusMessage readRequest() {
        QDBusMessage request =
            QDBusMessage::createMethodCall(Portal, PortalPath, SettingsInterface, "Read");
        request << Accessibility << HighContrastKey;
        return request;
    }

    void takeFirstAnswer() {
        if (m_answered || !m_firstAnswer.isFinished())
            return;
        m_answered = true;
        const QDBusMessage reply = m_firstAnswer.reply();
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
            setOn(isTrue(reply.arguments().constFirst()));
    }

    void setOn(bool on) {
        if (on == m_on)
            return;
        m_on = on;
        // Queued: whoever asked sees the new answer first, and is told once it has returned.
        QMetaObject::invokeMethod(&contrastChanges(), &ContrastChanges::changed,
                                  Qt::QueuedConnection);
    }

    QDBusPendingCall m_firstAnswer;
    bool m_answered = false;
    bool m_on = false;
};

PortalSetting* portalSetting() {
    static bool started = false;
    static QPointer<PortalSetting> setting;
    if (!started && QCoreApplication::instance()) {
        started = true;
        const QDBusConnection bus = QDBusConnection::sessionBus();
        if (bus.isConnected())
            setting = new PortalSetting(bus);
    }
    return setting;
}

} // namespace

std::optional<ContrastColours> desktopContrast() {
    PortalSetting* setting = portalSetting();
    if (setting && setting->isOn())
        return GnomeHighContrast;
    return std::nullopt;
}

} // namespace platform

#include "desktopcontrast_linux.moc"
