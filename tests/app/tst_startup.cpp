// Start-up in its order, the refusal of a second copy, and every way to the end of the program.
// Ending is for good in a process, so each case that ends runs in a child process of its own:
// the test binary started again on that one case.

#include "app/startapplication.h"
#include "shell/core/appsettings.h"
#include "shell/core/singleinstance.h"
#include "shell/fakeservices.h"
#include "support/windowtesting.h"
#include "ui/frmdisplay.h"
#include "ui/frmfarewell.h"
#include "ui/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

using platform::Icon;
using platform::ScopedFakeServices;
using windowtesting::flushDeletes;

namespace {

const char* ChildVariable = "VELMORA_STARTUP_TEST_CHILD";

bool inChild() {
    return qEnvironmentVariableIsSet(ChildVariable);
}

// Runs the current test row again in a fresh process and hands back its verdict.
bool runInChild(QString& output) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ChildVariable), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    QString testCase = QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag())
        testCase += QLatin1Char(':') + QString::fromUtf8(QTest::currentDataTag());
    child.start(QCoreApplication::applicationFilePath(), {testCase});
    const bool finished = child.waitForFinished(120000);
    output = QString::fromLocal8Bit(child.readAll());
    return finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

#define RUN_IN_CHILD()                                                                             \
    if (!inChild()) {                                                                              \
        QString output;                                                                            \
        QVERIFY2(runInChild(output), qPrintable(output));                                          \
        return;                                                                                    \
    }

QList<QWidget*> visibleWindows() {
    QList<QWidget*> visible;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            visible.append(window);
    }
    return visible;
}

QStringList visibleWindowNames() {
    QStringList names;
    for (const QWidget* window : visibleWindows())
        names.append(window->objectName());
    return names;
}

template <typename T> T* findWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<T*>(window))
            return found;
    }
    return nullptr;
}

// Deletes the windows a case left behind without closing them, which would lead to the end.
void deleteWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
}

// The close box and the window menu: the window system asks the window to close.
void closeLikeTheWindowSystem(QWidget* window) {
    window->windowHandle()->close();
}

// Records which windows were on screen when the reminder asked its question.
class WatchingServices : public ScopedFakeServices {
public:
    QStringList visibleAtQuestion;

    bool askYesNo(QWidget* parent, const QString& text, Icon icon) override {
        visibleAtQuestion = visibleWindowNames();
        return FakeServices::askYesNo(parent, text, icon);
    }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stepsRunInOrder();
    void reminderComesBeforeTheMainWindow();
    void failingReminderStillShowsTheMainWindow();
    void secondCopyShowsOnlyTheMessageAndEnds();
    void programIgnoresItsCommandLine();

    void closePath_data();
    void closePath();
    void backShowsNoExitWindow();
    void closingTheReportOrAboutWindowNeverEnds();

private:
    frmMain* startProgram();
    frmDisplay* generateReading(frmMain* window);

    QTemporaryDir m_folder;
    std::unique_ptr<SingleInstance> m_instance;
};

void TestStartup::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_folder.isValid());
    modHelp::setAppSettingsFolder(m_folder.path());
}

void TestStartup::init() {
    QFile::remove(modHelp::appSettingsFile());
#ifdef Q_OS_WIN
    QSettings(modHelp::appSettingsRegistryKey(), QSettings::NativeFormat).clear();
#endif
    m_instance = std::make_unique<SingleInstance>(m_folder.filePath(QStringLiteral("lock")));
}

void TestStartup::cleanup() {
    deleteWindows();
    flushDeletes();
    m_instance.reset();
}

frmMain* TestStartup::startProgram() {
    StartApplication(programSteps(*m_instance));
    return findWindow<frmMain>();
}

frmDisplay* TestStartup::generateReading(frmMain* window) {
    window->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ANN"));
    window->findChild<QComboBox*>(QStringLiteral("cmbDate"))->setCurrentIndex(11);
    window->findChild<QComboBox*>(QStringLiteral("cmbMonth"))->setCurrentIndex(2);
    QComboBox* years = window->findChild<QComboBox*>(QStringLiteral("cmbYear"));
    years->setCurrentIndex(years->findText(QStringLiteral("1980")));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdRunicAstrology")),
                      Qt::LeftButton);
    return window->readingWindow();
}

