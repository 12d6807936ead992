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
    if (details.Email == details.FriendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    for (const QString& address : {details.Email, details.FriendEmail}) {
        if (!address.contains(u'@') || !address.contains(u'.'))
            return QStringLiteral("Please Enter Proper Email Address");
    }
    return {};
}

QString checkReferral(const ReferralDetailsType& details) {
    if (isUnset(details.Name, PlaceholderName))
        return QStringLiteral("Please Enter Your Name");
    if (isUnset(details.Email, PlaceholderEmail))
        return QStringLiteral("Please Enter Your Email");
    if (isUnset(details.Message, PlaceholderMessage))
        return QStringLiteral("Please Enter Your Message");
    if (isUnset(details.FriendName, PlaceholderFriendName))
        return QStringLiteral("Please Enter Your Friend's Name");
    if (isUnset(details.FriendEmail, PlaceholderFriendEmail))
        return QStringLiteral("Please Enter Your Friend's Email");
    return {};
}

QString referralAddress(const ReferralDetailsType& details) {
    // Encoded values keep "&", "=", "#", spaces and line breaks from breaking the address.
    return modHelp::pageAddress(modHelp::WebPage::ReferAFriend) + parameter("taf1", details.Name) +
           parameter("taf2", details.Email) + parameter("taf3", details.Message) +
           parameter("taf4", details.FriendName) + parameter("taf5", details.FriendEmail) +
           parameter("taf6", modHelp::ProductAddress);
}

void SubmitReferral(QWidget* owner) {
    const QString message = checkReferral(ReferralDetails);
    if (!message.isEmpty()) {
        platform::services().showMessage(owner, message, platform::Icon::Critical);
        return;
    }
    ReferralDetails.address = referralAddress(ReferralDetails);
    openReferralPage();
}

void openReferralPage() {
    platform::services().openAddress(ReferralDetails.address);
}

} // namespace modTellAFriend
