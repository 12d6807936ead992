#pragma once
// What the single-instance lock's common part and its platform sides ask of each other.

#include <QByteArray>
#include <QLockFile>
#include <QString>

namespace instanceLock {

// A short key for the lock path, for the names made from it: the second lock, the mutex.
QByteArray pathKey(const QString& lockPath);

// Where copies that cannot lock the first path meet.
QString fallbackLockFolder();

bool heldByLiveCopy(const QLockFile& lock);
bool removeBrokenLock(const QString& path);

// The per-user runtime folder's lock; failing that, the temporary folder's with the user's name.
QString userLockPath();

} // namespace instanceLock
