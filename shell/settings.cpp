#include "shell/appsettings.h"
#include "shell/modhelp.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace modHelp {
namespace {

const QString SettingsSection = QStringLiteral("Settings");

std::unique_ptr<QSettings> OpenStore() {
#ifdef Q_OS_WIN
    // Qt's native format is the registry there: HKEY_CURRENT_USER\Software\<application>.
    return std::make_unique<QSettings>(AppSettingsRegistryKey(), QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       AppSettingsName());
#endif
}

class Store {
public:
    Store()
        : m_settings(OpenStore()) {
        // A damaged line shows in status() only once its section is parsed, and writing the
        // store back would drop it: parse every section before the store counts as readable.
        (void)m_settings->allKeys();
        m_settings->beginGroup(SettingsSection);
    }

    bool readable() const { return m_settings->status() == QSettings::NoError; }

    QString value(const QString& key) const {
        return DecodeText(m_settings->value(EncodeText(key), QString()).toString());
    }

    bool write(const QString& key, const QString& value) {
        m_settings->setValue(EncodeText(key), EncodeText(value));
        m_settings->sync();
        return m_settings->status() == QSettings::NoError;
    }

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace

QString AppSettingsName() {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("Velmora") : name;
}

QString AppSettingsRegistryKey() {
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + AppSettingsName();
}

std::optional<QString> ReadAppSetting(const QString& key) {
    const Store store;
    if (!store.readable())
        return std::nullopt;
    return store.value(key);
}

QString GetAppSetting(const QString& key) {
    return ReadAppSetting(key).value_or(QString());
}

bool SaveAppSetting(const QString& key, const QString& value) {
    // A text the encoding would cut short is refused rather than stored damaged.
    if (key.isEmpty() || !SurvivesEncoding(key) || !SurvivesEncoding(value))
        return false;
    Store store;
    // Writing over a store that could not be read would throw its other contents away.
    if (!store.readable())
        return false;
    return store.write(key, value);
}

} // namespace modHelp
