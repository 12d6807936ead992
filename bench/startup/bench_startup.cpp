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

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double StartUpWorkMilliseconds(const QString& lockPath) {
    QElapsedTimer timer;
    timer.start();
    {
        SingleInstance instance(lockPath);
        if (instance.IsAnotherInstanceRunning())
            return -1;
        modHelp::ShowUpdateReminder();
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void UseStore(const QString& folder) {
    QStandardPaths::setTestModeEnabled(true);
    modHelp::SetAppSettingsFolder(folder);
}

// One cold run in this process, printed for the parent to collect.
int RunOnce(const QString& folder) {
    UseStore(folder);
    std::printf("%.4f\n", StartUpWorkMilliseconds(folder + QStringLiteral("/Velmora.lock")));
    return 0;
}

double FreshProcessMedian(const QString& folder) {
    std::vector<double> times;
    for (int run = 0; run < FreshProcesses; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--once"), folder});
        if (!child.waitForFinished(30000) || child.exitCode() != 0)
            return -1;
        times.push_back(child.readAllStandardOutput().trimmed().toDouble());
    }
    return Median(times);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--once"))
        return RunOnce(arguments.at(2));

    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    UseStore(folder.path());
    // Recently reminded: the check reads the date and asks nothing.
    modHelp::SaveAppSetting(QStringLiteral("Duration"),
                            QDate::currentDate().addDays(-3).toString(Qt::ISODate));

    const double fresh = FreshProcessMedian(folder.path());
    std::vector<double> repeated;
    const QString lockPath = folder.filePath(QStringLiteral("Velmora.lock"));
    for (int run = 0; run < Repeats; ++run)
        repeated.push_back(StartUpWorkMilliseconds(lockPath));

    std::printf("Start-up work before the main window (lock, settings read, reminder check):\n"
                "  median %.3f ms in %d fresh processes; median %.3f ms over %d repeats in one "
                "process (budget 5 ms)\n",
                fresh, FreshProcesses, Median(repeated), Repeats);
    return 0;
}
