// The report's three budgets, each as the median of many runs: building the report into the
// report box (link detection on), printing the whole report to a PDF file, and saving then
// opening a reading file.

#include "reading/engine.h"
#include "ui/linkdetection.h"
#include "report/printing.h"
#include "report/readingfile.h"
#include "report/report.h"

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

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

report::ReportValues ValuesOf(const modRunicAstrology::Reading& r) {
    report::ReportValues v;
    v.Name = QStringLiteral("ANNA MARIA");
    v.MonthText = QStringLiteral("April");
    v.DayText = QStringLiteral("2");
    v.YearText = QStringLiteral("1985");
    v.Sign = q(r.Sign);
    v.CorrespondingRuneStone = q(r.CorrespondingRuneStone);
    v.AlternativeName = q(r.AlternativeName);
    v.FavorableColor = q(r.FavorableColor);
    v.NordicGod = q(r.NordicGod);
    v.Keywords = q(r.Keywords);
    v.AboutYourRuneStone = q(r.AboutYourRuneStone);
    v.FavorablePlanet = q(r.FavorablePlanet);
    v.GodWithPlanet = q(r.GodWithPlanet);
    v.ColorWithPlanet = q(r.ColorWithPlanet);
    v.StoneWithPlanet = q(r.StoneWithPlanet);
    v.AlternativeNameWithPlanet = q(r.AlternativeNameWithPlanet);
    v.KeywordsWithPlanet = q(r.KeywordsWithPlanet);
    v.AboutYourRuneStoneWithPlanet = q(r.AboutYourRuneStoneWithPlanet);
    v.SunSignElement = q(r.SunSignElement);
    v.SunSignNumber = q(r.SunSignNumber);
    v.SunSignColor = q(r.SunSignColor);
    v.SunSignDay = q(r.SunSignDay);
    v.SunSignCompatibility = q(r.SunSignCompatibility);
    v.SunSignBirthStone = q(r.SunSignBirthStone);
    v.SunSignQuality = q(r.SunSignQuality);
    v.SunSignFamousPersonBorn = q(r.SunSignFamousPersonBorn);
    v.SunSignPositiveTraits = q(r.SunSignPositiveTraits);
    v.SunSignNegativeTraits = q(r.SunSignNegativeTraits);
    return v;
}

struct Timing {
    double median, min, max;
};

// Milliseconds per run; one unmeasured run first.
Timing Measure(int runs, const std::function<void()>& run) {
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

void Report(const char* what, int runs, const Timing& t, double budget) {
    std::printf("%-44s median %8.3f ms (min %.3f, max %.3f; %d runs; budget %.0f ms)%s\n", what,
                t.median, t.min, t.max, runs, budget, t.median <= budget ? "" : "  OVER BUDGET");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;

    const report::ReportValues values = ValuesOf(*modRunicAstrology::BuildReading("Aries"));

    constexpr int BuildRuns = 201;
    Report("build the report into the report box", BuildRuns,
           Measure(BuildRuns,
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
    Report("print the whole report to a PDF file", PrintRuns,
           Measure(PrintRuns,
                   [&] {
                       QPrinter printer(QPrinter::HighResolution);
                       printer.setOutputFormat(QPrinter::PdfFormat);
                       printer.setOutputFileName(pdf);
                       report::PrintReport(document, QTextCursor(), printer);
                   }),
           250);

    const modRunicAstrology::BirthDetails details{"ANNA MARIA", 2, "April", 1985};
    const QString file = folder.filePath(QStringLiteral("anna.run"));
    std::size_t sink = 0;
    constexpr int FileRuns = 201;
    Report(
        "save then open a reading file", FileRuns,
        Measure(FileRuns,
                [&] {
                    report::WriteReadingFile(file, details);
                    sink +=
                        report::ReadReadingFile(file).value_or(std::array<QString, 4>{})[0].size();
                }),
        5);
    std::printf("(checksum %zu)\n", sink);
    return 0;
}
