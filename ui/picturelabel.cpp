#include "ui/picturelabel.h"

#include <utility>

PictureLabel::PictureLabel(QWidget* parent)
    : QLabel(parent) {
}

void PictureLabel::setSource(Source source) {
    m_source = std::move(source);
    decode(devicePixelRatioF());
}

void PictureLabel::decode(qreal devicePixelRatio) {
    m_decodedFor = devicePixelRatio;
    setPixmap(m_source ? m_source(devicePixelRatio) : QPixmap());
}

// The ratio is only sure once the window is on a screen: a compositor may tell it late, and
// the window may move to another screen.
void PictureLabel::paintEvent(QPaintEvent* event) {
    if (m_source && !qFuzzyCompare(m_decodedFor, devicePixelRatioF()))
        decode(devicePixelRatioF());
    QLabel::paintEvent(event);
}
