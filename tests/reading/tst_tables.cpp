#include "tst_reading.h"

#include "reading/engine.h"
#include "reading/tables.h"

#include <QSet>
#include <QTest>

#include <algorithm>

using namespace modRunicAstrology;

namespace {

// An unknown sign gives an empty reading, so every comparison after it fails.
Reading readingOf(const QString& sign) {
    return BuildReading(sign.toStdString()).value_or(Reading{});
}

} // namespace

void TestReading::signRune_data() {
    QTest::addColumn<QString>("rune");
    QTest::addColumn<QString>("alternativeName");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("god");
    QTest::addColumn<QString>("color");
    QTest::addColumn<int>("picturePosition");
    QTest::addColumn<QString>("pictureKey");

    QTest::newRow("Aries") << "Fehu"
                           << "Faihu, Foeh, Fe"
                           << "Wealth, Mobility, Fulfillment, Intuition"
                           << "Aesir"
                           << "Light Red" << 1 << "fehu";
    QTest::newRow("Taurus") << "Uruz"
                            << "Uraz, Uros, Ur"
                            << "Beginnings, Spirituality, Opportunity, Harmony"
                            << "Vanir"
                            << "Dark Green" << 2 << "uruz";
    QTest::newRow("Gemini") << "Ehwaz"
                            << "Eys, Ehol, Ior, Eoh, Eykur, Eh, Eol"
                            << "Duality, Movement, Partnership, Interaction, Harmony"
                            << "Freya,Freyr,Aclis"
                            << "White" << 3 << "ehwaz";
    QTest::newRow("Cancer") << "Algiz"
                            << "Algis, Elhaz, Eolh, Elgr"
                            << "Spirit, Protection, Sanctuary, Refuge, Power, Divinity"
                            << "Valkyrjur"
                            << "Gold" << 4 << "algiz";
    QTest::newRow("Leo") << "Wunjo"
                         << "Uuinne, Vend, Wynn, Vin"
                         << "Joy, Pleasure, Hope, Fellowship"
                         << "Freyr,Elves"
                         << "Yellow" << 5 << "wunjo";
    QTest::newRow("Virgo")
        << "Berkano"
        << "Berkana, Bercna, Bjarkan, Beroc"
        << "Nurturing, Rebirth, Growth, Transition, Spirit, Concealment, Protection, Ancestry"
        << "Frigg,Nerthus,Hel"
        << "Dark Green" << 6 << "berkano";
    QTest::newRow("Libra") << "Tiwaz"
                           << "Tys, Tyr, Tir, Tiw, Ty"
                           << "Justice, Order, Victory, Support, Self-sacrifice, Faith, Loyalty"
                           << "Tyr,Mani"
                           << "Bright Red" << 7 << "tiwaz";
    QTest::newRow("Scorpio") << "Eihwaz"
                             << "Ezck, Yr, Eo"
                             << "Communication, Death, Regeneration, Knowledge, Dreaming"
                             << "Idhunna,Ullr"
                             << "Dark Blue" << 8 << "eihwaz";
    QTest::newRow("Sagittarius") << "Raidho"
                                 << "Raidha, Rad, Raid"
                                 << "Rhythm, Movement, Travel, Spiritual"
                                 << "Forseti"
                                 << "Bright Red" << 9 << "raidho";
    QTest::newRow("Capricorn") << "Nauthiz"
                               << "Noicz, Naud, Naudr, Nied"
                               << "Need, Help, Resistance, Love"
                               << "Nornir,Etins"
                               << "Black" << 10 << "nauthiz";
    QTest::newRow("Aquarius") << "Hagalaz"
                              << "Haal, Hagall, Hagl"
                              << "Transformation, Change, Evolution, Protection"
                              << "Ymir"
                              << "Light Blue" << 11 << "hagalaz";
    QTest::newRow("Pisces") << "Gebo"
                            << "Geuua, Gipt, Giof, Geofu, Gjof"
                            << "Gift, Exchange, Interaction, Balance"
                            << "Odin,Freya"
                            << "Deep Blue" << 12 << "gebo";
}

