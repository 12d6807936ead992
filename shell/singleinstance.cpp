#include "shell/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <string>

#include <windows.h>

#include <sddl.h>
#else
#include <QElapsedTimer>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#endif

namespace {

// Windows compares paths without regard to case.
QByteArray pathKey(const QString& lockPath) {
    QString path = QFileInfo(lockPath).absoluteFilePath();
#ifdef Q_OS_WIN
    path = path.toCaseFolded();
#endif
    return QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
}

// Per user, and the same for every copy, so that copies that cannot lock the first path meet
// at this one.
QString fallbackLockPath(const QString& lockPath) {
#ifdef Q_OS_WIN
    const QString folder = QDir::tempPath(); // in the user's own profile
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::tempPath();
#endif
    return QDir(folder).filePath(
        QStringLiteral("Velmora-%1.lock").arg(QLatin1String(pathKey(lockPath))));
}

#ifdef Q_OS_WIN
std::wstring nativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// A running copy keeps its lock file open for writing and lets nobody else write to it. A read-only
// leftover or a folder refuses writing with another error.
bool heldByLiveCopy(const QLockFile& lock) {
    const HANDLE file = CreateFileW(nativePath(lock.fileName()).c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

bool removeBrokenLock(const QString& path) {
    const std::wstring native = nativePath(path);
    const DWORD attributes = GetFileAttributesW(native.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return RemoveDirectoryW(native.c_str()) != 0;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(native.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    return DeleteFileW(native.c_str()) != 0;
}
#else
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
#endif

} // namespace

SingleInstance::SingleInstance(const QString& lockFilePath)
    : m_lockPath(lockFilePath) {
}

SingleInstance::~SingleInstance() {
#ifdef Q_OS_WIN
    if (m_runningMutex)
        CloseHandle(m_runningMutex);
    if (m_instanceMutex)
        CloseHandle(m_instanceMutex);
#endif
}

bool SingleInstance::isAnotherInstanceRunning() {
    if (m_firstCopy)
        return false;
#ifdef Q_OS_WIN
    const Mutex mutex = takeInstanceMutex();
    if (mutex == Mutex::Exists)
        return true;
    // The lock file is still taken for the fallback below; another program holding it open
    // (a virus scanner, a backup) says nothing while the mutex can answer.
    if (lockHeldByAnotherCopy() && mutex == Mutex::Unavailable)
        return true;
    holdRunningMutex();
#else
    if (lockHeldByAnotherCopy())
        return true;
#endif
    m_firstCopy = true;
    return false;
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

#ifdef Q_OS_WIN
// Named after the lock path, which is the user's own, and global, so that the user's copies in
// every session count, as they do for the lock file.
SingleInstance::Mutex SingleInstance::takeInstanceMutex() {
    if (m_instanceMutex)
        return Mutex::Created;
    const std::wstring name =
        L"Global\\Velmora.Instance." + QString::fromLatin1(pathKey(m_lockPath)).toStdWString();
    m_instanceMutex = CreateMutexW(nullptr, FALSE, name.c_str());
    const DWORD error = GetLastError();
    if (m_instanceMutex && error == ERROR_ALREADY_EXISTS) {
        CloseHandle(m_instanceMutex);
        m_instanceMutex = nullptr;
        return Mutex::Exists;
    }
    // Unavailable: the name is taken by something this user may not open.
    return m_instanceMutex ? Mutex::Created : Mutex::Unavailable;
}

// Every copy opens the same mutex, so it lasts while any copy runs. Anyone may wait on it, which
// lets another user's copy join it; nobody but its maker gets more.
void SingleInstance::holdRunningMutex() {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:(A;;0x00100000;;;WD)", SDDL_REVISION_1, &descriptor, nullptr))
        descriptor = nullptr;
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), descriptor, FALSE};
    m_runningMutex =
        CreateMutexExW(descriptor ? &attributes : nullptr, RunningMutexName, 0, SYNCHRONIZE);
    if (descriptor)
        LocalFree(descriptor);
}
#endif

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
