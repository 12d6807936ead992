#pragma once
// Printing the report: the selection or the whole report, as formatted, in colours that
// read on white paper.

#include <memory>

class QPagedPaintDevice;
class QTextCursor;
class QTextDocument;

namespace report {

// Dark gold for the yellow of the headings: yellow on white paper can hardly be read.
inline constexpr unsigned PaperHeadingRgb = 0x7A5C00;

// The paper form of the report: the selected part when the cursor has a selection, else all
// of it; white text turned black and yellow text dark gold, layout and emphasis unchanged.
std::unique_ptr<QTextDocument> paperCopy(const QTextDocument& report, const QTextCursor& selection);

// Prints the paper form on a printer (or a PDF writer) that is already set up.
void printReport(const QTextDocument& report, const QTextCursor& selection,
                 QPagedPaintDevice& printer);

} // namespace report
