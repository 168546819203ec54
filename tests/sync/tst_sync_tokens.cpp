// The token client: how each answer of the token endpoint and of the user query
// changes the credentials and raises problems, the worker's own retries, and
// answers that arrive after the sign-in window has cleared the credentials.

#include "SyncFixture.h"

#include <QTest>
#include <optional>

namespace {

const QByteArray kBoth = R"({"token_type":"Bearer","access_token":"A2","refresh_token":"R2"})";
const QByteArray kInvalidGrant = R"({"error":"invalid_grant","error_description":"revoked"})";
const QByteArray kInvalidClient = R"({"error":"invalid_client","error_description":"no such app"})";
const QByteArray kUnauthorizedClient = R"({"error":"unauthorized_client"})";

unsigned Bits(MProblem problem)
{
    return static_cast<unsigned>(problem);
}

} // namespace

class TestSyncTokens : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fx.emplace(); }

    void refreshAnswers_data();
    void refreshAnswers();
    void codeExchangeAnswers_data();
    void codeExchangeAnswers();
    void nothingToSendChangesNothing();
    void refreshEmptiesTheAccessTokenBeforeSending();
    void refreshIsRetriedOnlyAfterPassingFailures_data();
    void refreshIsRetriedOnlyAfterPassingFailures();
    void backoffStartsOverAfterASuccess();
    void userIdAnswers_data();
    void userIdAnswers();
    void failingUserIdIsAskedWithBackoff_data();
    void failingUserIdIsAskedWithBackoff();
    void answerAfterASignOutIsDropped_data();
    void answerAfterASignOutIsDropped();

private:
    std::optional<SyncFixture> m_fx;
};

void TestSyncTokens::refreshAnswers_data()
{
    QTest::addColumn<ScriptedAnswer>("answer");
    QTest::addColumn<QString>("accessToken");
    QTest::addColumn<QString>("refreshToken");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<unsigned>("problems");

    const unsigned none = 0;
    QTest::newRow("an answer with both tokens replaces both")
        << ScriptedAnswer::reply(200, kBoth) << "A2"
        << "R2" << true << none;
    QTest::newRow("an answer with the access token only empties the refresh token")
        << ScriptedAnswer::reply(200, R"({"access_token":"A2"})") << "A2"
        << "" << true << none;
    QTest::newRow("a refused refresh token signs the user out and says why")
        << ScriptedAnswer::reply(400, kInvalidGrant) << ""
        << "" << true << Bits(MProblem::SignInRefused);
    QTest::newRow("JSON laid out with spaces and escapes reads as JSON")
        << ScriptedAnswer::reply(200,
                                 "{ \"access_token\" : \"A\\/2\",\n  \"refresh_token\": \"R2\" }")
        << "A/2"
        << "R2" << true << none;
    QTest::newRow("a body that is not UTF-8 reads as no tokens")
        << ScriptedAnswer::reply(200, "\xff\xfe{\"access_token\":\"A2\"}") << ""
        << "" << true << none;
    QTest::newRow("no answer keeps the refresh token") << ScriptedAnswer::noAnswer() << ""
                                                       << "R1" << false << none;
    QTest::newRow("a server failure is no answer, not a refusal")
        << ScriptedAnswer::reply(503, R"({"error":"temporarily_unavailable"})") << ""
        << "R1" << false << none;
    QTest::newRow("throttling is no answer, not a refusal")
        << ScriptedAnswer::reply(429, R"({"error":"too_many"})") << ""
        << "R1" << false << none;
    QTest::newRow("a 401 from the token endpoint rejects the client, not the tokens")
        << ScriptedAnswer::reply(401, kInvalidClient) << ""
        << "R1" << false << Bits(MProblem::ClientRejected);
    QTest::newRow("a 400 invalid_client rejects the client, not the tokens")
        << ScriptedAnswer::reply(400, kInvalidClient) << ""
        << "R1" << false << Bits(MProblem::ClientRejected);
    QTest::newRow("a 400 unauthorized_client rejects the client, not the tokens")
        << ScriptedAnswer::reply(400, kUnauthorizedClient) << ""
        << "R1" << false << Bits(MProblem::ClientRejected);
}

