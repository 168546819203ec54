// The worker's cycle: which requests each state sends, the 120-second pace on an
// injected clock, and the thread's start and stop.

#include "SyncFixture.h"

#include <QTest>
#include <optional>

class TestSyncWorker : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fx.emplace();
        m_fx->transport->fallback = &SyncFixture::HealthyService;
    }

    void cycle_data();
    void cycle();
    void pace_data();
    void pace();
    void paceHoldsWithoutCredentials();
    void refreshCommandForcesTheNextDownload();
    void throttledServiceIsGivenItsWait_data();
    void throttledServiceIsGivenItsWait();
    void refusedAccessTokenIsRefreshedAndTheNextStepDownloads();
    void threadRunsCyclesUntilStopped();
    void stopAbortsAStalledRequestAndKeepsTheCredentials();
    void stoppedWorkerDoesNotStartAgain();
    void snippetStep_data();
    void snippetStep();
    void waitingSnippetKeepsThePaceOffline();

private:
    std::optional<SyncFixture> m_fx;
};

// Access token, authorization code, refresh token, user id, page id.
static QStringList State(const char *access, const char *code, const char *refresh,
                         const char *user, const char *page)
{
    return {QLatin1String(access), QLatin1String(code), QLatin1String(refresh), QLatin1String(user),
            QLatin1String(page)};
}

void TestSyncWorker::cycle_data()
{
    QTest::addColumn<QStringList>("state");
    QTest::addColumn<qint64>("secondsSinceLastStep");
    QTest::addColumn<QStringList>("requests");

    const qint64 due = SyncFixture::kStart; // m_fx->ticks = 0
    const qint64 recent = 5;
    QTest::newRow("signed out without a code sends nothing")
        << State("", "", "", "", "") << due << QStringList{};
    QTest::newRow("a waiting code is exchanged and the user id and page follow at once")
        << State("", "C1", "", "", "") << recent
        << QStringList{"token:authorization_code", "me", "sections", "pages", "content"};
    QTest::newRow("a waiting code goes before a stored refresh token")
        << State("", "C1", "R1", "U1", "P1") << recent << QStringList{"token:authorization_code"};
    QTest::newRow("a token without a user id fetches it and downloads in the same cycle")
        << State("A1", "", "R1", "", "P1") << recent << QStringList{"me", "content"};
    QTest::newRow("signed in with a known page only downloads")
        << State("A1", "", "R1", "U1", "P1") << due << QStringList{"content"};
    QTest::newRow("signed in without a page id looks the page up first")
        << State("A1", "", "R1", "U1", "") << due << QStringList{"sections", "pages", "content"};
    QTest::newRow("signed in within the pace sends nothing")
        << State("A1", "", "R1", "U1", "P1") << qint64(60) << QStringList{};
    QTest::newRow("a refresh token without an access token is refreshed by the worker")
        << State("", "", "R1", "U1", "P1") << due << QStringList{"token:refresh_token", "content"};
}

void TestSyncWorker::cycle()
{
    QFETCH(QStringList, state);
    QFETCH(qint64, secondsSinceLastStep);
    QFETCH(QStringList, requests);

    m_fx->signIn(state[0], state[2], state[3], state[4]);
    m_fx->code.store(state[1]);
    m_fx->ticks = m_fx->now - secondsSinceLastStep;

    m_fx->worker->RunCycle();

    QCOMPARE(m_fx->transport->labels(), requests);
    if (requests.endsWith(QStringLiteral("content")))
        QCOMPARE(m_fx->pageHtml.load().toUtf8(), SyncFixture::kPageHtml);
}

void TestSyncWorker::pace_data()
{
    QTest::addColumn<qint64>("ticks");
    QTest::addColumn<bool>("runs");

    const qint64 now = SyncFixture::kStart;
    QTest::newRow("the Refresh command's zero runs the step at once") << qint64(0) << true;
    QTest::newRow("120 seconds after the last step it runs") << now - 120 << true;
    QTest::newRow("119 seconds after the last step nothing happens") << now - 119 << false;
    QTest::newRow("a clock set back before the last step waits") << now + 500 << false;
}

void TestSyncWorker::pace()
{
    QFETCH(qint64, ticks);
    QFETCH(bool, runs);

    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QStringLiteral("U1"),
                 QStringLiteral("P1"));
    m_fx->ticks = ticks;

    m_fx->worker->GetPinlarkPageHtml();

    QCOMPARE(m_fx->transport->labels(), runs ? QStringList{"content"} : QStringList{});
    QCOMPARE(m_fx->ticks.load(), runs ? m_fx->now : ticks);
    QCOMPARE(m_fx->lastAccess.load(),
             runs ? QStringLiteral("2024-05-01 08:30:15 +0000") : QString());
}

