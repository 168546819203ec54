#include "app/MGlobals.h"
#include "sync/DateText.h"
#include "sync/MOLONUtils.h"
#include "sync/MThreadOnlineOneNote.h"
#include "sync/Requests.h"
#include "text/Encoding.h"

#include <QScopeGuard>

namespace {

// The board page is the page of this title in the section of this name; both
// match in any letter case.
const QString kBoardName = QStringLiteral("Pinlark");

} // namespace

void MThreadOnlineOneNote::GetPinlarkPageHtml()
{
    const qint64 now = m_clock();
    // A signed difference: after the clock has been set back, steps wait until it
    // has passed the last step by the whole interval again.
    if (now - g_Ticks.load() < kPageStepInterval)
        return;
    // The pace holds even for a step that stops for want of credentials.
    g_Ticks = now;

    const QString userId = g_OnlineOneNoteUserId.load();
    if (g_OnlineOneNoteAccessToken.load().isEmpty() || userId.isEmpty())
        return;
    g_OnlineOneNoteLastAccess.store(MUtils::DateTextFromSecs(now));

    // The board shows its busy bar only while this step talks to the service.
    g_SyncBusy = true;
    const auto notBusy = qScopeGuard([] { g_SyncBusy = false; });

    if (g_PinlarkPageId.load().isEmpty()) {
        SectionPageFilter(kBoardName, kBoardName);
        if (g_PinlarkPageId.load().isEmpty())
            return;
    }

    const QString address =
        MUtils::EscapeUrl(MOLONUtils::GetGraphBaseURL(userId) + QStringLiteral("/onenote/pages/") +
                          g_PinlarkPageId.load() + QStringLiteral("/content?includeIDs=true"));
    const platform::HttpResponse response =
        Send(SyncRequests::GraphGet(address, g_OnlineOneNoteAccessToken.load()));
    if (response.transportError) {
        RefreshTokens();
        return;
    }
    if (response.status == 404) {
        // The page was deleted or moved: look it up again at the next step.
        g_PinlarkPageId.store(QString());
        return;
    }
    // An error body must never replace the board or the cached page file.
    if (!SyncRequests::IsSuccess(response))
        return;
    // Nor may an undecodable one wipe out a good page the main thread has not
    // taken yet: empty text would read as "nothing new".
    const QString html = MUtils::DecodeUtf8Strict(response.body);
    if (!html.isEmpty()) {
        g_PinlarkPageHtml.store(html);
        g_LastPageDownload.store(MUtils::DateTextFromSecs(now));
    }
}
