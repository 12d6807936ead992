// The refer-a-friend checks and the referral page address.

#include "shell/fakeservices.h"
#include "shell/modtellafriend.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using modTellAFriend::ReferralDetailsType;
using platform::ScopedFakeServices;

namespace {

const QString PagePrefix =
    QStringLiteral("http://www.quorvanesoftwares.com/velmora/ssd.php?page=qvqs-refer-a-friend");
const QString ProductDirectory =
    QStringLiteral("&taf6=http%3A%2F%2Fwww.quorvanesoftwares.com%2Fvelmora%2F");

ReferralDetailsType valid() {
    return {QStringLiteral("Ann"),
            QStringLiteral("ann@example.com"),
            QStringLiteral("Your Message\r\n"),
            QStringLiteral("Bob"),
            QStringLiteral("bob@example.org"),
            QString()};
}

} // namespace

Q_DECLARE_METATYPE(ReferralDetailsType)

class TestReferral : public QObject {
    Q_OBJECT

private slots:
    void checkReferral_data();
    void checkReferral();
    void referralAddress_data();
    void referralAddress();
    void valuesComeBackFromTheAddress_data();
    void valuesComeBackFromTheAddress();
    void submitOpensThePageAndKeepsIt();
};

void TestReferral::checkReferral_data() {
    QTest::addColumn<ReferralDetailsType>("details");
    QTest::addColumn<QString>("message");
    const auto with = [](QString ReferralDetailsType::*field, const QString& value) {
        ReferralDetailsType details = valid();
        details.*field = value;
        return details;
    };
    using R = ReferralDetailsType;
    QTest::newRow("all given") << valid() << "";
    QTest::newRow("name empty") << with(&R::name, "") << "Please Enter Your Name";
    QTest::newRow("name at its placeholder")
        << with(&R::name, "Your Name") << "Please Enter Your Name";
    QTest::newRow("e-mail empty") << with(&R::email, "") << "Please Enter Your Email";
    QTest::newRow("e-mail at its placeholder")
        << with(&R::email, "Your Email Address") << "Please Enter Your Email";
    QTest::newRow("message empty") << with(&R::message, "") << "Please Enter Your Message";
    QTest::newRow("message at its placeholder")
        << with(&R::message, "Your Message") << "Please Enter Your Message";
    QTest::newRow("friend's name empty")
        << with(&R::friendName, "") << "Please Enter Your Friend's Name";
    QTest::newRow("friend's name at its placeholder")
        << with(&R::friendName, "Friend's Name") << "Please Enter Your Friend's Name";
    QTest::newRow("friend's e-mail empty")
        << with(&R::friendEmail, "") << "Please Enter Your Friend's Email";
    QTest::newRow("friend's e-mail at its placeholder")
        << with(&R::friendEmail, "Friend's Email Address") << "Please Enter Your Friend's Email";
    QTest::newRow("placeholder in other case is a value") << with(&R::name, "your name") << "";
    ReferralDetailsType nothing;
    QTest::newRow("everything empty: the name comes first") << nothing << "Please Enter Your Name";
}

void TestReferral::checkReferral() {
    QFETCH(ReferralDetailsType, details);
    QFETCH(QString, message);
    QCOMPARE(modTellAFriend::checkReferral(details), message);
}

void TestReferral::referralAddress_data() {
    QTest::addColumn<ReferralDetailsType>("details");
    QTest::addColumn<QString>("address");
    QTest::newRow("untouched message")
        << valid()
        << PagePrefix +
               "&taf1=Ann&taf2=ann%40example.com&taf3=Your%20Message%0D%0A&taf4=Bob"
               "&taf5=bob%40example.org" +
               ProductDirectory;
    ReferralDetailsType tricky = valid();
    tricky.name = QStringLiteral("Ann & Co");
    tricky.message = QStringLiteral("line one\r\nline=two #3");
    tricky.friendName = QStringLiteral("Bob+Eve");
    QTest::newRow("ampersand, spaces, line breaks, = # +")
        << tricky
        << PagePrefix +
               "&taf1=Ann%20%26%20Co&taf2=ann%40example.com"
               "&taf3=line%20one%0D%0Aline%3Dtwo%20%233&taf4=Bob%2BEve"
               "&taf5=bob%40example.org" +
               ProductDirectory;
    ReferralDetailsType accented = valid();
    accented.name = QStringLiteral("Zo\u00EB");
    accented.friendName = QStringLiteral("\u00C5sa");
    QTest::newRow("letters beyond ASCII as UTF-8")
        << accented
        << PagePrefix +
               "&taf1=Zo%C3%AB&taf2=ann%40example.com&taf3=Your%20Message%0D%0A"
               "&taf4=%C3%85sa&taf5=bob%40example.org" +
               ProductDirectory;
}

void TestReferral::referralAddress() {
    QFETCH(ReferralDetailsType, details);
    QFETCH(QString, address);
    QCOMPARE(modTellAFriend::referralAddress(details), address);
}

void TestReferral::valuesComeBackFromTheAddress_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "Ann";
    QTest::newRow("ampersand and equals") << "a&taf5=evil@x.com";
    QTest::newRow("hash") << "#top";
    QTest::newRow("percent") << "100%";
    QTest::newRow("plus and spaces") << "1 + 1";
    QTest::newRow("CR LF") << "one\r\ntwo";
    QTest::newRow("non-ASCII") << "J\u00FCrgen \u2603";
}

void TestReferral::valuesComeBackFromTheAddress() {
    QFETCH(QString, value);
    ReferralDetailsType details = valid();
    details.name = value;
    details.message = value;
    const QUrl url(modTellAFriend::referralAddress(details), QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    const QUrlQuery query(url);
    const QStringList names = {"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
    QStringList found;
    for (const auto& item : query.queryItems())
        found.append(item.first);
    QCOMPARE(found, names);
    QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), value);
    QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), value);
    QCOMPARE(query.queryItemValue("taf5", QUrl::FullyDecoded), details.friendEmail);
    QCOMPARE(query.queryItemValue("taf6", QUrl::FullyDecoded),
             QStringLiteral("http://www.quorvanesoftwares.com/velmora/"));
}

void TestReferral::submitOpensThePageAndKeepsIt() {
    ScopedFakeServices services;
    modTellAFriend::ReferralDetails = valid();
    modTellAFriend::SubmitReferral();
    QVERIFY(services.messages.isEmpty());
    QCOMPARE(services.openedAddresses.size(), 1);
    QCOMPARE(services.openedAddresses.first(), modTellAFriend::referralAddress(valid()));
    QCOMPARE(modTellAFriend::ReferralDetails.address, services.openedAddresses.first());

    modTellAFriend::OpenReferralPage();
    QCOMPARE(services.openedAddresses.size(), 2);
    QCOMPARE(services.openedAddresses.last(), services.openedAddresses.first());
}

QTEST_GUILESS_MAIN(TestReferral)
#include "tst_referral.moc"
