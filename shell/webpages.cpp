#include "shell/modhelp.h"
#include "shell/platform.h"

#include <array>

namespace modHelp {

const QString SiteBaseAddress = QStringLiteral("http://www.quorvanesoftwares.com");

namespace {
const std::array<const char*, 8> PageKeys = {PageHelp,          PageHome,         PageDownload,
                                             PageDonate,        PageFullyBranded, PageCoBrand,
                                             PageOtherPrograms, PageReferAFriend};
} // namespace

bool IsPageKey(const QString& pageKey) {
    for (const char* key : PageKeys) {
        if (pageKey == QLatin1String(key))
            return true;
    }
    return false;
}

QString PageAddress(const QString& pageKey) {
    if (!IsPageKey(pageKey))
        return {};
    return SiteBaseAddress + QStringLiteral("/velmora/ssd.php?page=") + pageKey;
}

void OpenWebPage(const QString& pageKey) {
    // The referral page needs its parameters, which only the refer-a-friend form adds.
    if (pageKey == QLatin1String(PageReferAFriend))
        return;
    const QString address = PageAddress(pageKey);
    if (!address.isEmpty())
        platform::services().openAddress(address);
}

} // namespace modHelp
