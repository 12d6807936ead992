#include "tst_reading.h"

#include "reading/engine.h"
#include "reading/tables.h"

#include <QSet>
#include <QTest>

using namespace modRunicAstrology;

namespace {

// In the order of the planet rune table and of their pictures.
const QStringList PlanetRunes{"Ansuz", "Isa", "Jera", "Mannaz", "Perthro", "Thurisaz"};

// An unknown sign gives an empty reading, so every comparison after it fails.
Reading readingOf(const QString& sign) {
    return BuildReading(sign.toStdString()).value_or(Reading{});
}

void column(Field field, const QStringList& values) {
    QTest::newRow(describe(field).control.data()) << int(field) << values;
}

} // namespace

// Each column of the sign table as the twelve readings show it, in sign order.
void TestReading::signColumns_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QStringList>("values");
    column(Field::Sign, {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
                         "Sagittarius", "Capricorn", "Aquarius", "Pisces"});
    column(Field::CorrespondingRuneStone,
           {"Fehu", "Uruz", "Ehwaz", "Algiz", "Wunjo", "Berkano", "Tiwaz", "Eihwaz", "Raidho",
            "Nauthiz", "Hagalaz", "Gebo"});
    column(Field::AlternativeName,
           {"Faihu, Foeh, Fe", "Uraz, Uros, Ur", "Eys, Ehol, Ior, Eoh, Eykur, Eh, Eol",
            "Algis, Elhaz, Eolh, Elgr", "Uuinne, Vend, Wynn, Vin",
            "Berkana, Bercna, Bjarkan, Beroc", "Tys, Tyr, Tir, Tiw, Ty", "Ezck, Yr, Eo",
            "Raidha, Rad, Raid", "Noicz, Naud, Naudr, Nied", "Haal, Hagall, Hagl",
            "Geuua, Gipt, Giof, Geofu, Gjof"});
    column(Field::Keywords,
           {"Wealth, Mobility, Fulfillment, Intuition",
            "Beginnings, Spirituality, Opportunity, Harmony",
            "Duality, Movement, Partnership, Interaction, Harmony",
            "Spirit, Protection, Sanctuary, Refuge, Power, Divinity",
            "Joy, Pleasure, Hope, Fellowship",
            "Nurturing, Rebirth, Growth, Transition, Spirit, Concealment, Protection, Ancestry",
            "Justice, Order, Victory, Support, Self-sacrifice, Faith, Loyalty",
            "Communication, Death, Regeneration, Knowledge, Dreaming",
            "Rhythm, Movement, Travel, Spiritual", "Need, Help, Resistance, Love",
            "Transformation, Change, Evolution, Protection",
            "Gift, Exchange, Interaction, Balance"});
    column(Field::NordicGod,
           {"Aesir", "Vanir", "Freya,Freyr,Aclis", "Valkyrjur", "Freyr,Elves", "Frigg,Nerthus,Hel",
            "Tyr,Mani", "Idhunna,Ullr", "Forseti", "Nornir,Etins", "Ymir", "Odin,Freya"});
    column(Field::FavorableColor,
           {"Light Red", "Dark Green", "White", "Gold", "Yellow", "Dark Green", "Bright Red",
            "Dark Blue", "Bright Red", "Black", "Light Blue", "Deep Blue"});
    column(Field::FavorablePlanet,
           {"Mars", "Venus", "Mercury", "The Moon", "The Sun", "Mercury", "Venus", "Pluto and Mars",
            "Jupiter", "Saturn", "Uranus and Saturn", "Neptune and Jupiter"});
    column(Field::StoneWithPlanet, {"Thurisaz", "Ansuz", "Ansuz", "Isa", "Jera", "Ansuz", "Ansuz",
                                    "Thurisaz", "Mannaz", "Perthro", "Perthro", "Mannaz"});
    column(Field::ColorWithPlanet, {"Bright Red", "Dark Blue,Light Red", "Dark Blue", "Black",
                                    "Light Blue,White,Silver", "Dark Blue", "Dark Blue,Light Red",
                                    "Bright Red", "Deep Red", "Black", "Black", "Deep Red"});
    column(Field::SunSignElement, {"Fire", "Earth", "Air", "Water", "Fire", "Earth", "Air", "Water",
                                   "Fire", "Earth", "Air", "Water"});
    column(Field::SunSignNumber, {"9", "6", "5", "2", "8 and 9", "3 and 5", "6 and 9", "2 and 4",
                                  "5 and 7", "8 and 2", "1 and 7", "2 and 6"});
    column(Field::SunSignColor,
           {"Red", "Green", "Yellow", "Silver", "Gold", "Blue", "Blue", "Burgundy and Black",
            "Purple", "Brown", "Blue, Violet", "Sea green"});
    column(Field::SunSignDay, {"Tuesday", "Friday", "Wednesday", "Monday", "Sunday", "Wednesday",
                               "Friday", "Tuesday", "Thursday", "Saturday", "Wednesday", "Friday"});
    column(Field::SunSignCompatibility,
           {"Leo and Sagittarius", "Capricorn and Virgo", "Aquarius and Libra",
            "Pisces and Scorpio", "Aries and Sagittarius", "Capricorn and Taurus",
            "Aquarius and Gemini", "Cancer and Pisces", "Aries and Leo", "Taurus and Virgo",
            "Taurus and Virgo", "Taurus and Virgo"});
    column(Field::SunSignBirthStone,
           {"Diamond", "Emerald", "Agate", "Pearl", "Ruby", "Sapphire", "Opal", "Topaz",
            "Turquoise", "Garnet", "Amethyst", "Aquamarine"});
    column(Field::SunSignQuality, {"Cardinal", "Fixed", "Mutable", "Cardinal", "Fixed", "Mutable",
                                   "Cardinal", "Fixed", "Mutable", "Cardinal", "Fixed", "Mutable"});
    column(
        Field::SunSignFamousPersonBorn,
        {"William Wordsworth, Thomas Jefferson, Leonardo Da Vinci, Marlon Brando, Charlie Chaplin",
         "William Shakespeare, Karl Marx, Sigmund Freud, Harry Truman, Satyajit Ray",
         "Sir Arthur Conan-Doyle, Ian Fleming, John Fitzgerald Kennedy, Clint Eastwood, George "
         "Bush",
         "Julius Caesar, Helen Keller, George Orwell, Nelson Mandela, Lady Diana",
         "Napoleon Bonaparte, Bernard Shaw, Henry Ford, Alfred Hitchcock, Neil Armstrong, Madonna",
         "Mother Teresa, Agatha Christie, Michael Jackson, Stephen King, Jimmy Connors",
         "Oscar Wilde, Mohandas Gandhi, Luciano Pavarotti, Julie Andrews, T. S. Elliot",
         "John Keats, Robert Louis Stevenson, Pablo Picasso, Bill Gates, Julia Roberts",
         "Nostradamus, Ludwig von Beethoven, Jane Austen, Mark Twain, Winston Churchill, Walt "
         "Disney, Frank Sinatra",
         "Sir Isaac Newton, Rudyard Kipling, Joseph Stalin, Martin Luther King, Elvis Presley, "
         "Mohammed Ali, Tiger Woods",
         "Wolfgang Amadeus Mozart, Lord Byron, Charles Darwin, Abraham Lincoln, Charles Dickens",
         "Albert Einstein, Nicolaus Copernicus, George Washington, Alexander Graham Bell, Jerry "
         "Lewis"});
}

