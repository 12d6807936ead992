#include "shell/modhelp.h"

#include <array>

namespace modHelp {

const QString SiteBaseAddress = QStringLiteral("http://www.quorvanesoftwares.com");

namespace {
const std::array<const char*, 8> PageKeys = {PageHelp,          PageHome,         PageDownload,
                                             PageDonate,        PageFullyBranded, PageCoBrand,
                                             PageOtherPrograms, PageReferAFriend};
} // namespace

bool isPageKey(const QString& pageKey) {
    for (const char* key : PageKeys) {
        if (pageKey == QLatin1String(key))
            return true;
    }
    return false;
}

QString pageAddress(const QString& pageKey) {
    if (!isPageKey(pageKey))
        return {};
    return SiteBaseAddress + QStringLiteral("/velmora/ssd.php?page=") + pageKey;
}

} // namespace modHelp
