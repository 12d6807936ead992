#pragma once
// One running copy per user: the first copy holds a lock for as long as it runs. A lock left
// behind by a copy that crashed or was killed is taken over. Only a running copy makes the
// program say so: a lock that is broken (a folder in its place, a leftover that cannot be read
// or removed, a folder that cannot be written) is taken over where it can be, and otherwise
// the lock moves to a second path for the run.
//
// On Windows a running copy is known by its named mutex, which Windows drops with the process;
// the lock file there only decides when the mutex cannot be made at all. Every running copy
// also holds the machine-wide mutex RunningMutexName, which the installer and the uninstaller
// look for before they change the program's files.

#include <QLockFile>
#include <QString>

#include <memory>

class SingleInstance {
public:
    explicit SingleInstance(const QString& lockFilePath = defaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock unless a live copy holds it.
    bool isAnotherInstanceRunning();

    // Velmora's folder in the user's local application data on Windows; elsewhere the per-user
    // runtime folder. Failing those, the temporary folder with the user's name in the file.
    static QString defaultLockPath();

#ifdef Q_OS_WIN
    // In the global namespace, so that an installer run in another session (another user's, or
    // an administrator's) sees it too; any user may open it, only to wait on it.
    static constexpr const wchar_t* RunningMutexName = L"Global\\Velmora.Running";
#endif

private:
    bool lockHeldByAnotherCopy();
    enum class Lock { Taken, HeldByAnotherCopy, Unusable };
    Lock lockAt(const QString& path);

#ifdef Q_OS_WIN
    enum class Mutex { Created, Exists, Unavailable };
    Mutex takeInstanceMutex();
    void holdRunningMutex();
    Qt::HANDLE m_instanceMutex = nullptr;
    Qt::HANDLE m_runningMutex = nullptr;
#endif
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
    bool m_firstCopy = false;
};
