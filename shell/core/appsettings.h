#pragma once
// modHelp's settings store: one per user and program, its keys and values kept encoded
// (textencoding.h), in the section "Settings".

#include <QString>

#include <optional>

namespace modHelp {

QString GetAppSetting(const QString& key);
bool SaveAppSetting(const QString& key, const QString& value); // false when not written

// Like GetAppSetting, but tells an unreadable store (nullopt) from an absent key (empty text).
// Where the store is a file, it is readable only when it is a regular file (or a link to one)
// of at most 64 KiB holding settings text that parses cleanly, or when there is none yet;
// an unreadable store is never written to.
std::optional<QString> readAppSetting(const QString& key);

// The executable's file name without its extension: a renamed copy keeps a store of its own.
QString appSettingsName();

// Where the store is kept where it is a file: appSettingsName() with ".conf" in the user's
// configuration folder, or in the folder given to setAppSettingsFolder (tests and benchmarks
// keep their stores in a throwaway folder; an empty text goes back to the user's).
QString appSettingsFile();
void setAppSettingsFolder(const QString& folder);

// Where the store is kept on Windows: a key of the registry, Qt's native format there.
QString appSettingsRegistryKey();

} // namespace modHelp
