#include "shell/filedialog.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

#include <string>
#include <vector>

#include <windows.h>

#include <commdlg.h>

namespace platform {
namespace {

// Room for the longest path Windows knows, with its terminating null.
constexpr DWORD MaxPathLength = 32768;

std::wstring wide(const QString& text) {
    return text.toStdWString();
}

// "Velmora | *.run" as Windows wants it: description, pattern, each ending in a null, and one
// more null at the end. The description is kept as written, spaces included.
std::wstring windowsFilter(const QString& filter) {
    const QString description = filter.section(u'|', 0, 0);
    const std::wstring pattern = wide(splitFilter(filter).pattern);
    std::wstring result = wide(description);
    result.push_back(L'\0');
    result += pattern;
    result.push_back(L'\0');
    result.push_back(L'\0');
    return result;
}

// The flags of the reading file's dialogs, in Windows' terms: the save dialog asks before
// replacing, wants an existing folder and refuses read-only files; the open dialog wants an
// existing file and refuses read-only files; neither shows the read-only check box. The
// current folder stays as it was, whatever folder the user browsed to.
DWORD dialogFlags(FileDialogKind kind) {
    const DWORD common = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOREADONLYRETURN | OFN_NOCHANGEDIR;
    if (kind == FileDialogKind::Save)
        return common | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    return common | OFN_FILEMUSTEXIST;
}

HWND ownerOf(QWidget* parent) {
    QWidget* window = parent ? parent->window() : nullptr;
    return window ? reinterpret_cast<HWND>(window->winId()) : nullptr;
}

// One run of Windows' own dialog: the chosen path, or an empty text when cancelled.
QString showWindowsDialog(QWidget* parent, const FileDialogRequest& request, FileDialogKind kind,
                          const QString& initialPath) {
    const std::wstring filter = windowsFilter(request.filter);
    const std::wstring title = wide(request.title);
    const std::wstring defaultExtension = wide(request.defaultSuffix);
    std::vector<wchar_t> path(MaxPathLength, L'\0');
    const std::wstring initial = wide(initialPath);
    if (initial.size() < path.size())
        std::copy(initial.begin(), initial.end(), path.begin());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ownerOf(parent);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = MaxPathLength;
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    dialog.Flags = dialogFlags(kind);
    const BOOL chosen =
        kind == FileDialogKind::Save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen)
        return {};
    return QString::fromWCharArray(path.data());
}

} // namespace

// Windows itself refuses, in its own words, what the flags say. Where a dialog lets a file
// through that its flags refuse (Wine's does not honour every flag), the same refusal is
// shown and the dialog comes again, as if it had stayed open.
QString runReadingFileDialog(QWidget* parent, const FileDialogRequest& request,
                             FileDialogKind kind) {
    QString initialPath;
    for (;;) {
        const QString path = showWindowsDialog(parent, request, kind, initialPath);
        if (path.isEmpty())
            return {};
        const QFileInfo chosen(path);
        const QString refusal = refusalMessage(refusalOf(chosen, kind), chosen);
        if (refusal.isEmpty())
            return path;
        QMessageBox::warning(parent, request.title, refusal);
        initialPath = path;
    }
}

} // namespace platform
