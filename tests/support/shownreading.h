#pragma once
// What the reading window shows, as the tests read it: each field's control found by the name
// the field table gives it, compared with a reading.

#include "reading/engine.h"

#include <QString>

class QWidget;

namespace shownreading {

using modRunicAstrology::Reading;

// A label's caption or a text box's text; a note saying so for anything else.
QString textOf(const QWidget* control);
// A reading's text as a text box gives it back: a CR LF paragraph break comes back as a line
// feed.
QString asShown(const std::string& text);
// The first text control of the reading window that shows other than its field of the reading,
// as "name shows …"; empty when every text field shows the reading.
QString textDifference(const QWidget& readingWindow, const Reading& reading);

} // namespace shownreading
