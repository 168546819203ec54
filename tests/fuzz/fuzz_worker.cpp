// The sync worker's handling of whatever the services answer: token answers, the
// user, section and page lists with their continuation links, page content. A few
// worker cycles run over a scripted transport, and every request and its outcome
// are checked against what the worker promises: the access token goes to the Graph
// host only, a sign-in survives everything but a refusal, nothing is asked of the
// token endpoint while the client id stands rejected, an answer for a sign-in the
// user has ended is dropped, only readable 2xx content reaches the board, and every
// credential change is saved.
//
// The input is text. Its first line names the state before the first cycle, one
// letter each: c a code, a an access token, r a refresh token, u a user id (d one
// with a "-", a work account's), p a known page id, x a client id already rejected.
// Then come the answers, in the order the requests ask for them, separated by lines
// of "---": a status line ("-" for no answer at all; " out" after the status signs
// the user out while that request is under way), then the body.

#include "FuzzCheck.h"
#include "ScriptedTransport.h"
#include "SyncFixture.h"
#include "sync/Requests.h"
#include "text/Encoding.h"

#include <cstdint>
#include <functional>

namespace {

constexpr int kMaxCycles = 8;

struct Answer
{
    ScriptedAnswer scripted;
    bool signOut = false;
};

struct Script
{
    QByteArray state;
    QList<Answer> answers;
};

Script parse(QByteArrayView input)
{
    Script script;
    const qsizetype lineEnd = input.indexOf('\n');
    script.state = input.first(lineEnd < 0 ? input.size() : lineEnd).toByteArray();
    if (lineEnd < 0)
        return script;
    const QByteArrayView rest = input.sliced(lineEnd + 1);
    qsizetype from = 0;
    while (from <= rest.size()) {
        qsizetype to = rest.indexOf("\n---\n", from);
        if (to < 0)
            to = rest.size();
        const QByteArrayView record = rest.sliced(from, to - from);
        const qsizetype statusEnd = record.indexOf('\n');
        const QByteArrayView status = record.first(statusEnd < 0 ? record.size() : statusEnd);
        Answer answer;
        answer.signOut = status.endsWith(" out");
        const QByteArray code = status.first(std::min<qsizetype>(status.size(), 3)).toByteArray();
        bool isNumber = false;
        const int number = code.toInt(&isNumber);
        if (isNumber && number >= 0) {
            answer.scripted = ScriptedAnswer::reply(
                number, statusEnd < 0 ? QByteArray() : record.sliced(statusEnd + 1).toByteArray());
        }
        script.answers << answer;
        from = to + 5;
    }
    return script;
}

// The answer the worker gets, as the scripted transport turns a script line into one.
platform::HttpResponse responseTo(const ScriptedAnswer &answer)
{
    if (answer.kind != ScriptedAnswer::Reply)
        return {};
    if (answer.status == 401)
        return {true, 401, {}};
    return {false, answer.status, answer.body};
}

QByteArray header(const platform::HttpRequest &request, QByteArrayView name)
{
    for (const auto &[key, value] : request.headers) {
        if (key == name)
            return value;
    }
    return {};
}

class Run
{
public:
    explicit Run(Script script) : m_answers(std::move(script.answers))
    {
        const QByteArray &state = script.state;
        if (state.contains('c'))
            m_fx.code.store(QStringLiteral("C1"));
        if (state.contains('a'))
            m_fx.accessToken.store(QStringLiteral("A1"));
        if (state.contains('r'))
            m_fx.refreshToken.store(QStringLiteral("R1"));
        if (state.contains('u'))
            m_fx.userId.store(QStringLiteral("U1"));
        if (state.contains('d'))
            m_fx.userId.store(QStringLiteral("4f1c-9b7d"));
        if (state.contains('p'))
            m_fx.pageId.store(QStringLiteral("P1"));
        if (state.contains('x'))
            m_fx.problems = static_cast<unsigned>(MProblem::ClientRejected);
        m_initialRefreshToken = m_fx.refreshToken.load();
        m_initialUserId = m_fx.userId.load();

        ScriptedAnswers scripted;
        for (const Answer &answer : m_answers)
            scripted << answer.scripted;
        m_fx.transport->script(scripted);
        m_fx.transport->onSend = [this](const platform::HttpRequest &request) { sent(request); };
    }

