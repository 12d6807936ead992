#pragma once
// modHelp's update reminder: at start-up, once more than two weeks lie between today and the
// date it keeps in the settings store, the question whether to look for a newer version.

#include <QDate>
#include <QLocale>
#include <QString>

namespace modHelp {

void ShowUpdateReminder();

// The reminder date as it is stored now.
QString reminderDateText(const QDate& date);

// ISO first, then the locale's short format with a two-digit year put in the century nearest
// today; an invalid date when neither reads the text.
QDate readReminderDate(const QString& text, const QLocale& locale, const QDate& today);

} // namespace modHelp
