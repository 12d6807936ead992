#pragma once
// The desktop's high-contrast setting as the real platform services read it, one side per
// platform: GNOME's setting through the desktop portal on Linux, the system's setting and
// colours on Windows.

#include "shell/platform.h"

namespace platform {

// Answers at once from what is known; the first call starts following the setting, and every
// change (a first answer that comes late among them) is announced by contrastChanges().
std::optional<ContrastColours> desktopContrast();

} // namespace platform
