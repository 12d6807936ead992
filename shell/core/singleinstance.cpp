#include "shell/core/singleinstance.h"
#include "shell/core/singleinstance_common.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace instanceLock {

// Windows compares paths without regard to case.
QByteArray pathKey(const QString& lockPath) {
    QString path = QFileInfo(lockPath).absoluteFilePath();
#ifdef Q_OS_WIN
    path = path.toCaseFolded();
#endif
    return QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
}

QString userLockPath() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return QDir(runtime).filePath(QStringLiteral("Velmora.lock"));
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    user.remove(QLatin1Char('/')).remove(QLatin1Char('\\'));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("Velmora-%1.lock").arg(user));
}

} // namespace instanceLock

using namespace instanceLock;

namespace {

// Per user, and the same for every copy, so that copies that cannot lock the first path meet
// at this one.
QString fallbackLockPath(const QString& lockPath) {
    return QDir(fallbackLockFolder())
        .filePath(QStringLiteral("Velmora-%1.lock").arg(QLatin1String(pathKey(lockPath))));
}

} // namespace

SingleInstance::SingleInstance(const QString& lockFilePath)
    : m_lockPath(lockFilePath) {
}

// Copies that cannot lock the first path go on to the second; where neither holds a lock this
// copy runs without one rather than shut the user out.
bool SingleInstance::lockHeldByAnotherCopy() {
    Lock lock = lockAt(m_lockPath);
    if (lock == Lock::Unusable)
        lock = lockAt(fallbackLockPath(m_lockPath));
    if (lock == Lock::Unusable)
        m_lock.reset();
    return lock == Lock::HeldByAnotherCopy;
}

SingleInstance::Lock SingleInstance::lockAt(const QString& path) {
    m_lock = std::make_unique<QLockFile>(path);
    // The lock is held for the whole run: only a vanished holder makes it stale, never its age.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Lock::Taken;
    if (m_lock->error() != QLockFile::LockFailedError)
        return Lock::Unusable;
    // Two copies taking over the same broken lock at once must not both remove it: the second
    // would remove the first one's new lock. Under the guard, the first one's lock is a live one.
    QLockFile guard(path + QStringLiteral(".rmlock"));
    if (!guard.tryLock(1000))
        return heldByLiveCopy(*m_lock) ? Lock::HeldByAnotherCopy : Lock::Unusable;
    if (m_lock->tryLock(0))
        return Lock::Taken;
    if (m_lock->error() != QLockFile::LockFailedError)
        return Lock::Unusable;
    if (heldByLiveCopy(*m_lock))
        return Lock::HeldByAnotherCopy;
    return removeBrokenLock(path) && m_lock->tryLock(0) ? Lock::Taken : Lock::Unusable;
}
