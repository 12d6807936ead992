#pragma once
// The settings store as this platform keeps it: the system's own per-user store on Windows and
// macOS (settingsstore_native.cpp), a file of ours elsewhere (settingsstore_file.cpp).

#include <QString>

#include <memory>

namespace modHelp {

extern const QString SettingsSection;

enum class Access { Read, Write };

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual bool readable() const = 0;
    virtual QString value(const QString& key) const = 0;
    virtual bool write(const QString& key, const QString& value) = 0;
};

std::unique_ptr<SettingsStore> openSettingsStore(Access access);

} // namespace modHelp
