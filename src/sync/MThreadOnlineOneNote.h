#pragma once

#include "platform/HttpTransport.h"
#include "sync/Backoff.h"
#include "sync/Requests.h"
#include "sync/SyncState.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class QJsonObject;
class QThread;

// The sync worker: one background thread that turns an authorization code into
// tokens, completes the account with the user id and, at most every 120 seconds,
// downloads the board page. It meets the main thread only in the variables of the
// SyncState it is given (the app gives the MGlobals ones): it reads the credentials
// and the code there and leaves the page text, the page's identity and the access
// and change times for the main thread to poll.
//
// Every request goes through the transport, one at a time, on the worker thread.
// The operations are public so that tests can drive them without the thread.
class MThreadOnlineOneNote
{
public:
    // Whole seconds since 1970-01-01 UTC; tests pass their own to move time.
    using Clock = std::function<qint64()>;
    static qint64 SystemClock();

    // A page step runs when this many seconds have passed since the last one began.
    static constexpr qint64 kPageStepInterval = 120;
    // A section's page list is followed through at most this many answers.
    static constexpr int kMaxPageListAnswers = 10;
    // Retries of a refresh that got no answer, and of a user-id request that
    // failed: 10 s, doubling, at most 5 min.
    static constexpr qint64 kRefreshRetryFirst = 10;
    static constexpr qint64 kRefreshRetryMax = 300;
    // After Graph answered 429 or 503, no Graph request goes out before the wait
    // it named, or without one before this back-off allows: 10 s, doubling, at
    // most 5 min. Page steps wait for it as well as for their own pace.
    static constexpr qint64 kThrottleFirst = 10;
    static constexpr qint64 kThrottleMax = 300;
    // While the page is unchanged a step asks only for its metadata; the content is
    // downloaded all the same once this many seconds have passed since the last
    // download, in case the service's timestamp lags behind an edit.
    static constexpr qint64 kFullDownloadInterval = 30 * 60;
    // A request to create the page that keeps meeting an expired access token, or
    // a lookup before it that gets no clear answer, is given up after this many tries.
    static constexpr int kPageCreateTries = 3;

    // The worker owns the transport alone: Stop() aborts it for good. The state's
    // variables must outlive the worker.
    MThreadOnlineOneNote(SyncState state, std::unique_ptr<platform::HttpTransport> transport,
                         Clock clock = &SystemClock);
    // Stops the thread: a worker still running while statics are destroyed would
    // crash the exit.
    ~MThreadOnlineOneNote();
    MThreadOnlineOneNote(const MThreadOnlineOneNote &) = delete;
    MThreadOnlineOneNote &operator=(const MThreadOnlineOneNote &) = delete;

    // Starts the worker thread, which runs one cycle a second until Stop(). Returns
    // at once; later calls do nothing.
    void Run();
    // Asks the worker to stop, aborts the request under way and waits for the
    // thread. Safe to call more than once, and before Run(); a stopped worker stays
    // stopped.
    void Stop();
    // One cycle of the worker without its pause: exchange a waiting code, retry a
    // refresh that is due, fetch a missing user id when its back-off allows, then
    // the page step.
    void RunCycle();

    // Token client. Results are left in the state's credentials, and saved when
    // they changed. An answer is dropped when the sign-in it was asked for has been
    // cleared meanwhile. Nothing is sent to the token endpoint while the client id
    // stands rejected (MProblem::ClientRejected).
    void RetrieveTokensByCode();
    void RefreshTokens();
    void RetrieveUserIdByToken();

    // Page step: paced by the state's ticks, looks the page up when its id is
    // unknown and hands the downloaded content over in the state's pageHtml.
    void GetPinlarkPageHtml();
    void SectionPageFilter(const QString &sectionName, const QString &pageName);
    // `pageName` is in lower case from here on.
    void SectionPageLoopSections(const QByteArray &bytes, const QString &pageName);
    bool SectionPageGetSectionAllPages(const QString &sectionId, const QString &pageName);
    // True when a page of that title is in the answer; its values are then stored.
    // `nextLink`, when given, receives the answer's continuation address (or "").
    bool SectionPageLoopFindPage(const QByteArray &bytes, const QString &pageName,
                                 QString *nextLink = nullptr);

