#pragma once
// The parts of the settings store and the update reminder that the start-up code and the
// tests need besides modHelp's public functions.

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace modHelp {

// The executable's file name without its extension: a renamed copy keeps a store of its own.
QString appSettingsName();

// Where the store is kept where it is a file: appSettingsName() with ".conf" in the user's
// configuration folder, or in the folder given to setAppSettingsFolder (tests and benchmarks
// keep their stores in a throwaway folder; an empty text goes back to the user's).
QString appSettingsFile();
void setAppSettingsFolder(const QString& folder);

// Where the store is kept on Windows: a key of the registry, Qt's native format there.
QString appSettingsRegistryKey();

// Like GetAppSetting, but tells an unreadable store (nullopt) from an absent key (empty text).
// Where the store is a file, it is readable only when it is a regular file (or a link to one)
// of at most 64 KiB holding settings text that parses cleanly, or when there is none yet;
// an unreadable store is never written to.
std::optional<QString> readAppSetting(const QString& key);

// The reminder date as it is stored now.
QString reminderDateText(const QDate& date);

// ISO first, then the locale's short format with a two-digit year put in the century nearest
// today; an invalid date when neither reads the text.
QDate readReminderDate(const QString& text, const QLocale& locale, const QDate& today);

} // namespace modHelp
