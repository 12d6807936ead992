#pragma once
// High contrast: while the desktop asks for it, every window wears the desktop's high-contrast
// colours instead of the program's own (its grounds, texts, buttons, links, selection and
// focus); pictures, texts, fonts and places stay. The switch is followed live, both ways.

namespace look {

// From now on every window, those open and those still to come, follows the desktop's setting
// as the platform services report it. Called once, before the first window shows.
void followDesktopContrast();

// Whether the windows wear the high-contrast colours now: for the controls that paint
// themselves. Their colours are then their palette's.
bool highContrast();

} // namespace look
