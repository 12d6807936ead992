#include "shell/core/appsettings.h"

#include "shell/core/settingsstore.h"
#include "shell/core/textencoding.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

namespace modHelp {

namespace {

QString settingsFolder; // empty: the user's configuration folder

} // namespace

QString appSettingsName() {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("Velmora") : name;
}

QString appSettingsFile() {
    const QString folder =
        settingsFolder.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            : settingsFolder;
    return QDir(folder).filePath(appSettingsName() + QStringLiteral(".conf"));
}

void setAppSettingsFolder(const QString& folder) {
    settingsFolder = folder;
}

QString appSettingsRegistryKey() {
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + appSettingsName();
}

std::optional<QString> readAppSetting(const QString& key) {
    const auto store = openSettingsStore(Access::Read);
    if (!store->readable())
        return std::nullopt;
    return store->value(key);
}

QString GetAppSetting(const QString& key) {
    return readAppSetting(key).value_or(QString());
}

bool SaveAppSetting(const QString& key, const QString& value) {
    // A text the encoding would cut short is refused rather than stored damaged.
    if (key.isEmpty() || !survivesEncoding(key) || !survivesEncoding(value))
        return false;
    const auto store = openSettingsStore(Access::Write);
    // Writing over a store that could not be read would throw its other contents away.
    if (!store->readable())
        return false;
    return store->write(key, value);
}

} // namespace modHelp