void TestSyncWorker::paceHoldsWithoutCredentials()
{
    m_fx->accessToken.store(QStringLiteral("A1"));
    m_fx->worker->GetPinlarkPageHtml();
    QCOMPARE(m_fx->ticks.load(), m_fx->now);
    QVERIFY(m_fx->lastAccess.load().isEmpty());
    QVERIFY(m_fx->transport->requests().isEmpty());
}

void TestSyncWorker::refreshCommandForcesTheNextDownload()
{
    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QStringLiteral("U1"),
                 QStringLiteral("P1"));
    m_fx->worker->RunCycle();
    m_fx->now += 5;
    m_fx->worker->RunCycle();
    QCOMPARE(m_fx->transport->labels(), QStringList{"content"});

    m_fx->ticks = 0; // the Refresh command
    m_fx->now += 1;
    m_fx->worker->RunCycle();
    QCOMPARE(m_fx->transport->labels(), (QStringList{"content", "content"}));
}

void TestSyncWorker::throttledServiceIsGivenItsWait_data()
{
    QTest::addColumn<ScriptedAnswers>("answers"); // the last one repeats
    QTest::addColumn<QList<qint64>>("askedAt");

    // The Refresh command is given every second, so only the throttle paces the
    // requests.
    QTest::newRow("429 without a wait backs off from 10 s to 5 min")
        << ScriptedAnswers{ScriptedAnswer::throttled(429)}
        << QList<qint64>{0, 10, 30, 70, 150, 310, 610};
    QTest::newRow("503 naming its wait is asked again after it")
        << ScriptedAnswers{ScriptedAnswer::throttled(503, 45)}
        << QList<qint64>{0,   45,  90,  135, 180, 225, 270, 315,
                         360, 405, 450, 495, 540, 585, 630, 675};
    QTest::newRow("a wait of days is held to an hour")
        << ScriptedAnswers{ScriptedAnswer::throttled(429, 400000)} << QList<qint64>{0};
    QTest::newRow("a success starts the back-off over")
        << ScriptedAnswers{ScriptedAnswer::throttled(429), ScriptedAnswer::throttled(429),
                           ScriptedAnswer::reply(200, "<html/>"), ScriptedAnswer::throttled(429)}
        << QList<qint64>{0, 10, 30, 31, 41, 61, 101, 181, 341, 641};
}

void TestSyncWorker::throttledServiceIsGivenItsWait()
{
    QFETCH(ScriptedAnswers, answers);
    QFETCH(QList<qint64>, askedAt);

    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QStringLiteral("U1"),
                 QStringLiteral("P1"));
    QList<qint64> sentAt;
    m_fx->transport->fallback = [&](const platform::HttpRequest &) {
        sentAt << m_fx->now - SyncFixture::kStart;
        return answers.size() > 1 ? answers.takeFirst() : answers.first();
    };
    for (; m_fx->now < SyncFixture::kStart + 700; ++m_fx->now) {
        m_fx->ticks = 0;
        m_fx->worker->RunCycle();
    }
    QCOMPARE(sentAt, askedAt);
}

void TestSyncWorker::refusedAccessTokenIsRefreshedAndTheNextStepDownloads()
{
    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QStringLiteral("U1"),
                 QStringLiteral("P1"));
    m_fx->pageHtml.store(QStringLiteral("untaken"));
    m_fx->transport->script({ScriptedAnswer::reply(401, "expired")});

    m_fx->worker->RunCycle();
    QCOMPARE(m_fx->transport->labels(), (QStringList{"content", "token:refresh_token"}));
    QCOMPARE(m_fx->accessToken.load(), QStringLiteral("A2"));
    QCOMPARE(m_fx->pageHtml.load(), QStringLiteral("untaken"));

    // No immediate retry: the next step comes with the pace.
    for (m_fx->now += 1; m_fx->now < SyncFixture::kStart + 120; m_fx->now += 1)
        m_fx->worker->RunCycle();
    QCOMPARE(m_fx->transport->requests().size(), 2);
    m_fx->worker->RunCycle();
    QCOMPARE(m_fx->transport->requests().size(), 3);
    QCOMPARE(m_fx->transport->requests().last().headers.first().second, QByteArray("Bearer A2"));
    QCOMPARE(m_fx->pageHtml.load().toUtf8(), SyncFixture::kPageHtml);
}

void TestSyncWorker::threadRunsCyclesUntilStopped()
{
    m_fx->code.store(QStringLiteral("C1"));
    m_fx->worker->Run();
    QTRY_COMPARE_WITH_TIMEOUT(m_fx->pageHtml.load().toUtf8(), SyncFixture::kPageHtml, 10000);
    // Stop wakes the one-second pause, and a second Stop is harmless.
    m_fx->worker->Stop();
    m_fx->worker->Stop();
}