void TestSyncTokens::refreshAnswers()
{
    QFETCH(ScriptedAnswer, answer);
    QFETCH(QString, accessToken);
    QFETCH(QString, refreshToken);
    QFETCH(bool, saved);
    QFETCH(unsigned, problems);

    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QStringLiteral("U1"));
    m_fx->transport->script({answer});

    m_fx->worker->RefreshTokens();

    QCOMPARE(m_fx->accessToken.load(), accessToken);
    QCOMPARE(m_fx->refreshToken.load(), refreshToken);
    QCOMPARE(m_fx->settingsWritten(), saved);
    QCOMPARE(m_fx->saved("OnlineOneNoteAccessToken"), saved ? accessToken : QString());
    QCOMPARE(m_fx->saved("OnlineOneNoteRefreshToken"), saved ? refreshToken : QString());
    QCOMPARE(m_fx->problems.load(), problems);
}

void TestSyncTokens::codeExchangeAnswers_data()
{
    QTest::addColumn<ScriptedAnswer>("answer");
    QTest::addColumn<QString>("accessToken");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("requestsInNextCycle");
    QTest::addColumn<unsigned>("problems");

    // The next cycle also fetches the user id, and the page when signed in.
    QTest::newRow("an answer with tokens spends the code")
        << ScriptedAnswer::reply(200, kBoth) << "A2"
        << "" << 0 << 0u;
    QTest::newRow("a refused code is spent: no retry every second, and the user is told")
        << ScriptedAnswer::reply(400, kInvalidGrant) << ""
        << "" << 0 << Bits(MProblem::SignInRefused);
    QTest::newRow("no answer keeps the code for the next cycle") << ScriptedAnswer::noAnswer() << ""
                                                                 << "C1" << 1 << 0u;
    QTest::newRow("a server failure keeps the code for the next cycle")
        << ScriptedAnswer::reply(500, "oops") << ""
        << "C1" << 1 << 0u;
    QTest::newRow("a rejected client keeps the code and sends nothing more")
        << ScriptedAnswer::reply(401) << ""
        << "C1" << 0 << Bits(MProblem::ClientRejected);
}

void TestSyncTokens::codeExchangeAnswers()
{
    QFETCH(ScriptedAnswer, answer);
    QFETCH(QString, accessToken);
    QFETCH(QString, code);
    QFETCH(int, requestsInNextCycle);
    QFETCH(unsigned, problems);

    m_fx->code.store(QStringLiteral("C1"));
    m_fx->codeVerifier.store(QStringLiteral("V1"));
    m_fx->userId.store(QStringLiteral("U1"));
    m_fx->ticks = m_fx->now;
    m_fx->transport->script({answer});

    m_fx->worker->RetrieveTokensByCode();
    QVERIFY(m_fx->transport->requests().value(0).body.contains("&code=C1&code_verifier=V1&"));
    QCOMPARE(m_fx->accessToken.load(), accessToken);
    QCOMPARE(m_fx->code.load(), code);
    // The verifier lives exactly as long as its code.
    QCOMPARE(m_fx->codeVerifier.load(), code.isEmpty() ? QString() : QStringLiteral("V1"));
    QCOMPARE(m_fx->problems.load(), problems);

    m_fx->transport->clearRequests();
    m_fx->now += 1;
    m_fx->worker->RunCycle();
    QCOMPARE(m_fx->transport->requests().size(), requestsInNextCycle);
}

void TestSyncTokens::nothingToSendChangesNothing()
{
    m_fx->accessToken.store(QStringLiteral("A1"));
    m_fx->worker->RetrieveTokensByCode(); // no code
    m_fx->worker->RefreshTokens();        // no refresh token
    QVERIFY(m_fx->transport->requests().isEmpty());
    QCOMPARE(m_fx->accessToken.load(), QStringLiteral("A1"));
}

