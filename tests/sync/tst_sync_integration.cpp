// The worker over real HTTP against the local service stand-in: the libcurl
// transport, the token client and the page step together. Time still comes from
// the test's clock; only the network is real.

#include "StandIn.h"
#include "SyncFixture.h"
#include "app/SyncStateFromGlobals.h"
#include "core/MConfig.h"
#include "core/MGlobals.h"
#include "text/Pkce.h"

#include <QDateTime>
#include <QFile>
#include <QScopeGuard>
#include <QTest>
#include <optional>

class TestSyncIntegration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_fx.emplace(); }
    void cleanup() { m_worker.reset(); }

    void signInLeadsToTheBoardPage_data();
    void signInLeadsToTheBoardPage();
    void expiredAccessTokenIsRefreshedForTheNextStep();
    void refreshCommandForcesTheNextDownload();
    void idleStepsAskOnlyWhetherThePageChanged();
    void tokenServerFailureKeepsTheRefreshToken();
    void refusalsAreNotRetried_data();
    void refusalsAreNotRetried();
    void boardPagePastTwentyOthersIsFound();
    void stopEndsAStalledRequest();
    void snippetLandsExactlyOnce_data();
    void snippetLandsExactlyOnce();
    void tokensGoOnlyWhereTheyMay_data();
    void tokensGoOnlyWhereTheyMay();

private:
    // Starts the stand-in, points the settings at it and makes the worker.
    bool start(const QStringList &arguments = {});
    void signIn();
    int pageListRequests() const;

    std::optional<SyncFixture> m_fx;
    QTemporaryDir m_dir;
    QString m_pageFile;
    // The page a test changes, so that the others keep theirs.
    QString m_changedPageFile;
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
    m_standIn = std::make_unique<StandIn>(
        m_changedPageFile.isEmpty() ? m_pageFile : m_changedPageFile, arguments);
    if (!m_standIn->isRunning()) {
        qWarning("%s", qPrintable(m_standIn->errorString()));
        return false;
    }
    m_fx->identityRoot.store(m_standIn->root());
    m_fx->graphRoot.store(m_standIn->root());
    m_fx->redirectAddress.store(m_standIn->redirectAddress());
    m_worker = std::make_unique<MThreadOnlineOneNote>(
        m_fx->state(), std::make_unique<platform::CurlTransport>(), [this] { return m_fx->now; });
    return true;
}

