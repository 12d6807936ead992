#pragma once
// The pictures and the application icon, compiled in as Qt resources (library velmora_assets).

#include <QIcon>

namespace assets {
// The application icon in the sizes a desktop wants; the window icon of every window.
QIcon ApplicationIcon();
} // namespace assets
