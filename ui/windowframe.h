#pragma once
// What the main and the reading window are both made of besides their menus (menus.h): the
// green band along the top with the discussion board's advert, and a close that leads out of
// the program.

class QCloseEvent;
class QRect;
class QWidget;

namespace windowFrame {

// Frame2 at `band` in the client area, and on it Label61 at `advert`, opening the home page.
void addTopBand(QWidget* client, const QRect& band, const QRect& advert);

// Closing the window leads to the exit window, unless the program is ending already.
void leaveOnClose(QCloseEvent* event);

} // namespace windowFrame
