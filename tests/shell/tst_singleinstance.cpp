// One copy per user, checked against real second processes.

#include "shell/core/singleinstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Another process holding (or trying to hold) the lock until it is told to go.
class LockHolder {
public:
    explicit LockHolder(const QString& lockPath) {
        m_process.start(QStringLiteral(LOCKHOLDER_PATH), {lockPath});
    }
    ~LockHolder() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    // "held" or "busy"; empty when the process did not answer.
    QString answer() {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(10000))
                return {};
        }
        return QString::fromLatin1(m_process.readLine()).trimmed();
    }
    bool finish() {
        m_process.closeWriteChannel();
        return m_process.waitForFinished(10000) && m_process.exitCode() == 0;
    }
    bool kill() {
        m_process.kill();
        return m_process.waitForFinished(10000);
    }

private:
    QProcess m_process;
};

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void init();

    void firstCopyRuns();
    void copyInAnotherProcessIsDetected();
    void longRunningCopyIsStillDetected();
    void secondProcessIsTurnedAway();
    void lockOfAKilledCopyDoesNotBlock();
    void brokenLockDoesNotBlock_data();
    void brokenLockDoesNotBlock();
    void leftOverLockNamingThisProcessDoesNotBlock();

private:
    QTemporaryDir m_folder;
    QString m_lockPath;
};

void TestSingleInstance::init() {
    QVERIFY(m_folder.isValid());
    m_lockPath = m_folder.filePath(QStringLiteral("Velmora.lock"));
    QFile::remove(m_lockPath);
    QDir(m_lockPath).removeRecursively();
}

void TestSingleInstance::firstCopyRuns() {
    SingleInstance instance(m_lockPath);
    QVERIFY(!instance.isAnotherInstanceRunning());
    QVERIFY(QFile::exists(m_lockPath));
    // Asking again does not mistake the lock for somebody else's.
    QVERIFY(!instance.isAnotherInstanceRunning());
}

void TestSingleInstance::copyInAnotherProcessIsDetected() {
    LockHolder other(m_lockPath);
    QCOMPARE(other.answer(), QStringLiteral("held"));
    SingleInstance instance(m_lockPath);
    QVERIFY(instance.isAnotherInstanceRunning());
    QVERIFY(other.finish());
}

void TestSingleInstance::longRunningCopyIsStillDetected() {
#ifdef Q_OS_WIN
    QSKIP("Windows keeps a held lock file closed to every other process: nobody can age it");
#endif
    LockHolder other(m_lockPath);
    QCOMPARE(other.answer(), QStringLiteral("held"));
    // A copy that has been running for hours: the lock's age alone must not make it stale.
    QFile lock(m_lockPath);
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600),
                             QFileDevice::FileModificationTime));
    lock.close();

    SingleInstance instance(m_lockPath);
    QVERIFY(instance.isAnotherInstanceRunning());
    QVERIFY(other.finish());
}

void TestSingleInstance::secondProcessIsTurnedAway() {
    SingleInstance instance(m_lockPath);
    QVERIFY(!instance.isAnotherInstanceRunning());
    LockHolder second(m_lockPath);
    QCOMPARE(second.answer(), QStringLiteral("busy"));
    QVERIFY(second.finish());
    // The first copy still holds its lock.
    LockHolder third(m_lockPath);
    QCOMPARE(third.answer(), QStringLiteral("busy"));
}

void TestSingleInstance::lockOfAKilledCopyDoesNotBlock() {
    {
        LockHolder killed(m_lockPath);
        QCOMPARE(killed.answer(), QStringLiteral("held"));
        QVERIFY(killed.kill());
    }
    QVERIFY(QFile::exists(m_lockPath)); // left behind
    SingleInstance instance(m_lockPath);
    QVERIFY(!instance.isAnotherInstanceRunning());
    LockHolder next(m_lockPath);
    QCOMPARE(next.answer(), QStringLiteral("busy"));
}

void TestSingleInstance::brokenLockDoesNotBlock_data() {
    QTest::addColumn<QString>("broken");
    QTest::newRow("a file where the lock's folder should be") << "file for folder";
    QTest::newRow("a folder at the lock path") << "folder";
    QTest::newRow("a read-only lock left by a killed copy") << "read-only leftover";
    QTest::newRow("an empty lock left by a copy killed as it made it") << "empty leftover";
    // Root writes there all the same: the lock is then taken where it always is.
    QTest::newRow("a folder that cannot be written") << "unwritable folder";
}

// Nothing runs: the program starts, and its lock, wherever it went, still turns a second copy
// away and does not outlive it.
void TestSingleInstance::brokenLockDoesNotBlock() {
    QFETCH(QString, broken);
    QString lockPath = m_lockPath;
    const auto restore = qScopeGuard([this] {
        QFile::setPermissions(m_folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (broken == QLatin1String("file for folder")) {
        QFile file(m_folder.filePath(QStringLiteral("blocker")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        lockPath = file.fileName() + QStringLiteral("/Velmora.lock");
    } else if (broken == QLatin1String("folder")) {
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("Velmora.lock/inside")));
    } else if (broken == QLatin1String("read-only leftover")) {
        LockHolder killed(m_lockPath);
        QCOMPARE(killed.answer(), QStringLiteral("held"));
        QVERIFY(killed.kill());
        QVERIFY(QFile::setPermissions(m_lockPath, QFile::ReadOwner | QFile::ReadOther));
    } else if (broken == QLatin1String("empty leftover")) {
        QFile empty(m_lockPath);
        QVERIFY(empty.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    }
    {
        SingleInstance instance(lockPath);
        QVERIFY(!instance.isAnotherInstanceRunning());
        LockHolder second(lockPath);
        QCOMPARE(second.answer(), QStringLiteral("busy"));
        QVERIFY(second.finish());
    }
    LockHolder next(lockPath);
    QCOMPARE(next.answer(), QStringLiteral("held"));
    QVERIFY(next.finish());
}

// A copy that was killed left its lock, and its process number now belongs to this copy: on
// Windows, and every time under Wine, whose numbers start again with each session.
void TestSingleInstance::leftOverLockNamingThisProcessDoesNotBlock() {
#ifndef Q_OS_WIN
    QSKIP("elsewhere a lock that outlives its copy lives in a folder emptied at boot");
#endif
    QFile left(m_lockPath);
    QVERIFY(left.open(QIODevice::WriteOnly));
    left.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
               QCoreApplication::applicationName().toUtf8() + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n');
    left.close();
    SingleInstance instance(m_lockPath);
    QVERIFY(!instance.isAnotherInstanceRunning());
    LockHolder next(m_lockPath);
    QCOMPARE(next.answer(), QStringLiteral("busy"));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
