// The worker over real HTTP against the local service stand-in: the libcurl
// transport, the token client and the page step together. Time still comes from
// the test's clock; only the network is real.

#include "StandIn.h"
#include "SyncFixture.h"
#include "app/MGlobals.h"
#include "app/MProblems.h"

#include <QFile>
#include <QTest>

class TestSyncIntegration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_fx.reset(); }
    void cleanup() { m_worker.reset(); }

    void signInLeadsToTheBoardPage();
    void expiredAccessTokenIsRefreshedForTheNextStep();
    void refreshCommandForcesTheNextDownload();
    void tokenServerFailureKeepsTheRefreshToken();
    void refusalsAreNotRetried_data();
    void refusalsAreNotRetried();
    void boardPagePastTwentyOthersIsFound();
    void stopEndsAStalledRequest();

private:
    // Starts the stand-in, points the settings at it and makes the worker.
    bool start(const QStringList &arguments = {});
    void signIn();
    int pageListRequests() const;

    SyncFixture m_fx;
    QTemporaryDir m_dir;
    QString m_pageFile;
    std::unique_ptr<StandIn> m_standIn;
    std::unique_ptr<MThreadOnlineOneNote> m_worker;
};

void TestSyncIntegration::initTestCase()
{
    m_pageFile = m_dir.filePath(QStringLiteral("board.html"));
    QFile file(m_pageFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<h1>Greetings</h1>\n<p>Hello</p>\n<p>Hello there, friend</p>\n<br />\n<br />\n");
}

bool TestSyncIntegration::start(const QStringList &arguments)
{
    m_worker.reset();
    m_standIn = std::make_unique<StandIn>(m_pageFile, arguments);
    if (!m_standIn->isRunning()) {
        qWarning("%s", qPrintable(m_standIn->errorString()));
        return false;
    }
    g_IdentityRoot.store(m_standIn->root());
    g_GraphRoot.store(m_standIn->root());
    g_RedirectAddress.store(m_standIn->redirectAddress());
    m_worker = std::make_unique<MThreadOnlineOneNote>(std::make_shared<platform::CurlTransport>(),
                                                      [this] { return m_fx.now; });
    return true;
}

void TestSyncIntegration::signIn()
{
    g_OnlineOneNoteCode.store(m_standIn->authorizationCode(g_OnlineOneNoteClientId.load()));
    QVERIFY(!g_OnlineOneNoteCode.load().isEmpty());
    m_worker->RunCycle();
    QVERIFY(g_PinlarkPageHtml.exchange(QString()).contains(QLatin1String("Hello there, friend")));
}

int TestSyncIntegration::pageListRequests() const
{
    int total = 0;
    const QMap<QString, int> counts = m_standIn->counts();
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        if (it.key().endsWith(QLatin1String("/pages"), Qt::CaseInsensitive))
            total += it.value();
    }
    return total;
}

void TestSyncIntegration::signInLeadsToTheBoardPage()
{
    QVERIFY(start());
    g_OnlineOneNoteCode.store(m_standIn->authorizationCode(g_OnlineOneNoteClientId.load()));

    m_worker->RunCycle();

    QVERIFY(!g_OnlineOneNoteAccessToken.load().isEmpty());
    QVERIFY(!g_OnlineOneNoteRefreshToken.load().isEmpty());
    QCOMPARE(g_OnlineOneNoteUserId.load(), QStringLiteral("5c1f3e8a9b2d4f60"));
    QVERIFY(!g_PinlarkPageId.load().isEmpty());
    QVERIFY(!g_PinlarkPageClientUrl.load().isEmpty());
    QVERIFY(g_PinlarkPageLastModified.load().endsWith(QLatin1String(" +0000")));
    QVERIFY(g_PinlarkPageHtml.load().contains(QLatin1String("Hello there, friend")));
    QCOMPARE(m_fx.saved("OnlineOneNoteUserId"), g_OnlineOneNoteUserId.load());
    QCOMPARE(m_standIn->counts().value(QStringLiteral("/common/oauth2/v2.0/token")), 1);
}

void TestSyncIntegration::expiredAccessTokenIsRefreshedForTheNextStep()
{
    QVERIFY(start());
    signIn();
    const QString firstToken = g_OnlineOneNoteAccessToken.load();
    QVERIFY(m_standIn->expireTokens());

    m_fx.now += 120;
    m_worker->RunCycle();
    QVERIFY(g_PinlarkPageHtml.load().isEmpty());
    QVERIFY(!g_OnlineOneNoteAccessToken.load().isEmpty());
    QVERIFY(g_OnlineOneNoteAccessToken.load() != firstToken);

    m_fx.now += 120;
    m_worker->RunCycle();
    QVERIFY(g_PinlarkPageHtml.load().contains(QLatin1String("Hello there, friend")));
}

void TestSyncIntegration::refreshCommandForcesTheNextDownload()
{
    QVERIFY(start());
    signIn();
    m_fx.now += 5;
    m_worker->RunCycle();
    QVERIFY(g_PinlarkPageHtml.load().isEmpty());

    g_Ticks = 0;
    m_fx.now += 1;
    m_worker->RunCycle();
    QVERIFY(g_PinlarkPageHtml.load().contains(QLatin1String("Hello there, friend")));
}

