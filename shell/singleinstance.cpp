#include "shell/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& lockFilePath)
    : m_lock(lockFilePath) {
    // The lock is held for the whole run: only a vanished holder makes it stale, never its age.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::isAnotherInstanceRunning() {
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return false;
#ifdef Q_OS_WIN
    // A running copy keeps its lock file open, and Windows refuses to delete an open file. One
    // that can be deleted is left over from a copy that is gone, even when the process number
    // written in it now belongs to another copy (Wine hands out the same numbers every session).
    if (m_lock.error() == QLockFile::LockFailedError && QFile::remove(m_lock.fileName()))
        return !m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError;
#endif
    return m_lock.error() == QLockFile::LockFailedError;
}

QString SingleInstance::defaultLockPath() {
#ifdef Q_OS_WIN
    // The user's local application data: per user and per machine, never roaming.
    const QString localData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!localData.isEmpty()) {
        const QDir folder(QDir(localData).filePath(QStringLiteral("Velmora")));
        if (folder.mkpath(QStringLiteral(".")))
            return folder.filePath(QStringLiteral("Velmora.lock"));
    }
#endif
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return QDir(runtime).filePath(QStringLiteral("Velmora.lock"));
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    user.remove(QLatin1Char('/')).remove(QLatin1Char('\\'));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("Velmora-%1.lock").arg(user));
}
