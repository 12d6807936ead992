#include "ui/runestonepage.h"

#include "ui/look.h"
#include "ui/readingcontrols.h"

using fieldPlaces::Panel;

RuneStonePage::RuneStonePage(ReadingControls& shown, QWidget* parent)
    : QFrame(parent) {
    fieldPlaces::setUpPage(this, "Frame1");
    fieldPlaces::placeFields(this, Panel::RuneStone, shown);
    QFrame* Frame4 = look::panel(this, "Frame4", look::twips(45, 3000, 9720, 3045), look::Green);
    fieldPlaces::placeFields(Frame4, Panel::PlanetRuneStone, shown);
}
