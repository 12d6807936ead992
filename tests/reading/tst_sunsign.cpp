#include "tst_reading.h"

#include "reading/engine.h"

#include <QTest>

#include <algorithm>
#include <climits>

using namespace modRunicAstrology;

namespace {

// The month table in days of the month, as a person reads it.
struct MonthRule {
    const char* month;
    int lastDayOfFirstSign;
    const char* firstSign;
    const char* secondSign;
};

const MonthRule MonthRules[] = {
    {"January", 19, "Capricorn", "Aquarius"},
    {"February", 18, "Aquarius", "Pisces"},
    {"March", 20, "Pisces", "Aries"},
    {"April", 20, "Aries", "Taurus"},
    {"May", 20, "Taurus", "Gemini"},
    {"June", 20, "Gemini", "Cancer"},
    {"July", 20, "Cancer", "Leo"},
    {"August", 20, "Leo", "Virgo"},
    {"September", 20, "Virgo", "Libra"},
    {"October", 20, "Libra", "Scorpio"},
    {"November", 20, "Scorpio", "Sagittarius"},
    {"December", 20, "Sagittarius", "Capricorn"},
};

} // namespace

void TestReading::findSunSign_data() {
    QTest::addColumn<int>("monthPosition");
    QTest::addColumn<int>("dayPosition");
    QTest::addColumn<QString>("sign");

    int monthPosition = 0;
    for (const MonthRule& rule : MonthRules) {
        const int boundary = rule.lastDayOfFirstSign;
        for (const int day : {1, boundary})
            QTest::addRow("%d %s", day, rule.month) << monthPosition << day - 1 << rule.firstSign;
        for (const int day : {boundary + 1, 31})
            QTest::addRow("%d %s", day, rule.month) << monthPosition << day - 1 << rule.secondSign;
        ++monthPosition;
    }
    QTest::newRow("29 February") << 1 << 28 << "Pisces";
    QTest::newRow("30 April") << 3 << 29 << "Taurus";
}

void TestReading::findSunSign() {
    QFETCH(int, monthPosition);
    QFETCH(int, dayPosition);
    QFETCH(QString, sign);

    const auto found = FindSunSign(monthPosition, dayPosition);
    QVERIFY(found);
    QCOMPARE(q(*found), sign);
}

void TestReading::findSunSignOutOfRange_data() {
    QTest::addColumn<int>("monthPosition");
    QTest::addColumn<int>("dayPosition");

    QTest::newRow("month -1") << -1 << 0;
    QTest::newRow("month 12") << 12 << 0;
    QTest::newRow("day -1") << 0 << -1;
    QTest::newRow("day 31") << 11 << 31;
    QTest::newRow("both far out") << INT_MAX << INT_MIN;
    QTest::newRow("int min month") << INT_MIN << 5;
}

void TestReading::findSunSignOutOfRange() {
    QFETCH(int, monthPosition);
    QFETCH(int, dayPosition);

    QVERIFY(!FindSunSign(monthPosition, dayPosition));
}

void TestReading::everyPositionHasOneSign() {
    for (int month = 0; month < 12; ++month) {
        for (int day = 0; day < 31; ++day) {
            const auto sign = FindSunSign(month, day);
            QVERIFY(sign);
            QVERIFY2(std::find(sunSigns().begin(), sunSigns().end(), *sign) != sunSigns().end(),
                     sign->c_str());
        }
    }
}
