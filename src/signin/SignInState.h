#pragma once

#include "core/MShared.h"

#include <QString>

// How a run of the sign-in window ended; the library's entry returns these values.
enum class SignInOutcome : int {
    // Nothing was shown: the window's library or the browser engine is missing or
    // of another version. The stored sign-in is untouched.
    Unavailable = -1,
    // The window closed without an authorization code.
    Closed = 0,
    // An authorization code was handed to the worker.
    SignedIn = 1,
};

// Raised whenever SignInState changes shape, so that an app never drives a sign-in
// library that was built for another layout (a stale install, say).
inline constexpr int kSignInStateVersion = 3;

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

    bool isComplete() const
    {
        return version == kSignInStateVersion && identityRoot && redirectAddress && clientId &&
               code && codeVerifier && pageId && clearCredentials;
    }
};