void TestReading::signRune() {
    QFETCH(QString, rune);
    QFETCH(QString, alternativeName);
    QFETCH(QString, keywords);
    QFETCH(QString, god);
    QFETCH(QString, color);
    QFETCH(int, picturePosition);
    QFETCH(QString, pictureKey);

    const QString sign = QTest::currentDataTag();
    const Reading reading = readingOf(sign);
    QCOMPARE(q(reading.Sign), sign);
    QCOMPARE(q(reading.CorrespondingRuneStone), rune);
    QCOMPARE(q(reading.AlternativeName), alternativeName);
    QCOMPARE(q(reading.Keywords), keywords);
    QCOMPARE(q(reading.NordicGod), god);
    QCOMPARE(q(reading.FavorableColor), color);
    QCOMPARE(q(reading.StonePicture), pictureKey);
    QCOMPARE(findSignRow(sign.toStdString())->StonePicturePosition, picturePosition);
}

void TestReading::favourablePlanet_data() {
    QTest::addColumn<QString>("planet");
    QTest::addColumn<QString>("stoneWithPlanet");
    QTest::addColumn<QString>("colorWithPlanet");

    QTest::newRow("Aries") << "Mars"
                           << "Thurisaz"
                           << "Bright Red";
    QTest::newRow("Taurus") << "Venus"
                            << "Ansuz"
                            << "Dark Blue,Light Red";
    QTest::newRow("Gemini") << "Mercury"
                            << "Ansuz"
                            << "Dark Blue";
    QTest::newRow("Cancer") << "The Moon"
                            << "Isa"
                            << "Black";
    QTest::newRow("Leo") << "The Sun"
                         << "Jera"
                         << "Light Blue,White,Silver";
    QTest::newRow("Virgo") << "Mercury"
                           << "Ansuz"
                           << "Dark Blue";
    QTest::newRow("Libra") << "Venus"
                           << "Ansuz"
                           << "Dark Blue,Light Red";
    QTest::newRow("Scorpio") << "Pluto and Mars"
                             << "Thurisaz"
                             << "Bright Red";
    QTest::newRow("Sagittarius") << "Jupiter"
                                 << "Mannaz"
                                 << "Deep Red";
    QTest::newRow("Capricorn") << "Saturn"
                               << "Perthro"
                               << "Black";
    QTest::newRow("Aquarius") << "Uranus and Saturn"
                              << "Perthro"
                              << "Black";
    QTest::newRow("Pisces") << "Neptune and Jupiter"
                            << "Mannaz"
                            << "Deep Red";
}

void TestReading::favourablePlanet() {
    QFETCH(QString, planet);
    QFETCH(QString, stoneWithPlanet);
    QFETCH(QString, colorWithPlanet);

    const Reading reading = readingOf(QTest::currentDataTag());
    QCOMPARE(q(reading.FavorablePlanet), planet);
    QCOMPARE(q(reading.StoneWithPlanet), stoneWithPlanet);
    QCOMPARE(q(reading.ColorWithPlanet), colorWithPlanet);

    const PlanetRuneRow* rune = findPlanetRuneRow(reading.StoneWithPlanet);
    QVERIFY(rune);
    QCOMPARE(q(reading.AlternativeNameWithPlanet), q(rune->AlternativeNameWithPlanet));
    QCOMPARE(q(reading.KeywordsWithPlanet), q(rune->KeywordsWithPlanet));
    QCOMPARE(q(reading.GodWithPlanet), q(rune->GodWithPlanet));
    QCOMPARE(q(reading.AboutYourRuneStoneWithPlanet), q(planetRuneTextOf(*rune)));
}

