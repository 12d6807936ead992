#include "shell/modhelp.h"

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

} // namespace modHelp
