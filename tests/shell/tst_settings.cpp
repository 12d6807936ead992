// The settings store and the update reminder, on a throwaway store.

#include "shell/core/appsettings.h"
#include "shell/core/textencoding.h"
#include "shell/fakeservices.h"
#include "shell/updatereminder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using platform::Icon;
using platform::ScopedFakeServices;

namespace {

const QString DurationKey = QStringLiteral("Duration");
const QString DownloadPage =
    QStringLiteral("http://www.quorvanesoftwares.com/velmora/ssd.php?page=download-web-page");
const QString Question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");

// Records what the store held at the moment the browser was asked to open a page.
class StoreWatchingServices : public ScopedFakeServices {
public:
    QStringList storedWhenOpened;

    void openAddress(const QString& address) override {
        storedWhenOpened.append(modHelp::GetAppSetting(DurationKey));
        FakeServices::openAddress(address);
    }
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void storeIsNamedAfterTheExecutable();
    void settingRoundTrips_data();
    void settingRoundTrips();
    void keyAndValueAreStoredEncoded();
    void absentKeyReadsEmpty();
    void saveReplacesTheEarlierValue();
    void valueTheEncodingWouldDamageIsRefused();

    void readReminderDate_data();
    void readReminderDate();

    void reminder_data();
    void reminder();
    void reminderQuestionText();
    void answerYesStoresTodayBeforeOpeningTheDownloadPage();
    void answerNoStoresTodayAndOpensNothing();
    void reminderReadsTheSystemShortFormat();
    void dateIsStoredAsIso();

    void unwritableStore();

private:
    void useStoreFolder(const QString& folder);
    QString storeFile() const;
    // The store as it lies in its file (in the registry on Windows), read around the code
    // under test.
    std::unique_ptr<QSettings> rawStore() const;

    QTemporaryDir m_folder;
};

void TestSettings::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_folder.isValid());
    useStoreFolder(m_folder.path());
}

void TestSettings::cleanupTestCase() {
    useStoreFolder(m_folder.path());
#ifdef Q_OS_WIN
    QSettings software(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat);
    software.remove(modHelp::appSettingsName());
#endif
}

void TestSettings::init() {
    useStoreFolder(m_folder.path());
    QFile::remove(storeFile());
#ifdef Q_OS_WIN
    rawStore()->clear();
#endif
}

std::unique_ptr<QSettings> TestSettings::rawStore() const {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(modHelp::appSettingsRegistryKey(), QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(storeFile(), QSettings::IniFormat);
#endif
}

void TestSettings::useStoreFolder(const QString& folder) {
    modHelp::setAppSettingsFolder(folder);
}

QString TestSettings::storeFile() const {
    return modHelp::appSettingsFile();
}

void TestSettings::storeIsNamedAfterTheExecutable() {
    QCOMPARE(modHelp::appSettingsName(), QStringLiteral("test_shell_settings"));
    QCOMPARE(QFileInfo(storeFile()).fileName(), QStringLiteral("test_shell_settings.conf"));
#if !defined(Q_OS_WIN) && !defined(Q_OS_DARWIN)
    // The file the settings library kept before: stores of earlier versions are found again.
    useStoreFolder(QString());
    const QSettings usual(QSettings::NativeFormat, QSettings::UserScope,
                          modHelp::appSettingsName());
    QCOMPARE(storeFile(), usual.fileName());
    useStoreFolder(m_folder.path());
#endif
    QVERIFY(modHelp::SaveAppSetting(DurationKey, QStringLiteral("2026-12-07")));
#ifdef Q_OS_WIN
    const QSettings software(QStringLiteral("HKEY_CURRENT_USER\\Software"),
                             QSettings::NativeFormat);
    QVERIFY(software.childGroups().contains(QStringLiteral("test_shell_settings")));
#else
    QVERIFY(QFile::exists(storeFile()));
#endif
}

void TestSettings::settingRoundTrips_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("ISO date") << DurationKey << QStringLiteral("2026-12-07");
    QTest::newRow("short date with slashes") << DurationKey << QStringLiteral("12/7/26");
    QTest::newRow("empty value") << DurationKey << QString();
    QTest::newRow("words and spaces") << QStringLiteral("Some Key") << QStringLiteral("a b  c");
    QTest::newRow("value beginning with @ once encoded") << DurationKey << QStringLiteral("2");
    QTest::newRow("Latin-1 letters") << QStringLiteral("Name") << QStringLiteral("Zo\u00EB");
}

void TestSettings::settingRoundTrips() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QVERIFY(modHelp::SaveAppSetting(key, value));
    QCOMPARE(modHelp::GetAppSetting(key), value);
}

