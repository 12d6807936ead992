#include "ui/readingcontrols.h"

#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/pagelinks.h"
#include "ui/picturelabel.h"
#include "ui/readingorigin.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

using modRunicAstrology::describe;
using modRunicAstrology::FieldKind;

QLabel* ReadingControls::label(Field field) const {
    return describe(field).kind == FieldKind::Text ? qobject_cast<QLabel*>((*this)[field])
                                                   : nullptr;
}

QPlainTextEdit* ReadingControls::longText(Field field) const {
    return qobject_cast<QPlainTextEdit*>((*this)[field]);
}

PictureLabel* ReadingControls::picture(Field field) const {
    return qobject_cast<PictureLabel*>((*this)[field]);
}

namespace fieldPlaces {
namespace {

constexpr Place text(Field field, Panel panel, const char* heading, Twips headingAt, Twips value) {
    return {
        .field = field, .panel = panel, .value = value, .heading = heading, .headingAt = headingAt};
}

constexpr Place title(Field field, Panel panel, const char* heading, Twips headingAt, Twips value) {
    Place place = text(field, panel, heading, headingAt, value);
    place.title = true;
    return place;
}

constexpr Place opening(Place place, modHelp::WebPage page) {
    place.opens = page;
    return place;
}

constexpr Place longText(Field field, Panel panel, const char* heading, Twips headingAt,
                         Twips value, QRgb background, const char* accessibleName) {
    Place place = text(field, panel, heading, headingAt, value);
    place.background = background;
    place.accessibleName = accessibleName;
    return place;
}

constexpr Place picture(Field field, Panel panel, Twips value,
                        const PictureCollection& (ReadingOrigin::*pictures)() const, Field namedBy,
                        Shows shows) {
    return {.field = field,
            .panel = panel,
            .value = value,
            .pictures = pictures,
            .namedBy = namedBy,
            .shows = shows};
}

using F = Field;
using P = Panel;
using R = ReadingOrigin;

// Each tab page's fields as they stand, top to bottom.
const Place Places[] = {
    // Tab 0, the sign's rune stone
    title(F::CorrespondingRuneStone, P::RuneStone, "Label3", {240, 160}, {3240, 137}),
    text(F::AlternativeName, P::RuneStone, "Label16", {240, 512}, {3240, 512}),
    text(F::FavorableColor, P::RuneStone, "Label5", {240, 864}, {3240, 864}),
    text(F::NordicGod, P::RuneStone, "Label6", {240, 1216}, {3240, 1216}),
    text(F::Keywords, P::RuneStone, "Label12", {240, 1575}, {3240, 1568, 4425, 420}),
    longText(F::AboutYourRuneStone, P::RuneStone, "Label20", {240, 1920}, {240, 2160, 7455, 810},
             look::PanelGrey, "Characteristics of your rune stone"),
    picture(F::StonePicture, P::RuneStone, {7960, 705, 1695, 2265}, &R::IMGStoneList,
            F::CorrespondingRuneStone, Shows::RuneStone),
    // Tab 0, the planet's rune stone
    title(F::StoneWithPlanet, P::PlanetRuneStone, "Label7", {240, 50}, {3240, 27}),
    text(F::GodWithPlanet, P::PlanetRuneStone, "Label8", {240, 381}, {3240, 381}),
    text(F::ColorWithPlanet, P::PlanetRuneStone, "Label9", {240, 712}, {3240, 712}),
    text(F::FavorablePlanet, P::PlanetRuneStone, "Label4", {240, 1043}, {3240, 1043}),
    text(F::AlternativeNameWithPlanet, P::PlanetRuneStone, "Label18", {240, 1374}, {3240, 1374}),
    text(F::KeywordsWithPlanet, P::PlanetRuneStone, "Label22", {240, 1710},
         {3240, 1705, 4635, 420}),
    longText(F::AboutYourRuneStoneWithPlanet, P::PlanetRuneStone, "Label24", {240, 2040},
             {240, 2280, 7335, 735}, look::Green, "Characteristics of the planet's rune stone"),
    picture(F::StoneWithPlanetPicture, P::PlanetRuneStone, {7920, 750, 1695, 2265},
            &R::IMGStoneListWithPlanet, F::StoneWithPlanet, Shows::RuneStone),
    // Tab 1, the sun sign
    title(F::Sign, P::SunSign, "Label15", {240, 360}, {2640, 360}),
    text(F::SunSignElement, P::SunSign, "Label11", {240, 792}, {2640, 792}),
    text(F::SunSignNumber, P::SunSign, "Label23", {240, 1224}, {2640, 1224}),
    opening(text(F::SunSignColor, P::SunSign, "Label19", {240, 1656}, {2640, 1656}),
            modHelp::WebPage::CoBrand),
    text(F::SunSignDay, P::SunSign, "Label21", {240, 2088}, {2640, 2088}),
    text(F::SunSignCompatibility, P::SunSign, "Label17", {240, 2520}, {2640, 2520}),
    text(F::SunSignBirthStone, P::SunSign, "Label27", {240, 2952}, {2640, 2952}),
    text(F::SunSignQuality, P::SunSign, "Label29", {240, 3390}, {2640, 3390}),
    text(F::SunSignFamousPersonBorn, P::SunSign, "Label31", {240, 3960, 2175, 435},
         {2640, 3960, 5820, 435}),
    picture(F::SunSignPicture, P::SunSign, {6585, 480, 3030, 3030}, &R::IMGSunsignList, F::Sign,
            Shows::Sign),
    longText(F::SunSignPositiveTraits, P::SunSign, "Label13", {240, 4440}, {240, 4680, 4575, 1335},
             look::Green, "Positive Traits"),
    longText(F::SunSignNegativeTraits, P::SunSign, "Label2", {5055, 4440}, {5055, 4680, 4560, 1335},
             look::Green, "Negative Traits"),
};

const int HeadingStyle = look::Bold | look::Underline;

QRect rectOf(const Twips& place) {
    return look::twips(place.left, place.top, place.width, place.height);
}

bool sized(const Twips& place) {
    return place.width > 0;
}

QLabel* fitted(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
    label->adjustSize();
    return label;
}

// A heading that reads as plain text but opens a page when clicked.
LinkLabel* clickableHeading(QWidget* parent, const char* name, const Twips& place,
                            const QString& text) {
    auto* label = new LinkLabel(parent, false);
    label->setObjectName(QLatin1String(name));
    label->move(look::px(place.left), look::px(place.top));
    label->setFont(look::font(HeadingStyle));
    label->setTextFormat(Qt::PlainText);
    look::setTextColour(label, look::White);
    fitted(label, text);
    return label;
}

QLabel* heading(QWidget* parent, const Place& place, const QString& text) {
    if (place.opens) {
        LinkLabel* link = clickableHeading(parent, place.heading, place.headingAt, text);
        pageLinks::opensPage(link, *place.opens);
        return link;
    }
    if (sized(place.headingAt))
        return look::wrappingLabel(parent, place.heading, rectOf(place.headingAt), text,
                                   look::font(HeadingStyle), look::White);
    return fitted(look::autoSizeLabel(parent, place.heading, place.headingAt.left,
                                      place.headingAt.top, look::font(HeadingStyle), look::White),
                  text);
}

QLabel* valueLabel(QWidget* parent, const char* name, const Place& place) {
    const Twips& at = place.value;
    if (place.title)
        return look::autoSizeLabel(parent, name, at.left, at.top, look::verdana(9.75, look::Bold),
                                   look::Pink);
    if (sized(at))
        return look::wrappingLabel(parent, name, rectOf(at), QString(), look::font(look::Bold),
                                   look::Yellow);
    return look::autoSizeLabel(parent, name, at.left, at.top, look::font(look::Bold), look::Yellow);
}

// A new text keeps the glyphs its layout shaped. Otherwise each paragraph is shaped again to
// place the cursor, twice per new text, and again at every paint.
void keepShapedGlyphs(QPlainTextEdit* box) {
    QTextDocument* document = box->document();
    // Heard before the document is laid out, so the first layout's glyphs are the ones kept.
    QObject::connect(
        document, &QTextDocument::contentsChange, box, [document](int from, int, int charsAdded) {
            for (QTextBlock block = document->findBlock(from);
                 block.isValid() && block.position() <= from + charsAdded; block = block.next())
                block.layout()->setCacheEnabled(true);
        });
}

QPlainTextEdit* longTextBox(QWidget* parent, const char* name, const Place& place) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rectOf(place.value));
    box->setReadOnly(true);
    // Read-only, yet reachable and scrollable from the keyboard.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setAccessibleName(QLatin1String(place.accessibleName));
    look::setColours(box, {{QPalette::Base, place.background}, {QPalette::Text, look::Yellow}});
    keepShapedGlyphs(box);
    return box;
}

