#include "tst_report.h"

#include "support/reportsupport.h"

#include "report/report.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace reportsupport;
using modRunicAstrology::Field;
using report::ReportValues;

namespace {

enum class RunKind { Default, Caption, Value, Heading, Other };

struct Run {
    RunKind kind;
    QString text;
    bool operator==(const Run& other) const = default;
};

RunKind kindOf(const QTextCharFormat& format) {
    // No run may change the box's font face or size.
    if (format.hasProperty(QTextFormat::FontFamilies) ||
        format.hasProperty(QTextFormat::FontPointSize) ||
        format.hasProperty(QTextFormat::FontPixelSize))
        return RunKind::Other;
    const bool weightSet = format.hasProperty(QTextFormat::FontWeight);
    const bool colourSet = format.hasProperty(QTextFormat::ForegroundBrush);
    if (!weightSet && !colourSet)
        return RunKind::Default;
    if (!weightSet || !colourSet)
        return RunKind::Other;
    const bool bold = format.fontWeight() == QFont::Bold;
    const bool regular = format.fontWeight() == QFont::Normal;
    const QColor colour = format.foreground().color();
    if (bold && colour == QColor(0x00, 0x00, 0x00))
        return RunKind::Caption;
    if (regular && colour == QColor(0xFF, 0xFF, 0xFF))
        return RunKind::Value;
    if (bold && colour == QColor(0xFF, 0xFF, 0x00))
        return RunKind::Heading;
    return RunKind::Other;
}

// Neighbouring fragments of one format make one run; paragraph breaks inside a run show as
// "\n", those between runs are left out.
QList<Run> runsOf(const QTextDocument& document) {
    QList<Run> runs;
    int breaks = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            ++breaks;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const RunKind kind = kindOf(fragment.charFormat());
            if (!runs.isEmpty() && runs.last().kind == kind)
                runs.last().text += QString(breaks, QLatin1Char('\n')) + fragment.text();
            else
                runs.append({kind, fragment.text()});
            breaks = 0;
        }
    }
    return runs;
}

QString paragraphs(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QList<Run> expectedRuns(const ReportValues& values) {
    QList<Run> runs{{RunKind::Default, siteLine()}};
    for (const ExpectedRow& row : expectedRows(values)) {
        if (!row.heading.isEmpty())
            runs.append({RunKind::Heading, row.heading});
        runs.append({RunKind::Caption, row.caption});
        runs.append({RunKind::Value, paragraphs(*row.value)});
    }
    runs.last().text +=
        QStringLiteral("\n\n") + siteLine(); // the closing line keeps the value format
    return runs;
}

ReportValues anna(const QString& sign) {
    return valuesFor(sign, QStringLiteral("ANNA"), QStringLiteral("March"), QStringLiteral("12"),
                     QStringLiteral("1980"));
}

QString built(const ReportValues& values) {
    QTextDocument document;
    report::BuildReport(document, values);
    return report::reportPlainText(document);
}

} // namespace

void TestReport::plainText_data() {
    QTest::addColumn<QString>("sign");
    for (const std::string_view sign : modRunicAstrology::sunSigns())
        QTest::newRow(std::string(sign).c_str())
            << QString::fromLatin1(sign.data(), qsizetype(sign.size()));
}

void TestReport::plainText() {
    QFETCH(QString, sign);
    const ReportValues values = anna(sign);
    QVERIFY(values[Field::Sign].has_value());
    QCOMPARE(built(values), expectedReportText(values));
}

void TestReport::ariesKeepsItsTwoParagraphs() {
    const ReportValues values = anna(QStringLiteral("Aries"));
    const QStringList paragraphs = values[Field::AboutYourRuneStone]->split(QStringLiteral("\r\n"));
    QCOMPARE(paragraphs.size(), 2);
    const QString text = built(values);
    QVERIFY(text.contains(QStringLiteral("About Your Rune Stone :-") + paragraphs[0] +
                          QStringLiteral("\r\n") + paragraphs[1] + QStringLiteral("\r\n\r\n") +
                          QStringLiteral("Your Favorable Planet is :-")));
}

