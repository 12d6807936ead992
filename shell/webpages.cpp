#include "shell/webpages.h"

#include "shell/platform.h"

namespace modHelp {

void OpenWebPage(WebPage page) {
    if (page == WebPage::ReferAFriend)
        return;
    const QString address = pageAddress(page);
    if (!address.isEmpty())
        platform::services().openAddress(address);
}

} // namespace modHelp
