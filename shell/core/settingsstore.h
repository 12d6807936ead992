#pragma once
// The settings store as this platform keeps it: the system's own per-user store on Windows and
// macOS (settingsstore_native.cpp), a file of ours elsewhere (settingsstore_file.cpp). Both
// keep the keys and values encoded alike (settingsstore.cpp).

#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

namespace modHelp {

extern const QString SettingsSection;

enum class Access { Read, Write };

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual bool readable() const = 0;
    // The key's value in the section, and writing one; both only while the store is readable.
    QString value(const QString& key) const;
    bool write(const QString& key, const QString& value); // false when not written

protected:
    // Parses every entry, as a damaged one shows in status() only once its section is parsed,
    // and enters the section.
    void enterSection();
    // Puts the settings in place once the parser has written them without a fault.
    virtual bool commit() { return true; }

    std::optional<QSettings> m_settings;
};

std::unique_ptr<SettingsStore> openSettingsStore(Access access);

} // namespace modHelp
