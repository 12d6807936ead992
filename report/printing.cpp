#include "report/printing.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>

#include <optional>

namespace report {
namespace {

std::optional<QColor> paperColourFor(const QTextCharFormat& format) {
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return std::nullopt;
    const QColor screen = format.foreground().color();
    if (screen == QColor(Qt::white))
        return QColor(Qt::black);
    if (screen == QColor(Qt::yellow))
        return QColor(QRgb(PaperHeadingRgb));
    return std::nullopt;
}

struct Recolouring {
    int position;
    int length;
    QColor colour;
};

void recolourForPaper(QTextDocument& document) {
    // Gathered first: changing a format may merge the fragments being walked.
    QList<Recolouring> changes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (const std::optional<QColor> paper = paperColourFor(fragment.charFormat()))
                changes.append({fragment.position(), fragment.length(), *paper});
        }
    }
    QTextCursor cursor(&document);
    for (const Recolouring& change : changes) {
        QTextCharFormat format;
        format.setForeground(change.colour);
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
}

qreal screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96;
}

} // namespace

std::unique_ptr<QTextDocument> paperCopy(const QTextDocument& report,
                                         const QTextCursor& selection) {
    std::unique_ptr<QTextDocument> paper;
    if (selection.hasSelection()) {
        paper = std::make_unique<QTextDocument>();
        paper->setDefaultFont(report.defaultFont());
        paper->setDocumentMargin(report.documentMargin());
        QTextCursor(paper.get()).insertFragment(selection.selection());
    } else {
        paper.reset(report.clone());
    }
    recolourForPaper(*paper);
    return paper;
}

void printReport(const QTextDocument& report, const QTextCursor& selection,
                 QPagedPaintDevice& printer) {
    const std::unique_ptr<QTextDocument> paper = paperCopy(report, selection);
    // Laid out on the printer's own page, the document prints without the page numbers that
    // QTextDocument::print adds to a document of no page size; the 2 cm margins are the ones
    // it would have used.
    constexpr qreal MarginInches = 2 / 2.54;
    paper->documentLayout()->setPaintDevice(&printer);
    // The page's printable part in device pixels, as QPrinter::pageRect gives it.
    paper->setPageSize(printer.pageLayout().paintRectPixels(printer.logicalDpiY()).size());
    QTextFrameFormat frame = paper->rootFrame()->frameFormat();
    frame.setMargin(MarginInches * screenDpi()); // the layout scales frame margins to the device
    paper->rootFrame()->setFrameFormat(frame);
    // The selection in the report decides what is printed, never a page range.
    printer.setPageRanges({});
    paper->print(&printer);
}

} // namespace report
