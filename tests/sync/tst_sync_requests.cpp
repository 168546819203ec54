// The exact requests the worker sends: bodies, headers, addresses and escaping.

#include "SyncFixture.h"

#include <QTest>
#include <optional>

using platform::HttpRequest;
using Headers = QList<std::pair<QByteArray, QByteArray>>;

class TestSyncRequests : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fx.emplace(); }

    void tokenRequests_data();
    void tokenRequests();
    void graphRequests_data();
    void graphRequests();

private:
    std::optional<SyncFixture> m_fx;
};

void TestSyncRequests::tokenRequests_data()
{
    QTest::addColumn<bool>("byCode");
    QTest::addColumn<QString>("secret");
    QTest::addColumn<QByteArray>("body");

    const QByteArray redirect = "&redirect_uri=https%3A%2F%2Flogin.test%2Foauth20_desktop.srf";
    QTest::newRow("a plain code is sent as it stands")
        << true << "M.C123_BAY.abc"
        << "grant_type=authorization_code&client_id=client-1&code=M.C123_BAY.abc" + redirect;
    QTest::newRow("a code holding + & = % survives form encoding")
        << true << "a+b&c=d%e/f"
        << "grant_type=authorization_code&client_id=client-1&code=a%2Bb%26c%3Dd%25e%2Ff" + redirect;
    QTest::newRow("a refresh token is form-encoded too")
        << false << "0.AR+x/y=="
        << "grant_type=refresh_token&client_id=client-1&refresh_token=0.AR%2Bx%2Fy%3D%3D" +
               redirect;
    QTest::newRow("a non-ASCII value goes as its UTF-8 bytes, escaped")
        << false << QStringLiteral("r\u00e9")
        << "grant_type=refresh_token&client_id=client-1&refresh_token=r%C3%A9" + redirect;
}

void TestSyncRequests::tokenRequests()
{
    QFETCH(bool, byCode);
    QFETCH(QString, secret);
    QFETCH(QByteArray, body);

    if (byCode) {
        m_fx->code.store(secret);
        m_fx->worker->RetrieveTokensByCode();
    } else {
        m_fx->refreshToken.store(secret);
        m_fx->worker->RefreshTokens();
    }

    const QList<HttpRequest> sent = m_fx->transport->requests();
    QCOMPARE(sent.size(), 1);
    const HttpRequest &request = sent.first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.url, QStringLiteral("https://login.test/common/oauth2/v2.0/token"));
    QCOMPARE(request.body, body);
    const Headers expected = {{"Content-Length", QByteArray::number(body.size())},
                              {"Content-Type", "application/x-www-form-urlencoded"}};
    QCOMPARE(request.headers, expected);
    QCOMPARE(request.timeout.count(), 10);
}

enum class GraphCall { UserId, SectionQuery, PageList, Content };
Q_DECLARE_METATYPE(GraphCall)

void TestSyncRequests::graphRequests_data()
{
    QTest::addColumn<GraphCall>("call");
    QTest::addColumn<QString>("userId");
    QTest::addColumn<QString>("url");

    const QString me = QStringLiteral("https://graph.test/v1.0/me");
    const QString user = QStringLiteral("https://graph.test/v1.0/users/0a1b-2c3d");
    QTest::newRow("the user-id request goes to /me even for an id with a dash")
        << GraphCall::UserId << "0a1b-2c3d" << me;
    QTest::newRow("the section filter is sent with its blanks as %20")
        << GraphCall::SectionQuery << "abc"
        << me + QStringLiteral("/onenote/sections?filter=tolower(name)%20eq%20'pinlark'");
    QTest::newRow("a user id with a dash puts the lookup under /users/ID")
        << GraphCall::SectionQuery << "0a1b-2c3d"
        << user + QStringLiteral("/onenote/sections?filter=tolower(name)%20eq%20'pinlark'");
    QTest::newRow("a section's page list")
        << GraphCall::PageList << "abc" << me + QStringLiteral("/onenote/sections/0-S!1/Pages");
    QTest::newRow("the content is asked for with element ids")
        << GraphCall::Content << "0a1b-2c3d"
        << user + QStringLiteral("/onenote/pages/0-P!1/content?includeIDs=true");
}

void TestSyncRequests::graphRequests()
{
    QFETCH(GraphCall, call);
    QFETCH(QString, userId);
    QFETCH(QString, url);

    m_fx->signIn(QStringLiteral("A+1/="), QStringLiteral("R1"), userId, QStringLiteral("0-P!1"));
    switch (call) {
    case GraphCall::UserId:
        m_fx->worker->RetrieveUserIdByToken();
        break;
    case GraphCall::SectionQuery:
        m_fx->worker->SectionPageFilter(QStringLiteral("Pinlark"), QStringLiteral("Pinlark"));
        break;
    case GraphCall::PageList:
        m_fx->worker->SectionPageGetSectionAllPages(QStringLiteral("0-S!1"),
                                                    QStringLiteral("pinlark"));
        break;
    case GraphCall::Content:
        m_fx->worker->GetPinlarkPageHtml();
        break;
    }

    const QList<HttpRequest> sent = m_fx->transport->requests();
    QVERIFY(!sent.isEmpty());
    const HttpRequest &request = sent.first();
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.url, url);
    const Headers expected = {{"Authorization", "Bearer A+1/="}};
    QCOMPARE(request.headers, expected);
    QVERIFY(request.body.isEmpty());
    QCOMPARE(request.timeout.count(), 30);
}

QTEST_GUILESS_MAIN(TestSyncRequests)
#include "tst_sync_requests.moc"
