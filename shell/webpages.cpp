#include "shell/modhelp.h"
#include "shell/platform.h"

namespace modHelp {

void OpenWebPage(const QString& pageKey) {
    // The referral page needs its parameters, which only the refer-a-friend form adds.
    if (pageKey == QLatin1String(PageReferAFriend))
        return;
    const QString address = pageAddress(pageKey);
    if (!address.isEmpty())
        platform::services().openAddress(address);
}

} // namespace modHelp
