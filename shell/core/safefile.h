#pragma once
// The one way the program reads and writes its files (the reading file and the settings
// store), whatever the file system holds: another user's links, pipes, devices, huge files, a
// full disk, a file-size limit. Each platform has its own side (safefile_posix.cpp,
// safefile_windows.cpp); every side keeps the promises written here.

#include <QByteArray>
#include <QString>

namespace safefile {

enum class ReadStatus {
    Read,    // bytes holds the whole file
    Missing, // nothing at all is at the path (a link to nothing is not missing: it is refused)
    Refused, // anything else; reason says why
};

struct ReadResult {
    ReadStatus status = ReadStatus::Refused;
    QByteArray bytes;
    QString reason;
};

// Reads a regular file, or a link to one, of at most `limit` bytes. Never blocks and never
// reads from anything else: a pipe, a device, a socket or a folder is refused without waiting
// for a writer and without a byte read. Type and size are checked on the open handle, so
// nothing put in the file's place after a check is read; a file that grows past `limit` while
// it is read is refused too.
ReadResult readRegularFile(const QString& path, qint64 limit);

struct WriteResult {
    bool written = false;
    QString reason; // the system's words, or ours for a refusal, when not written
};

// Puts exactly `bytes` in the file at `path`, whole or not at all: the new content goes to a
// temporary file in the target's folder and takes the target's place in one step. On any
// failure (no space, a file-size limit, a folder that cannot be written) the old file stays
// byte for byte and no temporary file is left behind.
// Only a regular file is ever replaced, and a new file is only made where nothing is. A link
// is followed only to an existing regular file; a link in a folder that everyone may write to
// but only owners delete from (sticky and world-writable, like the temporary folder) is
// followed only when it belongs to this user or to the folder's owner. A followed link stays
// in place and its target takes the new content. A file this user may not write is not
// replaced even where its folder would allow it. A replaced file keeps its permissions; a new
// one gets this user's usual ones.
// On Windows both functions use the name as Windows normalises it (trailing spaces and dots of
// the last name dropped), in that one form for every check and the write, at any length; a
// shortcut (.lnk) or a name with a stream is refused, as a device is. A replaced file keeps
// its access list and the name it has on disk; a file another program holds open is tried
// again for about two seconds.
WriteResult replaceFile(const QString& path, const QByteArray& bytes);

// Makes a write past a file-size limit fail ("File too large") instead of ending the process.
// Called first thing in main(); does nothing where there are no such limits.
void surviveFileSizeLimits();

} // namespace safefile
