#include "reading/longtexts.h"

#include <QByteArray>
#include <QList>
#include <QTest>

#include <string_view>

using namespace modRunicAstrology;

namespace {

const char* const SignNames[12] = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                   "Leo",         "Virgo",     "Libra",    "Scorpio",
                                   "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
const char* const SignRunes[12] = {"Fehu",  "Uruz",   "Ehwaz",  "Algiz",   "Wunjo",   "Berkano",
                                   "Tiwaz", "Eihwaz", "Raidho", "Nauthiz", "Hagalaz", "Gebo"};
const char* const PlanetRuneNames[6] = {"Ansuz", "Isa", "Jera", "Mannaz", "Perthro", "Thurisaz"};

// Sizes the reading window and the report are laid out for, in characters.
struct Targets {
    int rune;
    int positive;
    int negative;
};
const Targets SignTargets[12] = {{600, 730, 600}, {490, 755, 405},  {230, 745, 525},
                                 {300, 865, 610}, {320, 1000, 645}, {280, 515, 330},
                                 {330, 715, 365}, {340, 700, 535},  {440, 875, 380},
                                 {280, 730, 550}, {450, 755, 655},  {420, 680, 415}};
const int PlanetTargets[6] = {400, 440, 315, 305, 370, 660};

QByteArray bytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// A text as the reader sees it, with the two joined texts put together the way the
// reading assembles them.
struct Shown {
    QByteArray tag;
    QByteArray text;
    int target;
    bool isRuneText;
    QByteArray rune;
};

QList<Shown> shownTexts() {
    QList<Shown> all;
    for (int i = 0; i < 12; ++i) {
        const longTexts::SignTexts& s = longTexts::Signs[i];
        const QByteArray sign = SignNames[i];
        QByteArray rune = bytes(s.aboutRuneStone);
        if (i == 0)
            rune += "\r\n" + bytes(s.aboutRuneStoneSecondPart);
        QByteArray positive = bytes(s.positiveTraits);
        if (i == 4)
            positive += bytes(s.positiveTraitsSecondPart);
        all.append({sign + " rune stone", rune, SignTargets[i].rune, true, SignRunes[i]});
        all.append({sign + " positive traits", positive, SignTargets[i].positive, false, {}});
        all.append({sign + " negative traits",
                    bytes(s.negativeTraits),
                    SignTargets[i].negative,
                    false,
                    {}});
    }
    for (int i = 0; i < 6; ++i)
        all.append({QByteArray(PlanetRuneNames[i]) + " planet rune",
                    bytes(longTexts::PlanetRunes[i]), PlanetTargets[i], true, PlanetRuneNames[i]});
    return all;
}

QList<QByteArray> sentences(const QByteArray& text) {
    QList<QByteArray> result;
    QByteArray current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        current += c;
        const bool atEnd = i + 1 == text.size();
        const bool stop = (c == '.' || c == '!' || c == '?') &&
                          (atEnd || text[i + 1] == ' ' || text[i + 1] == '\r');
        if (stop || atEnd) {
            result.append(current.trimmed());
            current.clear();
        }
    }
    return result;
}

} // namespace

class TestLongTexts : public QObject {
    Q_OBJECT

private slots:
    void length_data();
    void length();
    void characters_data();
    void characters();
    void subject_data();
    void subject();
    void unique_data();
    void unique();
    void secondParts_data();
    void secondParts();
};

void TestLongTexts::length_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("target");
    for (const Shown& s : shownTexts())
        QTest::newRow(s.tag.constData()) << s.text << s.target;
    const longTexts::SignTexts& aries = longTexts::Signs[0];
    const longTexts::SignTexts& leo = longTexts::Signs[4];
    QTest::newRow("Aries rune stone first paragraph") << bytes(aries.aboutRuneStone) << 470;
    QTest::newRow("Aries rune stone second paragraph")
        << bytes(aries.aboutRuneStoneSecondPart) << 125;
    QTest::newRow("Leo positive traits first part") << bytes(leo.positiveTraits) << 785;
    QTest::newRow("Leo positive traits second part") << bytes(leo.positiveTraitsSecondPart) << 215;
}

void TestLongTexts::length() {
    QFETCH(QByteArray, text);
    QFETCH(int, target);
    const int length = static_cast<int>(text.size());
    QVERIFY2(length * 100 >= target * 85 && length * 100 <= target * 115,
             qPrintable(QStringLiteral("%1 characters, about %2 wanted").arg(length).arg(target)));
}

void TestLongTexts::characters_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("lineBreaks");
    for (const Shown& s : shownTexts())
        QTest::newRow(s.tag.constData()) << s.text << (s.tag == "Aries rune stone" ? 1 : 0);
}

