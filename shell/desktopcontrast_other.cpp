#include "shell/desktopcontrast.h"

namespace platform {

// Where no desktop setting is read, the windows keep the program's own look.
std::optional<ContrastColours> desktopContrast() {
    return std::nullopt;
}

} // namespace platform
