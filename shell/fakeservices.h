#pragma once
// A recording stand-in for the platform services: never blocks, never opens a browser,
// never prints on paper. Tests set the answers beforehand and read the records afterwards.

#include "shell/platform.h"

#include <QList>
#include <QStringList>

namespace platform {

class FakeServices : public Services {
public:
    struct Message {
        QString text;
        Icon icon;
    };

    void showMessage(QWidget* parent, const QString& text, Icon icon) override;
    bool askYesNo(QWidget* parent, const QString& text, Icon icon) override;
    void openAddress(const QString& address) override;
    QString chooseFileToOpen(QWidget* parent, const FileDialogRequest& request) override;
    QString chooseFileToSave(QWidget* parent, const FileDialogRequest& request) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer, const PrintRequest& request) override;
    void clearClipboard() override;
    QDate today() override;
    void endProcess(int exitCode) override;
    std::optional<ContrastColours> highContrast() override;

    // Answers high contrast with these colours, or switches it off, and announces the switch.
    void switchContrast(const std::optional<ContrastColours>& colours);

    // Answers
    bool answerYes = false;
    QString fileToOpen; // empty: the open dialog is cancelled
    QString fileToSave; // empty: the save dialog is cancelled
    QString printToPdf; // empty: the printer dialog is cancelled; else a PDF file path
    QDate todayDate{2026, 12, 7};
    std::optional<ContrastColours> contrast; // high contrast off

    // Records
    QList<Message> messages;
    QList<Message> questions;
    QStringList openedAddresses;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    QList<PrintRequest> printRequests;
    int clipboardClears = 0;
    QList<int> endedWith;
};

// Installs a fresh FakeServices for the lifetime of a test.
class ScopedFakeServices : public FakeServices {
public:
    ScopedFakeServices()
        : m_guard(*this) {}

private:
    ScopedServices m_guard;
};

} // namespace platform
