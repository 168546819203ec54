#include "sync/MOLONUtils.h"
#include "sync/MThreadOnlineOneNote.h"
#include "sync/Requests.h"
#include "text/DateText.h"
#include "text/Encoding.h"

#include <QScopeGuard>

namespace {

// The board page is the page of this title in the section of this name; both
// match in any letter case.
const QString kBoardName = QStringLiteral("Pinlark");

} // namespace

bool MThreadOnlineOneNote::PageUnchanged(const QString &pageAddress, const QString &accessToken,
                                         qint64 now)
{
    const QString pageId = m_state.pageId.load();
    // Only a download of this very page, recent enough, can be kept. One that came
    // without a change time (the page id was known from the settings) is asked
    // about all the same: the time named now goes with the download that follows.
    if (m_downloadedPage != pageId || now < m_lastDownload ||
        now - m_lastDownload >= kFullDownloadInterval)
        return false;
    m_pageModified.clear();
    m_pageModifiedFor = pageId;
    const platform::HttpResponse response = SendGraph(pageAddress, accessToken);
    // Anything but a readable answer leaves the decision to the content request,
    // which handles a refused token, a deleted page and a busy service.
    if (response.transportError || !SyncRequests::IsSuccess(response))
        return false;
    m_pageModified = SyncRequests::ReadLastModified(response.body);
    if (m_pageModified.isEmpty())
        return false;
    m_state.pageLastModified.store(MUtils::DateText(MUtils::DateFromDateTimeText(m_pageModified)));
    return !m_downloadedModified.isEmpty() && m_pageModified == m_downloadedModified;
}

void MThreadOnlineOneNote::GetPinlarkPageHtml()
{
    const qint64 now = m_clock();
    // A signed difference: after the clock has been set back, steps wait until it
    // has passed the last step by the whole interval again.
    const qint64 lastStep = m_state.ticks.load();
    if (now - lastStep < kPageStepInterval)
        return;
    // A service that asked for quiet gets it, even from the Refresh command; the
    // step runs as soon as both waits are over.
    if (!GraphDue())
        return;
    // The pace holds even for a step that stops for want of credentials.
    m_state.ticks = now;

    // A sign-out while the download runs makes its page the old account's.
    const quint64 generation = m_state.signInGeneration.load();
    const QString userId = m_state.userId.load();
    if (m_state.accessToken.load().isEmpty() || userId.isEmpty())
        return;
    m_state.lastAccess.store(MUtils::DateTextFromSecs(now));

    // The board shows its busy bar only while this step talks to the service.
    m_state.syncBusy = true;
    const auto notBusy = qScopeGuard([this] { m_state.syncBusy = false; });

    if (m_state.pageId.load().isEmpty()) {
        SectionPageFilter(kBoardName, kBoardName);
        if (m_state.pageId.load().isEmpty())
            return;
    }

    const QString pageId = m_state.pageId.load();
    const QString pageAddress =
        MUtils::EscapeUrl(MOLONUtils::GetGraphBaseURL(m_state.graphRoot.load(), userId) +
                          QStringLiteral("/onenote/pages/") + pageId);
    // A step after Refresh (or the first one) always downloads; the others first
    // ask whether the page changed, which costs a few hundred bytes, not the page.
    if (lastStep != 0 && PageUnchanged(pageAddress, m_state.accessToken.load(), now))
        return;
    // The question may have met a throttle or a sign-out: then the content waits.
    if (!GraphDue() || m_state.signInGeneration.load() != generation ||
        m_state.accessToken.load().isEmpty())
        return;
    // The change time named before the content is asked for: whatever changes
    // meanwhile shows as a newer time at the next step.
    const QString modifiedBefore = m_pageModifiedFor == pageId ? m_pageModified : QString();

    const QString address = pageAddress + QStringLiteral("/content?includeIDs=true");
    const platform::HttpResponse response = SendGraph(address, m_state.accessToken.load());
    if (response.transportError) {
        RefreshTokens();
        return;
    }
    if (response.status == 404) {
        // The page was deleted or moved: look it up again at the next step.
        m_state.pageId.store(QString());
        m_snippetPage.clear();
        return;
    }
    // An error body must never replace the board or the cached page file.
    if (!SyncRequests::IsSuccess(response))
        return;
    // Nor may an undecodable one wipe out a good page the main thread has not
    // taken yet: empty text would read as "nothing new".
    const QString html = MUtils::DecodeUtf8Strict(response.body);
    if (!html.isEmpty()) {
        m_state.storeForSignIn(generation, [this, &html, now] {
            m_state.pageHtml.store(html);
            m_state.lastPageDownload.store(MUtils::DateTextFromSecs(now));
        });
        // Kept only while a snippet waits for it: the board holds the page already,
        // and a snippet saved later asks for a fresh download of its own.
        m_snippetPage = m_state.outbox.load().isEmpty() ? QString() : html;
        m_snippetDownloadAsked = false;
        m_downloadedModified = modifiedBefore;
        m_downloadedPage = pageId;
        m_lastDownload = now;
    }
}
