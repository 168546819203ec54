#include "sync/MOLONUtils.h"
#include "sync/MThreadOnlineOneNote.h"
#include "sync/Requests.h"
#include "text/Encoding.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>

namespace {

// The section the page is made in, and the page's title (the page's own <title>).
const QString kBoardName = QStringLiteral("Pinlark");

} // namespace

void MThreadOnlineOneNote::CreatePinlarkPage()
{
    const QString html = m_state.pageCreateHtml.load();
    if (html.isEmpty())
        return;
    const QString userId = m_state.userId.load();
    // A sign-in still being completed (a refresh, the user id) is waited for.
    if (m_state.accessToken.load().isEmpty() || userId.isEmpty())
        return;
    // A service that asked for quiet gets it; the request waits.
    if (!GraphDue())
        return;
    m_state.syncBusy = true;
    const auto notBusy = qScopeGuard([this] { m_state.syncBusy = false; });

    // Looked up again right before: a page made meanwhile, on another device or by
    // an earlier request whose answer was lost, is used instead of making a second.
    m_state.pageId.store(QString());
    m_state.pageMissing = false;
    SectionPageFilter(kBoardName, kBoardName);
    if (!m_state.pageId.load().isEmpty()) {
        m_state.ticks = 0;
        EndPageCreate(html, std::nullopt);
        return;
    }
    if (!m_state.pageMissing.load()) {
        // The lookup could not tell whether the page exists: creating it now might
        // make a second one. A renewed access token or a pause the service asked
        // for gets another try; no answer at all is told at once.
        if (!m_state.serviceUnreachable.load() && ++m_pageCreateTries < kPageCreateTries)
            return;
        EndPageCreate(html, PageCreateFailure{});
        return;
    }

    const QString address =
        MUtils::EscapeUrl(MOLONUtils::GetGraphBaseURL(m_state.graphRoot.load(), userId) +
                          QStringLiteral("/onenote/pages?sectionName=") + kBoardName);
    const platform::HttpResponse response = SendGraphRequest(SyncRequests::GraphPost(
        address, m_state.accessToken.load(), "text/html; charset=utf-8", html.toUtf8()));
    if (SyncRequests::IsSuccess(response)) {
        const QJsonObject page = QJsonDocument::fromJson(response.body).object();
        // The new page is the board page from now on; without an id in the answer
        // the next page step finds it by its title.
        if (!page.value(QLatin1String("id")).toString().isEmpty())
            StorePageValues(page);
        m_state.ticks = 0;
        EndPageCreate(html, std::nullopt);
        return;
    }
    if (response.transportError && response.status == 401) {
        // The access token ran out on the way: renewed, and the next cycle starts
        // over with the lookup.
        RefreshTokens();
        if (++m_pageCreateTries < kPageCreateTries)
            return;
        EndPageCreate(html, PageCreateFailure{401, {}});
        return;
    }
    if (response.status == 0) {
        // No answer: the page may exist all the same. The page step right after
        // looks it up, and so does any further request before it sends anything.
        m_state.ticks = 0;
        EndPageCreate(html, PageCreateFailure{});
        return;
    }
    EndPageCreate(
        html, PageCreateFailure{response.status, SyncRequests::GraphErrorMessage(response.body)});
}

void MThreadOnlineOneNote::EndPageCreate(const QString &html,
                                         std::optional<PageCreateFailure> failure)
{
    m_pageCreateTries = 0;
    // Only the request that was sent: a sign-out may have withdrawn it meanwhile.
    if (!m_state.pageCreateHtml.compareExchange(html, QString()))
        return;
    if (failure)
        m_state.pageCreateFailure.store(std::move(failure));
}
