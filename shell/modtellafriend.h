#pragma once
// modTellAFriend: the refer-a-friend form's values, their checks, and the referral page that
// sends them to the maker's site through the browser.

#include <QString>

class QWidget;

namespace modTellAFriend {

// What each referral box shows while it is empty.
inline const QString PlaceholderName = QStringLiteral("Your Name");
inline const QString PlaceholderEmail = QStringLiteral("Your Email Address");
inline const QString PlaceholderMessage = QStringLiteral("Your Message");
inline const QString PlaceholderFriendName = QStringLiteral("Friend's Name");
inline const QString PlaceholderFriendEmail = QStringLiteral("Friend's Email Address");

struct ReferralDetailsType {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
    QString address; // the page address of the latest submission
};

// Outlives the exit window, until the program ends.
extern ReferralDetailsType ReferralDetails;

// Leading and trailing spaces only; line breaks and tabs stay.
QString trimSpaces(const QString& text);

// The window's own check of the two addresses: the message to show, or an empty text.
QString checkAddresses(const ReferralDetailsType& details);
// The check of all five values: the message to show, or an empty text.
QString checkReferral(const ReferralDetailsType& details);
// The referral page with each value percent-encoded as UTF-8.
QString referralAddress(const ReferralDetailsType& details);

// Checks ReferralDetails, shows the first failure over owner, or builds and opens the page.
void SubmitReferral(QWidget* owner = nullptr);
void OpenReferralPage();

} // namespace modTellAFriend
