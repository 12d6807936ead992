#include "report/modrtb.h"

#include "shell/platform.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QUrl>

namespace modRTB {
namespace {

bool isLinkable(const QString& linkText) {
    return AddressToOpen(linkText).has_value();
}

// Underlines the addresses as the box shows them; the document itself is left untouched, so
// the report's text and formats are the same with detection on or off. The detector belongs to
// its box and goes with it: a box destroyed while detection is on takes the detector along,
// which then touches nothing of the box, half gone by then.
class LinkDetector final : public QSyntaxHighlighter {
public:
    explicit LinkDetector(QTextEdit* RTB)
        : QSyntaxHighlighter(static_cast<QObject*>(RTB))
        , m_box(RTB)
        , m_viewport(RTB->viewport())
        , m_boxCursor(RTB->viewport()->cursor()) {
        m_linkFormat.setFontUnderline(true);
        m_viewport->setMouseTracking(true);
        m_viewport->installEventFilter(this);
    }

    // Switching detection off while the box lives gives the box its own pointer back.
    void releaseBox() {
        if (!m_viewport)
            return;
        m_viewport->removeEventFilter(this);
        m_viewport->setCursor(m_boxCursor);
    }

protected:
    void highlightBlock(const QString& text) override {
        for (const WebAddressSpan& span : FindWebAddresses(text)) {
            if (isLinkable(text.mid(span.start, span.length)))
                setFormat(int(span.start), int(span.length), m_linkFormat);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (m_viewport && watched == m_viewport)
            handleMouse(*event);
        return false; // the box still sees every event: a click on a link also places the cursor
    }

private:
    void handleMouse(const QEvent& event) {
        const auto type = event.type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove)
            return;
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        const std::optional<QString> link = LinkTextAt(*m_box, mouse.position().toPoint());
        const std::optional<QString> address = link ? AddressToOpen(*link) : std::nullopt;
        if (type == QEvent::MouseMove) {
            m_viewport->setCursor(address ? QCursor(Qt::PointingHandCursor) : m_boxCursor);
        } else if (address && mouse.button() == Qt::LeftButton) {
            platform::services().openAddress(*address);
        }
    }

    QTextEdit* m_box; // the parent: alive for as long as this detector
    QPointer<QWidget> m_viewport;
    QCursor m_boxCursor;
    QTextCharFormat m_linkFormat;
};

QPointer<LinkDetector> detector;

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

void EnableLinkDetection(QTextEdit* RTB) {
    DisableLinkDetection();
    if (RTB)
        detector = new LinkDetector(RTB);
}

void DisableLinkDetection() {
    if (detector)
        detector->releaseBox();
    delete detector.data();
}

bool IsLinkDetectionOn() {
    return !detector.isNull();
}

QList<WebAddressSpan> FindWebAddresses(const QString& line) {
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

std::optional<QString> AddressToOpen(const QString& linkText) {
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

std::optional<QString> LinkTextAt(const QTextEdit& RTB, QPoint viewportPosition) {
    const QPointF documentPoint =
        QPointF(viewportPosition) +
        QPointF(RTB.horizontalScrollBar()->value(), RTB.verticalScrollBar()->value());
    const QTextDocument* document = RTB.document();
    const int hit = document->documentLayout()->hitTest(documentPoint, Qt::FuzzyHit);
    if (hit < 0)
        return std::nullopt;
    const QTextBlock block = document->findBlock(hit);
    const std::optional<int> character = characterAt(block, documentPoint);
    if (!character)
        return std::nullopt;
    const QString text = block.text();
    for (const WebAddressSpan& span : FindWebAddresses(text)) {
        if (*character >= span.start && *character < span.start + span.length)
            return text.mid(span.start, span.length);
    }
    return std::nullopt;
}

} // namespace modRTB
