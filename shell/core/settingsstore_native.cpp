#include "shell/core/appsettings.h"
#include "shell/core/settingsstore.h"

#include <QSettings>

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
        enterSection();
    }

    bool readable() const override {
        return m_settings->status() == QSettings::NoError;
    }
};

} // namespace

std::unique_ptr<SettingsStore> openSettingsStore(Access access) {
    return std::make_unique<Store>(access);
}

} // namespace modHelp