    void run()
    {
        for (int cycle = 0; cycle < kMaxCycles; ++cycle) {
            if (cycle >= 2 && m_sent >= m_answers.size())
                break;
            m_fx.worker->RunCycle();
            settle();
            // The busy bar stops with the step, whatever happened in it.
            FUZZ_CHECK(!m_fx.syncBusy.load());
            FUZZ_CHECK(m_fx.pageHtml.load() == m_expectedHtml);
            m_fx.now += MThreadOnlineOneNote::kPageStepInterval + 1;
        }

        if (m_signedOut) {
            FUZZ_CHECK(m_fx.accessToken.load().isEmpty() && m_fx.refreshToken.load().isEmpty() &&
                       m_fx.userId.load().isEmpty());
        }
        // What the worker changed, it saved.
        const bool written = m_fx.settingsWritten();
        FUZZ_CHECK(m_fx.refreshToken.load() ==
                   (written ? m_fx.saved("OnlineOneNoteRefreshToken") : m_initialRefreshToken));
        FUZZ_CHECK(m_fx.userId.load() ==
                   (written ? m_fx.saved("OnlineOneNoteUserId") : m_initialUserId));
    }

private:
    bool hasProblem(MProblem problem) const
    {
        return (m_fx.problems.load() & static_cast<unsigned>(problem)) != 0;
    }

    // The outcome of the request before, once the worker has handled its answer.
    void settle()
    {
        if (m_pending)
            std::exchange(m_pending, {})();
    }

    void sent(const platform::HttpRequest &request)
    {
        settle();
        const QString label = ScriptedTransport::Label(request);
        const bool token = label.startsWith(QLatin1String("token:"));
        if (token) {
            FUZZ_CHECK(request.url ==
                       m_fx.identityRoot.load() + QStringLiteral("/common/oauth2/v2.0/token"));
            FUZZ_CHECK(header(request, "Authorization").isEmpty());
            FUZZ_CHECK(header(request, "Content-Length").toLongLong() == request.body.size());
            FUZZ_CHECK(!hasProblem(MProblem::ClientRejected));
        } else {
            // The access token travels to the Graph host only.
            FUZZ_CHECK(request.url.startsWith(m_fx.graphRoot.load() + u'/'));
            const QByteArray authorization = header(request, "Authorization");
            FUZZ_CHECK(authorization.startsWith("Bearer ") && authorization.size() > 7);
        }

        const Answer answer = m_sent < m_answers.size() ? m_answers[m_sent] : Answer{};
        ++m_sent;
        // To follow a finding: which request got which answer.
        static const bool trace = qEnvironmentVariableIsSet("PINLARK_FUZZ_TRACE");
        if (trace)
            std::fprintf(stderr, "%s %s -> %d%s\n", qPrintable(label), qPrintable(request.url),
                         answer.scripted.status, answer.signOut ? " out" : "");
        const quint64 generation = m_fx.signInGeneration.load();
        const QString code = m_fx.code.load();
        const QString refreshToken = m_fx.refreshToken.load();
        if (answer.signOut) {
            m_fx.clearCredentials();
            m_signedOut = true;
        }
        const platform::HttpResponse response = responseTo(answer.scripted);
        const SyncRequests::TokenVerdict verdict = SyncRequests::ReadTokenVerdict(response);
        using Verdict = SyncRequests::TokenVerdict;

        if (label == QLatin1String("token:refresh_token")) {
            m_pending = [=, this] {
                if (m_fx.signInGeneration.load() != generation)
                    return;
                // Only a refusal ends a sign-in.
                if (verdict == Verdict::PassingFailure || verdict == Verdict::ClientRejected)
                    FUZZ_CHECK(m_fx.refreshToken.load() == refreshToken);
                if (verdict == Verdict::GrantRefused)
                    FUZZ_CHECK(m_fx.refreshToken.load().isEmpty() &&
                               hasProblem(MProblem::SignInRefused));
                if (verdict == Verdict::ClientRejected)
                    FUZZ_CHECK(hasProblem(MProblem::ClientRejected));
            };
        } else if (label == QLatin1String("token:authorization_code")) {
            m_pending = [=, this] {
                if (m_fx.signInGeneration.load() != generation)
                    return;
                // A code is kept for another try only when it was not looked at.
                const bool kept =
                    verdict == Verdict::PassingFailure || verdict == Verdict::ClientRejected;
                FUZZ_CHECK(m_fx.code.load() == (kept ? code : QString()));
            };
        } else if (label == QLatin1String("content")) {
            const QString html = MUtils::DecodeUtf8Strict(response.body);
            // A page that arrives after a sign-out belongs to no one any more.
            if (SyncRequests::IsSuccess(response) && !html.isEmpty() && !answer.signOut)
                m_expectedHtml = html;
            if (!response.transportError && response.status == 404)
                m_pending = [this] { FUZZ_CHECK(m_fx.pageId.load().isEmpty()); };
        }
    }

    SyncFixture m_fx;
    QList<Answer> m_answers;
    qsizetype m_sent = 0;
    std::function<void()> m_pending;
    QString m_expectedHtml;
    QString m_initialRefreshToken;
    QString m_initialUserId;
    bool m_signedOut = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Run(parse(QByteArrayView(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size))))
        .run();
    return 0;
}
