#pragma once

#include "report/report.h"
#include "ui/readingcontrols.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>

class QPushButton;
class QTabWidget;
class ReadingOrigin;
namespace modRunicAstrology {
struct Reading;
}

// The reading window: one reading on two tab pages with three pictures. Created by Generate,
// destroyed on closing (WA_DeleteOnClose); Back returns to the window the reading came from.
class frmDisplay : public QMainWindow {
    Q_OBJECT
public:
    // `origin` (a QObject that is a ReadingOrigin) lends its pictures and the date of birth it
    // shows, and comes again on Back; the window carries on without them once it is gone.
    explicit frmDisplay(QObject* origin);

    // Writes the reading's 27 fields into their controls.
    void ShowReading(const modRunicAstrology::Reading& reading);
    // Shows the reading's three pictures from the origin's collections; a picture already
    // shown is not decoded again, so a window given them while it waits hidden shows at once.
    void showPictures(const modRunicAstrology::Reading& reading);

    // What the report shows, read off this window's controls, the stored name and the origin's
    // date lists; the date is absent once the origin is gone.
    report::ReportValues shownValues() const;

    // The window this reading came from; null once it is gone.
    ReadingOrigin* origin() const;

public slots:
    void cmdBack_Click();
    // Opens the report window over this one.
    void cmdPrint_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createTabs(QWidget* client);
    void createBottomBand(QWidget* client);
    void createMenus();
    void setKeyboardOrder();
    void Form_Load();

    QPointer<QObject> m_origin;
    ReadingControls m_shown;
    QTabWidget* SSTab1 = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdBack = nullptr;
    bool m_goingBack = false;
    std::array<QString, modRunicAstrology::FieldCount> m_pictureKeys; // by field, once decoded
};
