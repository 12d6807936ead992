#pragma once
// The pictures and the application icon, compiled in as Qt resources (library velmora_assets).

#include <QIcon>
#include <QList>

namespace assets {
// The sizes, in pixels, the icon is drawn in, smallest first.
const QList<int>& iconSizes();
// The application icon in the drawn sizes up to the first one of at least `largest` pixels;
// the larger ones are left undecoded.
QIcon applicationIcon(int largest);
} // namespace assets
