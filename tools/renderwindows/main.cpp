// renderwindows FOLDER: writes main-window.png, reading-window.png (first tab),
// reading-window-tab2.png and about-window.png, filled with the reading for 12 March 1980.
// Run with QT_QPA_PLATFORM=offscreen to render without a display, and with
// QT_SCALE_FACTOR=2 to see the windows at 200 %.

#include "shell/fakeservices.h"
#include "ui/frmabout.h"
#include "ui/frmdisplay.h"
#include "ui/frmmain.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextStream>

#include <cstdio>

namespace {

bool save(QWidget* window, const QDir& folder, const QString& name) {
    window->show();
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    if (!window->grab().save(path)) {
        QTextStream(stderr) << "Cannot write " << path << "\n";
        return false;
    }
    QTextStream(stdout) << path << "\n";
    return true;
}

void enterTwelfthMarch1980(frmMain& window) {
    window.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ASTRID"));
    window.findChild<QComboBox*>(QStringLiteral("cmbDate"))->setCurrentText(QStringLiteral("12"));
    window.findChild<QComboBox*>(QStringLiteral("cmbMonth"))
        ->setCurrentText(QStringLiteral("March"));
    window.findChild<QComboBox*>(QStringLiteral("cmbYear"))->setCurrentText(QStringLiteral("1980"));
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: renderwindows FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        QTextStream(stderr) << "Cannot create " << folder.path() << "\n";
        return 1;
    }
    // No message box, browser or clipboard of the user's is touched.
    platform::ScopedFakeServices services;

    auto* mainWindow = new frmMain;
    enterTwelfthMarch1980(*mainWindow);
    bool saved = save(mainWindow, folder, QStringLiteral("main-window.png"));

    mainWindow->cmdRunicAstrology_Click();
    frmDisplay* reading = mainWindow->readingWindow();
    if (!reading) {
        QTextStream(stderr) << "The reading window did not open\n";
        return 1;
    }
    saved = save(reading, folder, QStringLiteral("reading-window.png")) && saved;
    reading->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    saved = save(reading, folder, QStringLiteral("reading-window-tab2.png")) && saved;

    auto* about = new frmAbout;
    saved = save(about, folder, QStringLiteral("about-window.png")) && saved;
    delete about;
    delete reading;
    delete mainWindow;
    return saved ? 0 : 1;
}
