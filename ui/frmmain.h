#pragma once

#include "assets/picturecollection.h"
#include "ui/keystroke.h"
#include "ui/readingorigin.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class frmDisplay;
class LinkLabel;
namespace modRunicAstrology {
struct Reading;
}

// The window the user meets first: a name and a date of birth in, Generate, and the links to
// the maker's pages. It owns the three picture collections the reading window shows from, and
// is the reading window's origin. Closing it destroys it (WA_DeleteOnClose), so it must be
// created with new.
class frmMain : public QMainWindow, public ReadingOrigin {
    Q_OBJECT
    Q_INTERFACES(ReadingOrigin)
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    const PictureCollection& IMGSunsignList() const override { return m_sunSignPictures; }
    const PictureCollection& IMGStoneList() const override { return m_stonePictures; }
    const PictureCollection& IMGStoneListWithPlanet() const override {
        return m_stoneWithPlanetPictures;
    }
    BirthDate shownBirthDate() const override;
    void showAgain() override;

    // Called once by start-up: a random draw decides which bottom advert lies in front.
    void CoBrand_Randomize();
    std::int16_t coBrandRandomNumber() const { return intCoBrandRandomNumber; } // 0 before
    // Brings one bottom advert to the front by a drawn number (1…7).
    void bringAdvertToFront(std::int16_t number);

    // The reading window of the latest reading while it exists.
    frmDisplay* readingWindow() const;

    // From now on, once this window has painted while no reading window exists, the next
    // reading window is built in advance, hidden, so Generate only fills and shows it. Every
    // reading window is still new when it is first shown.
    void prepareReadingWindows();
    // True while a reading window built in advance waits for Generate.
    bool readingWindowPrepared() const;

public slots:
    // Generate: validate, build the reading, hide this window and show the reading window.
    void cmdRunicAstrology_Click();
    // Open a saved reading file into the inputs and generate it.
    void cmdOpen_Click();
    void cmdExit_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createDetailsPanel(QWidget* client);
    void createButtons(QWidget* client);
    void createBottomBand(QWidget* client);
    void createMenus();
    void setKeyboardOrder();
    void Form_Load();

    Keystroke txtName_KeyPress(QKeyEvent* event);
    Keystroke filterComposedText(QInputMethodEvent* event);
    void showNameKeyMessage();
    void putAdvertInFront(LinkLabel* front, LinkLabel* behind);
    void showReadingWindow(const modRunicAstrology::Reading* reading);
    void buildNextReadingWindow();
    void preparePictures();

    QLineEdit* txtName = nullptr;
    QComboBox* cmbDate = nullptr;
    QComboBox* cmbMonth = nullptr;
    QComboBox* cmbYear = nullptr;
    QPushButton* cmdRunicAstrology = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdExit = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;

    PictureCollection m_sunSignPictures;
    PictureCollection m_stonePictures;
    PictureCollection m_stoneWithPlanetPictures;
    std::int16_t intCoBrandRandomNumber = 0; // the number last drawn
    QPointer<frmDisplay> m_display;
    QPointer<frmDisplay> m_preparedDisplay;
    bool m_forwardingInput = false;
};
