#include "shell/core/safefile_common.h"

#include <QDir>
#include <QRandomGenerator>

#include <string>

#include <windows.h>

namespace safefile {
namespace {

const QString NamedStream = QStringLiteral("Not a file name: a colon may only follow the drive");
const QString Shortcut =
    QStringLiteral("A shortcut, which is not followed: choose the file it leads to");

// Another program may hold a file for a moment (a virus scanner, a sync client, an editor):
// what it blocks is tried again, for about this long in all, before the save gives up.
constexpr ULONGLONG PatienceMs = 2000;
constexpr DWORD PauseMs = 50;

std::wstring nativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

bool startsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.rfind(prefix, 0) == 0;
}

QString systemReason(DWORD error) {
    return qt_error_string(int(error));
}

bool isMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Win32's one normalisation: absolute, backslashes, no "." or "..", the trailing spaces and
// dots of the last name gone. Empty when there is none.
std::wstring fullPathName(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), DWORD(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(path.c_str(), DWORD(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size())
        return {};
    full.resize(length);
    return full;
}

// CON, NUL, COM1 and their kin are devices in every folder and with any extension, and paths
// in the device namespace reach devices and pipes: such a name never names a file of ours,
// and opening it could wait on a device or on a pipe's other end.
bool namesADevice(const std::wstring& path, const std::wstring& full) {
    if (startsWith(path, L"\\\\.\\") || startsWith(path, L"\\\\?\\"))
        return true;
    return full.empty() || startsWith(full, L"\\\\.\\");
}

// The one name every check and the write use. Windows would strip a trailing space or dot
// from every later use of the name but not from a "\\?\" one, which also has no length
// limit: the name is normalised once and then used only in that form, so the file checked is
// the file written, and one that Explorer can open, rename and delete.
struct ExactName {
    std::wstring path; // "\\?\C:\..." or "\\?\UNC\server\share\..."
    QString refusal;   // not empty: the name is used for nothing
};

ExactName exactName(const QString& path) {
    const std::wstring native = nativePath(path);
    if (native.find(L'\0') != std::wstring::npos)
        return {{}, systemReason(ERROR_INVALID_NAME)};
    const std::wstring full = fullPathName(native);
    if (namesADevice(native, full) || full.back() == L'\\')
        return {{}, NotRegularFile};
    const bool drive = full.size() > 2 && full[1] == L':' && full[2] == L'\\';
    if (!drive && !startsWith(full, L"\\\\"))
        return {{}, NotRegularFile};
    // Past the drive a colon names a stream inside a file, never a file of its own.
    if (full.find(L':', drive ? 2 : 0) != std::wstring::npos)
        return {{}, NamedStream};
    // The shell follows a shortcut, the file system does not: checked here and written there
    // would be two different files.
    if (QString::fromStdWString(full).endsWith(QLatin1String(".lnk"), Qt::CaseInsensitive))
        return {{}, Shortcut};
    return {drive ? L"\\\\?\\" + full : L"\\\\?\\UNC\\" + full.substr(2), {}};
}

class Handle {
public:
    explicit Handle(HANDLE handle)
        : m_handle(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    // Closes now, telling whether the close went well.
    bool close() {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return handle == INVALID_HANDLE_VALUE || CloseHandle(handle);
    }

private:
    HANDLE m_handle;
};

// Opens what is at the path, a link followed to its target and a folder included, without
// ever waiting; the caller checks on the handle what it is.
HANDLE openExisting(const std::wstring& path, DWORD access) {
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// A disk file, not a folder: anything else (a console, a pipe, a serial port) is refused.
bool isRegularFile(HANDLE handle, BY_HANDLE_FILE_INFORMATION& information) {
    return GetFileType(handle) == FILE_TYPE_DISK &&
           GetFileInformationByHandle(handle, &information) &&
           (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Nothing opened, and the reason: a link whose target is gone is no missing file.
QString openFailure(const std::wstring& path, DWORD error) {
    if (isMissing(error) && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return LinkToNothing;
    return systemReason(error);
}

bool isSharingViolation(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// What another program's open handle does to a rename or a delete: a sharing violation, or
// "access denied" while a deleted file is still open, or ReplaceFileW's own word for it.
bool isHeldOpen(DWORD error) {
    return isSharingViolation(error) || error == ERROR_ACCESS_DENIED ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Runs attempt() until it succeeds, fails for a reason other than `passing`, or the deadline
// comes; gives ERROR_SUCCESS or the last failure.
template <typename Passing, typename Attempt>
DWORD retried(ULONGLONG deadline, Passing passing, Attempt attempt) {
    for (;;) {
        if (attempt())
            return ERROR_SUCCESS;
        const DWORD error = GetLastError();
        if (!passing(error) || GetTickCount64() >= deadline)
            return error;
        Sleep(PauseMs);
    }
}

void removeFile(const std::wstring& path) {
    retried(GetTickCount64() + PatienceMs / 4, isHeldOpen,
            [&path] { return DeleteFileW(path.c_str()) || isMissing(GetLastError()); });
}

// Where a save lands: the file the name leads to, links followed, under the name it has on
// disk, so a replaced file keeps its name letter for letter whatever case was typed.
struct Destination {
    std::wstring path;
    bool exists = false;
    QString refusal; // not empty: nothing may be written
};

std::wstring finalPathOf(HANDLE file, const std::wstring& fallback) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(file, path.data(), DWORD(path.size()), 0);
    if (length >= path.size()) {
        path.resize(length);
        length = GetFinalPathNameByHandleW(file, path.data(), DWORD(path.size()), 0);
    }
    if (length == 0 || length >= path.size())
        return fallback; // a volume without a drive letter
    path.resize(length);
    return path;
}

// The right to write the file itself: its access list and its read-only mark count, not only
// its folder's leave to delete it. Opening it for writing changes nothing in it. A program
// holding it open without letting others write is waited for a moment, then respected.
DWORD writeRight(const std::wstring& file, ULONGLONG deadline) {
    return retried(deadline, isSharingViolation, [&file] {
        const HANDLE writable = CreateFileW(file.c_str(), FILE_WRITE_DATA,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (writable == INVALID_HANDLE_VALUE)
            return false;
        CloseHandle(writable);
        return true;
    });
}

Destination destinationOf(const std::wstring& name, ULONGLONG deadline) {
    if (GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return {name, false, isMissing(error) ? QString() : systemReason(error)};
    }
    // Something is there: only a regular file (or a link to one) that may be written.
    const Handle existing(openExisting(name, FILE_READ_ATTRIBUTES));
    if (!existing.valid())
        return {name, true, openFailure(name, GetLastError())};
    BY_HANDLE_FILE_INFORMATION information{};
    if (!isRegularFile(existing.get(), information))
        return {name, true, NotRegularFile};
    if (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
        return {name, true, systemReason(ERROR_ACCESS_DENIED)};
    const std::wstring file = finalPathOf(existing.get(), name);
    const DWORD refused = writeRight(file, deadline);
    if (refused != ERROR_SUCCESS)
        return {file, true, systemReason(refused)};
    return {file, true, {}};
}

// A name beside the target, unused when chosen; the same stem for the temporary file and
// the old file's brief backup.
std::wstring besideName(const std::wstring& target) {
    const std::size_t slash = target.rfind(L'\\');
    // Kept under the usual longest name, whatever the target's name.
    return target.substr(0, slash + 1) + L'.' + target.substr(slash + 1, 200) + L'.' +
           QString::number(QRandomGenerator::system()->generate(), 36).toStdWString();
}

// A new file beside the target, made by us alone: never an existing file.
HANDLE createTemporary(const std::wstring& target, std::wstring& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = besideName(target);
        const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

std::wstring unusedBackupName(const std::wstring& target) {
    std::wstring backup = besideName(target);
    for (int attempt = 0;
         attempt < 100 && GetFileAttributesW(backup.c_str()) != INVALID_FILE_ATTRIBUTES; ++attempt)
        backup = besideName(target);
    return backup;
}

bool writeAll(HANDLE file, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        DWORD chunk = 0;
        const DWORD wanted = DWORD(qMin<qsizetype>(bytes.size() - written, 1 << 20));
        if (!WriteFile(file, bytes.constData() + written, wanted, &chunk, nullptr))
            return false;
        if (chunk == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        written += chunk;
    }
    return true;
}

// ReplaceFileW keeps the old file's access list, attributes, alternate streams, creation time
// and short name (where this user may carry them over; the content is saved anyway). With a
// backup name every documented failure leaves the old file whole under a known name: both
// files keep their names, or (UNABLE_TO_MOVE_REPLACEMENT_2) the old one sits under the backup
// name and is put back. Where ReplaceFileW cannot apply (a file system without it) a plain
// move replaces the file.
DWORD replaceExisting(const std::wstring& target, const std::wstring& temporary,
                      ULONGLONG deadline) {
    const std::wstring backup = unusedBackupName(target);
    DWORD error = retried(deadline, isHeldOpen, [&] {
        return ReplaceFileW(target.c_str(), temporary.c_str(), backup.c_str(),
                            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    });
    if (error == ERROR_SUCCESS) {
        removeFile(backup);
        return error;
    }
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
            removeFile(backup);
            return ERROR_SUCCESS;
        }
        error = GetLastError();
        MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
        return error;
    }
    if (isHeldOpen(error))
        return error;
    return retried(deadline, isHeldOpen, [&] {
        return MoveFileExW(temporary.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    });
}

WriteResult writeReplacing(const Destination& destination, const QByteArray& bytes,
                           ULONGLONG deadline) {
    std::wstring temporary;
    Handle file(createTemporary(destination.path, temporary));
    if (!file.valid())
        return notWritten(systemReason(GetLastError()));
    const auto discard = [&](DWORD cause) {
        file.close();
        removeFile(temporary);
        return notWritten(systemReason(cause));
    };
    if (!writeAll(file.get(), bytes) || !FlushFileBuffers(file.get()) || !file.close())
        return discard(GetLastError());
    // A new file never replaces one that appeared meanwhile: the user chose a free name.
    const DWORD error = destination.exists
                            ? replaceExisting(destination.path, temporary, deadline)
                            : retried(deadline, isSharingViolation, [&] {
                                  return MoveFileExW(temporary.c_str(), destination.path.c_str(),
                                                     MOVEFILE_WRITE_THROUGH);
                              });
    if (error != ERROR_SUCCESS)
        return discard(error);
    return {true, {}};
}

} // namespace

ReadResult readRegularFile(const QString& path, qint64 limit) {
    const ExactName name = exactName(path);
    if (!name.refusal.isEmpty())
        return refusedRead(name.refusal);
    const Handle file(openExisting(name.path, GENERIC_READ));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        const QString reason = openFailure(name.path, error);
        if (isMissing(error) && reason != LinkToNothing)
            return {ReadStatus::Missing, {}, {}};
        return refusedRead(reason);
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!isRegularFile(file.get(), information))
        return refusedRead(NotRegularFile);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return refusedRead(systemReason(GetLastError()));
    if (size.QuadPart > limit)
        return refusedRead(TooLarge);
    return readUpTo(limit, [&file](char* buffer, qint64 wanted, QString& failure) -> qint64 {
        DWORD chunk = 0;
        if (!ReadFile(file.get(), buffer, DWORD(qMin<qint64>(wanted, 1 << 20)), &chunk, nullptr)) {
            failure = systemReason(GetLastError());
            return -1;
        }
        return chunk;
    });
}

WriteResult replaceFile(const QString& path, const QByteArray& bytes) {
    const ULONGLONG deadline = GetTickCount64() + PatienceMs;
    const ExactName name = exactName(path);
    if (!name.refusal.isEmpty())
        return notWritten(name.refusal);
    const Destination destination = destinationOf(name.path, deadline);
    if (!destination.refusal.isEmpty())
        return notWritten(destination.refusal);
    return writeReplacing(destination, bytes, deadline);
}

void surviveFileSizeLimits() {
}

} // namespace safefile
