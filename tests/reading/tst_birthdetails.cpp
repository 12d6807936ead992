#include "tst_reading.h"

#include "reading/engine.h"

#include <QTest>

#include <climits>
#include <string>

using namespace modRunicAstrology;

namespace {

const char* const NameMessage = "Please Enter Your Name !";
const char* const FebruaryMessage = "Please Enter Correct Date Or Month!";
const char* const ThirtyDayMessage = "Please Enter Correct Date Or Month !";

enum Month {
    January,
    February,
    March,
    April,
    May,
    June,
    July,
    August,
    September,
    October,
    November,
    December
};

int dayPosition(int day) {
    return day - 1;
}

} // namespace

void TestReading::filterNameKey_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("passed");
    QTest::addColumn<bool>("showMessage");

    QTest::newRow("A") << 65 << 65 << false;
    QTest::newRow("M") << 77 << 77 << false;
    QTest::newRow("Z") << 90 << 90 << false;
    QTest::newRow("a becomes A") << 97 << 65 << false;
    QTest::newRow("m becomes M") << 109 << 77 << false;
    QTest::newRow("z becomes Z") << 122 << 90 << false;
    QTest::newRow("backspace") << 8 << 8 << false;
    QTest::newRow("enter") << 13 << 13 << false;
    QTest::newRow("space") << 32 << 32 << false;

    QTest::newRow("zero") << 0 << 0 << true;
    QTest::newRow("ctrl-C") << 3 << 0 << true;
    QTest::newRow("tab") << 9 << 0 << true;
    QTest::newRow("line feed") << 10 << 0 << true;
    QTest::newRow("ctrl-V") << 22 << 0 << true;
    QTest::newRow("ctrl-X") << 24 << 0 << true;
    QTest::newRow("ctrl-Z") << 26 << 0 << true;
    QTest::newRow("escape") << 27 << 0 << true;
    QTest::newRow("digit 0") << 48 << 0 << true;
    QTest::newRow("digit 9") << 57 << 0 << true;
    QTest::newRow("at sign, below A") << 64 << 0 << true;
    QTest::newRow("bracket, above Z") << 91 << 0 << true;
    QTest::newRow("backquote, below a") << 96 << 0 << true;
    QTest::newRow("brace, above z") << 123 << 0 << true;
    QTest::newRow("delete 127") << 127 << 0 << true;
    QTest::newRow("128") << 128 << 0 << true;
    QTest::newRow("A grave 192") << 192 << 0 << true;
    QTest::newRow("255") << 255 << 0 << true;
    QTest::newRow("A plus 256") << 321 << 0 << true;
    QTest::newRow("a plus 256") << 353 << 0 << true;
    QTest::newRow("1000") << 1000 << 0 << true;
    QTest::newRow("minus one") << -1 << 0 << true;
    QTest::newRow("minus A") << -65 << 0 << true;
    QTest::newRow("minus a") << -97 << 0 << true;
    QTest::newRow("int min") << INT_MIN << 0 << true;
    QTest::newRow("int max") << INT_MAX << 0 << true;
}

void TestReading::filterNameKey() {
    QFETCH(int, code);
    QFETCH(int, passed);
    QFETCH(bool, showMessage);

    const NameKey key = FilterNameKey(code);
    QCOMPARE(key.code, passed);
    QCOMPARE(key.showMessage, showMessage);
}

void TestReading::typedNameIsCapturedInCapitals() {
    std::string box;
    int messages = 0;
    for (const char typed : std::string(" john 7smith ")) {
        const NameKey key = FilterNameKey(typed);
        messages += key.showMessage ? 1 : 0;
        if (key.code != 0)
            box += static_cast<char>(key.code);
    }
    QCOMPARE(q(box), QString(" JOHN SMITH "));
    QCOMPARE(messages, 1);
    QCOMPARE(q(CaptureBirthDetails(box, "1", "January", "1900").Name), QString("JOHN SMITH"));
}