void TestSyncIntegration::signIn()
{
    const QString verifier = Pkce::NewVerifier();
    m_fx->codeVerifier.store(verifier);
    m_fx->code.store(
        m_standIn->authorizationCode(m_fx->clientId.load(), {}, Pkce::Challenge(verifier)));
    QVERIFY(!m_fx->code.load().isEmpty());
    m_worker->RunCycle();
    QVERIFY(m_fx->pageHtml.exchange(QString()).contains(QLatin1String("Hello there, friend")));
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

void TestSyncIntegration::signInLeadsToTheBoardPage_data()
{
    // Which verifier the worker holds beside the code: "own" (the one the code was
    // asked for with), "other" (another sign-in's) or "none" (a code asked for
    // without a challenge, by a sign-in window of an older build).
    QTest::addColumn<QString>("verifier");
    QTest::newRow("a code bound to a challenge is exchanged with its verifier") << "own";
    QTest::newRow("a code with another sign-in's verifier is refused, and the user told")
        << "other";
    QTest::newRow("a code asked for without a challenge needs no verifier") << "none";
}

void TestSyncIntegration::signInLeadsToTheBoardPage()
{
    QFETCH(QString, verifier);
    QVERIFY(start());
    const QString own = Pkce::NewVerifier();
    const QString challenge = verifier == QLatin1String("none") ? QString() : Pkce::Challenge(own);
    m_fx->code.store(m_standIn->authorizationCode(m_fx->clientId.load(), {}, challenge));
    m_fx->codeVerifier.store(verifier == QLatin1String("own")     ? own
                             : verifier == QLatin1String("other") ? Pkce::NewVerifier()
                                                                  : QString());

    m_worker->RunCycle();
    QVERIFY(m_fx->code.load().isEmpty());
    QVERIFY(m_fx->codeVerifier.load().isEmpty());
    if (verifier == QLatin1String("other")) {
        QVERIFY(m_fx->accessToken.load().isEmpty());
        QCOMPARE(m_fx->problems.load(), static_cast<unsigned>(MProblem::SignInRefused));
        return;
    }

    QVERIFY(!m_fx->accessToken.load().isEmpty());
    QVERIFY(!m_fx->refreshToken.load().isEmpty());
    QCOMPARE(m_fx->userId.load(), QStringLiteral("5c1f3e8a9b2d4f60"));
    QVERIFY(!m_fx->pageId.load().isEmpty());
    QVERIFY(!m_fx->pageClientUrl.load().isEmpty());
    QVERIFY(m_fx->pageLastModified.load().endsWith(QLatin1String(" +0000")));
    QVERIFY(m_fx->pageHtml.load().contains(QLatin1String("Hello there, friend")));
    QCOMPARE(m_fx->saved("OnlineOneNoteUserId"), m_fx->userId.load());
    QCOMPARE(m_standIn->counts().value(QStringLiteral("/common/oauth2/v2.0/token")), 1);
}

void TestSyncIntegration::expiredAccessTokenIsRefreshedForTheNextStep()
{
    QVERIFY(start());
    signIn();
    const QString firstToken = m_fx->accessToken.load();
    QVERIFY(m_standIn->expireTokens());

    m_fx->now += 120;
    m_worker->RunCycle();
    QVERIFY(m_fx->pageHtml.load().isEmpty());
    QVERIFY(!m_fx->accessToken.load().isEmpty());
    QVERIFY(m_fx->accessToken.load() != firstToken);

    // The next step goes through with the new token; the page has not changed, so
    // it is only asked about.
    const QString refreshed = m_fx->accessToken.load();
    m_fx->now += 120;
    m_worker->RunCycle();
    QCOMPARE(m_fx->accessToken.load(), refreshed);
    QCOMPARE(m_standIn->counts().value(QStringLiteral("/common/oauth2/v2.0/token")), 2);
    QVERIFY(m_fx->pageHtml.load().isEmpty());
}

void TestSyncIntegration::refreshCommandForcesTheNextDownload()
{
    QVERIFY(start());
    signIn();
    m_fx->now += 5;
    m_worker->RunCycle();
    QVERIFY(m_fx->pageHtml.load().isEmpty());

    m_fx->ticks = 0;
    m_fx->now += 1;
    m_worker->RunCycle();
    QVERIFY(m_fx->pageHtml.load().contains(QLatin1String("Hello there, friend")));
}

void TestSyncIntegration::idleStepsAskOnlyWhetherThePageChanged()
{
    QVERIFY(start());
    signIn();
    const auto contentRequests = [this] {
        int total = 0;
        const QMap<QString, int> counts = m_standIn->counts();
        for (auto it = counts.begin(); it != counts.end(); ++it) {
            if (it.key().endsWith(QLatin1String("/content")))
                total += it.value();
        }
        return total;
    };
    QCOMPARE(contentRequests(), 1);

    for (int step = 0; step < 3; ++step) {
        m_fx->now += 120;
        m_worker->RunCycle();
    }
    QCOMPARE(contentRequests(), 1);
    QVERIFY(m_fx->pageHtml.load().isEmpty());

    // An edit elsewhere reaches the board at the next step.
    QFile file(m_pageFile);
    QVERIFY(file.open(QIODevice::Append));
    file.write("<p>Edited elsewhere</p>\n");
    QVERIFY(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(60),
                             QFileDevice::FileModificationTime));
    file.close();
    m_fx->now += 120;
    m_worker->RunCycle();
    QVERIFY(m_fx->pageHtml.exchange(QString()).contains(QLatin1String("Edited elsewhere")));
    QCOMPARE(contentRequests(), 2);

    // However still the page keeps, it is downloaded whole every half hour.
    m_fx->now += MThreadOnlineOneNote::kFullDownloadInterval;
    m_worker->RunCycle();
    QCOMPARE(contentRequests(), 3);
}

