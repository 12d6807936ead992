#include "ui/flatbutton.h"

#include "ui/contrast.h"

#include <QPainter>

namespace {

const QColor Face(0x808080);
const QColor Light(0xC0C0C0);
const QColor Shadow(0x404040);
const QColor Caption(Qt::black);
const QColor GreyedCaption(0xC0C0C0);

void drawEdge(QPainter& painter, const QRect& rect, const QColor& topLeft,
              const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

} // namespace

FlatButton::FlatButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FlatButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect face = rect();
    const bool down = isDown() || isChecked();
    const bool contrast = look::highContrast();
    const QColor caption = contrast ? palette().color(QPalette::ButtonText) : Caption;
    if (contrast) {
        // The desktop's button colours, the face edged in the caption's colour.
        painter.fillRect(face, palette().color(QPalette::Button));
        painter.setPen(caption);
        painter.drawRect(face.adjusted(0, 0, -1, -1));
    } else {
        painter.fillRect(face, Face);
        drawEdge(painter, face, down ? Shadow : Light, down ? Light : Shadow);
        drawEdge(painter, face.adjusted(1, 1, -1, -1), down ? Shadow : Face.lighter(115),
                 down ? Face : Face.darker(130));
    }
    if (hasFocus() || isDefault()) {
        // The button Enter would press, or the one with the focus, wears a black frame; under
        // high contrast a second line inside the edge.
        painter.setPen(caption);
        painter.drawRect(contrast ? face.adjusted(1, 1, -2, -2) : face.adjusted(0, 0, -1, -1));
    }
    QRect text = face.adjusted(4, 3, -4, -3);
    if (down)
        text.translate(1, 1);
    painter.setFont(font());
    if (isEnabled())
        painter.setPen(caption);
    else
        painter.setPen(contrast ? palette().color(QPalette::Disabled, QPalette::ButtonText)
                                : GreyedCaption);
    // A caption that needs every line it can get runs on into the margin, up to the bevel,
    // rather than losing the tops of its letters and its descenders.
    painter.save();
    painter.setClipRect(face.adjusted(2, 2, -2, -2));
    painter.drawText(text,
                     Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::TextDontClip,
                     QPushButton::text());
    painter.restore();
    if (hasFocus()) {
        QPen dots(caption);
        dots.setStyle(Qt::DotLine);
        painter.setPen(dots);
        painter.drawRect(face.adjusted(3, 3, -4, -4));
    }
}
