#include "tst_reading.h"

#include "reading/engine.h"

#include <QTest>

#include <climits>
#include <utility>

using namespace modRunicAstrology;

namespace {

GenerateRequest request(const std::string& name, int day, int monthPosition,
                        const std::string& year) {
    return {name,
            day - 1,
            monthPosition,
            std::to_string(day),
            std::string(monthEntries()[static_cast<std::size_t>(monthPosition)]),
            year};
}

void compareDetails(const BirthDetails& actual, const BirthDetails& expected) {
    QCOMPARE(q(actual.Name), q(expected.Name));
    QCOMPARE(actual.Day, expected.Day);
    QCOMPARE(q(actual.Month), q(expected.Month));
    QCOMPARE(actual.Year, expected.Year);
}

} // namespace

void TestReading::init() {
    CurrentBirthDetails = BirthDetails{};
    CurrentSunSign.clear();
}

void TestReading::buildReadingRejectsOtherNames_data() {
    QTest::addColumn<QString>("sign");

    QTest::newRow("empty") << "";
    QTest::newRow("lower case") << "aries";
    QTest::newRow("upper case") << "PISCES";
    QTest::newRow("leading space") << " Leo";
    QTest::newRow("trailing space") << "Leo ";
    QTest::newRow("thirteenth sign") << "Ophiuchus";
    QTest::newRow("planet rune") << "Ansuz";
    QTest::newRow("sign rune") << "Fehu";
    QTest::newRow("picture key") << "Aries.jpg";
}

void TestReading::buildReadingRejectsOtherNames() {
    QFETCH(QString, sign);

    QVERIFY(!BuildReading(sign.toStdString()));
}

void TestReading::everyReadingIsComplete_data() {
    QTest::addColumn<QString>("sign");
    for (const std::string_view sign : sunSigns())
        QTest::newRow(std::string(sign).c_str()) << q(sign);
}

void TestReading::everyReadingIsComplete() {
    QFETCH(QString, sign);

    const auto reading = BuildReading(sign.toStdString());
    QVERIFY(reading);
    QCOMPARE(q((*reading)[Field::Sign]), sign);
    for (const std::string& value : reading->values)
        QVERIFY(!value.empty());
}

void TestReading::generatePisces() {
    const GenerateResult result = generateReading(request("  JOHN SMITH  ", 12, 2, "1980"));
    QVERIFY(result.validation.accepted);
    QVERIFY(result.validation.message.empty());
    QVERIFY(result.reading);

    compareDetails(CurrentBirthDetails, {"JOHN SMITH", 12, "March", 1980});
    QCOMPARE(q(CurrentSunSign), QString("Pisces"));

    const Reading& reading = *result.reading;
    QCOMPARE(q(reading[Field::Sign]), QString("Pisces"));
    QCOMPARE(q(reading[Field::CorrespondingRuneStone]), QString("Gebo"));
    QCOMPARE(q(reading[Field::StonePicture]), QString("gebo"));
    QCOMPARE(q(reading[Field::FavorablePlanet]), QString("Neptune and Jupiter"));
    QCOMPARE(q(reading[Field::StoneWithPlanet]), QString("Mannaz"));
    QCOMPARE(q(reading[Field::StoneWithPlanetPicture]), QString("mannaz.jpg"));
    QCOMPARE(q(reading[Field::ColorWithPlanet]), QString("Deep Red"));
    QCOMPARE(q(reading[Field::SunSignElement]), QString("Water"));
    QCOMPARE(q(reading[Field::SunSignPicture]), QString("Pisces.jpg"));
}

void TestReading::generateAriesHasTwoParagraphs() {
    const GenerateResult result = generateReading(request("ANNA", 21, 2, "2050"));
    QVERIFY(result.reading);
    QCOMPARE(q(CurrentSunSign), QString("Aries"));
    const QString about = q((*result.reading)[Field::AboutYourRuneStone]);
    const auto lineBreak = about.indexOf("\r\n");
    QVERIFY(lineBreak > 0);
    QVERIFY(lineBreak + 2 < about.size());
}

void TestReading::rejectedRequestChangesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("monthPosition");
    QTest::addColumn<QString>("year");

    QTest::newRow("empty name") << "" << 5 << 6 << "1990";
    QTest::newRow("name of spaces") << "   " << 5 << 6 << "1990";
    QTest::newRow("31 April") << "BEN" << 31 << 3 << "1990";
    QTest::newRow("30 February") << "BEN" << 30 << 1 << "2000";
    QTest::newRow("29 February 1900") << "BEN" << 29 << 1 << "1900";
}

void TestReading::rejectedRequestChangesNothing() {
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, monthPosition);
    QFETCH(QString, year);
    const GenerateRequest rejected =
        request(name.toStdString(), day, monthPosition, year.toStdString());

    GenerateResult result = generateReading(rejected);
    QVERIFY(!result.validation.accepted);
    QVERIFY(!result.reading);
    compareDetails(CurrentBirthDetails, BirthDetails{});
    QVERIFY(CurrentSunSign.empty());

    QVERIFY(generateReading(request("ANNA", 12, 2, "1980")).validation.accepted);
    result = generateReading(rejected);
    QVERIFY(!result.validation.accepted);
    QVERIFY(!result.validation.message.empty());
    QVERIFY(!result.reading);
    compareDetails(CurrentBirthDetails, {"ANNA", 12, "March", 1980});
    QCOMPARE(q(CurrentSunSign), QString("Pisces"));
}

void TestReading::secondRequestLeavesNothingOfTheFirst() {
    const auto first = generateReading(request("FIRST", 21, 2, "1980")).reading;
    const auto second = generateReading(request("SECOND", 5, 4, "2001")).reading;
    const auto taurus = BuildReading("Taurus");
    QVERIFY(first && second && taurus);
    QCOMPARE(q((*first)[Field::Sign]), QString("Aries"));

    for (std::size_t i = 0; i < FieldCount; ++i) {
        QCOMPARE(q(second->values[i]), q(taurus->values[i]));
        // Aries and Taurus share no value, so a left-over field would show here.
        QVERIFY(second->values[i] != first->values[i]);
    }
    compareDetails(CurrentBirthDetails, {"SECOND", 5, "May", 2001});
    QCOMPARE(q(CurrentSunSign), QString("Taurus"));
}

void TestReading::outOfRangePositionsKeepTheSign() {
    GenerateRequest outside = request("ANNA", 12, 2, "1980");
    outside.monthPosition = 12;

    GenerateResult result = generateReading(outside);
    QVERIFY(result.validation.accepted);
    QVERIFY(!result.reading);
    QVERIFY(CurrentSunSign.empty());

    QVERIFY(generateReading(request("ANNA", 1, 7, "1980")).reading);
    QCOMPARE(q(CurrentSunSign), QString("Leo"));
    const std::pair<int, int> outsidePositions[] = {{31, 0}, {-1, 0}, {INT_MIN, INT_MAX}};
    for (const auto& [day, month] : outsidePositions) {
        outside.dayPosition = day;
        outside.monthPosition = month;
        result = generateReading(outside);
        QVERIFY(result.reading);
        QCOMPARE(q((*result.reading)[Field::Sign]), QString("Leo"));
        QCOMPARE(q(CurrentSunSign), QString("Leo"));
    }
}

QTEST_GUILESS_MAIN(TestReading)
