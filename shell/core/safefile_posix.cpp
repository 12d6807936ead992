#include "shell/core/safefile_common.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safefile {
namespace {

const QString OtherUsersLink = QStringLiteral("Link owned by another user in a shared folder");

// Names and paths are bytes to the system; working on them as bytes keeps any name exact.
using NativePath = QByteArray;

QString systemReason(int error) {
    return qt_error_string(error);
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now, telling whether the close reported an error (a late write failure).
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

NativePath folderOf(const NativePath& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? NativePath("/") : path.left(slash);
}

NativePath nameOf(const NativePath& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

NativePath absoluteNativePath(const QString& path) {
    return QFile::encodeName(QFileInfo(path).absoluteFilePath());
}

ReadResult readWhole(int fd, qint64 limit) {
    return readUpTo(limit, [fd](char* buffer, qint64 wanted, QString& failure) -> qint64 {
        for (;;) {
            const ssize_t chunk = ::read(fd, buffer, size_t(wanted));
            if (chunk >= 0)
                return chunk;
            if (errno != EINTR) {
                failure = systemReason(errno);
                return -1;
            }
        }
    });
}

// The kernel's rule for links in sticky, world-writable folders, applied whether or not the
// system has switched it on: others may plant links there, but not in the owner's name.
bool mayFollow(const struct stat& link, const NativePath& folder) {
    if (link.st_uid == ::geteuid())
        return true;
    struct stat status {};
    if (::stat(folder.constData(), &status) != 0)
        return false;
    const bool shared = (status.st_mode & S_ISVTX) != 0 && (status.st_mode & S_IWOTH) != 0;
    return !shared || status.st_uid == link.st_uid;
}

struct Target {
    NativePath path;
    bool exists = false;
    struct stat status {};
    QString refusal; // not empty: nothing may be written
};

// Where a save to `path` lands: the path itself, or what the links there lead to.
Target resolveTarget(const NativePath& path) {
    constexpr int MostLinks = 40; // as many as the kernel follows
    Target target;
    target.path = path;
    for (int links = 0;; ++links) {
        if (::lstat(target.path.constData(), &target.status) != 0) {
            const int error = errno;
            if (error == ENOENT && links > 0)
                target.refusal = LinkToNothing;
            else if (error != ENOENT)
                target.refusal = systemReason(error);
            return target; // nothing there yet: a new file, if its folder takes one
        }
        if (S_ISREG(target.status.st_mode)) {
            target.exists = true;
            return target;
        }
        if (!S_ISLNK(target.status.st_mode)) {
            target.refusal = NotRegularFile;
            return target;
        }
        const NativePath folder = folderOf(target.path);
        if (links == MostLinks) {
            target.refusal = systemReason(ELOOP);
            return target;
        }
        if (!mayFollow(target.status, folder)) {
            target.refusal = OtherUsersLink;
            return target;
        }
        NativePath next(PATH_MAX, Qt::Uninitialized);
        const ssize_t length =
            ::readlink(target.path.constData(), next.data(), size_t(next.size()));
        if (length < 0 || length >= next.size()) {
            target.refusal = systemReason(length < 0 ? errno : ENAMETOOLONG);
            return target;
        }
        next.truncate(length);
        target.path = next.startsWith('/') ? next : folder + '/' + next;
    }
}

bool writeAll(int fd, const QByteArray& bytes, int& error) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t chunk =
            ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (chunk < 0 && errno == EINTR)
            continue;
        if (chunk <= 0) {
            error = chunk < 0 ? errno : EIO;
            return false;
        }
        written += chunk;
    }
    return true;
}

// A new file beside the target, made by us alone: never an existing file, never through a link.
int createTemporary(const NativePath& target, NativePath& temporary, int& error) {
    // Kept under the usual longest name, whatever the target's name.
    const NativePath stem = folderOf(target) + "/." + nameOf(target).left(200) + '.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = stem + NativePath::number(QRandomGenerator::system()->generate(), 36);
        const int fd = ::open(temporary.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            error = errno;
            return fd;
        }
    }
    error = EEXIST;
    return -1;
}

// The replaced file's owner and permissions carry over where this user may set them; the
// content is saved even where they cannot.
bool keepAttributes(int fd, const struct stat& old) {
    const bool owner = (old.st_uid == ::geteuid() && old.st_gid == ::getegid()) ||
                       ::fchown(fd, old.st_uid, old.st_gid) == 0;
    return ::fchmod(fd, old.st_mode & 0777) == 0 && owner;
}

WriteResult writeReplacing(const Target& target, const QByteArray& bytes) {
    if (target.exists && ::faccessat(AT_FDCWD, target.path.constData(), W_OK, AT_EACCESS) != 0)
        return notWritten(systemReason(errno));
    NativePath temporary;
    int error = 0;
    Descriptor file(createTemporary(target.path, temporary, error));
    if (file.get() < 0)
        return notWritten(systemReason(error));
    const auto discard = [&temporary](int cause) {
        ::unlink(temporary.constData());
        return notWritten(systemReason(cause));
    };
    if (!writeAll(file.get(), bytes, error))
        return discard(error);
    if (::fdatasync(file.get()) != 0)
        return discard(errno);
    if (target.exists)
        keepAttributes(file.get(), target.status);
    if (!file.close())
        return discard(errno);
    if (::rename(temporary.constData(), target.path.constData()) != 0)
        return discard(errno);
    return {true, {}};
}

} // namespace

ReadResult readRegularFile(const QString& path, qint64 limit) {
    const NativePath name = QFile::encodeName(path);
    // Looked at before opening: opening some devices does something by itself.
    struct stat status {};
    if (::stat(name.constData(), &status) != 0) {
        const int error = errno;
        struct stat link {};
        if (error == ENOENT && ::lstat(name.constData(), &link) != 0)
            return {ReadStatus::Missing, {}, systemReason(error)};
        return refusedRead(error == ENOENT ? LinkToNothing : systemReason(error));
    }
    if (!S_ISREG(status.st_mode))
        return refusedRead(NotRegularFile);
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return refusedRead(systemReason(errno));
    // Checked again on the handle: the path may name something else by now.
    if (::fstat(file.get(), &status) != 0)
        return refusedRead(systemReason(errno));
    if (!S_ISREG(status.st_mode))
        return refusedRead(NotRegularFile);
    if (status.st_size > limit)
        return refusedRead(TooLarge);
    return readWhole(file.get(), limit);
}

WriteResult replaceFile(const QString& path, const QByteArray& bytes) {
    const Target target = resolveTarget(absoluteNativePath(path));
    if (!target.refusal.isEmpty())
        return notWritten(target.refusal);
    return writeReplacing(target, bytes);
}

void surviveFileSizeLimits() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace safefile