void TestSettings::keyAndValueAreStoredEncoded() {
    QVERIFY(modHelp::SaveAppSetting(DurationKey, QStringLiteral("2026-12-07")));
    const std::unique_ptr<QSettings> raw = rawStore();
    QCOMPARE(raw->childGroups(), QStringList{QStringLiteral("Settings")});
    raw->beginGroup(QStringLiteral("Settings"));
    QCOMPARE(raw->childKeys(), QStringList{modHelp::EncodeText(DurationKey)});
    QCOMPARE(raw->value(modHelp::EncodeText(DurationKey)).toString(),
             modHelp::EncodeText(QStringLiteral("2026-12-07")));
}

void TestSettings::absentKeyReadsEmpty() {
    QCOMPARE(modHelp::GetAppSetting(DurationKey), QString());
    QCOMPARE(modHelp::readAppSetting(DurationKey), std::optional<QString>(QString()));
}

void TestSettings::saveReplacesTheEarlierValue() {
    QVERIFY(modHelp::SaveAppSetting(DurationKey, QStringLiteral("2020-01-01")));
    QVERIFY(modHelp::SaveAppSetting(DurationKey, QStringLiteral("2026-12-07")));
    QCOMPARE(modHelp::GetAppSetting(DurationKey), QStringLiteral("2026-12-07"));
}

void TestSettings::valueTheEncodingWouldDamageIsRefused() {
    QVERIFY(modHelp::SaveAppSetting(DurationKey, QStringLiteral("2026-12-07")));
    QVERIFY(!modHelp::SaveAppSetting(DurationKey, QStringLiteral("\u00FF\u00FE")));
    QCOMPARE(modHelp::GetAppSetting(DurationKey), QStringLiteral("2026-12-07"));
}

void TestSettings::readReminderDate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("expected");
    const QDate today(2026, 12, 7);
    QTest::newRow("ISO") << "2026-11-20"
                         << "en_US" << today << QDate(2026, 11, 20);
    QTest::newRow("ISO read whatever the locale") << "2026-11-20"
                                                  << "de_DE" << today << QDate(2026, 11, 20);
    QTest::newRow("ISO with surrounding spaces") << " 2026-11-20 "
                                                 << "en_US" << today << QDate(2026, 11, 20);
    QTest::newRow("M/d/yy this century, not 1926") << "11/20/26"
                                                   << "en_US" << today << QDate(2026, 11, 20);
    QTest::newRow("M/d/yy a year ahead") << "1/5/27"
                                         << "en_US" << today << QDate(2027, 1, 5);
    QTest::newRow("M/d/yy 46 years back is nearer than 54 ahead")
        << "5/1/80"
        << "en_US" << today << QDate(1980, 5, 1);
    QTest::newRow("M/d/yy 49 years ahead is nearer than 51 back")
        << "5/1/75"
        << "en_US" << today << QDate(2075, 5, 1);
    QTest::newRow("M/d/yy exactly 50 years either way goes back")
        << "5/1/76"
        << "en_US" << today << QDate(1976, 5, 1);
    QTest::newRow("M/d/yy across the turn of the century")
        << "1/2/05"
        << "en_US" << QDate(2095, 1, 1) << QDate(2105, 1, 2);
    QTest::newRow("dd.MM.yy") << "20.11.26"
                              << "de_DE" << today << QDate(2026, 11, 20);
    QTest::newRow("dd/MM/yyyy keeps its four digits") << "20/11/1926"
                                                      << "en_GB" << today << QDate(1926, 11, 20);
    QTest::newRow("29 February of a leap year") << "2/29/24"
                                                << "en_US" << today << QDate(2024, 2, 29);
    QTest::newRow("another country's format") << "11/20/26"
                                              << "de_DE" << today << QDate();
    QTest::newRow("not a date") << "soon"
                                << "en_US" << today << QDate();
    QTest::newRow("impossible day") << "2026-02-30"
                                    << "en_US" << today << QDate();
    QTest::newRow("empty") << ""
                           << "en_US" << today << QDate();
}

void TestSettings::readReminderDate() {
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(QDate, today);
    QFETCH(QDate, expected);
    QCOMPARE(modHelp::readReminderDate(text, QLocale(locale), today), expected);
}

void TestSettings::reminder_data() {
    QTest::addColumn<QString>("stored"); // empty: absent
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<QString>("folder"); // the store's folder within the throwaway one
    const QDate today(2026, 12, 7);
    const auto iso = [](const QDate& date) {
        return date.toString(Qt::ISODate);
    };
    const QString usual; // the throwaway folder, which exists
    QTest::newRow("absent") << QString() << false << iso(today) << usual;
    QTest::newRow("absent, no settings folder yet")
        << QString() << false << iso(today) << QStringLiteral("new/config");
    QTest::newRow("today") << iso(today) << false << iso(today) << usual;
    QTest::newRow("14 days ago") << iso(today.addDays(-14)) << false << iso(today.addDays(-14))
                                 << usual;
    QTest::newRow("15 days ago") << iso(today.addDays(-15)) << true << iso(today) << usual;
    QTest::newRow("a year ago") << iso(today.addYears(-1)) << true << iso(today) << usual;
    QTest::newRow("14 days ahead")
        << iso(today.addDays(14)) << false << iso(today.addDays(14)) << usual;
    QTest::newRow("15 days ahead") << iso(today.addDays(15)) << true << iso(today) << usual;
    QTest::newRow("unreadable") << QStringLiteral("someday") << false << iso(today) << usual;
}

