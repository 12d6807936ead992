// Decoding each compiled-in picture, as the reading window does when it shows one; prints the
// median time per picture against the 2 ms budget.

#include "assets/picturecollection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int Runs = 101;
constexpr double BudgetMicroseconds = 2000.0;

double decodeMicroseconds(const QString& path) {
    QElapsedTimer timer;
    timer.start();
    // Told the format, as the program reads them.
    QImageReader reader(path, "jpeg");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    const qint64 elapsed = timer.nsecsElapsed();
    return image.isNull() ? -1.0 : static_cast<double>(elapsed) / 1000.0;
}

struct Spread {
    double min = -1.0, median = -1.0, max = -1.0;
};

Spread decodeSpread(const QString& path) {
    decodeMicroseconds(path); // warm-up: plugin loading and first touch of the resource
    std::vector<double> runs(Runs);
    for (double& run : runs)
        run = decodeMicroseconds(path);
    if (std::any_of(runs.begin(), runs.end(), [](double run) { return run < 0.0; }))
        return {};
    std::sort(runs.begin(), runs.end());
    return {runs.front(), runs[Runs / 2], runs.back()};
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    const QList<PictureCollection> collections{PictureCollection::sunSigns(),
                                               PictureCollection::stones(),
                                               PictureCollection::stonesWithPlanet()};
    Spread slowest{0.0, 0.0, 0.0};
    int failures = 0;
    for (const PictureCollection& pictures : collections) {
        for (int position = 1; position <= pictures.count(); ++position) {
            const QString path = pictures.resourcePath(position);
            const Spread spread = decodeSpread(path);
            const double median = spread.median;
            if (median < 0.0) {
                out << QStringLiteral("%1  cannot be decoded\n").arg(path, -36);
                ++failures;
                continue;
            }
            if (median > slowest.median)
                slowest = spread;
            out << QStringLiteral("%1  median %2 us%3\n")
                       .arg(path, -36)
                       .arg(median, 7, 'f', 0)
                       .arg(median > BudgetMicroseconds ? "  OVER BUDGET" : "");
        }
    }
    out << QStringLiteral("picture decode: slowest median %1 us (min %2, max %3; budget %4 us, %5 "
                          "runs each)\n")
               .arg(slowest.median, 0, 'f', 0)
               .arg(slowest.min, 0, 'f', 0)
               .arg(slowest.max, 0, 'f', 0)
               .arg(BudgetMicroseconds, 0, 'f', 0)
               .arg(Runs);
    return failures == 0 && slowest.median <= BudgetMicroseconds ? 0 : 1;
}
