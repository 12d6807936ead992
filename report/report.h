#pragma once
// The report layer: lays a shown reading out as the formatted report, prints it, and keeps
// the birth details in a reading file. It takes plain values from the windows and never
// includes a window class; it depends on the engine, the shell's window-free services
// (velmora_shell_core) and Qt Gui only, which its CMakeLists.txt checks.

#include "reading/fields.h"

#include <QString>

#include <array>
#include <optional>

class QTextDocument;

namespace report {

// What the report shows, as the windows hold it. An absent value (a control that could not
// be read) leaves out that value and its line ends; its caption stays.
struct ReportValues {
    std::optional<QString> name;
    std::optional<QString> monthText, dayText, yearText;
    // By field; the pictures' stay absent, as the report has none.
    std::array<std::optional<QString>, modRunicAstrology::FieldCount> shown;

    std::optional<QString>& operator[](modRunicAstrology::Field field) {
        return shown[modRunicAstrology::fieldIndex(field)];
    }
    const std::optional<QString>& operator[](modRunicAstrology::Field field) const {
        return shown[modRunicAstrology::fieldIndex(field)];
    }
};

// Appends the report to the end of the document (which is meant to be empty). Every CRLF
// of the report, and every line break inside a value, starts a new paragraph.
void BuildReport(QTextDocument& document, const ReportValues& values);

// The report as text with each paragraph break written as CR LF, the form the report's
// lines take in the reading and on paper.
QString reportPlainText(const QTextDocument& document);

} // namespace report