void TestSettings::reminder() {
    QFETCH(QString, stored);
    QFETCH(bool, asked);
    QFETCH(QString, storedAfter);
    QFETCH(QString, folder);
    if (!folder.isEmpty()) {
        QVERIFY(!QFileInfo::exists(m_folder.filePath(folder)));
        useStoreFolder(m_folder.filePath(folder));
    }
    ScopedFakeServices services;
    if (!stored.isEmpty())
        QVERIFY(modHelp::SaveAppSetting(DurationKey, stored));

    modHelp::ShowUpdateReminder();

    QCOMPARE(services.questions.size(), asked ? 1 : 0);
    QCOMPARE(modHelp::GetAppSetting(DurationKey), storedAfter);
    QVERIFY(services.messages.isEmpty());
    QVERIFY(services.openedAddresses.isEmpty());
}

void TestSettings::reminderQuestionText() {
    ScopedFakeServices services;
    QVERIFY(modHelp::SaveAppSetting(DurationKey, QStringLiteral("2026-01-01")));
    modHelp::ShowUpdateReminder();
    QCOMPARE(services.questions.size(), 1);
    QCOMPARE(services.questions.first().text, Question);
    QCOMPARE(services.questions.first().icon, Icon::Information);
}

void TestSettings::answerYesStoresTodayBeforeOpeningTheDownloadPage() {
    StoreWatchingServices services;
    services.answerYes = true;
    QVERIFY(modHelp::SaveAppSetting(DurationKey, QStringLiteral("2026-01-01")));
    modHelp::ShowUpdateReminder();
    QCOMPARE(services.openedAddresses, QStringList{DownloadPage});
    QCOMPARE(services.storedWhenOpened, QStringList{QStringLiteral("2026-12-07")});
}

void TestSettings::answerNoStoresTodayAndOpensNothing() {
    ScopedFakeServices services;
    services.answerYes = false;
    QVERIFY(modHelp::SaveAppSetting(DurationKey, QStringLiteral("2026-01-01")));
    modHelp::ShowUpdateReminder();
    QCOMPARE(services.questions.size(), 1);
    QVERIFY(services.openedAddresses.isEmpty());
    QCOMPARE(modHelp::GetAppSetting(DurationKey), QStringLiteral("2026-12-07"));

    // The next start, a day later, asks nothing.
    services.todayDate = services.todayDate.addDays(1);
    modHelp::ShowUpdateReminder();
    QCOMPARE(services.questions.size(), 1);
}

void TestSettings::reminderReadsTheSystemShortFormat() {
    // A date written the old way, in whatever short format this system has.
    ScopedFakeServices services;
    const QDate recent = services.todayDate.addDays(-3);
    QVERIFY(modHelp::SaveAppSetting(DurationKey,
                                    QLocale::system().toString(recent, QLocale::ShortFormat)));
    modHelp::ShowUpdateReminder();
    QVERIFY(services.questions.isEmpty());

    const QDate old = services.todayDate.addDays(-40);
    QVERIFY(modHelp::SaveAppSetting(DurationKey,
                                    QLocale::system().toString(old, QLocale::ShortFormat)));
    modHelp::ShowUpdateReminder();
    QCOMPARE(services.questions.size(), 1);
}

void TestSettings::dateIsStoredAsIso() {
    ScopedFakeServices services;
    services.todayDate = QDate(2031, 3, 4);
    modHelp::ShowUpdateReminder();
    QCOMPARE(modHelp::GetAppSetting(DurationKey), QStringLiteral("2031-03-04"));
}

void TestSettings::unwritableStore() {
#ifdef Q_OS_WIN
    QSKIP("the store is in the registry: there is no folder to block");
#endif
    // A folder that cannot be made: its parent is a plain file (root cannot either).
    const QString blocker = m_folder.filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    useStoreFolder(blocker + QStringLiteral("/store"));

    ScopedFakeServices services;
    QVERIFY(!modHelp::SaveAppSetting(DurationKey, QStringLiteral("2026-01-01")));
    modHelp::ShowUpdateReminder();
    QVERIFY(services.questions.isEmpty());
    QVERIFY(services.messages.isEmpty());
    QCOMPARE(modHelp::GetAppSetting(DurationKey), QString());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
