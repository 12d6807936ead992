#pragma once
// Platform services: every place where the program touches the outside world (message
// boxes, the browser, file and printer dialogs, the clipboard, the clock, the end of the
// process, the desktop's high-contrast setting) goes through this one interface. Windows never
// call QMessageBox, QFileDialog or QDesktopServices themselves, so tests can swap in the
// recording fake.

#include <QColor>
#include <QDate>
#include <QObject>
#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace platform {

enum class Icon { None, Information, Critical };

struct FileDialogRequest {
    QString title;
    QString filter;        // one description and one pattern: "Velmora (*.run)|*.run"
    QString defaultSuffix; // the files' extension, for a name typed without one
};

struct PrintRequest {
    bool selectionChosen = false; // the dialog opens on Selection instead of All
};

// The colours the desktop gives while the user has asked for high contrast; each text colour
// reads on the ground it is paired with.
struct ContrastColours {
    QColor window; // the ground of windows, panels and boxes
    QColor windowText;
    QColor buttonFace;
    QColor buttonText;
    QColor link;      // on the window colour
    QColor highlight; // selected text's ground
    QColor highlightedText;
    QColor greyText; // what cannot be used at the moment
    bool operator==(const ContrastColours&) const = default;
};

class Services {
public:
    virtual ~Services() = default;

    // Modal box with the caption "Velmora" and an OK button.
    virtual void showMessage(QWidget* parent, const QString& text, Icon icon) = 0;
    // Modal Yes/No question, Yes being the default; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, Icon icon) = 0;
    // Hands the address to the default browser and returns at once.
    virtual void openAddress(const QString& address) = 0;
    // An existing file that is not read-only, or an empty text when cancelled. A name typed
    // without an extension is taken as it stands if that file exists, else with the extension.
    virtual QString chooseFileToOpen(QWidget* parent, const FileDialogRequest& request) = 0;
    // A file in an existing folder, not read-only, the extension added to a name typed without
    // one; asks before replacing an existing file; an empty text when cancelled.
    virtual QString chooseFileToSave(QWidget* parent, const FileDialogRequest& request) = 0;
    // Page ranges disabled; false when cancelled. On acceptance the printer is set up.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer, const PrintRequest& request) = 0;
    virtual void clearClipboard() = 0;
    virtual QDate today() = 0;
    virtual void endProcess(int exitCode) = 0;
    // The desktop's high-contrast colours while high contrast is on; nothing while it is off or
    // not yet known. Never waits for the desktop: a late answer, like every later switch, is
    // announced by contrastChanges().
    virtual std::optional<ContrastColours> highContrast() = 0;
};

// Announces that the desktop switched high contrast on or off, or gave it other colours.
class ContrastChanges : public QObject {
    Q_OBJECT
signals:
    void changed();
};
ContrastChanges& contrastChanges();

// The services in use: the real ones unless a test has installed others.
Services& services();

// Installs other services for its lifetime and puts the previous ones back.
class ScopedServices {
public:
    explicit ScopedServices(Services& replacement);
    ~ScopedServices();
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

private:
    Services* m_previous;
};

} // namespace platform
