#pragma once
// The controls of the reading window's two tab pages: the value controls that show a reading,
// and the kinds of control the pages are made of, with the page look: underlined white
// headings, yellow values, pink titles, yellow long texts.

#include <QRect>
#include <QRgb>
#include <QString>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QWidget;
class LinkLabel;
class PictureLabel;

// The value controls, one per field of a reading, under their names in the window. The pages
// create them; frmDisplay fills them and reads them back for the report.
struct ReadingControls {
    // Tab 0, the sign's rune stone
    QLabel* lblCorrespondingRuneStone = nullptr;
    QLabel* lblAlternativeName = nullptr;
    QLabel* lblFavorableColor = nullptr;
    QLabel* lblNordicGod = nullptr;
    QLabel* lblKeywards = nullptr;
    QPlainTextEdit* txtAboutYourRuneStone = nullptr;
    PictureLabel* picStone = nullptr;
    // Tab 0, the planet's rune stone
    QLabel* lblStoneWithPlanet = nullptr;
    QLabel* lblGodWithPlanet = nullptr;
    QLabel* lblColorWithPlanet = nullptr;
    QLabel* lblFavorablePlanet = nullptr;
    QLabel* lblAlternativeNameWithPlanet = nullptr;
    QLabel* lblKeywardsWithPlanet = nullptr;
    QPlainTextEdit* txtAboutYourRuneStoneWithPlanet = nullptr;
    PictureLabel* picStonewithplanet = nullptr;
    // Tab 1, the sun sign
    QLabel* lblSunSign = nullptr;
    QLabel* lblSunSignElement = nullptr;
    QLabel* lblSunSignNumber = nullptr;
    QLabel* lblSunSignColor = nullptr;
    QLabel* lblSunSignDay = nullptr;
    QLabel* lblSunSignCompatibility = nullptr;
    QLabel* lblSunSignBirthStone = nullptr;
    QLabel* lblSunSignQuality = nullptr;
    QLabel* lblSunSignFamousPersonBorn = nullptr;
    QPlainTextEdit* txtSunSignPositiveTraits = nullptr;
    QPlainTextEdit* txtSunSignNegativeTraits = nullptr;
    PictureLabel* picSunSign = nullptr;
};

namespace readingcontrols {

// Names a tab page and gives it the look of both: no frame, the grey inner panel.
void setUpPage(QFrame* page, const char* name);

QLabel* heading(QWidget* parent, const char* name, int left, int top, const QString& text);
// A heading that reads as plain text but opens a page when clicked.
LinkLabel* clickableHeading(QWidget* parent, const char* name, int left, int top,
                            const QString& text);
QLabel* wrappingHeading(QWidget* parent, const char* name, const QRect& twips, const QString& text);

QLabel* value(QWidget* parent, const char* name, int left, int top);
QLabel* titleValue(QWidget* parent, const char* name, int left, int top);
QLabel* wrappingValue(QWidget* parent, const char* name, const QRect& twips);

QPlainTextEdit* longText(QWidget* parent, const char* name, const QRect& twips, QRgb background,
                         const QString& accessibleName);
PictureLabel* pictureBox(QWidget* parent, const char* name, const QRect& twips);

} // namespace readingcontrols
