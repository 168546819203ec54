#pragma once

#include "signin/SignInExport.h"
#include "signin/SignInState.h"

// The one C entry point of the sign-in library, resolved by name with QLibrary.
//
// Opens the sign-in window modally on the calling (main) thread and returns when it
// has closed, with a SignInOutcome value: 1 when an authorization code was handed
// over, 0 or 2 to 4 when the window closed without one (the service's words, if
// any, left in the state's answer fields), -1 when `state` is missing, incomplete
// or of another version (nothing shown) or when the display offers no GL context
// for the browser engine.
// `logInOrOut` 0 signs in; any other value signs out first.
extern "C" PINLARK_SIGNIN_EXPORT int pinlark_run_signin(const SignInState *state, int logInOrOut);

using PinlarkRunSignIn = int (*)(const SignInState *state, int logInOrOut);
inline constexpr char kRunSignInSymbol[] = "pinlark_run_signin";
