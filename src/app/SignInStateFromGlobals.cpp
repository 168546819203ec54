#include "app/SignInStateFromGlobals.h"

#include "core/MGlobals.h"

SignInState SignInStateFromGlobals()
{
    SignInState state;
    state.identityRoot = &g_IdentityRoot;
    state.redirectAddress = &g_RedirectAddress;
    state.clientId = &g_OnlineOneNoteClientId;
    state.code = &g_OnlineOneNoteCode;
    state.codeVerifier = &g_OnlineOneNoteCodeVerifier;
    state.pageId = &g_PinlarkPageId;
    state.clearCredentials = &MGlobals::ClearCredentials;
    return state;
}
