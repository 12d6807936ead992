#include "tst_report.h"

#include "support/reportsupport.h"

#include "report/printing.h"
#include "report/report.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

using namespace reportsupport;

namespace {

std::unique_ptr<QTextDocument> reportOf(const QString& sign) {
    auto document = std::make_unique<QTextDocument>();
    report::BuildReport(*document, valuesFor(sign, QStringLiteral("ANNA"), QStringLiteral("May"),
                                             QStringLiteral("2"), QStringLiteral("1975")));
    return document;
}

struct Styled {
    QString text;
    int weight;
    QColor colour; // invalid when never set
};

QList<Styled> fragmentsOf(const QTextDocument& document) {
    QList<Styled> fragments;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QColor colour = format.hasProperty(QTextFormat::ForegroundBrush)
                                      ? format.foreground().color()
                                      : QColor();
            fragments.append({it.fragment().text(), format.fontWeight(), colour});
        }
    }
    return fragments;
}

QTextCursor selecting(QTextDocument& document, const QString& from, const QString& to) {
    QTextCursor start = document.find(from);
    const QTextCursor end = document.find(to, start);
    start.setPosition(start.selectionStart());
    start.setPosition(end.selectionEnd(), QTextCursor::KeepAnchor);
    return start;
}

} // namespace

void TestReport::paperCopyRecolours() {
    const std::unique_ptr<QTextDocument> screen = reportOf(QStringLiteral("Taurus"));
    const QString screenText = screen->toRawText();
    const std::unique_ptr<QTextDocument> paper = report::paperCopy(*screen, QTextCursor());

    QCOMPARE(paper->toRawText(), screenText);
    const QList<Styled> onScreen = fragmentsOf(*screen);
    const QList<Styled> onPaper = fragmentsOf(*paper);
    QCOMPARE(onPaper.size(), onScreen.size());
    int headings = 0;
    for (qsizetype i = 0; i < onPaper.size(); ++i) {
        QCOMPARE(onPaper[i].text, onScreen[i].text);
        QCOMPARE(onPaper[i].weight, onScreen[i].weight);
        const QColor was = onScreen[i].colour;
        QColor expected = was;
        if (was == QColor(Qt::white))
            expected = QColor(Qt::black);
        if (was == QColor(Qt::yellow)) {
            expected = QColor(0x7A, 0x5C, 0x00);
            ++headings;
        }
        QCOMPARE(onPaper[i].colour, expected);
    }
    QCOMPARE(headings, 2);
    // the screen keeps its colours
    QCOMPARE(fragmentsOf(*screen).size(), onScreen.size());
    QVERIFY(std::any_of(onScreen.begin(), onScreen.end(),
                        [](const Styled& s) { return s.colour == QColor(Qt::white); }));
}

void TestReport::paperCopyOfSelection() {
    std::unique_ptr<QTextDocument> screen = reportOf(QStringLiteral("Leo"));
    const QTextCursor selection = selecting(*screen, QStringLiteral("Corresponding Rune Stone"),
                                            QStringLiteral("Nordic God :-"));
    QVERIFY(selection.hasSelection());
    const std::unique_ptr<QTextDocument> paper = report::paperCopy(*screen, selection);
    QCOMPARE(paper->toPlainText(), selection.selection().toPlainText());
    QVERIFY(paper->toPlainText().startsWith(QStringLiteral("Corresponding Rune Stone\n")));
    QVERIFY(paper->toPlainText().endsWith(QStringLiteral("Nordic God :-")));
    const QList<Styled> fragments = fragmentsOf(*paper);
    QCOMPARE(fragments.first().colour, QColor(0x7A, 0x5C, 0x00));
    QCOMPARE(fragments.first().weight, int(QFont::Bold));
    QVERIFY(std::none_of(fragments.begin(), fragments.end(), [](const Styled& s) {
        return s.colour == QColor(Qt::white) || s.colour == QColor(Qt::yellow);
    }));
}
