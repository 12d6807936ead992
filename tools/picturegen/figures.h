#pragma once
// The figures of the twelve signs, drawn in a box 100 units square (y grows downwards).

#include <QPainterPath>

namespace picturegen {

struct Figure {
    QPainterPath body; // filled in gold
    QPainterPath cuts; // engraved into the gold: eyes, ridges, folds
};

// sign: 0 for Aries … 11 for Pisces
Figure signFigure(int sign);

} // namespace picturegen
