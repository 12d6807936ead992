// The report's three budgets, each as the median of many runs: building the report into the
// report box (link detection on), printing the whole report to a PDF file, and saving then
// opening a reading file.

#include "reading/engine.h"
#include "report/printing.h"
#include "report/readingfile.h"
#include "report/report.h"
#include "support/reportsupport.h"
#include "ui/linkdetection.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Timing {
    double median, min, max;
};

// Milliseconds per run; one unmeasured run first.
Timing measure(int runs, const std::function<void()>& run) {
    run();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

void printTiming(const char* what, int runs, const Timing& t, double budget) {
    std::printf("%-44s median %8.3f ms (min %.3f, max %.3f; %d runs; budget %.0f ms)%s\n", what,
                t.median, t.min, t.max, runs, budget, t.median <= budget ? "" : "  OVER BUDGET");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;

    const report::ReportValues values = reportsupport::valuesFor(
        QStringLiteral("Aries"), QStringLiteral("ANNA MARIA"), QStringLiteral("April"),
        QStringLiteral("2"), QStringLiteral("1985"));

    constexpr int BuildRuns = 201;
    printTiming("build the report into the report box", BuildRuns,
                measure(BuildRuns,
                        [&] {
                            QTextEdit box;
                            box.setReadOnly(true);
                            modRTB::EnableLinkDetection(&box);
                            report::BuildReport(*box.document(), values);
                            modRTB::DisableLinkDetection();
                        }),
                5);

    QTextDocument document;
    report::BuildReport(document, values);
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    constexpr int PrintRuns = 31;
    printTiming("print the whole report to a PDF file", PrintRuns,
                measure(PrintRuns,
                        [&] {
                            QPrinter printer(QPrinter::HighResolution);
                            printer.setOutputFormat(QPrinter::PdfFormat);
                            printer.setOutputFileName(pdf);
                            report::printReport(document, QTextCursor(), printer);
                        }),
                250);

    const modRunicAstrology::BirthDetails details{"ANNA MARIA", 2, "April", 1985};
    const QString file = folder.filePath(QStringLiteral("anna.run"));
    std::size_t sink = 0;
    constexpr int FileRuns = 201;
    printTiming(
        "save then open a reading file", FileRuns,
        measure(FileRuns,
                [&] {
                    report::WriteReadingFile(file, details);
                    sink +=
                        report::ReadReadingFile(file).value_or(std::array<QString, 4>{})[0].size();
                }),
        5);
    std::printf("(checksum %zu)\n", sink);
    return 0;
}