void TestSyncTokens::refreshEmptiesTheAccessTokenBeforeSending()
{
    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QStringLiteral("U1"));
    QString seenDuringRequest = QStringLiteral("unset");
    m_fx->transport->onSend = [&](const platform::HttpRequest &) {
        seenDuringRequest = m_fx->accessToken.load();
    };
    m_fx->worker->RefreshTokens();
    QCOMPARE(seenDuringRequest, QString());
}

void TestSyncTokens::refreshIsRetriedOnlyAfterPassingFailures_data()
{
    QTest::addColumn<ScriptedAnswer>("answer");
    QTest::addColumn<QList<qint64>>("refreshAt");
    QTest::addColumn<QString>("refreshToken");
    QTest::addColumn<unsigned>("problems");

    const QList<qint64> backoff{0, 10, 30, 70, 150, 310, 610, 910};
    QTest::newRow("no answer is retried with a back-off")
        << ScriptedAnswer::noAnswer() << backoff << "R1" << 0u;
    QTest::newRow("a server failure is retried with a back-off")
        << ScriptedAnswer::reply(503) << backoff << "R1" << 0u;
    QTest::newRow("a throttled refresh is retried after the wait it names")
        << ScriptedAnswer::throttled(429, 400) << QList<qint64>{0, 400, 800} << "R1" << 0u;
    QTest::newRow("a revoked refresh token is asked about once")
        << ScriptedAnswer::reply(400, kInvalidGrant) << QList<qint64>{0} << ""
        << Bits(MProblem::SignInRefused);
    QTest::newRow("a rejected client is asked once, and again when the problem is cleared")
        << ScriptedAnswer::reply(401) << QList<qint64>{0} << "R1" << Bits(MProblem::ClientRejected);
    QTest::newRow("an unauthorized client likewise")
        << ScriptedAnswer::reply(400, kUnauthorizedClient) << QList<qint64>{0} << "R1"
        << Bits(MProblem::ClientRejected);
}

void TestSyncTokens::refreshIsRetriedOnlyAfterPassingFailures()
{
    QFETCH(ScriptedAnswer, answer);
    QFETCH(QList<qint64>, refreshAt);
    QFETCH(QString, refreshToken);
    QFETCH(unsigned, problems);

    // Signed in, Graph out of reach: the page download fails and refreshes, the
    // token endpoint gives `answer`, and from then on only the worker's own
    // retries refresh.
    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QStringLiteral("U1"),
                 QStringLiteral("P1"));
    QList<qint64> sentAt;
    m_fx->transport->fallback = [&](const platform::HttpRequest &request) {
        if (ScriptedTransport::Label(request) != QLatin1String("token:refresh_token"))
            return ScriptedAnswer::noAnswer();
        sentAt << m_fx->now - SyncFixture::kStart;
        return answer;
    };

    for (; m_fx->now <= SyncFixture::kStart + 1000; ++m_fx->now)
        m_fx->worker->RunCycle();

    QCOMPARE(sentAt, refreshAt);
    QCOMPARE(m_fx->refreshToken.load(), refreshToken);
    QCOMPARE(m_fx->problems.load(), problems);

    // Once the settings are put right, the kept refresh token is used at once.
    if (problems == Bits(MProblem::ClientRejected)) {
        m_fx->clearProblem(MProblem::ClientRejected);
        answer = ScriptedAnswer::reply(200, kBoth);
        m_fx->worker->RunCycle();
        QCOMPARE(sentAt.size(), 2);
        QCOMPARE(m_fx->accessToken.load(), QStringLiteral("A2"));
    }
}

