// The work before the main window: the single-instance lock, the settings read and the update
// reminder's check (a date within the quiet fortnight, so no question). Prints minimum, median
// and maximum: once in fresh processes, as at a real start, and once repeated within one
// process. The first fresh processes after a build run from a cold cache and are not counted.

#include "shell/core/appsettings.h"
#include "shell/core/singleinstance.h"
#include "shell/updatereminder.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int FreshProcesses = 21;
constexpr int WarmUpProcesses = 3;
constexpr int Repeats = 501;

struct Spread {
    double min = -1, median = -1, max = -1;
};

Spread spreadOf(std::vector<double> values) {
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2], values.back()};
}

double startUpWorkMilliseconds(const QString& lockPath) {
    QElapsedTimer timer;
    timer.start();
    {
        SingleInstance instance(lockPath);
        if (instance.isAnotherInstanceRunning())
            return -1;
        modHelp::ShowUpdateReminder();
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void useStore(const QString& folder) {
    QStandardPaths::setTestModeEnabled(true);
    modHelp::setAppSettingsFolder(folder);
}

// One cold run in this process, printed for the parent to collect.
int runOnce(const QString& folder, const QString& lockPath) {
    useStore(folder);
    std::printf("%.4f\n", startUpWorkMilliseconds(lockPath));
    return 0;
}

Spread freshProcessSpread(const QString& folder, const QString& lockPath) {
    std::vector<double> times;
    for (int run = 0; run < WarmUpProcesses + FreshProcesses; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--once"), folder, lockPath});
        if (!child.waitForFinished(30000) || child.exitCode() != 0)
            return {};
        if (run >= WarmUpProcesses)
            times.push_back(child.readAllStandardOutput().trimmed().toDouble());
    }
    return spreadOf(times);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--once"))
        return runOnce(arguments.at(2), arguments.at(3));

    // The settings in a folder of their own; the lock where the program keeps it, in the
    // user's runtime folder (a memory file system in a login session).
    QTemporaryDir folder;
    QTemporaryDir runtime(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                          QStringLiteral("/velmora-bench-XXXXXX"));
    if (!folder.isValid() || !runtime.isValid())
        return 1;
    const QString lockPath = runtime.filePath(QStringLiteral("Velmora.lock"));
    useStore(folder.path());
    // Recently reminded: the check reads the date and asks nothing.
    modHelp::SaveAppSetting(QStringLiteral("Duration"),
                            QDate::currentDate().addDays(-3).toString(Qt::ISODate));

    const Spread fresh = freshProcessSpread(folder.path(), lockPath);
    std::vector<double> repeated;
    for (int run = 0; run < Repeats; ++run)
        repeated.push_back(startUpWorkMilliseconds(lockPath));

    const Spread inProcess = spreadOf(repeated);
    std::printf("Start-up work before the main window (lock, settings read, reminder check):\n"
                "  median %.3f ms in %d fresh processes (min %.3f, max %.3f); median %.3f ms over "
                "%d repeats in one process (min %.3f, max %.3f) (budget 1 ms)\n",
                fresh.median, FreshProcesses, fresh.min, fresh.max, inProcess.median, Repeats,
                inProcess.min, inProcess.max);
    return 0;
}
