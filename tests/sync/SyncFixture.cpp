#include "SyncFixture.h"

#include "app/MConfig.h"
#include "app/MGlobals.h"
#include "app/MProblems.h"

#include <QFile>

const QByteArray SyncFixture::kPageHtml = "<html><body><h1>Tab</h1><p>Item</p></body></html>";

void SyncFixture::reset()
{
    worker.reset();
    transport = std::make_shared<ScriptedTransport>();
    worker = std::make_unique<MThreadOnlineOneNote>(transport, [this] { return now; });
    now = kStart;

    for (MShared<QString> *variable :
         {&g_OnlineOneNoteAccessToken, &g_OnlineOneNoteRefreshToken, &g_OnlineOneNoteAccountId,
          &g_OnlineOneNoteUserId, &g_OnlineOneNoteCode, &g_OnlineOneNoteLastAccess,
          &g_PinlarkPageId, &g_PinlarkPageLastModified, &g_PinlarkPageClientUrl,
          &g_PinlarkPageWebUrl, &g_PinlarkPageHtml, &g_LastPageDownload})
        variable->store(QString());
    g_Ticks = 0;
    g_PinlarkPageMissing = false;
    g_ServiceUnreachable = false;
    // Raised problems would hold requests back in the next case.
    for (const MProblem problem : MProblems::kAll)
        MProblems::Clear(problem);
    g_OnlineOneNoteClientId.store(QStringLiteral("client-1"));
    g_IdentityRoot.store(QStringLiteral("https://login.test"));
    g_RedirectAddress.store(QStringLiteral("https://login.test/oauth20_desktop.srf"));
    g_GraphRoot.store(QStringLiteral("https://graph.test"));

    const QString configPath = m_dir.filePath(QStringLiteral("zanapp.plist"));
    QFile::remove(configPath);
    g_ConfigFilePath.store(configPath);
}

void SyncFixture::signIn(const QString &accessToken, const QString &refreshToken,
                         const QString &userId, const QString &pageId)
{
    g_OnlineOneNoteAccessToken.store(accessToken);
    g_OnlineOneNoteRefreshToken.store(refreshToken);
    g_OnlineOneNoteUserId.store(userId);
    g_PinlarkPageId.store(pageId);
}

QString SyncFixture::saved(const char *key) const
{
    return MConfig(g_ConfigFilePath.load()).ReadValueDefStr(QLatin1String(key), QString());
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
