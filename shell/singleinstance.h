#pragma once
// One running copy per user: the first copy holds a lock file for as long as it runs. A lock
// left behind by a copy that crashed or was killed counts as stale and is taken over.

#include <QLockFile>
#include <QString>

class SingleInstance {
public:
    explicit SingleInstance(const QString& lockFilePath = defaultLockPath());
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock unless a live process holds it. A lock that cannot be made at all (no
    // writable folder) says nothing about other copies, so it does not count as one.
    bool isAnotherInstanceRunning();

    // Velmora's folder in the user's local application data on Windows; elsewhere the per-user
    // runtime folder. Failing those, the temporary folder with the user's name in the file.
    static QString defaultLockPath();

private:
    QLockFile m_lock;
};
