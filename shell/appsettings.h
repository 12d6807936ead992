#pragma once
// The parts of the settings store and the update reminder that the start-up code and the
// tests need besides modHelp's public functions.

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace modHelp {

// The executable's file name without its extension: a renamed copy keeps a store of its own.
QString AppSettingsName();

// Where the store lives in the registry on Windows (Qt's native settings format there).
QString AppSettingsRegistryKey();

// Like GetAppSetting, but tells an unreadable store (nullopt) from an absent key (empty text).
std::optional<QString> ReadAppSetting(const QString& key);

// The reminder date as it is stored now.
QString ReminderDateText(const QDate& date);

// ISO first, then the locale's short format with a two-digit year put in the century nearest
// today; an invalid date when neither reads the text.
QDate ReadReminderDate(const QString& text, const QLocale& locale, const QDate& today);

} // namespace modHelp