void TestReading::validate_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("dayPosition");
    QTest::addColumn<int>("monthPosition");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("focusName");

    const int none = static_cast<int>(MessageIcon::None);
    const int info = static_cast<int>(MessageIcon::Information);
    auto accepted = [&](const char* tag, const char* name, int day, int month, const char* year) {
        QTest::newRow(tag) << name << dayPosition(day) << month << year << QString() << none
                           << false;
    };
    auto rejected = [&](const char* tag, int day, int month, const char* year,
                        const char* message) {
        QTest::newRow(tag) << "ANNA" << dayPosition(day) << month << year << message << info
                           << false;
    };
    auto nameRejected = [&](const char* tag, const char* name, int day, int month) {
        QTest::newRow(tag) << name << dayPosition(day) << month << "1980" << NameMessage << none
                           << true;
    };

    accepted("defaults, 1 January 1900", "A", 1, January, "1900");
    accepted("name with spaces around", "  ANNA  ", 12, March, "1980");
    nameRejected("empty name", "", 12, March);
    nameRejected("name of one space", " ", 12, March);
    nameRejected("name of spaces only", "     ", 12, March);
    nameRejected("empty name and 31 April", "", 31, April);
    nameRejected("spaces only and 30 February", "  ", 30, February);

    accepted("29 February 2000, divisible by 400", "ANNA", 29, February, "2000");
    accepted("29 February 2004", "ANNA", 29, February, "2004");
    accepted("29 February 1904", "ANNA", 29, February, "1904");
    accepted("29 February 2048", "ANNA", 29, February, "2048");
    accepted("28 February 1900", "ANNA", 28, February, "1900");
    accepted("28 February 2001", "ANNA", 28, February, "2001");
    rejected("29 February 1900, century", 29, February, "1900", FebruaryMessage);
    rejected("29 February 2100, century", 29, February, "2100", FebruaryMessage);
    rejected("29 February 2001", 29, February, "2001", FebruaryMessage);
    rejected("29 February 2050", 29, February, "2050", FebruaryMessage);
    rejected("30 February 2000", 30, February, "2000", FebruaryMessage);
    rejected("31 February 2000", 31, February, "2000", FebruaryMessage);
    rejected("30 February 2001", 30, February, "2001", FebruaryMessage);
    rejected("31 February 2001", 31, February, "2001", FebruaryMessage);

    rejected("31 April", 31, April, "1980", ThirtyDayMessage);
    rejected("31 June", 31, June, "1980", ThirtyDayMessage);
    rejected("31 September", 31, September, "1980", ThirtyDayMessage);
    rejected("31 November", 31, November, "1980", ThirtyDayMessage);
    accepted("30 April", "ANNA", 30, April, "1980");
    accepted("30 June", "ANNA", 30, June, "1980");
    accepted("30 September", "ANNA", 30, September, "1980");
    accepted("30 November", "ANNA", 30, November, "1980");
    accepted("31 January", "ANNA", 31, January, "1980");
    accepted("31 March", "ANNA", 31, March, "1980");
    accepted("31 May", "ANNA", 31, May, "1980");
    accepted("31 July", "ANNA", 31, July, "1980");
    accepted("31 August", "ANNA", 31, August, "1980");
    accepted("31 October", "ANNA", 31, October, "1980");
    accepted("31 December", "ANNA", 31, December, "1980");

    rejected("29 February, year not a number", 29, February, "19x6", FebruaryMessage);
    rejected("29 February, empty year", 29, February, "", FebruaryMessage);
    rejected("29 February, huge year", 29, February, "99999999999999999999996", FebruaryMessage);
    accepted("29 February, year with spaces", "ANNA", 29, February, " 2000 ");
    accepted("28 February, year not a number", "ANNA", 28, February, "year");
    accepted("month position past December", "ANNA", 31, 12, "1980");
    accepted("negative month position", "ANNA", 31, -1, "1980");
    accepted("February, day position past 31", "ANNA", 32, February, "2001");
    accepted("April, negative day position", "ANNA", -5, April, "1980");
    QTest::newRow("extreme positions")
        << "ANNA" << INT_MIN << INT_MAX << "1980" << QString() << none << false;
}

