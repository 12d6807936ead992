#pragma once
// The end of the program: where closing its windows leads, and the orderly end itself.

#include <functional>

namespace modHelp {

// What closing the main window (or the reading window by its close box) leads to: the exit
// window once the program has one, EndApplication until then.
void setLeaveHandler(std::function<void()> handler);
void leaveApplication();
// Closes every window, hidden ones included, without showing the exit window, then ends the
// process through the platform services.
void EndApplication();
bool isEnding(); // true once EndApplication has begun: close handlers then do nothing more

} // namespace modHelp