void TestReading::signColumns() {
    QFETCH(int, field);
    QFETCH(QStringList, values);
    QCOMPARE(values.size(), qsizetype(sunSigns().size()));
    for (std::size_t i = 0; i < sunSigns().size(); ++i)
        QCOMPARE(q(readingOf(q(sunSigns()[i]))[Field(field)]), values[qsizetype(i)]);
}

// Each column of the planet rune table, in rune order, as every reading with that rune shows it.
void TestReading::planetRuneColumns_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QStringList>("values");
    column(Field::AlternativeNameWithPlanet,
           {"Os, Ass, Ansur", "Icz, Iss, Is", "Gaar, Ar, Ger, Jara", "Manna, Madr, Mann, Madur",
            "Pertra, Peordh", "Thuith, Thorn, Thurs"});
    column(Field::KeywordsWithPlanet,
           {"Rebirth, Knowledge, Communication, Justice",
            "Constraint, Massive Force, Gradual Integration, Delay",
            "Cycles, Right Action, Completion, Fertility, Natural Law",
            "Godhood, Humanity, Ancestors", "Birth, Wisdom, Kinship, Manifestation, Chance, Luck",
            "Protection, Action, Destruction, Willpower"});
    column(Field::GodWithPlanet,
           {"Odin,Freya,Dwarves", "Rime Thurses", "Freyr,Sol", "Heimdall,Odin", "Nornir", "Thor"});
}

