#pragma once
// The sign pictures: the sign's figure in gold on a round dark-red field with stars.

#include <QImage>
#include <QString>
#include <QStringList>

namespace picturegen {

QStringList signNames(); // "Aries" … "Pisces"

// sign: 0 for Aries … 11 for Pisces
QImage drawSignPicture(int sign, int size);

// Empty when the zodiac symbols can be drawn, else why not.
QString symbolFontProblem();

} // namespace picturegen
