#include "ui/sunsignpage.h"

#include "ui/readingcontrols.h"

SunSignPage::SunSignPage(ReadingControls& shown, QWidget* parent)
    : QFrame(parent) {
    readingcontrols::setUpPage(this, "Frame3");
    readingcontrols::placeFields(this, readingcontrols::Panel::Frame3, shown);
}
