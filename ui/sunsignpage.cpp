#include "ui/sunsignpage.h"

#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/readingcontrols.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace readingcontrols;

SunSignPage::SunSignPage(ReadingControls& shown, QWidget* parent)
    : QFrame(parent) {
    setUpPage(this, "Frame3");
    createCharacteristics(shown);
    createTraits(shown);
}

void SunSignPage::createCharacteristics(ReadingControls& shown) {
    heading(this, "Label15", 240, 360, QStringLiteral("Your Sun Sign"))
        ->setBuddy(shown.lblSunSign = titleValue(this, "lblSunSign", 2640, 360));
    heading(this, "Label11", 240, 792, QStringLiteral("Element"))
        ->setBuddy(shown.lblSunSignElement = value(this, "lblSunSignElement", 2640, 792));
    heading(this, "Label23", 240, 1224, QStringLiteral("Lucky Number"))
        ->setBuddy(shown.lblSunSignNumber = value(this, "lblSunSignNumber", 2640, 1224));
    m_luckyColourHeading =
        clickableHeading(this, "Label19", 240, 1656, QStringLiteral("Lucky Color"));
    m_luckyColourHeading->setBuddy(shown.lblSunSignColor =
                                       value(this, "lblSunSignColor", 2640, 1656));
    heading(this, "Label21", 240, 2088, QStringLiteral("Lucky Day"))
        ->setBuddy(shown.lblSunSignDay = value(this, "lblSunSignDay", 2640, 2088));
    heading(this, "Label17", 240, 2520, QStringLiteral("Compatibility"))
        ->setBuddy(shown.lblSunSignCompatibility =
                       value(this, "lblSunSignCompatibility", 2640, 2520));
    heading(this, "Label27", 240, 2952, QStringLiteral("Birthstone"))
        ->setBuddy(shown.lblSunSignBirthStone = value(this, "lblSunSignBirthStone", 2640, 2952));
    heading(this, "Label29", 240, 3390, QStringLiteral("Quality"))
        ->setBuddy(shown.lblSunSignQuality = value(this, "lblSunSignQuality", 2640, 3390));
    wrappingHeading(this, "Label31", look::twips(240, 3960, 2175, 435),
                    QStringLiteral("Famous Personalities born under this sign"))
        ->setBuddy(shown.lblSunSignFamousPersonBorn = wrappingValue(
                       this, "lblSunSignFamousPersonBorn", look::twips(2640, 3960, 5820, 435)));
    shown.picSunSign = pictureBox(this, "picSunSign", look::twips(6585, 480, 3030, 3030));
}

void SunSignPage::createTraits(ReadingControls& shown) {
    heading(this, "Label13", 240, 4440, QStringLiteral("Positive Traits"))
        ->setBuddy(shown.txtSunSignPositiveTraits = longText(
                       this, "txtSunSignPositiveTraits", look::twips(240, 4680, 4575, 1335),
                       look::Green, QStringLiteral("Positive Traits")));
    heading(this, "Label2", 5055, 4440, QStringLiteral("Negative Traits"))
        ->setBuddy(shown.txtSunSignNegativeTraits = longText(
                       this, "txtSunSignNegativeTraits", look::twips(5055, 4680, 4560, 1335),
                       look::Green, QStringLiteral("Negative Traits")));
}
