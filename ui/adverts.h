#pragma once
// The advertisement texts that several windows share.

#include <QString>

namespace adverts {

inline const QString DiscussionBoard =
    QStringLiteral("Join the friendly Velmora discussion board: share your readings and ask our "
                   "rune readers. Click here to visit now!");

inline const QString CoBrand = QStringLiteral(
    "Own a web site? Have your site's name and link built right into this free software, so "
    "every copy your visitors pass on brings people back to you. Click Here for more info on "
    "co-branding.");

inline const QString FullBrand = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details.");

} // namespace adverts
