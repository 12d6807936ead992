#pragma once
// modRTB, the rules of the report's live web addresses: which text in the report is a web
// address, what the browser is given for it, and which address lies at a point of the laid-out
// report. Only http, https and "www." addresses count. Switching detection on for the report
// box, which needs the box itself, is ui/linkdetection.h.

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

class QTextDocument;

namespace modRTB {

// An address this long or longer, counted as the browser would be given it, is never opened.
inline constexpr int LinkTextLimit = 1024;

struct WebAddressSpan {
    qsizetype start;
    qsizetype length;
};
// The web addresses within one line of text, in order.
QList<WebAddressSpan> findWebAddresses(const QString& line);

// What to hand to the browser for a link's text, "www." addresses getting "http://";
// nothing for any other scheme, a malformed address, or an address (with the "http://" it may
// have been given) of LinkTextLimit characters or more.
std::optional<QString> addressToOpen(const QString& linkText);

// The text of the web address under a point of the laid-out document, if the point is on one.
std::optional<QString> linkTextAt(const QTextDocument& document, QPointF documentPoint);

} // namespace modRTB