void TestReading::signCharacteristics_data() {
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("compatibility");
    QTest::addColumn<QString>("birthStone");
    QTest::addColumn<QString>("quality");
    QTest::addColumn<int>("picturePosition");
    QTest::addColumn<QString>("pictureKey");

    QTest::newRow("Aries") << "Fire"
                           << "9"
                           << "Red"
                           << "Tuesday"
                           << "Leo and Sagittarius"
                           << "Diamond"
                           << "Cardinal" << 1 << "Aries.jpg";
    QTest::newRow("Taurus") << "Earth"
                            << "6"
                            << "Green"
                            << "Friday"
                            << "Capricorn and Virgo"
                            << "Emerald"
                            << "Fixed" << 2 << "Taurus.jpg";
    QTest::newRow("Gemini") << "Air"
                            << "5"
                            << "Yellow"
                            << "Wednesday"
                            << "Aquarius and Libra"
                            << "Agate"
                            << "Mutable" << 3 << "Gemini.jpg";
    QTest::newRow("Cancer") << "Water"
                            << "2"
                            << "Silver"
                            << "Monday"
                            << "Pisces and Scorpio"
                            << "Pearl"
                            << "Cardinal" << 4 << "Cancer.jpg";
    QTest::newRow("Leo") << "Fire"
                         << "8 and 9"
                         << "Gold"
                         << "Sunday"
                         << "Aries and Sagittarius"
                         << "Ruby"
                         << "Fixed" << 5 << "Leo.jpg";
    QTest::newRow("Virgo") << "Earth"
                           << "3 and 5"
                           << "Blue"
                           << "Wednesday"
                           << "Capricorn and Taurus"
                           << "Sapphire"
                           << "Mutable" << 6 << "Virgo.jpg";
    QTest::newRow("Libra") << "Air"
                           << "6 and 9"
                           << "Blue"
                           << "Friday"
                           << "Aquarius and Gemini"
                           << "Opal"
                           << "Cardinal" << 7 << "Libra.jpg";
    QTest::newRow("Scorpio") << "Water"
                             << "2 and 4"
                             << "Burgundy and Black"
                             << "Tuesday"
                             << "Cancer and Pisces"
                             << "Topaz"
                             << "Fixed" << 8 << "Scorpio.jpg";
    QTest::newRow("Sagittarius") << "Fire"
                                 << "5 and 7"
                                 << "Purple"
                                 << "Thursday"
                                 << "Aries and Leo"
                                 << "Turquoise"
                                 << "Mutable" << 9 << "Sagittarius.jpg";
    QTest::newRow("Capricorn") << "Earth"
                               << "8 and 2"
                               << "Brown"
                               << "Saturday"
                               << "Taurus and Virgo"
                               << "Garnet"
                               << "Cardinal" << 10 << "Capricorn.jpg";
    QTest::newRow("Aquarius") << "Air"
                              << "1 and 7"
                              << "Blue, Violet"
                              << "Wednesday"
                              << "Taurus and Virgo"
                              << "Amethyst"
                              << "Fixed" << 11 << "Aquarius.jpg";
    QTest::newRow("Pisces") << "Water"
                            << "2 and 6"
                            << "Sea green"
                            << "Friday"
                            << "Taurus and Virgo"
                            << "Aquamarine"
                            << "Mutable" << 12 << "Pisces.jpg";
}

void TestReading::signCharacteristics() {
    QFETCH(QString, element);
    QFETCH(QString, number);
    QFETCH(QString, color);
    QFETCH(QString, day);
    QFETCH(QString, compatibility);
    QFETCH(QString, birthStone);
    QFETCH(QString, quality);
    QFETCH(int, picturePosition);
    QFETCH(QString, pictureKey);

    const QString sign = QTest::currentDataTag();
    const Reading reading = readingOf(sign);
    QCOMPARE(q(reading.SunSignElement), element);
    QCOMPARE(q(reading.SunSignNumber), number);
    QCOMPARE(q(reading.SunSignColor), color);
    QCOMPARE(q(reading.SunSignDay), day);
    QCOMPARE(q(reading.SunSignCompatibility), compatibility);
    QCOMPARE(q(reading.SunSignBirthStone), birthStone);
    QCOMPARE(q(reading.SunSignQuality), quality);
    QCOMPARE(q(reading.SunSignPicture), pictureKey);
    QCOMPARE(findSignRow(sign.toStdString())->SunSignPicturePosition, picturePosition);
}

