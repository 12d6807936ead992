#pragma once

#include <QMainWindow>
#include <QPointer>

class QPlainTextEdit;
class QTabWidget;
class frmMain;
namespace modRunicAstrology {
struct Reading;
}

// The reading window: one reading on two tab pages with three pictures. Created by Generate,
// destroyed on closing (WA_DeleteOnClose); Back returns to the main window it came from.
class frmDisplay : public QMainWindow {
    Q_OBJECT
public:
    // The main window lends its picture collections and is shown again by Back.
    explicit frmDisplay(frmMain* mainWindow);

    // Writes the reading's 27 fields into their controls, in the reading's field order.
    void ShowReading(const modRunicAstrology::Reading& reading);

    // The main window this reading came from; null once it is gone.
    frmMain* mainWindow() const;

public slots:
    void cmdBack_Click();
    // Opens the report window over this one.
    void cmdPrint_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createTopBand(QWidget* client);
    void createTabs(QWidget* client);
    void createBottomBand(QWidget* client);
    void createMenus();
    void setKeyboardOrder();
    void guardClipboard(QPlainTextEdit* box);
    void Form_Load();

    QPointer<frmMain> m_mainWindow;
    QTabWidget* SSTab1 = nullptr;
    bool m_goingBack = false;
};