void TestSyncTokens::backoffStartsOverAfterASuccess()
{
    m_fx->signIn(QString(), QStringLiteral("R1"), QStringLiteral("U1"), QStringLiteral("P1"));
    m_fx->ticks = m_fx->now;
    m_fx->transport->script({ScriptedAnswer::noAnswer(), ScriptedAnswer::noAnswer(),
                             ScriptedAnswer::reply(200, kBoth)});
    for (const qint64 at : {0, 10, 30}) {
        m_fx->now = SyncFixture::kStart + at;
        m_fx->worker->RunCycle();
    }
    QCOMPARE(m_fx->accessToken.load(), QStringLiteral("A2"));

    // The new access token is refused and the refresh gets no answer: the first
    // retry comes after 10 seconds again.
    m_fx->transport->script({ScriptedAnswer::reply(401), ScriptedAnswer::noAnswer()});
    m_fx->now = SyncFixture::kStart + 120;
    m_fx->worker->RunCycle();
    m_fx->transport->clearRequests();
    m_fx->now += 9;
    m_fx->worker->RunCycle();
    QVERIFY(m_fx->transport->requests().isEmpty());
    m_fx->now += 1;
    m_fx->worker->RunCycle();
    QCOMPARE(m_fx->transport->labels(), QStringList{"token:refresh_token"});
}

void TestSyncTokens::userIdAnswers_data()
{
    QTest::addColumn<ScriptedAnswer>("answer");
    QTest::addColumn<QString>("userId");
    QTest::addColumn<QString>("accessToken");

    QTest::newRow("the user's own id, not that of an object inside the answer")
        << ScriptedAnswer::reply(200, R"({"manager":{"id":"M9"},"id":"U1"})") << "U1"
        << "A1";
    QTest::newRow("an answer without an id leaves the user id empty")
        << ScriptedAnswer::reply(200, R"({"displayName":"Ann"})") << ""
        << "A1";
    QTest::newRow("a refused access token refreshes the tokens") << ScriptedAnswer::reply(401) << ""
                                                                 << "A2";
}

void TestSyncTokens::userIdAnswers()
{
    QFETCH(ScriptedAnswer, answer);
    QFETCH(QString, userId);
    QFETCH(QString, accessToken);

    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QString());
    m_fx->transport->script({answer, ScriptedAnswer::reply(200, kBoth)});
    m_fx->worker->RetrieveUserIdByToken();
    QCOMPARE(m_fx->userId.load(), userId);
    QCOMPARE(m_fx->accessToken.load(), accessToken);
}

void TestSyncTokens::failingUserIdIsAskedWithBackoff_data()
{
    QTest::addColumn<ScriptedAnswers>("answers"); // the last one repeats
    QTest::addColumn<QList<qint64>>("askedAt");
    QTest::addColumn<QString>("userId");
    QTest::addColumn<bool>("saved");

    const QList<qint64> backoff{0, 10, 30, 70, 150, 310, 610};
    QTest::newRow("a server failure")
        << ScriptedAnswers{ScriptedAnswer::reply(503)} << backoff << "" << false;
    QTest::newRow("an answer without an id")
        << ScriptedAnswers{ScriptedAnswer::reply(200, R"({"displayName":"Ann"})")} << backoff << ""
        << false;
    QTest::newRow("a refused access token, refreshed each time")
        << ScriptedAnswers{ScriptedAnswer::reply(401)} << backoff << "" << true;
    QTest::newRow("an id after two failures ends the questions")
        << ScriptedAnswers{ScriptedAnswer::reply(503), ScriptedAnswer::noAnswer(),
                           ScriptedAnswer::reply(200, R"({"id":"U1"})")}
        << QList<qint64>{0, 10, 30} << "U1" << true;
}