void TestReport::countsOfCaptionsHeadingsAndSiteLines() {
    const QString text = built(anna(QStringLiteral("Pisces")));
    QVERIFY(text.startsWith(siteLine() + QStringLiteral("\r\n\r\nName :- ANNA\r\n\r\n"
                                                        "Date Of Birth :- March/12/1980\r\n\r\n"
                                                        "Corresponding Rune Stone\r\n\r\n"
                                                        "Your Sun Sign :-Pisces\r\n\r\n")));
    QCOMPARE(text.count(QStringLiteral(":-")), expectedRows(anna(QStringLiteral("Pisces"))).size());
    QCOMPARE(text.count(siteLine()), 2);
    // Captions as written, where the reading window words them otherwise.
    QVERIFY(
        text.contains(QStringLiteral("\r\nKey Wards :-Gift, Exchange, Interaction, Balance\r\n")));
    QVERIFY(
        text.contains(QStringLiteral("\r\nAlternative Name :-Geuua, Gipt, Giof, Geofu, Gjof\r\n")));
    QVERIFY(text.contains(QStringLiteral("\r\nBirth Stone :-Aquamarine\r\n")));
    QCOMPARE(text.count(QStringLiteral("\r\nSun Sign Characteristics\r\n")), 1);
    QVERIFY(text.endsWith(QStringLiteral("\r\n\r\n") + siteLine() + QStringLiteral("\r\n")));
    QVERIFY(!text.endsWith(QStringLiteral("\r\n\r\n")));
}

void TestReport::runFormats_data() {
    QTest::addColumn<QString>("sign");
    QTest::newRow("Aries, two paragraphs about the rune") << QStringLiteral("Aries");
    QTest::newRow("Leo") << QStringLiteral("Leo");
    QTest::newRow("Pisces") << QStringLiteral("Pisces");
}

void TestReport::runFormats() {
    QFETCH(QString, sign);
    const ReportValues values = anna(sign);
    QTextDocument document;
    report::BuildReport(document, values);
    QCOMPARE(runsOf(document), expectedRuns(values));
}

void TestReport::absentValueLeavesOutValueAndLineEnds_data() {
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("expectedJoin");
    QTest::newRow("name") << "name"
                          << "Name :- Date Of Birth :- ";
    QTest::newRow("month list") << "monthText"
                                << "Date Of Birth :- Corresponding Rune Stone\r\n";
    QTest::newRow("year list") << "yearText"
                               << "Date Of Birth :- Corresponding Rune Stone\r\n";
    QTest::newRow("sign label") << "Sign"
                                << "Your Sun Sign :-Corresponding Rune Stone :-";
    QTest::newRow("last row before the heading")
        << "AboutYourRuneStoneWithPlanet"
        << "Associate With Planet :-Sun Sign Characteristics\r\n\r\nElement :-";
    QTest::newRow("negative traits") << "SunSignNegativeTraits"
                                     << "Negative Traits :-" + siteLine() + "\r\n";
}

void TestReport::absentValueLeavesOutValueAndLineEnds() {
    QFETCH(QString, missing);
    QFETCH(QString, expectedJoin);
    ReportValues values = anna(QStringLiteral("Taurus"));
    if (missing == QLatin1String("name"))
        values.name.reset();
    else if (missing == QLatin1String("monthText"))
        values.monthText.reset();
    else if (missing == QLatin1String("yearText"))
        values.yearText.reset();
    else if (missing == QLatin1String("Sign"))
        values[Field::Sign].reset();
    else if (missing == QLatin1String("AboutYourRuneStoneWithPlanet"))
        values[Field::AboutYourRuneStoneWithPlanet].reset();
    else
        values[Field::SunSignNegativeTraits].reset();

    const QString text = built(values);
    QVERIFY2(text.contains(expectedJoin), qPrintable(text.left(400)));
    QCOMPARE(text, expectedReportText(values));
    QCOMPARE(text.count(QStringLiteral(":-")), expectedRows(values).size());
}

void TestReport::lineBreaksInsideValuesBecomeParagraphs_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("CR LF") << QStringLiteral("first\r\nsecond");
    QTest::newRow("LF, as a plain text box gives it") << QStringLiteral("first\nsecond");
    QTest::newRow("CR") << QStringLiteral("first\rsecond");
}

void TestReport::lineBreaksInsideValuesBecomeParagraphs() {
    QFETCH(QString, value);
    ReportValues values = anna(QStringLiteral("Gemini"));
    values[Field::SunSignPositiveTraits] = value;
    QTextDocument document;
    report::BuildReport(document, values);
    QVERIFY(report::reportPlainText(document).contains(
        QStringLiteral("Positive Traits :-first\r\nsecond\r\n\r\nNegative Traits :-")));
    QVERIFY(!document.toPlainText().contains(QLatin1Char('\r')));
}

QTEST_MAIN(TestReport)
