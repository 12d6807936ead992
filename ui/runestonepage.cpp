#include "ui/runestonepage.h"

#include "ui/look.h"
#include "ui/readingcontrols.h"

using readingcontrols::Panel;

RuneStonePage::RuneStonePage(ReadingControls& shown, QWidget* parent)
    : QFrame(parent) {
    readingcontrols::setUpPage(this, "Frame1");
    readingcontrols::placeFields(this, Panel::Frame1, shown);
    QFrame* Frame4 = look::panel(this, "Frame4", look::twips(45, 3000, 9720, 3045), look::Green);
    readingcontrols::placeFields(Frame4, Panel::Frame4, shown);
}