void TestSyncTokens::failingUserIdIsAskedWithBackoff()
{
    QFETCH(ScriptedAnswers, answers);
    QFETCH(QList<qint64>, askedAt);
    QFETCH(QString, userId);
    QFETCH(bool, saved);

    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QString(), QStringLiteral("P1"));
    QList<qint64> sentAt;
    m_fx->transport->fallback = [&](const platform::HttpRequest &request) {
        const QString label = ScriptedTransport::Label(request);
        if (label.startsWith(QLatin1String("token:")))
            return ScriptedAnswer::reply(200, kBoth);
        if (label != QLatin1String("me"))
            return SyncFixture::HealthyService(request);
        sentAt << m_fx->now - SyncFixture::kStart;
        return answers.size() > 1 ? answers.takeFirst() : answers.first();
    };

    for (; m_fx->now < SyncFixture::kStart + 700; ++m_fx->now)
        m_fx->worker->RunCycle();

    QCOMPARE(sentAt, askedAt);
    QCOMPARE(m_fx->userId.load(), userId);
    // An answer that changed nothing is not saved.
    QCOMPARE(m_fx->settingsWritten(), saved);

    // A new sign-in owes nothing to the old one's failures: its user id is asked
    // for in the same cycle as its code.
    m_fx->clearCredentials();
    m_fx->code.store(QStringLiteral("C2"));
    m_fx->transport->clearRequests();
    m_fx->worker->RunCycle();
    QCOMPARE(m_fx->transport->labels().mid(0, 2), (QStringList{"token:authorization_code", "me"}));
}

void TestSyncTokens::answerAfterASignOutIsDropped_data()
{
    // Access token, code, refresh token, user id before the request.
    QTest::addColumn<QStringList>("state");
    QTest::addColumn<ScriptedAnswer>("answer");
    QTest::addColumn<QString>("request");

    QTest::newRow("a refresh") << QStringList{"", "", "R1", "U1"}
                               << ScriptedAnswer::reply(200, kBoth) << "token:refresh_token";
    QTest::newRow("a refresh refused for the old account tells the user nothing")
        << QStringList{"", "", "R1", "U1"} << ScriptedAnswer::reply(400, kInvalidGrant)
        << "token:refresh_token";
    QTest::newRow("a code exchange")
        << QStringList{"", "C1", "", ""} << ScriptedAnswer::reply(200, kBoth)
        << "token:authorization_code";
    QTest::newRow("a user id") << QStringList{"A1", "", "R1", ""}
                               << ScriptedAnswer::reply(200, R"({"id":"U9"})") << "me";
}

void TestSyncTokens::answerAfterASignOutIsDropped()
{
    QFETCH(QStringList, state);
    QFETCH(ScriptedAnswer, answer);
    QFETCH(QString, request);

    m_fx->signIn(state[0], state[2], state[3], QStringLiteral("P1"));
    m_fx->code.store(state[1]);
    m_fx->ticks = m_fx->now;
    // While the request is under way the sign-in window opens (clearing the
    // credentials) and hands over the new account's code.
    bool signedInAgain = false;
    m_fx->transport->onSend = [&](const platform::HttpRequest &) {
        if (std::exchange(signedInAgain, true))
            return;
        m_fx->clearCredentials();
        m_fx->code.store(QStringLiteral("C2"));
    };
    m_fx->transport->script({answer});
    m_fx->transport->fallback = &SyncFixture::HealthyService;

    m_fx->worker->RunCycle();

    QCOMPARE(m_fx->transport->labels(), QStringList{request});
    const QStringList cleared{"", "C2", "", ""};
    QCOMPARE((QStringList{m_fx->accessToken.load(), m_fx->code.load(), m_fx->refreshToken.load(),
                          m_fx->userId.load()}),
             cleared);
    QCOMPARE(m_fx->saved("OnlineOneNoteRefreshToken"), QString());
    QCOMPARE(m_fx->problems.load(), 0u);

    // The new account's code is exchanged in the next cycle.
    m_fx->transport->clearRequests();
    m_fx->now += 1;
    m_fx->worker->RunCycle();
    QCOMPARE(m_fx->transport->labels().value(0), QStringLiteral("token:authorization_code"));
    QVERIFY(m_fx->transport->requests().first().body.contains("&code=C2&"));
    QCOMPARE(m_fx->accessToken.load(), QStringLiteral("A2"));
    QCOMPARE(m_fx->userId.load(), QStringLiteral("U1"));
}

QTEST_GUILESS_MAIN(TestSyncTokens)
#include "tst_sync_tokens.moc"
