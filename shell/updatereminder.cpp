#include "shell/updatereminder.h"

#include "shell/core/appsettings.h"
#include "shell/platform.h"
#include "shell/webpages.h"

#include <algorithm>
#include <cstdlib>

namespace modHelp {
namespace {

const QString DurationKey = QStringLiteral("Duration");
const QString UpdateQuestion = QStringLiteral("There maybe an update to this software available") +
                               QChar(u'\r') + QStringLiteral("Do you want to check for an update?");
constexpr qint64 QuietDays = 14;

// True when the format's year has two digits; quoted literal text is skipped.
bool hasTwoDigitYear(const QString& format) {
    bool quoted = false;
    int run = 0;
    int longest = 0;
    for (const QChar character : format) {
        if (character == u'\'')
            quoted = !quoted;
        if (!quoted && character == u'y') {
            longest = std::max(longest, ++run);
        } else {
            run = 0;
        }
    }
    return longest == 2;
}

// Qt reads "yy" as 19yy; a stored date belongs to the century nearest today, ties to the past.
QDate inNearestCentury(const QDate& date, const QDate& today) {
    const int twoDigits = date.year() % 100;
    const int century = today.year() - today.year() % 100;
    int best = century - 100 + twoDigits;
    for (const int candidate : {century + twoDigits, century + 100 + twoDigits}) {
        if (std::abs(candidate - today.year()) < std::abs(best - today.year()))
            best = candidate;
    }
    return QDate(best, date.month(), date.day());
}

} // namespace

QString reminderDateText(const QDate& date) {
    return date.toString(Qt::ISODate);
}

QDate readReminderDate(const QString& text, const QLocale& locale, const QDate& today) {
    const QString trimmed = text.trimmed();
    const QDate iso = QDate::fromString(trimmed, Qt::ISODate);
    if (iso.isValid())
        return iso;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const QDate local = locale.toDate(trimmed, format);
    if (!local.isValid() || !hasTwoDigitYear(format))
        return local;
    return inNearestCentury(local, today);
}

void ShowUpdateReminder() {
    const QDate today = platform::services().today();
    const std::optional<QString> stored = readAppSetting(DurationKey);
    if (!stored)
        return;
    const QDate last = readReminderDate(*stored, QLocale::system(), today);
    if (!last.isValid()) {
        // First start, or a text no format reads: start counting afresh from today.
        SaveAppSetting(DurationKey, reminderDateText(today));
        return;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -QuietDays && days <= QuietDays)
        return;
    const bool check =
        platform::services().askYesNo(nullptr, UpdateQuestion, platform::Icon::Information);
    SaveAppSetting(DurationKey, reminderDateText(today));
    // The page opens even when the date could not be stored: the user asked for it.
    if (check)
        OpenWebPage(WebPage::Download);
}

} // namespace modHelp
