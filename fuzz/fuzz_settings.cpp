// The settings values: any text as a stored value through DecodeText and the reminder's date
// reading, and any bytes as the whole settings file through the update reminder.
// The first byte picks the case and the locale, the next two today's date; the rest is the
// value (UTF-8) or the file.
// Rules checked: decoding keeps the order of the characters and drops only those it must; a
// date read back is one the reminder can store and read again; the reminder asks at most once,
// shows no message, stores nothing but today's date, keeps every other entry of the file, and
// neither asks nor writes when the file does not parse or is over the size limit.

#include "fuzzcheck.h"

#include "shell/core/appsettings.h"
#include "shell/core/textencoding.h"
#include "shell/fakeservices.h"
#include "shell/updatereminder.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>

namespace {

const QString DurationKey = QStringLiteral("Duration");
// No settings file larger than this is read or written.
constexpr qsizetype StoreLimit = 64 * 1024;
const std::array<const char*, 8> Locales = {"en_US", "en_GB", "de_DE", "fr_FR",
                                            "ja_JP", "ar_EG", "hu_HU", "C"};

struct Harness {
    QTemporaryDir folder;
    int run = 0;
};

Harness* harness = nullptr;

// What DecodeText must give: each character shifted down, one outside Latin-1 read as "?",
// one that would fall below zero left out.
QString expectedDecoding(const QString& text) {
    QString decoded;
    for (const QChar character : text) {
        const int code = character.unicode() <= 255 ? character.unicode() : int('?');
        if (code >= modHelp::EncodingOffset)
            decoded.append(QChar(char16_t(code - modHelp::EncodingOffset)));
    }
    return decoded;
}

void checkValue(const QString& stored, const QLocale& locale, const QDate& today) {
    const QString decoded = modHelp::DecodeText(stored);
    FUZZ_CHECK(decoded == expectedDecoding(stored));
    FUZZ_CHECK(modHelp::DecodeText(modHelp::EncodeText(decoded)) == decoded);

    const QDate date = modHelp::readReminderDate(decoded, locale, today);
    if (!date.isValid())
        return;
    // Whatever was read, the reminder stores it as text that reads back as the same day.
    const QString text = modHelp::reminderDateText(date);
    FUZZ_CHECK(!text.isEmpty());
    FUZZ_CHECK(modHelp::readReminderDate(text, locale, today) == date);
    FUZZ_CHECK(modHelp::survivesEncoding(text));
}

struct Entries {
    std::map<QString, QVariant> values;
    // False when a key has an empty part ("[]", "[/x]", or "=1" with no name): the settings
    // writer cannot write such keys back as they were read (it merges or garbles them), and
    // the file is damaged from the start.
    bool faithful = true;
};

// Every key of a settings file and its value, read by a separate reader from a copy: a reader
// of the file itself would leave it parsed in the settings cache, hiding damage from the store.
std::optional<Entries> entriesOf(const QString& path, const char* copyName) {
    const QString copy = path + QLatin1Char('.') + QLatin1String(copyName);
    FUZZ_CHECK(QFile::copy(path, copy));
    const QSettings reader(copy, QSettings::IniFormat);
    const QStringList keys = reader.allKeys(); // parses every section
    if (reader.status() != QSettings::NoError)
        return std::nullopt;
    Entries entries;
    for (const QString& key : keys) {
        if (key.split(QLatin1Char('/')).contains(QString()))
            entries.faithful = false;
        entries.values[key] = reader.value(key);
    }
    return entries;
}

// Equal as stored. A value that is not equal to itself (a NaN) still counts as kept, and so does
// a list of texts that the settings reader gives back as a list of variants.
bool same(const QVariant& a, const QVariant& b) {
    const auto bytes = [](const QVariant& value) {
        QByteArray serialised;
        QDataStream stream(&serialised, QIODevice::WriteOnly);
        stream << value;
        return serialised;
    };
    const auto isList = [](const QVariant& value) {
        return value.typeId() == QMetaType::QStringList ||
               value.typeId() == QMetaType::QVariantList;
    };
    if (isList(a) && isList(b))
        return a.toStringList() == b.toStringList();
    return a == b || bytes(a) == bytes(b);
}

QString durationEntry() {
    return QStringLiteral("Settings/") + modHelp::EncodeText(DurationKey);
}

void checkReminder(const QByteArray& file, const QDate& today) {
    // A fresh folder each time: the settings reader keeps files it has read in a cache keyed
    // by path, and a rewrite within the same millisecond could go unnoticed.
    const QString folder = harness->folder.filePath(QString::number(++harness->run));
    FUZZ_CHECK(QDir().mkpath(folder));
    modHelp::setAppSettingsFolder(folder);
    const QString path = modHelp::appSettingsFile();
    {
        QFile out(path);
        FUZZ_CHECK(out.open(QIODevice::WriteOnly));
        FUZZ_CHECK(out.write(file) == file.size());
    }
    const std::optional<Entries> before = entriesOf(path, "before");

    platform::ScopedFakeServices services;
    services.todayDate = today;
    modHelp::ShowUpdateReminder();

    FUZZ_CHECK(services.messages.isEmpty());
    FUZZ_CHECK(services.questions.size() <= 1);
    FUZZ_CHECK(services.openedAddresses.isEmpty()); // the fake answers No
    const std::optional<Entries> after = entriesOf(path, "after");
    if (!before || file.size() > StoreLimit) {
        // A damaged file is never written over, and no question comes of it.
        FUZZ_CHECK(services.questions.isEmpty());
        QFile in(path);
        FUZZ_CHECK(in.open(QIODevice::ReadOnly));
        FUZZ_CHECK(in.readAll() == file);
    } else if (before->faithful) {
        FUZZ_CHECK(after.has_value());
        const auto& was = before->values;
        const auto& is = after->values;
        for (const auto& [key, value] : was) {
            if (key != durationEntry()) {
                FUZZ_CHECK(is.count(key) == 1);
                FUZZ_CHECK(same(is.at(key), value));
            }
        }
        const QString storedBefore =
            was.count(durationEntry()) ? was.at(durationEntry()).toString() : QString();
        const QString storedAfter =
            is.count(durationEntry()) ? is.at(durationEntry()).toString() : QString();
        const bool rewritten = storedAfter != storedBefore;
        FUZZ_CHECK(!rewritten ||
                   modHelp::DecodeText(storedAfter) == modHelp::reminderDateText(today));
        FUZZ_CHECK(services.questions.isEmpty() || rewritten);
    }
    QDir(folder).removeRecursively();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    QStandardPaths::setTestModeEnabled(true);
    static int argc = 1;
    static char name[] = "fuzz_settings";
    static char* argv[] = {name, nullptr};
    static auto* application = new QCoreApplication(argc, argv);
    (void)application;
    harness = new Harness;
    FUZZ_CHECK(harness->folder.isValid());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const bool wholeFile = (data[0] & 0x80) != 0;
    const QLocale locale{QLatin1String(Locales[data[0] % Locales.size()])};
    // Today somewhere between 1970 and about 2149.
    const QDate today = QDate(1970, 1, 1).addDays(data[1] << 8 | data[2]);
    const QByteArray rest(reinterpret_cast<const char*>(data + 3), qsizetype(size - 3));
    if (wholeFile)
        checkReminder(rest, today);
    else
        checkValue(QString::fromUtf8(rest), locale, today);
    return 0;
}