void TestReading::validate() {
    QFETCH(QString, name);
    QFETCH(int, dayPosition);
    QFETCH(int, monthPosition);
    QFETCH(QString, year);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(bool, focusName);

    const Validation validation =
        ValidateBirthDetails(name.toStdString(), dayPosition, monthPosition, year.toStdString());
    QCOMPARE(validation.accepted, message.isEmpty());
    QCOMPARE(q(validation.message), message);
    QCOMPARE(static_cast<int>(validation.icon), icon);
    QCOMPARE(validation.focusName, focusName);
}

void TestReading::capture_data() {
    QTest::addColumn<QString>("nameText");
    QTest::addColumn<QString>("dayText");
    QTest::addColumn<QString>("monthText");
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");

    QTest::newRow("plain") << "JOHN"
                           << "12"
                           << "March"
                           << "1980"
                           << "JOHN" << 12 << "March" << 1980;
    QTest::newRow("spaces around every value") << "  ANNA MARIA  "
                                               << " 7 "
                                               << " July "
                                               << " 2001 "
                                               << "ANNA MARIA" << 7 << "July" << 2001;
    QTest::newRow("name of spaces only") << "    "
                                         << "1"
                                         << "January"
                                         << "1900"
                                         << "" << 1 << "January" << 1900;
    QTest::newRow("last entries") << "Z"
                                  << "31"
                                  << "December"
                                  << "2050"
                                  << "Z" << 31 << "December" << 2050;
    QTest::newRow("empty day and year") << "A"
                                        << ""
                                        << "May"
                                        << ""
                                        << "A" << 0 << "May" << 0;
    QTest::newRow("letters") << "A"
                             << "x"
                             << "May"
                             << "year"
                             << "A" << 0 << "May" << 0;
    QTest::newRow("digits then junk") << "A"
                                      << "12a"
                                      << "May"
                                      << "19x6"
                                      << "A" << 0 << "May" << 0;
    QTest::newRow("decimal and exponent") << "A"
                                          << "12.5"
                                          << "May"
                                          << "1e3"
                                          << "A" << 0 << "May" << 0;
    QTest::newRow("space inside number") << "A"
                                         << "1 2"
                                         << "May"
                                         << "19 80"
                                         << "A" << 0 << "May" << 0;
    QTest::newRow("largest 16-bit") << "A"
                                    << "32767"
                                    << "May"
                                    << "-32768"
                                    << "A" << 32767 << "May" << -32768;
    QTest::newRow("just past 16-bit") << "A"
                                      << "32768"
                                      << "May"
                                      << "-32769"
                                      << "A" << 0 << "May" << 0;
    QTest::newRow("huge") << "A"
                          << "123456789012345678901234567890"
                          << "May"
                          << "99999999999999999999"
                          << "A" << 0 << "May" << 0;
}

void TestReading::capture() {
    QFETCH(QString, nameText);
    QFETCH(QString, dayText);
    QFETCH(QString, monthText);
    QFETCH(QString, yearText);
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);

    const BirthDetails details =
        CaptureBirthDetails(nameText.toStdString(), dayText.toStdString(), monthText.toStdString(),
                            yearText.toStdString());
    QCOMPARE(q(details.Name), name);
    QCOMPARE(int(details.Day), day);
    QCOMPARE(q(details.Month), month);
    QCOMPARE(int(details.Year), year);
}

void TestReading::valueLists() {
    const QStringList months{"January", "February", "March",     "April",   "May",      "June",
                             "July",    "August",   "September", "October", "November", "December"};
    for (std::size_t i = 0; i < monthEntries().size(); ++i)
        QCOMPARE(q(monthEntries()[i]), months[static_cast<qsizetype>(i)]);

    for (std::size_t i = 0; i < dayEntries().size(); ++i)
        QCOMPARE(q(dayEntries()[i]), QString::number(i + 1));

    for (std::size_t i = 0; i < yearEntries().size(); ++i)
        QCOMPARE(q(yearEntries()[i]), QString::number(1900 + i));
    QCOMPARE(q(yearEntries().back()), QString("2050"));
}