void TestSyncWorker::stopAbortsAStalledRequestAndKeepsTheCredentials()
{
    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QStringLiteral("U1"),
                 QStringLiteral("P1"));
    m_fx->transport->script({ScriptedAnswer::stall()});
    m_fx->worker->Run();
    QVERIFY(m_fx->transport->waitUntilStalled());

    m_fx->worker->Stop();

    // The aborted download was not taken for a refused token.
    QCOMPARE(m_fx->transport->labels(), QStringList{"content"});
    QCOMPARE(m_fx->accessToken.load(), QStringLiteral("A1"));
    QCOMPARE(m_fx->refreshToken.load(), QStringLiteral("R1"));
}

void TestSyncWorker::stoppedWorkerDoesNotStartAgain()
{
    m_fx->code.store(QStringLiteral("C1"));
    m_fx->worker->Stop();
    m_fx->worker->Run();
    m_fx->worker->Stop();
    QCOMPARE(m_fx->transport->requests().size(), 0);
}

void TestSyncWorker::snippetStep_data()
{
    // The download the snippet is aimed by, and the page update's answer.
    QTest::addColumn<ScriptedAnswer>("content");
    QTest::addColumn<ScriptedAnswer>("update");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<PendingSnippet::State>("state"); // of the snippet kept
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("pageId");

    const ScriptedAnswer page = ScriptedAnswer::reply(
        200, R"(<html><body><div id="div:1"><h1 id="h1:2">Tab</h1><p id="p:3">Item</p>)"
             R"(</div></body></html>)");
    const QStringList sent{QStringLiteral("content"), QStringLiteral("patch")};
    using State = PendingSnippet::State;
    QTest::newRow("204: gone from the outbox")
        << page << ScriptedAnswer::reply(204) << sent << State::Waiting << false << "P1";
    QTest::newRow("a download that cannot be read neither sends it nor refuses it")
        << ScriptedAnswer::reply(200, "<html><body><h1>Tab") << ScriptedAnswer::reply(204)
        << QStringList{QStringLiteral("content")} << State::Waiting << true << "P1";
    QTest::newRow("a refused access token is renewed; the snippet waits")
        << page << ScriptedAnswer::reply(401)
        << (sent + QStringList{QStringLiteral("token:refresh_token")}) << State::Waiting << true
        << "P1";
    QTest::newRow("a page gone is looked up again; the snippet waits")
        << page << ScriptedAnswer::reply(404) << sent << State::Waiting << true << "";
    QTest::newRow("a refusal other than a moved target is kept and told")
        << page << ScriptedAnswer::reply(403) << sent << State::Refused << true << "P1";
    QTest::newRow("no answer: it may be on the page, and is checked first")
        << page << ScriptedAnswer::noAnswer() << sent << State::Unconfirmed << true << "P1";
}

void TestSyncWorker::snippetStep()
{
    QFETCH(ScriptedAnswer, content);
    QFETCH(ScriptedAnswer, update);
    QFETCH(QStringList, requests);
    QFETCH(bool, kept);
    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QStringLiteral("U1"),
                 QStringLiteral("P1"));
    PendingSnippet snippet;
    snippet.id = QStringLiteral("s1");
    snippet.text = QStringLiteral("New");
    snippet.tab = QStringLiteral("Tab");
    snippet.userId = QStringLiteral("U1");
    m_fx->outbox.store({snippet});
    m_fx->transport->script({content, update});

    m_fx->worker->RunCycle();
    QStringList labels;
    for (const platform::HttpRequest &request : m_fx->transport->requests())
        labels << (request.method == "PATCH" ? QStringLiteral("patch")
                                             : ScriptedTransport::Label(request));
    QCOMPARE(labels, requests);
    const SnippetOutbox outbox = m_fx->outbox.load();
    QCOMPARE(outbox.size(), kept ? 1 : 0);
    QTEST(m_fx->pageId.load(), "pageId");
    if (!kept)
        return;
    QTEST(outbox.first().state, "state");
    QCOMPARE((m_fx->problems.load() & unsigned(MProblem::SnippetRefused)) != 0,
             outbox.first().state == PendingSnippet::State::Refused);
}

void TestSyncWorker::waitingSnippetKeepsThePaceOffline()
{
    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QStringLiteral("U1"),
                 QStringLiteral("P1"));
    m_fx->transport->fallback = [](const platform::HttpRequest &request) {
        return ScriptedTransport::Label(request) == QLatin1String("content")
                   ? ScriptedAnswer::noAnswer()
                   : SyncFixture::HealthyService(request);
    };
    PendingSnippet snippet;
    snippet.id = QStringLiteral("s1");
    snippet.text = QStringLiteral("New");
    snippet.tab = QStringLiteral("Tab");
    m_fx->outbox.store({snippet});
    // A minute offline: the snippet asks for one download at once, then the page
    // step's own pace holds.
    for (int second = 0; second < 60; ++second) {
        m_fx->worker->RunCycle();
        m_fx->now += 1;
    }
    QCOMPARE(m_fx->transport->labels().count(QStringLiteral("content")), 1);
    QCOMPARE(m_fx->outbox.load().size(), 1);
}

QTEST_GUILESS_MAIN(TestSyncWorker)
#include "tst_sync_worker.moc"
