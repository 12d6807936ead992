#pragma once
// A green stone with a rune cut into it, lit from the upper left.

#include "runes.h"

#include <QImage>
#include <QSize>

namespace picturegen {

enum class StoneBackground { DarkPanel, Transparent };

// The rune's key seeds the shape and grain, so no two stones are alike.
QImage drawRuneStone(const Rune& rune, QSize size, StoneBackground background);

} // namespace picturegen