PictureLabel* pictureBox(QWidget* parent, const char* name, const Place& place) {
    auto* picture = new PictureLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(rectOf(place.value));
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

QWidget* valueControl(QWidget* parent, const Place& place) {
    const modRunicAstrology::FieldDescription& field = describe(place.field);
    const std::string name(field.control);
    switch (field.kind) {
    case FieldKind::LongText:
        return longTextBox(parent, name.c_str(), place);
    case FieldKind::PictureKey:
        return pictureBox(parent, name.c_str(), place);
    case FieldKind::Text:
        break;
    }
    return valueLabel(parent, name.c_str(), place);
}

} // namespace

std::span<const Place> places() {
    return Places;
}

void setUpPage(QFrame* page, const char* name) {
    page->setObjectName(QLatin1String(name));
    page->setFrameShape(QFrame::NoFrame);
    look::setBackground(page, look::PanelGrey);
}

void placeFields(QWidget* container, Panel panel, ReadingControls& shown) {
    for (const Place& place : Places) {
        if (place.panel != panel)
            continue;
        const std::string_view caption = describe(place.field).tabCaption;
        QLabel* label =
            place.heading ? heading(container, place, QString::fromLatin1(caption)) : nullptr;
        QWidget* control = valueControl(container, place);
        // A box named on its own keeps its name: a caption it is labelled by would take over,
        // and two boxes captioned alike would sound alike.
        if (label && !place.accessibleName)
            label->setBuddy(control);
        shown.add(place.field, control);
    }
}

} // namespace fieldPlaces
