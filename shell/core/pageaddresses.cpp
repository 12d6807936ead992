#include "shell/core/pageaddresses.h"

#include "shell/core/identity.h"

namespace modHelp {

const QString SiteBaseAddress = QStringLiteral("http://") + QLatin1String(identity::SiteHost);
const QString ProductAddress =
    SiteBaseAddress + QLatin1Char('/') + QLatin1String(identity::SiteFolder) + QLatin1Char('/');

namespace {

struct PageKey {
    WebPage page;
    const char* key; // sent exactly as written
};

constexpr PageKey PageKeys[] = {
    {WebPage::Help, "help-web-page"},
    {WebPage::Home, "home-page"},
    {WebPage::Download, "download-web-page"},
    {WebPage::Donate, "donate"},
    {WebPage::FullyBranded, "fully-branded"},
    {WebPage::CoBrand, "co-brand"},
    {WebPage::OtherPrograms, "quorvanesoftwares"},
    {WebPage::ReferAFriend, "qvqs-refer-a-friend"},
};

} // namespace

QString pageAddress(WebPage page) {
    for (const PageKey& row : PageKeys) {
        if (row.page == page)
            return ProductAddress + QStringLiteral("ssd.php?page=") + QLatin1String(row.key);
    }
    return {};
}

} // namespace modHelp
