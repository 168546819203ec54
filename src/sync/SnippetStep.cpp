#include "sync/MOLONUtils.h"
#include "sync/MThreadOnlineOneNote.h"
#include "sync/Requests.h"
#include "sync/SnippetPatch.h"
#include "text/Encoding.h"
#include "text/Logging.h"

namespace {

using State = PendingSnippet::State;

// Changes the snippet of that id, if the outbox still holds it (the main thread
// may have dropped it meanwhile, at a sign-out).
template <typename F>
void changeSnippet(MShared<SnippetOutbox> &outbox, const QString &id, F change)
{
    outbox.update([&](SnippetOutbox &snippets) {
        for (PendingSnippet &snippet : snippets) {
            if (snippet.id == id) {
                change(snippet);
                return;
            }
        }
    });
}

void removeSnippet(MShared<SnippetOutbox> &outbox, const QString &id)
{
    outbox.update([&](SnippetOutbox &snippets) {
        snippets.removeIf([&](const PendingSnippet &snippet) { return snippet.id == id; });
    });
}

} // namespace

void MThreadOnlineOneNote::SendSnippets()
{
    const SnippetOutbox outbox = m_state.outbox.load();
    if (outbox.isEmpty()) {
        // Nothing waits for the page's ids any more: the board holds the page.
        m_snippetPage.clear();
        return;
    }
    const QString userId = m_state.userId.load();
    const QString accessToken = m_state.accessToken.load();
    const QString pageId = m_state.pageId.load();
    if (accessToken.isEmpty() || userId.isEmpty() || pageId.isEmpty())
        return;
    // A snippet written before any sign-in goes to the first account; one written
    // for another account never leaves.
    const auto due = std::find_if(outbox.cbegin(), outbox.cend(), [&](const PendingSnippet &s) {
        return s.state != State::Refused && PendingSnippets::BelongsTo(s, userId);
    });
    if (due == outbox.cend())
        return;
    const PendingSnippet snippet = *due;
    const qint64 now = m_clock();
    if (!GraphDue() || !m_snippetRetry.due(now))
        return;
    if (m_snippetPage.isEmpty()) {
        // The element ids of a fresh download aim the change: ask for one at once,
        // once, unless this cycle's page step has just tried.
        if (!m_snippetDownloadAsked && m_state.ticks.load() != now)
            m_state.ticks = 0;
        m_snippetDownloadAsked = true;
        return;
    }
    if (snippet.state == State::Unconfirmed) {
        if (SnippetPatch::PageHasSnippet(m_snippetPage, snippet.tab, snippet.text)) {
            qCInfo(lcSync) << "A snippet whose answer was lost is on the page";
            removeSnippet(m_state.outbox, snippet.id);
            return;
        }
    }

    const SnippetPatch::Target target =
        SnippetPatch::FindTarget(m_snippetPage, snippet.tab, snippet.tabIndex);
    if (!target && !SnippetPatch::IsReadable(m_snippetPage)) {
        // A download that cannot be read (cut short, an error page) says nothing
        // about the snippet: wait for the next one.
        m_snippetPage.clear();
        m_snippetRetry.failed(now);
        return;
    }
    if (!target) {
        // The page as downloaded names no place for it (no element ids): nothing
        // sent would land where the board shows it.
        changeSnippet(m_state.outbox, snippet.id,
                      [](PendingSnippet &s) { s.state = State::Refused; });
        m_state.raiseProblem(MProblem::SnippetRefused);
        return;
    }
    const QString address =
        MUtils::EscapeUrl(MOLONUtils::GetGraphBaseURL(m_state.graphRoot.load(), userId) +
                          QStringLiteral("/onenote/pages/") + pageId + QStringLiteral("/content"));
    // Marked before it leaves: a quit or a crash while it is on its way leaves it
    // unconfirmed, checked against the page before it is sent again.
    changeSnippet(m_state.outbox, snippet.id, [&userId](PendingSnippet &s) {
        s.state = State::Unconfirmed;
        s.userId = userId;
    });
    const platform::HttpResponse response = Send(SnippetPatch::PatchRequest(
        address, accessToken, SnippetPatch::Commands(target, snippet.tab, snippet.text)));
    if (StopRequested())
        return;

    const auto keepWaiting = [this, &snippet] {
        changeSnippet(m_state.outbox, snippet.id,
                      [](PendingSnippet &s) { s.state = State::Waiting; });
    };
    if (SyncRequests::IsSuccess(response)) {
        removeSnippet(m_state.outbox, snippet.id);
        m_snippetRetry.succeeded();
        m_throttle.succeeded();
        // The board shows the snippet from the page itself as soon as possible,
        // and the next snippet is aimed by the changed page's ids.
        m_snippetPage.clear();
        m_state.ticks = 0;
        return;
    }
    if (response.transportError && response.status == 401) {
        // The access token was refused before anything was changed. Paced, so
        // that a token the page update keeps refusing is not renewed every second.
        keepWaiting();
        m_snippetRetry.failed(now);
        RefreshTokens();
        return;
    }
    if (SyncRequests::IsThrottled(response)) {
        keepWaiting();
        m_throttle.failed(now, SyncRequests::NamedWait(response));
        return;
    }
    if (response.transportError || response.status >= 500) {
        // No answer, or a failure that may come after the change was made: the
        // page will tell.
        m_snippetRetry.failed(now);
        m_snippetPage.clear();
        m_state.ticks = 0;
        return;
    }
    if (response.status == 404) {
        // The page is gone: look it up again; the snippet waits for it.
        keepWaiting();
        m_state.pageId.store(QString());
        m_snippetPage.clear();
        m_state.ticks = 0;
        return;
    }
    if (response.status == 400 && !snippet.retried) {
        // The place it was aimed at was changed elsewhere: aim again once, by the
        // ids of a fresh download.
        changeSnippet(m_state.outbox, snippet.id, [](PendingSnippet &s) {
            s.state = State::Waiting;
            s.retried = true;
        });
        m_snippetPage.clear();
        m_state.ticks = 0;
        return;
    }
    qCInfo(lcSync) << "A snippet was refused with" << response.status;
    changeSnippet(m_state.outbox, snippet.id, [](PendingSnippet &s) { s.state = State::Refused; });
    m_state.raiseProblem(MProblem::SnippetRefused);
}
