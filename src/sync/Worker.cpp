#include "sync/MThreadOnlineOneNote.h"
#include "text/Logging.h"

#include <QDateTime>
#include <QThread>
#include <QUrl>
#include <chrono>

qint64 MThreadOnlineOneNote::SystemClock()
{
    return QDateTime::currentSecsSinceEpoch();
}

MThreadOnlineOneNote::MThreadOnlineOneNote(SyncState state,
                                           std::unique_ptr<platform::HttpTransport> transport,
                                           Clock clock)
    : m_state(std::move(state)), m_transport(std::move(transport)), m_clock(std::move(clock))
{
    Q_ASSERT(m_transport && m_clock);
    Q_ASSERT(m_state.saveConfig && m_state.storeForSignIn && m_state.raiseProblem &&
             m_state.hasProblem);
}

MThreadOnlineOneNote::~MThreadOnlineOneNote()
{
    Stop();
}

void MThreadOnlineOneNote::Run()
{
    if (thread || StopRequested())
        return;
    thread.reset(QThread::create([this] { ThreadRun(); }));
    thread->setObjectName(QStringLiteral("PinlarkSync"));
    thread->start();
}

void MThreadOnlineOneNote::Stop()
{
    {
        // Under the pause's lock, so that the worker cannot miss the wake-up
        // between testing the flag and starting to wait.
        std::lock_guard lock(m_pauseMutex);
        m_stopRequested = true;
    }
    m_pauseWake.notify_all();
    m_transport->abort();
    if (thread)
        thread->wait();
}

void MThreadOnlineOneNote::ThreadRun()
{
    using namespace std::chrono_literals;
    while (!StopRequested()) {
        RunCycle();
        std::unique_lock lock(m_pauseMutex);
        m_pauseWake.wait_for(lock, 1s, [this] { return StopRequested(); });
    }
}

void MThreadOnlineOneNote::RunCycle()
{
    // A new sign-in owes nothing to the failures of the one before: its user id is
    // fetched at once, not minutes later. It is the user's own act, and may be
    // another account, so a throttle counted for the old one is forgotten too.
    if (const quint64 generation = m_state.signInGeneration.load();
        generation != m_signInGeneration) {
        m_signInGeneration = generation;
        m_refreshRetry.succeeded();
        m_userIdRetry.succeeded();
        m_throttle.succeeded();
        m_pageCreateTries = 0;
        m_snippetRetry.succeeded();
        m_snippetPage.clear();
    }
    // The settings name a service address that may not carry tokens: nothing at all
    // is sent until they are corrected.
    if (m_state.hasProblem(MProblem::ServiceAddressRefused))
        return;
    // Each test reads the variables afresh, so that what an earlier step has just
    // obtained is used in the same cycle: a code exchange is followed at once by the
    // user id, and the user id by the page.
    if (m_state.accessToken.load().isEmpty() && !m_state.code.load().isEmpty())
        RetrieveTokensByCode();
    if (RefreshRetryDue())
        RefreshTokens();
    if (m_state.userId.load().isEmpty()) {
        // A service that keeps failing is not asked every second.
        if (m_userIdRetry.due(m_clock()) && GraphDue())
            RetrieveUserIdByToken();
        m_state.ticks = 0;
    }
    CreatePinlarkPage();
    GetPinlarkPageHtml();
    SendSnippets();
}

bool MThreadOnlineOneNote::RefreshRetryDue() const
{
    // A refresh that got no answer left the refresh token in place and the access
    // token empty. Nothing else would ever refresh again, because only a failing
    // Graph request does so and none is sent without an access token.
    return m_state.accessToken.load().isEmpty() && m_state.code.load().isEmpty() &&
           !m_state.refreshToken.load().isEmpty() && m_refreshRetry.due(m_clock());
}

platform::HttpResponse MThreadOnlineOneNote::Send(const platform::HttpRequest &request)
{
    if (StopRequested())
        return {};
    platform::HttpResponse response = m_transport->send(request);
    // The path alone: tokens, codes and verifiers travel in headers and bodies,
    // which are never logged.
    qCDebug(lcSync).noquote() << request.method << QUrl(request.url).path() << "answered"
                              << (response.status ? QString::number(response.status)
                                                  : QStringLiteral("nothing"));
    // No status at all: the network or the service is out of reach, which the user
    // should see as "offline, retrying" rather than as signed out.
    if (!StopRequested())
        m_state.serviceUnreachable = response.transportError && response.status == 0;
    return response;
}

platform::HttpResponse MThreadOnlineOneNote::SendGraph(const QString &address,
                                                       const QString &accessToken)
{
    return SendGraphRequest(SyncRequests::GraphGet(address, accessToken));
}

platform::HttpResponse MThreadOnlineOneNote::SendGraphRequest(const platform::HttpRequest &request)
{
    platform::HttpResponse response = Send(request);
    if (SyncRequests::IsThrottled(response)) {
        m_throttle.failed(m_clock(), SyncRequests::NamedWait(response));
        qCInfo(lcSync) << "Graph asked for a pause with" << response.status
                       << "; named wait (s):" << SyncRequests::NamedWait(response);
    } else if (SyncRequests::IsSuccess(response))
        m_throttle.succeeded();
    return response;
}