    // Creates the board page the state's pageCreateHtml holds, once: looks it up
    // first, since it may have been made meanwhile (elsewhere, or by a request whose
    // answer was lost), and uses the new page at once. Nothing while none is asked for.
    void CreatePinlarkPage();
    // Snippet step: sends the first snippet of the outbox that is due, aimed by the
    // element ids of the last download, and marks or removes it by the answer. A
    // snippet whose fate is unknown is sent again only after a fresh download shows
    // the page without it. Runs after the page step in every cycle.
    void SendSnippets();

private:
    void ThreadRun();
    bool StopRequested() const { return m_stopRequested.load(); }
    bool RefreshRetryDue() const;
    // Nothing is sent once a stop has been asked for.
    platform::HttpResponse Send(const platform::HttpRequest &request);
    // A GET to Graph, which also keeps the throttle's count.
    platform::HttpResponse SendGraph(const QString &address, const QString &accessToken);
    // Any request to Graph, keeping the throttle's count.
    platform::HttpResponse SendGraphRequest(const platform::HttpRequest &request);
    // Takes a page entry of a Graph answer as the board page.
    void StorePageValues(const QJsonObject &page);
    // Ends the request to create the page, with why it failed when it did.
    void EndPageCreate(const QString &html, std::optional<PageCreateFailure> failure);
    bool GraphDue() const { return m_throttle.due(m_clock()); }
    // Replaces both tokens; says whether the credentials changed from
    // `accessTokenBefore` and the refresh token held so far. Call under the state's
    // storeForSignIn.
    bool StoreTokens(const QString &accessToken, const QString &refreshToken,
                     const QString &accessTokenBefore);
    // The token endpoint's request for one grant: a code (with its verifier) or a
    // refresh token.
    platform::HttpResponse SendTokenRequest(const QByteArray &grantType,
                                            const SyncRequests::FormFields &grant);
    // What follows a token answer once stored: the user told of a refusal, the
    // settings saved if they changed. `current`: stored for the sign-in still in use.
    void FinishTokenAnswer(bool current, SyncRequests::TokenVerdict verdict, bool changed);
    // Asks the page's metadata and says whether its content may be left alone: the
    // service names the same change time as at the last download. Leaves the change
    // time it named in m_pageModified (empty when the answer had none).
    bool PageUnchanged(const QString &pageAddress, const QString &accessToken, qint64 now);

    SyncState m_state;
    std::unique_ptr<platform::HttpTransport> m_transport;
    Clock m_clock;
    Backoff m_refreshRetry{kRefreshRetryFirst, kRefreshRetryMax};
    Backoff m_userIdRetry{kRefreshRetryFirst, kRefreshRetryMax};
    Backoff m_throttle{kThrottleFirst, kThrottleMax};
    // Tries of the request to create the page that the service turned away for the
    // access token (renewed in between).
    int m_pageCreateTries = 0;
    // The page as the last download brought it, with element ids, while snippets
    // wait; emptied when a snippet changed the page (or may have), so that the
    // next one waits for a fresh download.
    QString m_snippetPage;
    // A download was asked for at once, for a snippet, and none has come yet: the
    // next one keeps the page step's pace, so that a service out of reach is not
    // asked every second.
    bool m_snippetDownloadAsked = false;
    Backoff m_snippetRetry{kRefreshRetryFirst, kRefreshRetryMax};
    // The sign-in the back-offs were counted for.
    quint64 m_signInGeneration = 0;
    // The page's change time as the service last named it, for which page, and what
    // the last download held: the time named before it was asked for, and when.
    QString m_pageModified;
    QString m_pageModifiedFor;
    QString m_downloadedModified;
    QString m_downloadedPage;
    qint64 m_lastDownload = 0;

    std::unique_ptr<QThread> thread;
    std::atomic<bool> m_stopRequested{false};
    std::mutex m_pauseMutex;
    std::condition_variable m_pauseWake;
};
