#pragma once
// modHelp's web pages: the maker's site, the program's folder there and the address of each page.
// Opening one goes through the platform services (shell/webpages.h).

#include <QString>

namespace modHelp {

extern const QString SiteBaseAddress; // scheme and host of the maker's site
extern const QString ProductAddress;  // the program's folder on the site, with its closing slash

// The maker's pages, the whole closed set; each has one address (pageaddresses.cpp).
enum class WebPage {
    Help,
    Home,
    Download,
    Donate,
    FullyBranded,
    CoBrand,
    OtherPrograms,
    ReferAFriend
};

// The site's page script asked for the page by its key; empty for a value outside the set.
QString pageAddress(WebPage page);

} // namespace modHelp