void TestReading::famousPeople_data() {
    QTest::addColumn<QString>("people");

    QTest::newRow("Aries") << "William Wordsworth, Thomas Jefferson, Leonardo Da Vinci, Marlon "
                              "Brando, Charlie Chaplin";
    QTest::newRow("Taurus")
        << "William Shakespeare, Karl Marx, Sigmund Freud, Harry Truman, Satyajit Ray";
    QTest::newRow("Gemini") << "Sir Arthur Conan-Doyle, Ian Fleming, John Fitzgerald Kennedy, "
                               "Clint Eastwood, George Bush";
    QTest::newRow("Cancer")
        << "Julius Caesar, Helen Keller, George Orwell, Nelson Mandela, Lady Diana";
    QTest::newRow("Leo") << "Napoleon Bonaparte, Bernard Shaw, Henry Ford, Alfred Hitchcock, Neil "
                            "Armstrong, Madonna";
    QTest::newRow("Virgo")
        << "Mother Teresa, Agatha Christie, Michael Jackson, Stephen King, Jimmy Connors";
    QTest::newRow("Libra")
        << "Oscar Wilde, Mohandas Gandhi, Luciano Pavarotti, Julie Andrews, T. S. Elliot";
    QTest::newRow("Scorpio")
        << "John Keats, Robert Louis Stevenson, Pablo Picasso, Bill Gates, Julia Roberts";
    QTest::newRow("Sagittarius") << "Nostradamus, Ludwig von Beethoven, Jane Austen, Mark Twain, "
                                    "Winston Churchill, Walt Disney, Frank Sinatra";
    QTest::newRow("Capricorn") << "Sir Isaac Newton, Rudyard Kipling, Joseph Stalin, Martin Luther "
                                  "King, Elvis Presley, Mohammed Ali, Tiger Woods";
    QTest::newRow("Aquarius")
        << "Wolfgang Amadeus Mozart, Lord Byron, Charles Darwin, Abraham Lincoln, Charles Dickens";
    QTest::newRow("Pisces") << "Albert Einstein, Nicolaus Copernicus, George Washington, Alexander "
                               "Graham Bell, Jerry Lewis";
}

void TestReading::famousPeople() {
    QFETCH(QString, people);

    QCOMPARE(q(readingOf(QTest::currentDataTag()).SunSignFamousPersonBorn), people);
}

void TestReading::planetRune_data() {
    QTest::addColumn<QString>("alternativeName");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("god");
    QTest::addColumn<int>("picturePosition");
    QTest::addColumn<QString>("pictureKey");

    QTest::newRow("Ansuz") << "Os, Ass, Ansur"
                           << "Rebirth, Knowledge, Communication, Justice"
                           << "Odin,Freya,Dwarves" << 1 << "ansuz.jpg";
    QTest::newRow("Isa") << "Icz, Iss, Is"
                         << "Constraint, Massive Force, Gradual Integration, Delay"
                         << "Rime Thurses" << 2 << "isa.jpg";
    QTest::newRow("Jera") << "Gaar, Ar, Ger, Jara"
                          << "Cycles, Right Action, Completion, Fertility, Natural Law"
                          << "Freyr,Sol" << 3 << "jera.jpg";
    QTest::newRow("Mannaz") << "Manna, Madr, Mann, Madur"
                            << "Godhood, Humanity, Ancestors"
                            << "Heimdall,Odin" << 4 << "mannaz.jpg";
    QTest::newRow("Perthro") << "Pertra, Peordh"
                             << "Birth, Wisdom, Kinship, Manifestation, Chance, Luck"
                             << "Nornir" << 5 << "perthro.jpg";
    QTest::newRow("Thurisaz") << "Thuith, Thorn, Thurs"
                              << "Protection, Action, Destruction, Willpower"
                              << "Thor" << 6 << "thurisaz.jpg";
}

void TestReading::planetRune() {
    QFETCH(QString, alternativeName);
    QFETCH(QString, keywords);
    QFETCH(QString, god);
    QFETCH(int, picturePosition);
    QFETCH(QString, pictureKey);

    const PlanetRuneRow* rune = findPlanetRuneRow(QTest::currentDataTag());
    QVERIFY(rune);
    QCOMPARE(q(rune->AlternativeNameWithPlanet), alternativeName);
    QCOMPARE(q(rune->KeywordsWithPlanet), keywords);
    QCOMPARE(q(rune->GodWithPlanet), god);
    QCOMPARE(rune->StoneWithPlanetPicturePosition, picturePosition);
    QCOMPARE(q(pictureKeyAt(IMGStoneListWithPlanetKeys, picturePosition)), pictureKey);
}

void TestReading::pictureKeys() {
    const QStringList signs{"Aries.jpg",       "Taurus.jpg",    "Gemini.jpg",   "Cancer.jpg",
                            "Leo.jpg",         "Virgo.jpg",     "Libra.jpg",    "Scorpio.jpg",
                            "Sagittarius.jpg", "Capricorn.jpg", "Aquarius.jpg", "Pisces.jpg"};
    const QStringList stones{"fehu",  "uruz",   "ehwaz",  "algiz",   "wunjo",   "berkano",
                             "tiwaz", "eihwaz", "raidho", "nauthiz", "hagalaz", "gebo"};
    const QStringList planetStones{"ansuz.jpg",  "isa.jpg",     "jera.jpg",
                                   "mannaz.jpg", "perthro.jpg", "thurisaz.jpg"};
    auto toList = [](const auto& keys) {
        QStringList list;
        for (const std::string_view key : keys)
            list << q(key);
        return list;
    };
    QCOMPARE(toList(IMGSunsignListKeys), signs);
    QCOMPARE(toList(IMGStoneListKeys), stones);
    QCOMPARE(toList(IMGStoneListWithPlanetKeys), planetStones);

    QVERIFY(pictureKeyAt(IMGStoneListKeys, 0).empty());
    QVERIFY(pictureKeyAt(IMGStoneListKeys, 13).empty());
    QVERIFY(pictureKeyAt(IMGStoneListWithPlanetKeys, 7).empty());
    QVERIFY(pictureKeyAt(IMGSunsignListKeys, -1).empty());
}

