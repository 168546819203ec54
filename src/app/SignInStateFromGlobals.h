#pragma once

#include "signin/SignInState.h"

// This process's shared variables and its sign-out, as the sign-in window needs
// them.
SignInState SignInStateFromGlobals();
