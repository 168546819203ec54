#include "SyncFixture.h"

const QByteArray SyncFixture::kPageHtml = "<html><body><h1>Tab</h1><p>Item</p></body></html>";

SyncFixture::SyncFixture()
{
    auto scripted = std::make_unique<ScriptedTransport>();
    transport = scripted.get();
    worker = std::make_unique<MThreadOnlineOneNote>(state(), std::move(scripted),
                                                    [this] { return now; });
}

SyncFixture::~SyncFixture()
{
    // The worker's thread may still be saving through this fixture.
    worker.reset();
}

SyncState SyncFixture::state()
{
    return {
        .accessToken = accessToken,
        .refreshToken = refreshToken,
        .userId = userId,
        .code = code,
        .codeVerifier = codeVerifier,
        .clientId = clientId,
        .identityRoot = identityRoot,
        .redirectAddress = redirectAddress,
        .graphRoot = graphRoot,
        .pageId = pageId,
        .pageLastModified = pageLastModified,
        .pageClientUrl = pageClientUrl,
        .pageWebUrl = pageWebUrl,
        .pageHtml = pageHtml,
        .lastAccess = lastAccess,
        .lastPageDownload = lastPageDownload,
        .ticks = ticks,
        .syncBusy = syncBusy,
        .serviceUnreachable = serviceUnreachable,
        .pageMissing = pageMissing,
        .outbox = outbox,
        .signInGeneration = signInGeneration,
        .pageCreateHtml = pageCreateHtml,
        .pageCreateFailure = pageCreateFailure,
        .saveConfig = [this] { saveConfig(); },
        .storeForSignIn =
            [this](quint64 generation, const std::function<void()> &store) {
                return storeForSignIn(generation, store);
            },
        .raiseProblem =
            [this](MProblem problem) { problems.fetch_or(static_cast<unsigned>(problem)); },
        .hasProblem =
            [this](MProblem problem) {
                return (problems.load() & static_cast<unsigned>(problem)) != 0;
            },
    };
}

void SyncFixture::signIn(const QString &accessTokenValue, const QString &refreshTokenValue,
                         const QString &userIdValue, const QString &pageIdValue)
{
    accessToken.store(accessTokenValue);
    refreshToken.store(refreshTokenValue);
    userId.store(userIdValue);
    pageId.store(pageIdValue);
}

void SyncFixture::clearCredentials()
{
    {
        std::lock_guard lock(m_signInMutex);
        for (MShared<QString> *variable :
             {&code, &codeVerifier, &accessToken, &refreshToken, &userId})
            variable->store(QString());
        ++signInGeneration;
    }
    saveConfig();
}

void SyncFixture::clearProblem(MProblem problem)
{
    problems.fetch_and(~static_cast<unsigned>(problem));
}

bool SyncFixture::settingsWritten() const
{
    std::lock_guard lock(m_saveMutex);
    return m_written;
}

QString SyncFixture::saved(const char *key) const
{
    std::lock_guard lock(m_saveMutex);
    return m_saved.value(QLatin1String(key));
}

void SyncFixture::saveConfig()
{
    std::lock_guard lock(m_saveMutex);
    m_written = true;
    m_saved = {{QStringLiteral("OnlineOneNoteAccessToken"), accessToken.load()},
               {QStringLiteral("OnlineOneNoteRefreshToken"), refreshToken.load()},
               {QStringLiteral("OnlineOneNoteUserId"), userId.load()}};
}

bool SyncFixture::storeForSignIn(quint64 generation, const std::function<void()> &store)
{
    std::lock_guard lock(m_signInMutex);
    if (signInGeneration.load() != generation)
        return false;
    store();
    return true;
}

ScriptedAnswer SyncFixture::HealthyService(const platform::HttpRequest &request)
{
    const QString label = ScriptedTransport::Label(request);
    if (label.startsWith(QLatin1String("token:")))
        return ScriptedAnswer::reply(
            200, R"({"token_type":"Bearer","access_token":"A2","refresh_token":"R2"})");
    if (label == QLatin1String("me"))
        return ScriptedAnswer::reply(200, R"({"displayName":"Ann","id":"U1"})");
    if (label == QLatin1String("sections"))
        return ScriptedAnswer::reply(200, R"({"value":[{"id":"S1","displayName":"Pinlark"}]})");
    if (label == QLatin1String("pages"))
        return ScriptedAnswer::reply(
            200, R"({"value":[{"title":"Pinlark","id":"P1",)"
                 R"("lastModifiedDateTime":"2024-04-30T10:00:00Z",)"
                 R"("links":{"oneNoteClientUrl":{"href":"onenote:https://notes/Pinlark"}}}]})");
    if (label == QLatin1String("content"))
        return ScriptedAnswer::reply(200, kPageHtml);
    return ScriptedAnswer::reply(404);
}
