#pragma once
// modHelp's way to the maker's pages: the browser, through the platform services.

#include "shell/core/pageaddresses.h"

namespace modHelp {

// One request to the browser per call; never waits, never reports. The referral page needs the
// parameters only the refer-a-friend form adds (modTellAFriend), so it opens nothing here.
void OpenWebPage(WebPage page);

} // namespace modHelp