void TestSyncIntegration::tokenServerFailureKeepsTheRefreshToken()
{
    QVERIFY(start());
    signIn();
    const QString refreshToken = m_fx->refreshToken.load();
    QVERIFY(m_standIn->expireTokens());
    QVERIFY(m_standIn->fault(QStringLiteral("/common/oauth2/v2.0/token"), 1, 503));

    m_fx->now += 120;
    m_worker->RunCycle();
    QVERIFY(m_fx->accessToken.load().isEmpty());
    QCOMPARE(m_fx->refreshToken.load(), refreshToken);

    // The worker tries again by itself once the back-off has passed.
    m_fx->now += MThreadOnlineOneNote::kRefreshRetryFirst;
    m_worker->RunCycle();
    QVERIFY(!m_fx->accessToken.load().isEmpty());
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
    const QString refreshToken = m_fx->refreshToken.load();
    if (refusal == QLatin1String("revoke"))
        QVERIFY(m_standIn->revokeRefreshTokens());
    if (refusal == QLatin1String("client"))
        m_fx->clientId.store(QStringLiteral("7d0c9b1e-2f3a-4b5c-8d6e-0a1b2c3d4e5f"));
    if (refusal == QLatin1String("401"))
        QVERIFY(
            m_standIn->fault(tokenPath, 1, 401, QStringLiteral(R"({"error":"invalid_client"})")));
    QVERIFY(m_standIn->expireTokens());
    QVERIFY(m_standIn->resetCounts());

    // Ten minutes of cycles: the refused access token sends one refresh, and its
    // refusal no other.
    for (const qint64 end = m_fx->now + 600; m_fx->now < end; m_fx->now += 1)
        m_worker->RunCycle();
    QCOMPARE(m_standIn->counts().value(tokenPath), 1);
    QCOMPARE(m_fx->problems.load(), problems);
    QVERIFY(m_fx->accessToken.load().isEmpty());
    const bool kept = problems == static_cast<unsigned>(MProblem::ClientRejected);
    QCOMPARE(m_fx->refreshToken.load(), kept ? refreshToken : QString());
    QCOMPARE(m_fx->saved("OnlineOneNoteRefreshToken"), kept ? refreshToken : QString());

    // The settings put right: the kept refresh token renews the sign-in by itself.
    m_fx->clearProblem(MProblem::ClientRejected);
    m_fx->clientId.store(QStringLiteral("client-1"));
    m_worker->RunCycle();
    QCOMPARE(m_fx->accessToken.load().isEmpty(), !kept);
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
    m_fx->ticks = 0;

    m_worker->Run();
    QTRY_VERIFY_WITH_TIMEOUT(!m_standIn->counts().isEmpty(), 10000);
    m_worker->Stop();

    QVERIFY(!m_fx->accessToken.load().isEmpty());
    QVERIFY(!m_fx->refreshToken.load().isEmpty());
    QVERIFY(m_fx->pageHtml.load().isEmpty());
}

void TestSyncIntegration::snippetLandsExactlyOnce_data()
{
    QTest::addColumn<QString>("fault"); // "status" or "drop", on the page update only
    QTest::addColumn<int>("status");    // of a status fault
    QTest::addColumn<int>("count");     // requests the fault hits
    QTest::addColumn<bool>("restart");  // quit and start again after the first cycle
    QTest::addColumn<int>("landed");    // times the snippet is on the page at the end
    QTest::addColumn<QString>("owner"); // the account it was written for

    QTest::newRow("sent at once, it lands once") << QString() << 0 << 0 << false << 1 << QString();
    QTest::newRow("two 503s wait, then it lands once")
        << "status" << 503 << 2 << false << 1 << QString();
    QTest::newRow("a 500 may have changed the page: checked, then sent")
        << "status" << 500 << 1 << false << 1 << QString();
    QTest::newRow("a lost answer is checked against the page, never sent twice")
        << "drop" << 0 << 1 << false << 1 << QString();
    QTest::newRow("a lost answer, then a quit: the next start checks before sending")
        << "drop" << 0 << 1 << true << 1 << QString();
    QTest::newRow("a quit while the service is down keeps it for the next start")
        << "status" << 503 << 3 << true << 1 << QString();
    QTest::newRow("a 400 is aimed again once, with fresh ids")
        << "status" << 400 << 1 << false << 1 << QString();
    QTest::newRow("a second 400 keeps it and tells the user")
        << "status" << 400 << 2 << false << 0 << QString();
    QTest::newRow("another account's snippet never leaves")
        << QString() << 0 << 0 << false << 0 << "someone-else";
}

