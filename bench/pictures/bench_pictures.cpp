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
    QImageReader reader(path);
    const QImage image = reader.read();
    const qint64 elapsed = timer.nsecsElapsed();
    return image.isNull() ? -1.0 : static_cast<double>(elapsed) / 1000.0;
}

double medianDecodeMicroseconds(const QString& path) {
    decodeMicroseconds(path); // warm-up: plugin loading and first touch of the resource
    std::vector<double> runs(Runs);
    for (double& run : runs)
        run = decodeMicroseconds(path);
    if (std::any_of(runs.begin(), runs.end(), [](double run) { return run < 0.0; }))
        return -1.0;
    std::nth_element(runs.begin(), runs.begin() + Runs / 2, runs.end());
    return runs[Runs / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    const QList<PictureCollection> collections{PictureCollection::sunSigns(),
                                               PictureCollection::stones(),
                                               PictureCollection::stonesWithPlanet()};
    double slowest = 0.0;
    int failures = 0;
    for (const PictureCollection& pictures : collections) {
        for (int position = 1; position <= pictures.count(); ++position) {
            const QString path = pictures.resourcePath(position);
            const double median = medianDecodeMicroseconds(path);
            if (median < 0.0) {
                out << QStringLiteral("%1  cannot be decoded\n").arg(path, -36);
                ++failures;
                continue;
            }
            slowest = std::max(slowest, median);
            out << QStringLiteral("%1  median %2 us%3\n")
                       .arg(path, -36)
                       .arg(median, 7, 'f', 0)
                       .arg(median > BudgetMicroseconds ? "  OVER BUDGET" : "");
        }
    }
    out << QStringLiteral("picture decode: slowest median %1 us (budget %2 us, %3 runs each)\n")
               .arg(slowest, 0, 'f', 0)
               .arg(BudgetMicroseconds, 0, 'f', 0)
               .arg(Runs);
    return failures == 0 && slowest <= BudgetMicroseconds ? 0 : 1;
}
