#include "report/modrtb.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QUrl>

namespace modRTB {
namespace {

// The character of the block's layout under a point in document coordinates.
std::optional<int> characterAt(const QTextBlock& block, QPointF documentPoint) {
    const QTextLayout* layout = block.layout();
    if (!layout)
        return std::nullopt;
    const QPointF point = documentPoint - layout->position();
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        if (!line.rect().contains(point))
            continue;
        if (point.x() < line.x() || point.x() >= line.x() + line.naturalTextWidth())
            return std::nullopt;
        return line.xToCursor(point.x(), QTextLine::CursorOnCharacter);
    }
    return std::nullopt;
}

} // namespace

QList<WebAddressSpan> findWebAddresses(const QString& line) {
    static const QRegularExpression address(QStringLiteral(R"(\b(?:https?://|www\.)[^\s<>"]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QString trailingPunctuation = QStringLiteral(".,;:!?'\")]}");

    QList<WebAddressSpan> spans;
    for (auto it = address.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        qsizetype length = match.capturedLength();
        while (length > 0 &&
               trailingPunctuation.contains(line.at(match.capturedStart() + length - 1)))
            --length;
        spans.append({match.capturedStart(), length});
    }
    return spans;
}

std::optional<QString> addressToOpen(const QString& linkText) {
    QString address = linkText;
    if (address.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        address.prepend(QLatin1String("http://"));
    // The limit holds for what the browser is given, scheme and all.
    if (linkText.isEmpty() || address.size() >= LinkTextLimit)
        return std::nullopt;
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return std::nullopt;
    return address;
}

std::optional<QString> linkTextAt(const QTextDocument& document, QPointF documentPoint) {
    const int hit = document.documentLayout()->hitTest(documentPoint, Qt::FuzzyHit);
    if (hit < 0)
        return std::nullopt;
    const QTextBlock block = document.findBlock(hit);
    const std::optional<int> character = characterAt(block, documentPoint);
    if (!character)
        return std::nullopt;
    const QString text = block.text();
    for (const WebAddressSpan& span : findWebAddresses(text)) {
        if (*character >= span.start && *character < span.start + span.length)
            return text.mid(span.start, span.length);
    }
    return std::nullopt;
}

} // namespace modRTB
