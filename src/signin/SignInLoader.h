#pragma once

#include "signin/SignInState.h"

#include <QString>

// Opening the sign-in window from the app without linking Qt WebEngine into it.

// Opens the sign-in window modally over `state` (the host's shared variables and
// its sign-out) and returns when it has closed. `logInOrOut` 0
// signs in; any other value signs out first, then signs in. The window's library
// is loaded on first use, from beside the executable or else from the installed
// library folder, and stays loaded. Unavailable when it cannot be loaded or
// refuses to run (a library of another version, no browser engine): then nothing
// was shown and the stored sign-in is untouched.
SignInResult RunSignInWindow(const SignInState &state, int logInOrOut);

// The same with the library at an explicit path.
SignInResult RunSignInLibrary(const QString &libraryPath, const SignInState &state, int logInOrOut);
