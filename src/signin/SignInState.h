#pragma once

#include "core/MShared.h"

#include <QString>
#include <utility>

// How a run of the sign-in window ended; the library's entry returns these values.
enum class SignInOutcome : int {
    // Nothing was shown: the window's library or the browser engine is missing or
    // of another version. The stored sign-in is untouched.
    Unavailable = -1,
    // The window closed without an authorization code.
    Closed = 0,
    // An authorization code was handed to the worker.
    SignedIn = 1,
    // The identity platform answered the redirect address with an error (the user
    // declined, the app's registration was refused, ...): no code, window closed.
    ServiceError = 2,
    // An answer came to the redirect address without the state this sign-in sent:
    // refused, nothing handed over.
    Forged = 3,
    // The user closed the window while it showed the service's own error page.
    ClosedOnErrorPage = 4,
};

// How a sign-in ended, with the service's words where it gave any: the error code
// and description of an error answer, or the error code an error page named.
struct SignInResult
{
    SignInResult(SignInOutcome outcomeValue = SignInOutcome::Closed, QString errorValue = {},
                 QString descriptionValue = {})
        : outcome(outcomeValue), error(std::move(errorValue)),
          description(std::move(descriptionValue))
    {}

    SignInOutcome outcome;
    QString error;
    QString description;
};

// Raised whenever SignInState changes shape, so that an app never drives a sign-in
// library that was built for another layout (a stale install, say).
inline constexpr int kSignInStateVersion = 4;

// The shared variables the sign-in window reads and writes, lent by the process
// that opens it. The window lives in a library loaded only when it must open; if
// that library carried its own copy of the settings module, the code it reads
// would land in a variable the worker never looks at. Working on the host's
// variables through these pointers keeps one copy per process.
struct SignInState
{
    int version = kSignInStateVersion;

    // Read: where the identity platform is and who the app is.
    MShared<QString> *identityRoot = nullptr;
    MShared<QString> *redirectAddress = nullptr;
    MShared<QString> *clientId = nullptr;

    // Where the window leaves the authorization code for the worker, and the PKCE
    // verifier the code was asked for with (set before the request goes out).
    MShared<QString> *code = nullptr;
    MShared<QString> *codeVerifier = nullptr;

    // Emptied when a new code arrives, so the worker looks the board page up again
    // for the account now signed in.
    MShared<QString> *pageId = nullptr;

    // The host's sign-out, run when the window opens (sign-in and sign-out alike):
    // empties the code, the tokens, the account id and the user id and saves. It is
    // the host's own so that an answer the worker is waiting for meanwhile is
    // dropped instead of stored over the cleared values.
    void (*clearCredentials)() = nullptr;

    // Optional, the caller's own: where the window leaves the service's words when
    // the sign-in ends without a code (error code and description).
    QString *answerError = nullptr;
    QString *answerDescription = nullptr;

    bool isComplete() const
    {
        return version == kSignInStateVersion && identityRoot && redirectAddress && clientId &&
               code && codeVerifier && pageId && clearCredentials;
    }
};
