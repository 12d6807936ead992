#pragma once
// The Elder Futhark letters the generator cuts into its stones, as strokes.

#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QString>

namespace picturegen {

// One rune: polylines in a box one unit high (y 0 at the top), centred on x = 0.
struct Rune {
    QString key;
    QList<QList<QPointF>> strokes;
};

QList<Rune> signRunes();   // "fehu" … "gebo", in sign order
QList<Rune> planetRunes(); // "ansuz" … "thurisaz"
Rune iconRune();

QPainterPath runePath(const Rune& rune);

} // namespace picturegen