void TestSyncIntegration::snippetLandsExactlyOnce()
{
    QFETCH(QString, fault);
    QFETCH(int, status);
    QFETCH(int, count);
    QFETCH(bool, restart);
    QFETCH(int, landed);
    QFETCH(QString, owner);

    m_changedPageFile = m_dir.filePath(QStringLiteral("changed.html"));
    QFile::remove(m_changedPageFile);
    QVERIFY(QFile::copy(m_pageFile, m_changedPageFile));
    const auto forget = qScopeGuard([this] { m_changedPageFile.clear(); });
    QVERIFY(start());
    signIn();
    const QString path = QStringLiteral("PATCH /v1.0/me/onenote/pages/") + m_fx->pageId.load() +
                         QStringLiteral("/content");
    if (fault == QLatin1String("status"))
        QVERIFY(m_standIn->fault(path, count, status));
    else if (fault == QLatin1String("drop"))
        QVERIFY(m_standIn->drop(path, count));

    PendingSnippet snippet;
    snippet.id = QStringLiteral("s1");
    snippet.text = QStringLiteral("Tom & <Jerry>\n\n  second line");
    snippet.tab = QStringLiteral("Greetings");
    snippet.tabIndex = 0;
    snippet.userId = owner;
    m_fx->outbox.store({snippet});

    for (int cycle = 0; cycle < 40 && !m_fx->outbox.load().isEmpty(); ++cycle) {
        m_fx->now += 15;
        m_worker->RunCycle();
        if (restart && cycle == 0) {
            // What the outbox file keeps is all a new start knows.
            const QByteArray file = PendingSnippets::ToJson(m_fx->outbox.load());
            m_worker = std::make_unique<MThreadOnlineOneNote>(
                m_fx->state(), std::make_unique<platform::CurlTransport>(),
                [this] { return m_fx->now; });
            m_fx->outbox.store(PendingSnippets::FromJson(file));
            m_fx->pageId.store(QString());
            m_fx->ticks = 0;
        }
    }
    // The cycle after the change downloads the page for the board.
    m_fx->now += 1;
    m_worker->RunCycle();
    QFile page(m_changedPageFile);
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    QCOMPARE(text.count("\">Tom &amp; &lt;Jerry&gt;</p>"), landed);
    QCOMPARE(text.count("\">&nbsp;&nbsp;second line</p>"), landed);
    if (!owner.isEmpty()) {
        QCOMPARE(m_fx->outbox.load(), SnippetOutbox{snippet});
        QVERIFY(!m_standIn->counts().contains(path));
        return;
    }
    if (landed == 0) {
        QCOMPARE(m_fx->outbox.load().size(), 1);
        QCOMPARE(m_fx->outbox.load().first().state, PendingSnippet::State::Refused);
        QVERIFY(m_fx->problems.load() & static_cast<unsigned>(MProblem::SnippetRefused));
    } else {
        QVERIFY(m_fx->outbox.load().isEmpty());
        // The changed page was downloaded at once for the board.
        QVERIFY(m_fx->pageHtml.load().contains(QLatin1String("Jerry")));
    }
}

void TestSyncIntegration::tokensGoOnlyWhereTheyMay_data()
{
    QTest::addColumn<QString>("change"); // how the settings file changes after the sign-in
    QTest::addColumn<bool>("restart");   // read at the next start, or while running
    QTest::addColumn<bool>("tokensKept");
    QTest::addColumn<bool>("sentToSecond"); // requests reached the second stand-in
    QTest::addColumn<QString>("refused");

    QTest::newRow("roots moved while running: the tokens are dropped, never sent")
        << "second" << false << false << false << "";
    QTest::newRow("roots moved between runs: the tokens are dropped, never sent")
        << "second" << true << false << false << "";
    QTest::newRow("a file from before the record: its roots count as the issuer")
        << "second, no record" << true << true << true << "";
    QTest::newRow("plain http to another computer: refused, nothing sent at all")
        << "http graph" << true << true << false << "GraphRoot";
    QTest::newRow("plain http redirect to another computer: refused")
        << "http redirect" << false << true << false << "RedirectAddress";
}

