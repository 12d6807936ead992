#include "shell/core/singleinstance.h"
#include "shell/core/singleinstance_common.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <csignal>

namespace instanceLock {

QString fallbackLockFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::tempPath();
    return folder;
}

// A copy writes its details into its lock right after making it, so details that still cannot
// be read a moment later belong to no copy. QLockFile has already taken over the lock of a copy
// that is gone wherever it could remove it; a lock it could not remove may still name one.
bool heldByLiveCopy(const QLockFile& lock) {
    if (QFileInfo(lock.fileName()).isDir())
        return false;
    qint64 pid = 0;
    QString host;
    QElapsedTimer waited;
    waited.start();
    while (!lock.getLockInfo(&pid, &host, nullptr)) {
        if (waited.hasExpired(100))
            return false;
        QThread::msleep(5);
    }
    return host != QSysInfo::machineHostName() || ::kill(static_cast<pid_t>(pid), 0) == 0 ||
           errno == EPERM;
}

bool removeBrokenLock(const QString& path) {
    return QFileInfo(path).isDir() ? QDir().rmdir(path) : QFile::remove(path);
}

} // namespace instanceLock

SingleInstance::~SingleInstance() = default;

bool SingleInstance::isAnotherInstanceRunning() {
    if (m_firstCopy)
        return false;
    if (lockHeldByAnotherCopy())
        return true;
    m_firstCopy = true;
    return false;
}

QString SingleInstance::defaultLockPath() {
    return instanceLock::userLockPath();
}