void TestStartup::stepsRunInOrder() {
    ScopedFakeServices services;
    QStringList steps;
    const auto step = [&steps](const char* name) {
        return [&steps, name] {
            steps.append(QLatin1String(name));
        };
    };
    StartApplication({[&steps] {
                          steps.append(QStringLiteral("single instance"));
                          return false;
                      },
                      step("randomize"), step("update reminder"), step("main window"),
                      step("advert draw")});
    QCOMPARE(steps, QStringList({"single instance", "randomize", "update reminder", "main window",
                                 "advert draw"}));
    QVERIFY(services.messages.isEmpty());
    QVERIFY(!modHelp::isEnding());
}

void TestStartup::reminderComesBeforeTheMainWindow() {
    WatchingServices services;
    QVERIFY(modHelp::SaveAppSetting(QStringLiteral("Duration"), QStringLiteral("2026-01-01")));
    StartupSteps steps = programSteps(*m_instance);
    QStringList visibleAtDraw;
    const auto draw = steps.coBrandRandomize;
    steps.coBrandRandomize = [&] {
        visibleAtDraw = visibleWindowNames();
        draw();
    };
    StartApplication(steps);

    QCOMPARE(services.questions.size(), 1);
    QCOMPARE(services.visibleAtQuestion, QStringList());
    QCOMPARE(visibleAtDraw, QStringList{QStringLiteral("frmMain")});
    frmMain* window = findWindow<frmMain>();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QVERIFY(window->coBrandRandomNumber() >= 1 && window->coBrandRandomNumber() <= 7);
}

void TestStartup::failingReminderStillShowsTheMainWindow() {
    // A store that cannot be made at all: the reminder gives up quietly.
    const QString blocker = m_folder.filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    modHelp::setAppSettingsFolder(blocker + "/store");
    ScopedFakeServices services;
    frmMain* window = startProgram();
    modHelp::setAppSettingsFolder(m_folder.path());
    QVERIFY(window && window->isVisible());
    QVERIFY(services.messages.isEmpty());
    QVERIFY(services.questions.isEmpty());
}

void TestStartup::secondCopyShowsOnlyTheMessageAndEnds() {
    RUN_IN_CHILD();
    // The first copy: another process holding the lock.
    QProcess first;
    first.start(QStringLiteral(LOCKHOLDER_PATH), {m_folder.filePath(QStringLiteral("lock"))});
    QVERIFY(first.waitForReadyRead(10000));
    QCOMPARE(first.readLine().trimmed(), QByteArray("held"));

    ScopedFakeServices services;
    QVERIFY(modHelp::SaveAppSetting(QStringLiteral("Duration"), QStringLiteral("2026-01-01")));
    StartApplication(programSteps(*m_instance));

    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(services.messages.first().text, QStringLiteral("Application is already running"));
    QCOMPARE(services.messages.first().icon, Icon::Information);
    QVERIFY(services.questions.isEmpty());
    QCOMPARE(services.endedWith, QList<int>{0});
    QVERIFY(modHelp::isEnding());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    // The store is left as it was: the reminder never ran.
    QCOMPARE(modHelp::GetAppSetting(QStringLiteral("Duration")), QStringLiteral("2026-01-01"));

    // The first copy is untouched and still holds its lock.
    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(SingleInstance(m_folder.filePath(QStringLiteral("lock"))).isAnotherInstanceRunning());
    first.closeWriteChannel();
    QVERIFY(first.waitForFinished(10000));
}

void TestStartup::programIgnoresItsCommandLine() {
#ifdef Q_OS_WIN
    QSKIP("Velmora.exe links the Windows platform alone and cannot start offscreen; the "
          "desktop check under Wine starts it");
#endif
    // Qt would refuse to start on a platform it does not know, were it given the arguments.
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QStringLiteral(VELMORA_PATH),
                  {QStringLiteral("-platform"), QStringLiteral("no-such-platform"),
                   QStringLiteral("reading.run")});
    QVERIFY(program.waitForStarted(10000));
    // It starts, takes its lock and keeps running until it is told to end.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.filePath(QStringLiteral("Velmora.lock"))), 20000);
    QVERIFY2(program.state() == QProcess::Running, program.readAll().constData());
    program.kill();
    QVERIFY(program.waitForFinished(10000));
}

void TestStartup::closePath_data() {
    QTest::addColumn<QString>("closed");      // the window the user closes
    QTest::addColumn<QString>("how");         // and how
    QTest::addColumn<bool>("exitButtonEnds"); // the exit window closed by its button or close box
    const QStringList ways = {"Exit button", "File menu Exit", "close box"};
    for (const QString& way : ways) {
        QTest::addRow("main window, %s; exit window by its Exit button", qPrintable(way))
            << "frmMain" << way << true;
        QTest::addRow("main window, %s; exit window by its close box", qPrintable(way))
            << "frmMain" << way << false;
    }
    QTest::newRow("reading window, close box; exit window by its Exit button")
        << "frmDisplay"
        << "close box" << true;
    QTest::newRow("reading window, close box; exit window by its close box")
        << "frmDisplay"
        << "close box" << false;
}