void TestLongTexts::characters() {
    QFETCH(QByteArray, text);
    QFETCH(int, lineBreaks);
    QCOMPARE(text.count("\r\n"), lineBreaks);
    const QByteArray rest = QByteArray(text).replace("\r\n", "");
    for (const char c : rest)
        QVERIFY2(
            c >= ' ' && c <= '~',
            qPrintable(QStringLiteral("character code %1").arg(static_cast<unsigned char>(c))));
    QVERIFY(!text.contains("  "));
    QVERIFY(!text.contains(" \r\n"));
    QVERIFY(!text.contains("\r\n "));
    QCOMPARE(text.trimmed(), text);
    QVERIFY(text.endsWith('.'));
    // Every sentence, and every paragraph after the break, starts with a capital.
    for (const QByteArray& sentence : sentences(text))
        QVERIFY2(sentence.front() >= 'A' && sentence.front() <= 'Z', sentence.constData());
}

void TestLongTexts::subject_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("isRuneText");
    QTest::addColumn<QByteArray>("rune");
    for (const Shown& s : shownTexts())
        QTest::newRow(s.tag.constData()) << s.text << s.isRuneText << s.rune;
}

void TestLongTexts::subject() {
    QFETCH(QByteArray, text);
    QFETCH(bool, isRuneText);
    QFETCH(QByteArray, rune);
    if (isRuneText) {
        // A rune text in the wrong slot would describe somebody else's stone.
        QVERIFY(text.startsWith("Your "));
        QVERIFY(text.contains(" " + rune + ","));
        for (const char* other : SignRunes)
            if (other != rune)
                QVERIFY2(!text.contains(other), other);
        for (const char* other : PlanetRuneNames)
            if (other != rune)
                QVERIFY2(!text.contains(QByteArray(" ") + other + ","), other);
    } else {
        const QList<QByteArray> all = sentences(text);
        QVERIFY(all.size() >= 5);
        qsizetype toReader = 0;
        for (const QByteArray& sentence : all) {
            QVERIFY2(sentence.size() <= 120, sentence.constData());
            if (sentence.startsWith("You ") || sentence.startsWith("Your ") ||
                sentence.contains(" you") || sentence.contains(" your"))
                ++toReader;
        }
        // Advice in the imperative speaks to the reader too, so allow a few.
        QVERIFY(text.startsWith("You"));
        QVERIFY2(toReader * 5 >= all.size() * 4,
                 qPrintable(QStringLiteral("%1 of %2").arg(toReader).arg(all.size())));
    }
}

void TestLongTexts::unique_data() {
    QTest::addColumn<int>("index");
    const QList<Shown> all = shownTexts();
    for (int i = 0; i < all.size(); ++i)
        QTest::newRow(all[i].tag.constData()) << i;
}

void TestLongTexts::unique() {
    QFETCH(int, index);
    const QList<Shown> all = shownTexts();
    const QList<QByteArray> own = sentences(all[index].text);
    for (qsizetype i = 0; i < own.size(); ++i)
        for (qsizetype j = i + 1; j < own.size(); ++j)
            QVERIFY2(own[i] != own[j], own[i].constData());
    for (int other = 0; other < all.size(); ++other) {
        if (other == index)
            continue;
        QVERIFY2(all[other].text != all[index].text, all[other].tag.constData());
        for (const QByteArray& sentence : sentences(all[other].text))
            QVERIFY2(!own.contains(sentence),
                     qPrintable(all[other].tag + QByteArrayLiteral(": ") + sentence));
    }
}

void TestLongTexts::secondParts_data() {
    QTest::addColumn<int>("sign");
    QTest::addColumn<bool>("runeSecondPart");
    QTest::addColumn<bool>("positiveSecondPart");
    for (int i = 0; i < 12; ++i)
        QTest::newRow(SignNames[i]) << i << (i == 0) << (i == 4);
}

void TestLongTexts::secondParts() {
    QFETCH(int, sign);
    QFETCH(bool, runeSecondPart);
    QFETCH(bool, positiveSecondPart);
    const longTexts::SignTexts& s = longTexts::Signs[sign];
    QCOMPARE(!s.aboutRuneStoneSecondPart.empty(), runeSecondPart);
    QCOMPARE(!s.positiveTraitsSecondPart.empty(), positiveSecondPart);
    if (runeSecondPart) {
        // The paragraph break does the separating; no stray space around it.
        QVERIFY(s.aboutRuneStone.ends_with('.'));
        QVERIFY(s.aboutRuneStoneSecondPart.front() != ' ');
    }
    if (positiveSecondPart) {
        // Joined with nothing between, so the first part carries the space.
        QVERIFY(s.positiveTraits.ends_with(". "));
        QVERIFY(s.positiveTraitsSecondPart.front() >= 'A' &&
                s.positiveTraitsSecondPart.front() <= 'Z');
    }
}

QTEST_GUILESS_MAIN(TestLongTexts)
#include "tst_longtexts.moc"