void TestReading::planetRuneColumns() {
    QFETCH(int, field);
    QFETCH(QStringList, values);
    QCOMPARE(values.size(), PlanetRunes.size());
    for (const std::string_view sign : sunSigns()) {
        const Reading reading = readingOf(q(sign));
        const qsizetype rune = PlanetRunes.indexOf(q(reading[Field::StoneWithPlanet]));
        QVERIFY2(rune >= 0, sign.data());
        QCOMPARE(q(reading[Field(field)]), values[rune]);
    }
}

// A picture's key is its name (the sign's with ".jpg", the sign rune's in lower case, the planet
// rune's in lower case with ".jpg"), at the place of the sign or the planet rune in its set.
void TestReading::pictureKeys() {
    QCOMPARE(PlanetRunes.size(), qsizetype(IMGStoneListWithPlanetKeys.size()));
    for (std::size_t i = 0; i < sunSigns().size(); ++i) {
        const QString sign = q(sunSigns()[i]);
        const Reading reading = readingOf(sign);
        const int position = int(i) + 1;
        QCOMPARE(q(reading[Field::SunSignPicture]), sign + ".jpg");
        QCOMPARE(q(pictureKeyAt(IMGSunsignListKeys, position)), sign + ".jpg");
        const QString stone = q(reading[Field::CorrespondingRuneStone]).toLower();
        QCOMPARE(q(reading[Field::StonePicture]), stone);
        QCOMPARE(q(pictureKeyAt(IMGStoneListKeys, position)), stone);
        const QString rune = q(reading[Field::StoneWithPlanet]);
        const QString planetStone = rune.toLower() + ".jpg";
        QCOMPARE(q(reading[Field::StoneWithPlanetPicture]), planetStone);
        QCOMPARE(q(pictureKeyAt(IMGStoneListWithPlanetKeys, int(PlanetRunes.indexOf(rune)) + 1)),
                 planetStone);
    }

    QVERIFY(pictureKeyAt(IMGStoneListKeys, 0).empty());
    QVERIFY(pictureKeyAt(IMGStoneListKeys, 13).empty());
    QVERIFY(pictureKeyAt(IMGStoneListWithPlanetKeys, 7).empty());
    QVERIFY(pictureKeyAt(IMGSunsignListKeys, -1).empty());
}

void TestReading::rowsReferToExistingRowsAndPictures() {
    QSet<QString> signRunes;
    for (std::size_t i = 0; i < SignTable.size(); ++i) {
        const SignRow& row = SignTable[i];
        const QString sign = q(row[Field::Sign]);
        QCOMPARE(q(sunSigns()[i]), sign);
        QCOMPARE(findSignRow(row[Field::Sign]), &row);
        QVERIFY2(findPlanetRuneRow(row[Field::StoneWithPlanet]), qPrintable(sign));
        QVERIFY2(!findPlanetRuneRow(row[Field::CorrespondingRuneStone]), qPrintable(sign));
        const auto [stone, sunSign] = row.picturePositions;
        QVERIFY2(stone >= 1 && stone <= 12 && sunSign >= 1 && sunSign <= 12, qPrintable(sign));
        signRunes.insert(q(row[Field::CorrespondingRuneStone]));
    }
    QCOMPARE(signRunes.size(), 12);
    for (const PlanetRuneRow& rune : PlanetRuneTable) {
        QCOMPARE(findPlanetRuneRow(rune.StoneWithPlanet), &rune);
        QVERIFY(rune.picturePosition >= 1 && rune.picturePosition <= 6);
    }
}