void TestStartup::closePath() {
    RUN_IN_CHILD();
    QFETCH(QString, closed);
    QFETCH(QString, how);
    QFETCH(bool, exitButtonEnds);
    ScopedFakeServices services;
    QPointer<frmMain> main = startProgram();
    QVERIFY(main);
    QPointer<QWidget> target = main.data();
    if (closed == QLatin1String("frmDisplay")) {
        target = generateReading(main);
        QVERIFY(target && target->isVisible());
        QVERIFY(!main->isVisible());
    }

    if (how == QLatin1String("Exit button"))
        QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("cmdExit")), Qt::LeftButton);
    else if (how == QLatin1String("File menu Exit"))
        main->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    else
        closeLikeTheWindowSystem(target);
    flushDeletes();

    QVERIFY2(!target, "the closed window is destroyed");
    if (closed == QLatin1String("frmDisplay"))
        QVERIFY2(main && !main->isVisible(), "the main window stays loaded and hidden");
    QCOMPARE(visibleWindowNames(), QStringList{QStringLiteral("frmFarewell")});
    frmFarewell* farewell = findWindow<frmFarewell>();
    QVERIFY(!farewell->isModal());
    QVERIFY(services.endedWith.isEmpty());
    QVERIFY(!modHelp::isEnding());
    QVERIFY(services.messages.isEmpty());
    QVERIFY(services.questions.isEmpty());

    if (exitButtonEnds)
        QTest::mouseClick(farewell->findChild<QPushButton*>(QStringLiteral("cmdClose")),
                          Qt::LeftButton);
    else
        closeLikeTheWindowSystem(farewell);
    flushDeletes();

    QCOMPARE(services.endedWith, QList<int>{0});
    QVERIFY(modHelp::isEnding());
    QCOMPARE(visibleWindowNames(), QStringList());
    QVERIFY2(!main, "every window is unloaded, the hidden main window too");
    QVERIFY(services.messages.isEmpty());
    QVERIFY(services.questions.isEmpty());
}

void TestStartup::backShowsNoExitWindow() {
    ScopedFakeServices services;
    QPointer<frmMain> main = startProgram();
    QPointer<frmDisplay> reading = generateReading(main);
    QVERIFY(reading && reading->isVisible());

    QTest::mouseClick(reading->findChild<QPushButton*>(QStringLiteral("cmdBack")), Qt::LeftButton);
    flushDeletes();
    QVERIFY(!reading);
    QCOMPARE(visibleWindowNames(), QStringList{QStringLiteral("frmMain")});
    QCOMPARE(main->findChild<QLineEdit*>(QStringLiteral("txtName"))->text(), QStringLiteral("ANN"));

    // Back through the menu as well.
    reading = generateReading(main);
    QVERIFY(reading && reading->isVisible());
    reading->findChild<QAction*>(QStringLiteral("mnuFileBack"))->trigger();
    flushDeletes();
    QVERIFY(!reading);
    QCOMPARE(visibleWindowNames(), QStringList{QStringLiteral("frmMain")});
    QVERIFY(findWindow<frmFarewell>() == nullptr);
    QVERIFY(services.endedWith.isEmpty());
}

void TestStartup::closingTheReportOrAboutWindowNeverEnds() {
    ScopedFakeServices services;
    frmMain* main = startProgram();
    QVERIFY(main);
    QStringList closedModals;
    // Both windows are modal: close each as soon as it is up.
    const auto closeModalSoon = [&closedModals] {
        QTimer::singleShot(0, [&closedModals] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                closedModals.append(modal->objectName());
                modal->close();
            }
        });
    };
    closeModalSoon();
    main->mnuAbout_Click();
    flushDeletes();
    QCOMPARE(visibleWindowNames(), QStringList{QStringLiteral("frmMain")});

    frmDisplay* reading = generateReading(main);
    QVERIFY(reading);
    closeModalSoon();
    reading->findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
    flushDeletes();
    QCOMPARE(closedModals, QStringList({"frmAbout", "frmSave"}));
    QCOMPARE(visibleWindowNames(), QStringList{QStringLiteral("frmDisplay")});
    QVERIFY(findWindow<frmFarewell>() == nullptr);
    QVERIFY(services.endedWith.isEmpty());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
