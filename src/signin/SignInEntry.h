#pragma once

#include "signin/SignInExport.h"
#include "signin/SignInState.h"

// The one C entry point of the sign-in library, resolved by name with QLibrary.
//
// Opens the sign-in window modally on the calling (main) thread and returns when it
// has closed: 1 when an authorization code was handed over, 0 when the window was
// closed without one, -1 when `state` is missing, incomplete or of another version
// (nothing shown) or when the display offers no GL context for the browser engine.
// `logInOrOut` 0 signs in; any other value signs out first.
extern "C" PINLARK_SIGNIN_EXPORT int pinlark_run_signin(const SignInState *state, int logInOrOut);

using PinlarkRunSignIn = int (*)(const SignInState *state, int logInOrOut);
inline constexpr char kRunSignInSymbol[] = "pinlark_run_signin";
