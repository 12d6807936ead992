#pragma once
// What the reading window shows, as the tests read it: its value controls by name with the
// field of the reading each one shows, as the window's control tables give them (the tests'
// own record, apart from the program's), and a reading compared with what is shown.

#include "reading/engine.h"

#include <QString>

#include <array>

class PictureCollection;
class QWidget;
class frmMain;

namespace shownreading {

using modRunicAstrology::Reading;

struct TextControl {
    const char* name;
    std::string Reading::*field;
};
// The 24 labels and text boxes, in the reading's field order.
extern const std::array<TextControl, 24> TextControls;

struct PictureControl {
    const char* name;
    std::string Reading::*key;
    const PictureCollection& (frmMain::*pictures)() const;
};
extern const std::array<PictureControl, 3> PictureControls;

// A label's caption or a text box's text; a note saying so for anything else.
QString textOf(const QWidget* control);
// A reading's text as a text box gives it back: a CR LF paragraph break comes back as a line
// feed.
QString asShown(const std::string& text);
// The first text control of the reading window that shows other than its field of the reading,
// as "name shows …"; empty when all 24 show the reading.
QString textDifference(const QWidget& readingWindow, const Reading& reading);

} // namespace shownreading
