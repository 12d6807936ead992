// The work before the main window: the single-instance lock, the settings read and the update
// reminder's check (a date within the quiet fortnight, so no question). Prints medians: once in
// fresh processes, as at a real start, and once repeated within one process.

#include "shell/appsettings.h"
#include "shell/modhelp.h"
#include "shell/singleinstance.h"

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
constexpr int Repeats = 501;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
int runOnce(const QString& folder) {
    useStore(folder);
    std::printf("%.4f\n", startUpWorkMilliseconds(folder + QStringLiteral("/Velmora.lock")));
    return 0;
}

double freshProcessMedian(const QString& folder) {
    std::vector<double> times;
    for (int run = 0; run < FreshProcesses; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--once"), folder});
        if (!child.waitForFinished(30000) || child.exitCode() != 0)
            return -1;
        times.push_back(child.readAllStandardOutput().trimmed().toDouble());
    }
    return median(times);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--once"))
        return runOnce(arguments.at(2));

    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    useStore(folder.path());
    // Recently reminded: the check reads the date and asks nothing.
    modHelp::SaveAppSetting(QStringLiteral("Duration"),
                            QDate::currentDate().addDays(-3).toString(Qt::ISODate));

    const double fresh = freshProcessMedian(folder.path());
    std::vector<double> repeated;
    const QString lockPath = folder.filePath(QStringLiteral("Velmora.lock"));
    for (int run = 0; run < Repeats; ++run)
        repeated.push_back(startUpWorkMilliseconds(lockPath));

    std::printf("Start-up work before the main window (lock, settings read, reminder check):\n"
                "  median %.3f ms in %d fresh processes; median %.3f ms over %d repeats in one "
                "process (budget 5 ms)\n",
                fresh, FreshProcesses, median(repeated), Repeats);
    return 0;
}
