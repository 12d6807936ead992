#include "shell/appsettings.h"
#include "shell/modhelp.h"
#include "shell/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>

namespace modHelp {
namespace {

const QString SettingsSection = QStringLiteral("Settings");
QString settingsFolder; // empty: the user's configuration folder

#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)

// The system's own per-user store, which is no file of ours.
class Store {
public:
    Store()
        : m_settings(QSettings::NativeFormat, QSettings::UserScope, AppSettingsName()) {
        // A damaged entry shows in status() only once its section is parsed.
        (void)m_settings.allKeys();
        m_settings.beginGroup(SettingsSection);
    }

    bool readable() const { return m_settings.status() == QSettings::NoError; }

    QString value(const QString& key) const {
        return DecodeText(m_settings.value(EncodeText(key), QString()).toString());
    }

    bool write(const QString& key, const QString& value) {
        m_settings.setValue(EncodeText(key), EncodeText(value));
        m_settings.sync();
        return m_settings.status() == QSettings::NoError;
    }

private:
    QSettings m_settings;
};

#else

// One date and its key take a few dozen bytes; nothing this large was written by the program.
constexpr qint64 StoreLimit = 64 * 1024;

// The settings writer writes UTF-8 text without NUL bytes; it would read anything else as
// other characters and write them back changed.
bool isStoreText(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)utf8.decode(bytes);
    return !utf8.hasError();
}

// The store file is read and written only through the safe-file seam. The settings parser
// reads and writes a private copy: it keeps each file it has read in a cache for the whole
// process and serves later readers the cached copy, so a damaged file would count as readable
// from the second access on and be written over.
class Store {
public:
    Store()
        : m_path(AppSettingsFile()) {
        const safefile::ReadResult stored = safefile::ReadRegularFile(m_path, StoreLimit);
        if (stored.status == safefile::ReadStatus::Refused || !isStoreText(stored.bytes) ||
            !m_scratch.isValid())
            return;
        const QString copy = m_scratch.filePath(QStringLiteral("store.conf"));
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly) || file.write(stored.bytes) != stored.bytes.size())
            return;
        file.close();
        m_settings.emplace(copy, QSettings::IniFormat);
        // A damaged line shows in status() only once its section is parsed, and writing the
        // store back would drop it: parse every section before the store counts as readable.
        (void)m_settings->allKeys();
        m_settings->beginGroup(SettingsSection);
        m_readable = m_settings->status() == QSettings::NoError;
        m_new = stored.status == safefile::ReadStatus::Missing;
    }

    bool readable() const { return m_readable; }

    QString value(const QString& key) const {
        return DecodeText(m_settings->value(EncodeText(key), QString()).toString());
    }

    bool write(const QString& key, const QString& value) {
        m_settings->setValue(EncodeText(key), EncodeText(value));
        m_settings->sync();
        if (m_settings->status() != QSettings::NoError)
            return false;
        QFile copy(m_settings->fileName());
        if (!copy.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = copy.readAll();
        if (m_new && !QDir().mkpath(QFileInfo(m_path).absolutePath()))
            return false;
        return safefile::ReplaceFile(m_path, bytes).written;
    }

private:
    QString m_path;
    QTemporaryDir m_scratch;
    std::optional<QSettings> m_settings; // gone before its folder
    bool m_readable = false;
    bool m_new = false;
};

#endif

} // namespace

QString AppSettingsName() {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("Velmora") : name;
}

QString AppSettingsFile() {
    const QString folder =
        settingsFolder.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            : settingsFolder;
    return QDir(folder).filePath(AppSettingsName() + QStringLiteral(".conf"));
}

void SetAppSettingsFolder(const QString& folder) {
    settingsFolder = folder;
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
