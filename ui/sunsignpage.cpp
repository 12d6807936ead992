#include "ui/sunsignpage.h"

#include "ui/readingcontrols.h"

SunSignPage::SunSignPage(ReadingControls& shown, QWidget* parent)
    : QFrame(parent) {
    fieldPlaces::setUpPage(this, "Frame3");
    fieldPlaces::placeFields(this, fieldPlaces::Panel::SunSign, shown);
}
