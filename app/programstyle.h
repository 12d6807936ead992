#pragma once

class QStyle;

// The toolkit's own style for every window, except that the menu bar's overflow arrow is
// drawn rather than read from a picture file: reading that file makes Qt load every image
// plugin on the system to ask each whether it reads PNG, which costs start-up time and
// memory. The arrow only shows when a menu bar is too narrow for its menus. And the program's
// own group boxes, which draw their caption themselves, keep no room below it.
QStyle* programStyle();
