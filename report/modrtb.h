#pragma once
// modRTB: live web addresses in the report box. While detection is on, every web address
// shown in the box is underlined as a link and a left click on it opens it in the browser
// through the platform services. Only http, https and "www." addresses count.

#include <QList>
#include <QPoint>
#include <QString>

#include <optional>

class QTextEdit;

namespace modRTB {

// The buffer the box copies a link into; an address this long or longer is never opened.
inline constexpr int LinkTextLimit = 1024;

// Switches detection on for RTB (and off for any box that had it); the report window calls
// it before the report is built, so the site lines become links as they are inserted.
void EnableLinkDetection(QTextEdit* RTB);
// Does nothing when detection is off.
void DisableLinkDetection();
bool IsLinkDetectionOn();

struct WebAddressSpan {
    qsizetype start;
    qsizetype length;
};
// The web addresses within one line of text, in order.
QList<WebAddressSpan> FindWebAddresses(const QString& line);

// What to hand to the browser for a link's text, "www." addresses getting "http://";
// nothing for any other scheme, a malformed address, or an address (with the "http://" it may
// have been given) of LinkTextLimit characters or more.
std::optional<QString> AddressToOpen(const QString& linkText);

// The text of the web address under a point of RTB's viewport, if the point is on one.
std::optional<QString> LinkTextAt(const QTextEdit& RTB, QPoint viewportPosition);

} // namespace modRTB