void TestSyncIntegration::tokenServerFailureKeepsTheRefreshToken()
{
    QVERIFY(start());
    signIn();
    const QString refreshToken = g_OnlineOneNoteRefreshToken.load();
    QVERIFY(m_standIn->expireTokens());
    QVERIFY(m_standIn->fault(QStringLiteral("/common/oauth2/v2.0/token"), 1, 503));

    m_fx.now += 120;
    m_worker->RunCycle();
    QVERIFY(g_OnlineOneNoteAccessToken.load().isEmpty());
    QCOMPARE(g_OnlineOneNoteRefreshToken.load(), refreshToken);

    // The worker tries again by itself once the back-off has passed.
    m_fx.now += MThreadOnlineOneNote::kRefreshRetryFirst;
    m_worker->RunCycle();
    QVERIFY(!g_OnlineOneNoteAccessToken.load().isEmpty());
}

void TestSyncIntegration::refusalsAreNotRetried_data()
{
    QTest::addColumn<QStringList>("arguments");
    // "revoke": the refresh tokens are revoked; "client": the app's client id is
    // changed to one the service has no registration for; "401": the token
    // endpoint answers once with 401 invalid_client.
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<unsigned>("problems");

    QTest::newRow("a revoked refresh token ends the sign-in")
        << QStringList() << "revoke" << static_cast<unsigned>(MProblem::SignInRefused);
    QTest::newRow("an unregistered client id keeps the tokens for when it is put right")
        << QStringList{QStringLiteral("--client-id"), QStringLiteral("client-1")} << "client"
        << static_cast<unsigned>(MProblem::ClientRejected);
    QTest::newRow("a 401 invalid_client keeps the tokens for when it is put right")
        << QStringList() << "401" << static_cast<unsigned>(MProblem::ClientRejected);
}

void TestSyncIntegration::refusalsAreNotRetried()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, refusal);
    QFETCH(unsigned, problems);
    const QString tokenPath = QStringLiteral("/common/oauth2/v2.0/token");

    QVERIFY(start(arguments));
    signIn();
    const QString refreshToken = g_OnlineOneNoteRefreshToken.load();
    if (refusal == QLatin1String("revoke"))
        QVERIFY(m_standIn->revokeRefreshTokens());
    if (refusal == QLatin1String("client"))
        g_OnlineOneNoteClientId.store(QStringLiteral("7d0c9b1e-2f3a-4b5c-8d6e-0a1b2c3d4e5f"));
    if (refusal == QLatin1String("401"))
        QVERIFY(
            m_standIn->fault(tokenPath, 1, 401, QStringLiteral(R"({"error":"invalid_client"})")));
    QVERIFY(m_standIn->expireTokens());
    QVERIFY(m_standIn->resetCounts());

    // Ten minutes of cycles: the refused access token sends one refresh, and its
    // refusal no other.
    for (const qint64 end = m_fx.now + 600; m_fx.now < end; m_fx.now += 1)
        m_worker->RunCycle();
    QCOMPARE(m_standIn->counts().value(tokenPath), 1);
    QCOMPARE(MProblems::Current(), problems);
    QVERIFY(g_OnlineOneNoteAccessToken.load().isEmpty());
    const bool kept = problems == static_cast<unsigned>(MProblem::ClientRejected);
    QCOMPARE(g_OnlineOneNoteRefreshToken.load(), kept ? refreshToken : QString());
    QCOMPARE(m_fx.saved("OnlineOneNoteRefreshToken"), kept ? refreshToken : QString());

    // The settings put right: the kept refresh token renews the sign-in by itself.
    MProblems::Clear(MProblem::ClientRejected);
    g_OnlineOneNoteClientId.store(QStringLiteral("client-1"));
    m_worker->RunCycle();
    QCOMPARE(g_OnlineOneNoteAccessToken.load().isEmpty(), !kept);
}

void TestSyncIntegration::boardPagePastTwentyOthersIsFound()
{
    QVERIFY(start({QStringLiteral("--filler-pages"), QStringLiteral("25")}));
    signIn();
    QCOMPARE(pageListRequests(), 2);
}

void TestSyncIntegration::stopEndsAStalledRequest()
{
    QVERIFY(start());
    signIn();
    QVERIFY(m_standIn->stall(QStringLiteral("/v1.0/me/onenote/pages/*"), 1, 600));
    QVERIFY(m_standIn->resetCounts());
    g_Ticks = 0;

    m_worker->Run();
    QTRY_VERIFY_WITH_TIMEOUT(!m_standIn->counts().isEmpty(), 10000);
    m_worker->Stop();

    QVERIFY(!g_OnlineOneNoteAccessToken.load().isEmpty());
    QVERIFY(!g_OnlineOneNoteRefreshToken.load().isEmpty());
    QVERIFY(g_PinlarkPageHtml.load().isEmpty());
}

QTEST_GUILESS_MAIN(TestSyncIntegration)
#include "tst_sync_integration.moc"