// The app's own settings and shared state, the real transport and two stand-ins on
// loopback: tokens issued by one never reach the other, and none leaves in plain
// http for another computer.
void TestSyncIntegration::tokensGoOnlyWhereTheyMay()
{
    QFETCH(QString, change);
    QFETCH(bool, restart);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zanapp.plist"));
    g_ConfigFilePath.store(path);
    const auto pointAt = [&path](const QString &identity, const QString &graph,
                                 const QString &redirect) {
        MConfig config(path);
        config.WriteValueStr(QStringLiteral("IdentityRoot"), identity);
        config.WriteValueStr(QStringLiteral("GraphRoot"), graph);
        config.WriteValueStr(QStringLiteral("RedirectAddress"), redirect);
        // The app's registration, which a build may leave to the user.
        config.WriteValueStr(QStringLiteral("ClientId"),
                             QStringLiteral("0f3b2c1d-4e5f-4a6b-8c7d-9e0f1a2b3c4d"));
        return config.Save();
    };
    StandIn first(m_pageFile);
    StandIn second(m_pageFile);
    QVERIFY(first.isRunning() && second.isRunning());
    QVERIFY(pointAt(first.root(), first.root(), first.redirectAddress()));
    MGlobals::LoadConfig();
    const auto cleanUp = qScopeGuard([] {
        MGlobals::ClearCredentials();
        MProblems::Clear(MProblem::ServiceAddressRefused);
        g_TokensDroppedForNewRoots = false;
    });

    // Signed in at the first.
    const QString verifier = Pkce::NewVerifier();
    g_OnlineOneNoteCodeVerifier.store(verifier);
    g_OnlineOneNoteCode.store(
        first.authorizationCode(g_OnlineOneNoteClientId.load(), {}, Pkce::Challenge(verifier)));
    {
        MThreadOnlineOneNote worker(SyncStateFromGlobals(),
                                    std::make_unique<platform::CurlTransport>());
        worker.RunCycle();
    }
    const QString refreshToken = g_OnlineOneNoteRefreshToken.load();
    QVERIFY(!refreshToken.isEmpty());
    QVERIFY(!g_PinlarkPageHtml.exchange(QString()).isEmpty());

    if (change == u"second") {
        QVERIFY(pointAt(second.root(), second.root(), second.redirectAddress()));
    } else if (change == u"second, no record") {
        // As an older Pinlark wrote it: the tokens and the roots, nothing else.
        QVERIFY(QFile::remove(path));
        MConfig config(path);
        config.WriteValueStr(QStringLiteral("OnlineOneNoteRefreshToken"), refreshToken);
        QVERIFY(config.Save());
        QVERIFY(pointAt(second.root(), second.root(), second.redirectAddress()));
    } else if (change == u"http graph") {
        QVERIFY(pointAt(first.root(), QStringLiteral("http://graph.example.com"),
                        first.redirectAddress()));
    } else {
        QVERIFY(pointAt(first.root(), first.root(),
                        QStringLiteral("http://login.example.com/oauth20_desktop.srf")));
    }
    if (restart) {
        for (MShared<QString> *variable :
             {&g_OnlineOneNoteAccessToken, &g_OnlineOneNoteRefreshToken, &g_OnlineOneNoteUserId,
              &g_PinlarkPageId})
            variable->store(QString());
        MGlobals::LoadConfig();
    } else {
        MGlobals::LoadServiceSettings();
    }

    QTEST(g_RefusedServiceKeys.load(), "refused");
    QCOMPARE(MProblems::Has(MProblem::ServiceAddressRefused),
             !g_RefusedServiceKeys.load().isEmpty());
    QFETCH(bool, tokensKept);
    QCOMPARE(g_OnlineOneNoteRefreshToken.load() == refreshToken, tokensKept);
    QCOMPARE(g_TokensDroppedForNewRoots.load(), !tokensKept);
    // The file keeps what the shared state holds.
    QCOMPARE(MConfig(path).ReadValueDefStr(QStringLiteral("OnlineOneNoteRefreshToken"), QString()),
             g_OnlineOneNoteRefreshToken.load());

    QVERIFY(first.resetCounts());
    g_Ticks = 0;
    g_OnlineOneNoteAccessToken.store(QString()); // a refresh is due: the tokens would go out
    {
        MThreadOnlineOneNote worker(SyncStateFromGlobals(),
                                    std::make_unique<platform::CurlTransport>());
        worker.RunCycle();
    }
    QTEST(!second.counts().isEmpty(), "sentToSecond");
    // The first stand-in issued the tokens but is no longer named: it hears nothing
    // either, and a refused address stops every request.
    QVERIFY(first.counts().isEmpty());

    // Corrected back to the roots that issued them, the tokens serve again.
    if (!g_RefusedServiceKeys.load().isEmpty()) {
        QVERIFY(pointAt(first.root(), first.root(), first.redirectAddress()));
        MGlobals::LoadServiceSettings();
        QVERIFY(!MProblems::Has(MProblem::ServiceAddressRefused));
        QCOMPARE(g_OnlineOneNoteRefreshToken.load(), refreshToken);
    }
}

QTEST_GUILESS_MAIN(TestSyncIntegration)
#include "tst_sync_integration.moc"
