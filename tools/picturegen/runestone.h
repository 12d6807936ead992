#pragma once
// A green stone with a rune cut into it, lit from the upper left.

#include "runes.h"

#include <QImage>
#include <QSize>

namespace picturegen {

enum class StoneBackground { DarkPanel, Transparent };

// The seed text makes each stone its own shape and grain.
QImage drawRuneStone(const Rune& rune, QSize size, StoneBackground background);

} // namespace picturegen
