#pragma once

#include <functional>

class QString;
class QWidget;

// What a screen reader is told where Qt's own answers mislead it.
namespace accessibility {

// Plain frames are announced as panels inside their window, not as windows of their own.
// Once per program, before its first window.
void announceFramesAsPanels();

// Qt connects to the screen reader's bus after start-up has begun, and tells it of nothing that
// happened before: a window already active when the connection is made is announced then, with
// the control that has the focus. Once per program, before its first window.
void announceActiveWindowOnConnection();

// A screen reader keeps what it learnt of a control while it was hidden ("not visible"), and Qt
// never tells it otherwise once the control shows: its accessible object is made anew, so the
// screen reader asks again. Both cost nothing without a screen reader.
// The controls of WINDOW, when a window built hidden shows (the window itself stays as known).
void renewWithin(QWidget* window);
// CONTROL and those within it, when a page that was hidden is about to be brought forward (after
// it shows, the focus may already have been reported in an object this throws away).
void renew(QWidget* control);

// WINDOW comes up without the focus, and a screen reader still reads it out as it appears. Where
// it knows a notification role (AT-SPI), the window takes that role until it is made active;
// where it hears notification events instead (UI Automation, Windows 10 1709 and later), one is
// raised with TEXT once the window shows. Older Windows and Wine say nothing.
// Before the window's first accessible object is made: in its constructor.
void announceWhileInactive(QWidget* window, std::function<QString()> text);

} // namespace accessibility
