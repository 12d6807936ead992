#include "ui/runestonepage.h"

#include "ui/look.h"
#include "ui/readingcontrols.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace readingcontrols;

RuneStonePage::RuneStonePage(ReadingControls& shown, QWidget* parent)
    : QFrame(parent) {
    setUpPage(this, "Frame1");
    createSignRune(shown);
    createPlanetRune(shown);
}

void RuneStonePage::createSignRune(ReadingControls& shown) {
    heading(this, "Label3", 240, 160, QStringLiteral("Corresponding Rune Stone"))
        ->setBuddy(shown.lblCorrespondingRuneStone =
                       titleValue(this, "lblCorrespondingRuneStone", 3240, 137));
    heading(this, "Label16", 240, 512, QStringLiteral("Alternative Names"))
        ->setBuddy(shown.lblAlternativeName = value(this, "lblAlternativeName", 3240, 512));
    heading(this, "Label5", 240, 864, QStringLiteral("Favorable Color"))
        ->setBuddy(shown.lblFavorableColor = value(this, "lblFavorableColor", 3240, 864));
    heading(this, "Label6", 240, 1216, QStringLiteral("Nordic God"))
        ->setBuddy(shown.lblNordicGod = value(this, "lblNordicGod", 3240, 1216));
    heading(this, "Label12", 240, 1575, QStringLiteral("Keyword"))
        ->setBuddy(shown.lblKeywards =
                       wrappingValue(this, "lblKeywards", look::twips(3240, 1568, 4425, 420)));
    heading(this, "Label20", 240, 1920, QStringLiteral("Characteristics"))
        ->setBuddy(shown.txtAboutYourRuneStone = longText(
                       this, "txtAboutYourRuneStone", look::twips(240, 2160, 7455, 810),
                       look::PanelGrey, QStringLiteral("Characteristics of your rune stone")));
    shown.picStone = pictureBox(this, "picStone", look::twips(7960, 705, 1695, 2265));
}

void RuneStonePage::createPlanetRune(ReadingControls& shown) {
    QFrame* Frame4 = look::panel(this, "Frame4", look::twips(45, 3000, 9720, 3045), look::Green);
    heading(Frame4, "Label7", 240, 50, QStringLiteral("Stone Associated With Planet"))
        ->setBuddy(shown.lblStoneWithPlanet = titleValue(Frame4, "lblStoneWithPlanet", 3240, 27));
    heading(Frame4, "Label8", 240, 381, QStringLiteral("God Associated With Planet"))
        ->setBuddy(shown.lblGodWithPlanet = value(Frame4, "lblGodWithPlanet", 3240, 381));
    heading(Frame4, "Label9", 240, 712, QStringLiteral("Color Associated With Planet"))
        ->setBuddy(shown.lblColorWithPlanet = value(Frame4, "lblColorWithPlanet", 3240, 712));
    heading(Frame4, "Label4", 240, 1043, QStringLiteral("Your Favorable Planet is"))
        ->setBuddy(shown.lblFavorablePlanet = value(Frame4, "lblFavorablePlanet", 3240, 1043));
    heading(Frame4, "Label18", 240, 1374, QStringLiteral("Alternative Names"))
        ->setBuddy(shown.lblAlternativeNameWithPlanet =
                       value(Frame4, "lblAlternativeNameWithPlanet", 3240, 1374));
    heading(Frame4, "Label22", 240, 1710, QStringLiteral("Keywords"))
        ->setBuddy(shown.lblKeywardsWithPlanet = wrappingValue(Frame4, "lblKeywardsWithPlanet",
                                                               look::twips(3240, 1705, 4635, 420)));
    heading(Frame4, "Label24", 240, 2040, QStringLiteral("Characteristics"))
        ->setBuddy(shown.txtAboutYourRuneStoneWithPlanet = longText(
                       Frame4, "txtAboutYourRuneStoneWithPlanet", look::twips(240, 2280, 7335, 735),
                       look::Green, QStringLiteral("Characteristics of the planet's rune stone")));
    shown.picStonewithplanet =
        pictureBox(Frame4, "picStonewithplanet", look::twips(7920, 750, 1695, 2265));
}
