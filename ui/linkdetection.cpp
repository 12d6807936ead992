#include "ui/linkdetection.h"

#include "report/modrtb.h"
#include "shell/platform.h"
#include "ui/contrast.h"

#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextEdit>

namespace modRTB {
namespace {

bool isLinkable(const QString& linkText) {
    return addressToOpen(linkText).has_value();
}

// Underlines the addresses as the box shows them; the document itself is left untouched, so
// the report's text and formats are the same with detection on or off. Under high contrast it
// also shows the whole report in the box's text colour and the addresses in its link colour.
// The detector belongs to its box and goes with it: a box destroyed while detection is on takes
// the detector along, which then touches nothing of the box, half gone by then.
class LinkDetector final : public QSyntaxHighlighter {
public:
    explicit LinkDetector(QTextEdit* RTB)
        : QSyntaxHighlighter(RTB)
        , m_box(RTB)
        , m_viewport(RTB->viewport())
        , m_boxCursor(RTB->viewport()->cursor()) {
        m_linkFormat.setFontUnderline(true);
        m_viewport->setMouseTracking(true);
        m_viewport->installEventFilter(this);
        // High contrast switched on or off gives the box other colours.
        m_box->installEventFilter(this);
    }

    // Switching detection off while the box lives gives the box its own pointer back.
    void releaseBox() {
        if (!m_viewport)
            return;
        m_viewport->removeEventFilter(this);
        m_viewport->setCursor(m_boxCursor);
        m_box->removeEventFilter(this);
    }

protected:
    void highlightBlock(const QString& text) override {
        const bool contrast = look::highContrast();
        QTextCharFormat link = m_linkFormat;
        if (contrast) {
            QTextCharFormat plain;
            plain.setForeground(m_box->palette().text());
            setFormat(0, int(text.size()), plain);
            link.setForeground(m_box->palette().link());
        }
        for (const WebAddressSpan& span : findWebAddresses(text)) {
            if (isLinkable(text.mid(span.start, span.length)))
                setFormat(int(span.start), int(span.length), link);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (m_viewport && watched == m_viewport)
            handleMouse(*event);
        else if (watched == m_box && event->type() == QEvent::PaletteChange)
            rehighlight();
        return false; // the box still sees every event: a click on a link also places the cursor
    }

private:
    void handleMouse(const QEvent& event) {
        const auto type = event.type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove)
            return;
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        const std::optional<QString> link = linkTextAt(*m_box->document(), documentPoint(mouse));
        const std::optional<QString> address = link ? addressToOpen(*link) : std::nullopt;
        if (type == QEvent::MouseMove) {
            m_viewport->setCursor(address ? QCursor(Qt::PointingHandCursor) : m_boxCursor);
        } else if (address && mouse.button() == Qt::LeftButton) {
            platform::services().openAddress(*address);
        }
    }

    // Where the pointer is in the box's document, scrolled as the box is.
    QPointF documentPoint(const QMouseEvent& mouse) const {
        return QPointF(mouse.position().toPoint()) +
               QPointF(m_box->horizontalScrollBar()->value(), m_box->verticalScrollBar()->value());
    }

    QTextEdit* m_box; // the parent: alive for as long as this detector
    QPointer<QWidget> m_viewport;
    QCursor m_boxCursor;
    QTextCharFormat m_linkFormat;
};

QPointer<LinkDetector> detector;

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

bool isLinkDetectionOn() {
    return !detector.isNull();
}

} // namespace modRTB
