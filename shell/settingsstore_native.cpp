#include "shell/appsettings.h"
#include "shell/modhelp.h"
#include "shell/settingsstore.h"

#include <QSettings>

#include <optional>

namespace modHelp {
namespace {

// The system's own per-user store, which is no file of ours.
class Store final : public SettingsStore {
public:
    explicit Store(Access) {
#ifdef Q_OS_WIN
        // The registry: HKEY_CURRENT_USER\Software\<application>, its section beneath.
        m_settings.emplace(appSettingsRegistryKey(), QSettings::NativeFormat);
#else
        m_settings.emplace(QSettings::NativeFormat, QSettings::UserScope, appSettingsName());
#endif
        // A damaged entry shows in status() only once its section is parsed.
        (void)m_settings->allKeys();
        m_settings->beginGroup(SettingsSection);
    }

    bool readable() const override {
        return m_settings->status() == QSettings::NoError;
    }

    QString value(const QString& key) const override {
        return DecodeText(m_settings->value(EncodeText(key), QString()).toString());
    }

    bool write(const QString& key, const QString& value) override {
        m_settings->setValue(EncodeText(key), EncodeText(value));
        m_settings->sync();
        return m_settings->status() == QSettings::NoError;
    }

private:
    std::optional<QSettings> m_settings;
};

} // namespace

std::unique_ptr<SettingsStore> openSettingsStore(Access access) {
    return std::make_unique<Store>(access);
}

} // namespace modHelp
