#include "shell/core/appsettings.h"
#include "shell/core/safefile.h"
#include "shell/core/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

namespace modHelp {
namespace {

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

// The user's private runtime folder (a memory file system, emptied at logout) where there is
// one, else the temporary folder.
QString scratchFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

// A copy of the store's bytes under a name never used before, made by this process alone; a
// name some other file has is passed over. Empty when none was made.
QString createCopy(const QByteArray& bytes) {
    const QString stem = scratchFolder() + QLatin1Char('/') + appSettingsName() + QLatin1Char('-');
    for (int attempt = 0; attempt < 16; ++attempt) {
        QFile copy(stem + QString::number(QRandomGenerator::system()->generate64(), 36) +
                   QStringLiteral(".conf"));
        if (copy.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                      QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
            if (copy.write(bytes) == bytes.size() && copy.flush())
                return copy.fileName();
            copy.remove();
            return {};
        }
        if (!copy.exists())
            return {};
    }
    return {};
}

// The store file is read and written only through the safe-file seam. The settings parser
// reads and writes a private copy: it keeps each file it has read in a cache for the whole
// process and serves later readers the cached copy, so a damaged file would count as readable
// from the second access on and be written over. A copy of a name never used before is parsed
// afresh every time. A store opened only to be read lets go of its copy as soon as it is
// parsed.
class Store final : public SettingsStore {
public:
    explicit Store(Access access)
        : m_path(appSettingsFile()) {
        const safefile::ReadResult stored = safefile::readRegularFile(m_path, StoreLimit);
        if (stored.status == safefile::ReadStatus::Refused || !isStoreText(stored.bytes))
            return;
        m_copy = createCopy(stored.bytes);
        if (m_copy.isEmpty())
            return;
        m_settings.emplace(m_copy, QSettings::IniFormat);
        // Writing the store back would drop a damaged line: every section is parsed before the
        // store counts as readable.
        enterSection();
        m_readable = m_settings->status() == QSettings::NoError;
        m_new = stored.status == safefile::ReadStatus::Missing;
        if (access == Access::Read)
            removeCopy();
    }

    ~Store() override {
        m_settings.reset();
        removeCopy();
    }
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    bool readable() const override { return m_readable; }

private:
    // The parser has put a new file in the copy's place.
    bool commit() override {
        QFile copy(m_copy);
        if (!copy.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = copy.readAll();
        if (m_new && !QDir().mkpath(QFileInfo(m_path).absolutePath()))
            return false;
        return safefile::replaceFile(m_path, bytes).written;
    }

    void removeCopy() {
        if (!m_copy.isEmpty())
            QFile::remove(m_copy);
        m_copy.clear();
    }

    QString m_path;
    QString m_copy;
    bool m_readable = false;
    bool m_new = false;
};

} // namespace

std::unique_ptr<SettingsStore> openSettingsStore(Access access) {
    return std::make_unique<Store>(access);
}

} // namespace modHelp
