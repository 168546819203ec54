#include "app/SyncStateFromGlobals.h"

#include "core/MGlobals.h"
#include "core/MProblems.h"

SyncState SyncStateFromGlobals()
{
    return {
        .accessToken = g_OnlineOneNoteAccessToken,
        .refreshToken = g_OnlineOneNoteRefreshToken,
        .userId = g_OnlineOneNoteUserId,
        .code = g_OnlineOneNoteCode,
        .codeVerifier = g_OnlineOneNoteCodeVerifier,
        .clientId = g_OnlineOneNoteClientId,
        .identityRoot = g_IdentityRoot,
        .redirectAddress = g_RedirectAddress,
        .graphRoot = g_GraphRoot,
        .pageId = g_PinlarkPageId,
        .pageLastModified = g_PinlarkPageLastModified,
        .pageClientUrl = g_PinlarkPageClientUrl,
        .pageWebUrl = g_PinlarkPageWebUrl,
        .pageHtml = g_PinlarkPageHtml,
        .lastAccess = g_OnlineOneNoteLastAccess,
        .lastPageDownload = g_LastPageDownload,
        .ticks = g_Ticks,
        .syncBusy = g_SyncBusy,
        .serviceUnreachable = g_ServiceUnreachable,
        .pageMissing = g_PinlarkPageMissing,
        .outbox = g_SnippetOutbox,
        .signInGeneration = g_SignInGeneration,
        .pageCreateHtml = g_PinlarkPageCreateHtml,
        .pageCreateFailure = g_PinlarkPageCreateFailure,
        .saveConfig = &MGlobals::SaveConfig,
        .storeForSignIn = &MGlobals::StoreForSignIn,
        .raiseProblem = &MProblems::Raise,
        .hasProblem = &MProblems::Has,
    };
}
