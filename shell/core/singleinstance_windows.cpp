#include "shell/core/singleinstance.h"
#include "shell/core/singleinstance_common.h"

#include <QDir>
#include <QStandardPaths>

#include <string>

#include <windows.h>

#include <sddl.h>

using namespace instanceLock;

namespace {

std::wstring nativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

namespace instanceLock {

QString fallbackLockFolder() {
    return QDir::tempPath(); // in the user's own profile
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

} // namespace instanceLock

SingleInstance::~SingleInstance() {
    if (m_runningMutex)
        CloseHandle(m_runningMutex);
    if (m_instanceMutex)
        CloseHandle(m_instanceMutex);
}

bool SingleInstance::isAnotherInstanceRunning() {
    if (m_firstCopy)
        return false;
    const Mutex mutex = takeInstanceMutex();
    if (mutex == Mutex::Exists)
        return true;
    // The lock file is still taken for the fallback below; another program holding it open
    // (a virus scanner, a backup) says nothing while the mutex can answer.
    if (lockHeldByAnotherCopy() && mutex == Mutex::Unavailable)
        return true;
    holdRunningMutex();
    m_firstCopy = true;
    return false;
}

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

QString SingleInstance::defaultLockPath() {
    // The user's local application data: per user and per machine, never roaming.
    const QString localData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!localData.isEmpty()) {
        const QDir folder(QDir(localData).filePath(QStringLiteral("Velmora")));
        if (folder.mkpath(QStringLiteral(".")))
            return folder.filePath(QStringLiteral("Velmora.lock"));
    }
    return userLockPath();
}