void TestReading::sharedPlanetTextStoredOnce_data() {
    QTest::addColumn<QString>("rune");
    QTest::addColumn<QStringList>("signs");

    QTest::newRow("Ansuz") << "Ansuz" << QStringList{"Taurus", "Gemini", "Virgo", "Libra"};
    QTest::newRow("Thurisaz") << "Thurisaz" << QStringList{"Aries", "Scorpio"};
    QTest::newRow("Mannaz") << "Mannaz" << QStringList{"Sagittarius", "Pisces"};
    QTest::newRow("Perthro") << "Perthro" << QStringList{"Capricorn", "Aquarius"};
}

void TestReading::sharedPlanetTextStoredOnce() {
    QFETCH(QString, rune);
    QFETCH(QStringList, signs);

    const PlanetRuneRow* row = findPlanetRuneRow(rune.toStdString());
    QVERIFY(row);
    const std::string_view stored = planetRuneTextOf(*row);
    QVERIFY(!stored.empty());
    for (const QString& sign : signs) {
        const SignRow* signRow = findSignRow(sign.toStdString());
        QCOMPARE(findPlanetRuneRow((*signRow)[Field::StoneWithPlanet]), row);
        QCOMPARE(q(readingOf(sign)[Field::AboutYourRuneStoneWithPlanet]), q(stored));
    }
}

void TestReading::longTextsArePresent() {
    for (std::size_t i = 0; i < longTexts::Signs.size(); ++i) {
        const longTexts::SignTexts& texts = longTexts::Signs[i];
        const char* sign = sunSigns()[i].data();
        QVERIFY2(!texts.aboutRuneStone.empty(), sign);
        QVERIFY2(!texts.positiveTraits.empty(), sign);
        QVERIFY2(!texts.negativeTraits.empty(), sign);
        QCOMPARE(texts.aboutRuneStoneSecondPart.empty(), sunSigns()[i] != "Aries");
        QCOMPARE(texts.positiveTraitsSecondPart.empty(), sunSigns()[i] != "Leo");
    }
    QSet<QString> planetTexts;
    for (const std::string_view text : longTexts::PlanetRunes) {
        QVERIFY(!text.empty());
        planetTexts.insert(q(text));
    }
    QCOMPARE(planetTexts.size(), 6);
}

void TestReading::joinedTexts() {
    const longTexts::SignTexts& aries = longTexts::Signs[0];
    const QString about = q(readingOf("Aries")[Field::AboutYourRuneStone]);
    QCOMPARE(about, q(aries.aboutRuneStone) + "\r\n" + q(aries.aboutRuneStoneSecondPart));
    QCOMPARE(about.count("\r\n"), 1);

    const longTexts::SignTexts& leo = longTexts::Signs[4];
    QCOMPARE(q(readingOf("Leo")[Field::SunSignPositiveTraits]),
             q(leo.positiveTraits) + q(leo.positiveTraitsSecondPart));

    const longTexts::SignTexts& taurus = longTexts::Signs[1];
    const Reading other = readingOf("Taurus");
    QCOMPARE(q(other[Field::AboutYourRuneStone]), q(taurus.aboutRuneStone));
    QCOMPARE(q(other[Field::SunSignPositiveTraits]), q(taurus.positiveTraits));
    QCOMPARE(q(other[Field::SunSignNegativeTraits]), q(taurus.negativeTraits));
}
