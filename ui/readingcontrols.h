#pragma once
// The reading window's side of the field table (reading/fields.h): the value controls the pages
// make, by field (ReadingControls), and where each field's heading and value control stand on
// the tab pages and how they look (fieldPlaces). The page look: underlined white headings, yellow
// values, pink titles, yellow long texts.

#include "reading/fields.h"
#include "shell/core/pageaddresses.h"

#include <QRgb>

#include <array>
#include <optional>
#include <span>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QWidget;
class PictureCollection;
class PictureLabel;
class ReadingOrigin;

// The value controls, one per field of a reading, under the names the field table gives them.
// The pages create them; frmDisplay fills them and reads them back for the report.
class ReadingControls {
public:
    using Field = modRunicAstrology::Field;

    QWidget* operator[](Field field) const {
        return m_controls[modRunicAstrology::fieldIndex(field)];
    }
    // Null where the field is shown by another kind of control.
    QLabel* label(Field field) const;
    QPlainTextEdit* longText(Field field) const;
    PictureLabel* picture(Field field) const;

    void add(Field field, QWidget* control) {
        m_controls[modRunicAstrology::fieldIndex(field)] = control;
    }

private:
    std::array<QWidget*, modRunicAstrology::FieldCount> m_controls{};
};

namespace fieldPlaces {

using modRunicAstrology::Field;

// The panels the fields stand on: the first tab page (Frame1), the green panel of the planet's
// rune stone on it (Frame4), and the second tab page (Frame3).
enum class Panel { RuneStone, PlanetRuneStone, SunSign };

enum class Shows { Sign, RuneStone }; // what a picture shows

// A place in twips, in the panel. A label given a size keeps that rectangle and wraps its text
// inside it; one without sizes itself to its text.
struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
};

// Where a field's controls stand and how they look.
struct Place {
    Field field{};
    Panel panel{};
    Twips value{};                 // its value control, of the kind its field is (fields.h)
    bool title = false;            // a value in the larger pink type
    const char* heading = nullptr; // the name of its heading label; none for a picture
    Twips headingAt{};
    std::optional<modHelp::WebPage> opens{}; // the page its heading opens when clicked
    QRgb background = 0;                     // a long text's
    const char* accessibleName = nullptr;    // a long text's
    const PictureCollection& (ReadingOrigin::*pictures)() const = nullptr; // a picture's set
    Field namedBy = Field::Sign; // a picture's: the field that names what it shows
    Shows shows = Shows::RuneStone;
};

// In the order the controls are made, which is the order a screen reader meets them in.
std::span<const Place> places();

// Names a tab page and gives it the look of both: no frame, the grey inner panel.
void setUpPage(QFrame* page, const char* name);
// Makes the heading and value control of every field that stands on `panel`, inside
// `container`, into `shown`.
void placeFields(QWidget* container, Panel panel, ReadingControls& shown);

} // namespace fieldPlaces