void TestReading::rowsReferToExistingRowsAndPictures() {
    const QStringList signs{"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                            "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    QSet<QString> signRunes;
    for (std::size_t i = 0; i < SignTable.size(); ++i) {
        const SignRow& row = SignTable[i];
        const QString sign = q(row.Sign);
        QCOMPARE(sign, signs[static_cast<qsizetype>(i)]);
        QCOMPARE(q(sunSigns()[i]), sign);
        QCOMPARE(findSignRow(row.Sign), &row);
        QVERIFY2(findPlanetRuneRow(row.StoneWithPlanet), qPrintable(sign));
        QVERIFY2(!findPlanetRuneRow(row.CorrespondingRuneStone), qPrintable(sign));
        QVERIFY2(row.StonePicturePosition >= 1 && row.StonePicturePosition <= 12, qPrintable(sign));
        QVERIFY2(row.SunSignPicturePosition >= 1 && row.SunSignPicturePosition <= 12,
                 qPrintable(sign));
        signRunes.insert(q(row.CorrespondingRuneStone));
    }
    QCOMPARE(signRunes.size(), 12);
    for (const PlanetRuneRow& rune : PlanetRuneTable) {
        QCOMPARE(findPlanetRuneRow(rune.StoneWithPlanet), &rune);
        QVERIFY(rune.StoneWithPlanetPicturePosition >= 1 &&
                rune.StoneWithPlanetPicturePosition <= 6);
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
        QCOMPARE(findPlanetRuneRow(signRow->StoneWithPlanet), row);
        QCOMPARE(q(readingOf(sign).AboutYourRuneStoneWithPlanet), q(stored));
    }
}

void TestReading::longTextsArePresent() {
    for (std::size_t i = 0; i < LongTexts::Signs.size(); ++i) {
        const LongTexts::SignTexts& texts = LongTexts::Signs[i];
        const char* sign = sunSigns()[i].data();
        QVERIFY2(!texts.aboutRuneStone.empty(), sign);
        QVERIFY2(!texts.positiveTraits.empty(), sign);
        QVERIFY2(!texts.negativeTraits.empty(), sign);
        QCOMPARE(texts.aboutRuneStoneSecondPart.empty(), sunSigns()[i] != "Aries");
        QCOMPARE(texts.positiveTraitsSecondPart.empty(), sunSigns()[i] != "Leo");
    }
    QSet<QString> planetTexts;
    for (const std::string_view text : LongTexts::PlanetRunes) {
        QVERIFY(!text.empty());
        planetTexts.insert(q(text));
    }
    QCOMPARE(planetTexts.size(), 6);
}

void TestReading::joinedTexts() {
    const LongTexts::SignTexts& aries = LongTexts::Signs[0];
    const QString about = q(readingOf("Aries").AboutYourRuneStone);
    QCOMPARE(about, q(aries.aboutRuneStone) + "\r\n" + q(aries.aboutRuneStoneSecondPart));
    QCOMPARE(about.count("\r\n"), 1);

    const LongTexts::SignTexts& leo = LongTexts::Signs[4];
    QCOMPARE(q(readingOf("Leo").SunSignPositiveTraits),
             q(leo.positiveTraits) + q(leo.positiveTraitsSecondPart));

    const LongTexts::SignTexts& taurus = LongTexts::Signs[1];
    const Reading other = readingOf("Taurus");
    QCOMPARE(q(other.AboutYourRuneStone), q(taurus.aboutRuneStone));
    QCOMPARE(q(other.SunSignPositiveTraits), q(taurus.positiveTraits));
    QCOMPARE(q(other.SunSignNegativeTraits), q(taurus.negativeTraits));
}
