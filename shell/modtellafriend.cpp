#include "shell/modtellafriend.h"
#include "shell/core/pageaddresses.h"
#include "shell/platform.h"

#include <QUrl>

namespace modTellAFriend {
namespace {

bool isUnset(const QString& value, const QString& placeholder) {
    return value.isEmpty() || value == placeholder;
}

QString parameter(const char* name, const QString& value) {
    return QStringLiteral("&%1=").arg(QLatin1String(name)) +
           QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

ReferralDetailsType ReferralDetails;

QString trimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ')
        ++first;
    while (end > first && text.at(end - 1) == u' ')
        --end;
    return text.mid(first, end - first);
}

QString checkAddresses(const ReferralDetailsType& details) {
    if (details.email == details.friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    for (const QString& address : {details.email, details.friendEmail}) {
        if (!address.contains(u'@') || !address.contains(u'.'))
            return QStringLiteral("Please Enter Proper Email Address");
    }
    return {};
}

QString checkReferral(const ReferralDetailsType& details) {
    if (isUnset(details.name, PlaceholderName))
        return QStringLiteral("Please Enter Your Name");
    if (isUnset(details.email, PlaceholderEmail))
        return QStringLiteral("Please Enter Your Email");
    if (isUnset(details.message, PlaceholderMessage))
        return QStringLiteral("Please Enter Your Message");
    if (isUnset(details.friendName, PlaceholderFriendName))
        return QStringLiteral("Please Enter Your Friend's Name");
    if (isUnset(details.friendEmail, PlaceholderFriendEmail))
        return QStringLiteral("Please Enter Your Friend's Email");
    return {};
}

QString referralAddress(const ReferralDetailsType& details) {
    // Encoded values keep "&", "=", "#", spaces and line breaks from breaking the address.
    return modHelp::pageAddress(modHelp::WebPage::ReferAFriend) + parameter("taf1", details.name) +
           parameter("taf2", details.email) + parameter("taf3", details.message) +
           parameter("taf4", details.friendName) + parameter("taf5", details.friendEmail) +
           parameter("taf6", modHelp::ProductAddress);
}

void SubmitReferral(QWidget* owner) {
    const QString message = checkReferral(ReferralDetails);
    if (!message.isEmpty()) {
        platform::services().showMessage(owner, message, platform::Icon::Critical);
        return;
    }
    ReferralDetails.address = referralAddress(ReferralDetails);
    OpenReferralPage();
}

void OpenReferralPage() {
    platform::services().openAddress(ReferralDetails.address);
}

} // namespace modTellAFriend
