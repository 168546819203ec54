#pragma once

#include "core/MProblems.h"
#include "core/MShared.h"
#include "core/PageCreation.h"
#include "core/PendingSnippet.h"

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <functional>
#include <optional>

// Everything the sync worker reads and writes outside itself, lent by whoever makes
// the worker: the app lends the MGlobals variables (SyncStateFromGlobals), a test
// its own. The variables must outlive the worker. References, so that a state
// that leaves one out does not compile; the callbacks must all be set.
//
// Each variable is one the main thread reads or writes too, under the rules of
// MShared; what the worker keeps for itself (its back-offs) stays in the worker.
struct SyncState
{
    // Credentials. Signed in means access token and user id both non-empty.
    MShared<QString> &accessToken;
    MShared<QString> &refreshToken;
    MShared<QString> &userId;
    // The authorization code handed over by the sign-in window; spent by the worker.
    MShared<QString> &code;
    // The PKCE verifier that goes with the code; spent with it.
    MShared<QString> &codeVerifier;
    // Read only: who the app is, and where the services are.
    MShared<QString> &clientId;
    MShared<QString> &identityRoot;
    MShared<QString> &redirectAddress;
    MShared<QString> &graphRoot;

    // The board page as the worker last found it, and a download not yet taken.
    MShared<QString> &pageId;
    MShared<QString> &pageLastModified;
    MShared<QString> &pageClientUrl;
    MShared<QString> &pageWebUrl;
    MShared<QString> &pageHtml;
    // Date texts of the last page step with credentials and of the last download.
    MShared<QString> &lastAccess;
    MShared<QString> &lastPageDownload;
    // Start of the last page step, in the worker's clock; 0 runs the next one at once.
    std::atomic<qint64> &ticks;

    // What the worker is doing and has seen, for the board and the status window.
    std::atomic<bool> &syncBusy;
    std::atomic<bool> &serviceUnreachable;
    std::atomic<bool> &pageMissing;

    // Snippets to add to the page; the worker sends them, marks and removes them.
    MShared<SnippetOutbox> &outbox;

    // Which sign-in the credentials belong to; a sign-out moves it on.
    std::atomic<quint64> &signInGeneration;

    // The board page the user asked to create, as HTML: the worker sends it (after
    // looking the page up once more) and empties it when the request has ended. Why
    // it failed, when it did, is left for the main thread to tell.
    MShared<QString> &pageCreateHtml;
    MShared<std::optional<PageCreateFailure>> &pageCreateFailure;

    // Writes the credentials where they are kept; called from the worker thread
    // after an answer changed them. Must be safe beside the owner's own saves.
    std::function<void()> saveConfig;
    // Runs `store` only while the generation is still the current sign-in, under
    // the lock a sign-out takes; says whether it ran (as MGlobals::StoreForSignIn).
    std::function<bool(quint64 generation, const std::function<void()> &store)> storeForSignIn;
    // The problems the user must hear of: the worker raises a refused sign-in and a
    // rejected client id, and sends no token request while the latter stands.
    std::function<void(MProblem)> raiseProblem;
    std::function<bool(MProblem)> hasProblem;
};
