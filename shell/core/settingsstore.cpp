#include "shell/core/settingsstore.h"

#include "shell/core/textencoding.h"

namespace modHelp {

const QString SettingsSection = QStringLiteral("Settings");

QString SettingsStore::value(const QString& key) const {
    return DecodeText(m_settings->value(EncodeText(key), QString()).toString());
}

bool SettingsStore::write(const QString& key, const QString& value) {
    m_settings->setValue(EncodeText(key), EncodeText(value));
    m_settings->sync();
    return m_settings->status() == QSettings::NoError && commit();
}

void SettingsStore::enterSection() {
    (void)m_settings->allKeys();
    m_settings->beginGroup(SettingsSection);
}

} // namespace modHelp
