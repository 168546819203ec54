#pragma once

#include "ScriptedTransport.h"
#include "sync/MThreadOnlineOneNote.h"

#include <QMap>
#include <memory>
#include <mutex>

// Shared set-up of the sync tests: the worker's state held here (what MGlobals holds
// for the app), with the service roots on test hosts, saves kept in memory, and a
// worker over a scripted transport with a clock that only the test moves. Make a
// fresh fixture for each case (see init() in the tests): nothing outlives it.
class SyncFixture
{
public:
    // 2024-05-01 08:30:15 UTC
    static constexpr qint64 kStart = 1714552215;

    SyncFixture();
    ~SyncFixture();
    SyncFixture(const SyncFixture &) = delete;
    SyncFixture &operator=(const SyncFixture &) = delete;

    // The worker's state, named as in SyncState.
    MShared<QString> accessToken;
    MShared<QString> refreshToken;
    MShared<QString> userId;
    MShared<QString> code;
    MShared<QString> codeVerifier;
    MShared<QString> clientId{QStringLiteral("client-1")};
    MShared<QString> identityRoot{QStringLiteral("https://login.test")};
    MShared<QString> redirectAddress{QStringLiteral("https://login.test/oauth20_desktop.srf")};
    MShared<QString> graphRoot{QStringLiteral("https://graph.test")};
    MShared<QString> pageId;
    MShared<QString> pageLastModified;
    MShared<QString> pageClientUrl;
    MShared<QString> pageWebUrl;
    MShared<QString> pageHtml;
    MShared<QString> lastAccess;
    MShared<QString> lastPageDownload;
    std::atomic<qint64> ticks{0};
    std::atomic<bool> syncBusy{false};
    std::atomic<bool> serviceUnreachable{false};
    std::atomic<bool> pageMissing{false};
    MShared<SnippetOutbox> outbox;
    std::atomic<quint64> signInGeneration{0};
    MShared<QString> pageCreateHtml;
    MShared<std::optional<PageCreateFailure>> pageCreateFailure;
    // The problems raised, as a bit set of MProblem values.
    std::atomic<unsigned> problems{0};

    qint64 now = kStart;
    // Owned by the worker; kept here to script and inspect it.
    ScriptedTransport *transport = nullptr;
    std::unique_ptr<MThreadOnlineOneNote> worker;

    // A state over this fixture's variables, for a worker of the test's own.
    SyncState state();
    void signIn(const QString &accessToken, const QString &refreshToken, const QString &userId,
                const QString &pageId = {});
    // The sign-in window's sign-out, as MGlobals::ClearCredentials does it.
    void clearCredentials();
    void clearProblem(MProblem problem);
    // Whether the worker saved at all, and a credential as the last save wrote it
    // (by its settings key).
    bool settingsWritten() const;
    QString saved(const char *key) const;

    // A service that answers every request as a healthy one would: new tokens, user
    // "U1", one section "S1" holding the board page "P1", and its content.
    static ScriptedAnswer HealthyService(const platform::HttpRequest &request);
    static const QByteArray kPageHtml;

private:
    void saveConfig();
    bool storeForSignIn(quint64 generation, const std::function<void()> &store);

    mutable std::mutex m_saveMutex;
    QMap<QString, QString> m_saved;
    bool m_written = false;
    std::mutex m_signInMutex;
};
