#pragma once

#include "core/MShared.h"
#include "core/PageCreation.h"
#include "core/PendingSnippet.h"

#include <QString>
#include <atomic>
#include <functional>
#include <optional>

namespace Settings {
class Changes;
}

// Process-wide state through which the main thread and the sync worker meet. Each
// variable is replaced whole (see MShared); neither thread calls into the other.

// Paths: bare names until InitDataFolder makes them complete.
extern MShared<QString> g_DataFolder;
extern MShared<QString> g_ConfigFilePath;
extern MShared<QString> g_CacheFilePath;

// Main window geometry in the settings file's terms: left edge, top edge with y
// growing upwards from the primary screen's bottom, width, height.
extern MShared<double> g_WindowX;
extern MShared<double> g_WindowY;
extern MShared<double> g_WindowWidth;
extern MShared<double> g_WindowHeight;

// Credentials. Signed in means access token and user id both non-empty.
extern MShared<QString> g_OnlineOneNoteAccessToken;
extern MShared<QString> g_OnlineOneNoteRefreshToken;
extern MShared<QString> g_OnlineOneNoteAccountId;
extern MShared<QString> g_OnlineOneNoteUserId;
// Authorization code handed from the sign-in window to the worker; never saved.
extern MShared<QString> g_OnlineOneNoteCode;
// The PKCE verifier of the sign-in that asked for that code; never saved, and
// emptied with the code.
extern MShared<QString> g_OnlineOneNoteCodeVerifier;
// The application's client id at the identity platform ("ClientId" overrides it);
// empty when none is built in or set.
extern MShared<QString> g_OnlineOneNoteClientId;
extern MShared<QString> g_OnlineOneNoteLastAccess;

// Remote service roots; the settings file may point them at a local stand-in.
extern MShared<QString> g_IdentityRoot;
extern MShared<QString> g_RedirectAddress;
extern MShared<QString> g_GraphRoot;
// The settings keys of service addresses that were refused (not https, nor plain
// http to this computer), joined by ", "; empty when every address may be used.
// While one stands (MProblem::ServiceAddressRefused) nothing is sent anywhere.
extern MShared<QString> g_RefusedServiceKeys;
// The service roots changed since the tokens were issued, so they were dropped
// (never sent to the new ones); the app asks for a new sign-in and clears it.
extern std::atomic<bool> g_TokensDroppedForNewRoots;

// The board page as the worker last found it.
extern MShared<QString> g_PinlarkPageId;
extern MShared<QString> g_PinlarkPageLastModified;
extern MShared<QString> g_PinlarkPageClientUrl;
// The page's address on the notebook service's web site, beside the client one.
extern MShared<QString> g_PinlarkPageWebUrl;
// A downloaded page not yet taken by the main thread; empty means nothing new.
extern MShared<QString> g_PinlarkPageHtml;

// What the worker is doing and has seen, so that the board and the status window
// can say why the board is empty or old. Written by the worker only.
// A page lookup or download is under way.
extern std::atomic<bool> g_SyncBusy;
// The last request got no answer at all (no network, the service unreachable).
extern std::atomic<bool> g_ServiceUnreachable;
// The last lookup went through every section and found no page titled Pinlark.
extern std::atomic<bool> g_PinlarkPageMissing;
// Date text of the last download that brought the page.
extern MShared<QString> g_LastPageDownload;

// The board page the user asked Pinlark to create, as HTML; the worker empties it
// once the request has ended. Non-empty means a request is waiting or under way.
extern MShared<QString> g_PinlarkPageCreateHtml;
// Why the last request to create the page failed; the main thread takes and tells it.
extern MShared<std::optional<PageCreateFailure>> g_PinlarkPageCreateFailure;
// Snippets saved by the user and not yet on the page. The main thread adds and
// keeps the outbox file; the worker sends, marks and removes.
extern MShared<SnippetOutbox> g_SnippetOutbox;

// Whole seconds since 1970 at which the worker's download step last passed its
// 120-second check; 0 makes the next step download at once.
extern std::atomic<qint64> g_Ticks;

// The tokens are kept in the system keyring (see TokenStore): saves then leave the
// settings file's token keys empty.
extern std::atomic<bool> g_TokensInKeyring;
// The tokens are in the settings file because no keyring answered, not because the
// settings asked for the file.
extern std::atomic<bool> g_TokensFellBackToFile;

// Which sign-in the credentials belong to. ClearCredentials starts a new one, and
// the worker stores an answer only while the sign-in it asked for is still the
// current one: an answer for credentials the user has since thrown away is dropped.
extern std::atomic<quint64> g_SignInGeneration;

namespace MGlobals {

// The client id built in with the PINLARK_CLIENT_ID build setting; empty when none
// was, and then only the settings file's "ClientId" lets the user sign in.
QString BuiltInClientId();
// An id to sign in with is known (built in or from the settings file).
bool HasClientId();

// The data folder this user's Pinlark keeps its files in; does not create it.
QString DataFolderPath();

// Signs out: empties the code and its verifier, both tokens, the account id and the user id and
// starts a new sign-in generation, all in one step as far as StoreForSignIn can
// tell, then saves the settings.
void ClearCredentials();
// Forgets the board page of the account signed out: its id, dates and addresses, a
// download the board has not taken, and that it was missing.
void ForgetPage();
// Runs `store` only while `generation` is still the current sign-in; a
// ClearCredentials waits until it has finished. Says whether it ran. `store` must
// not block: the main thread may be waiting.
bool StoreForSignIn(quint64 generation, const std::function<void()> &store);

// Sets the paths, creates the data folder (readable by its owner only) and loads
// the settings. Called once at start-up, before anything reads a setting.
void InitDataFolder();
void LoadConfig();
// Reads the optional keys that point the app at the services ("IdentityRoot",
// "RedirectAddress", "GraphRoot", "ClientId"); a key left out keeps the built-in value.
// An address that may not carry tokens is refused: nothing changes but the refusal,
// raised as a problem that names its key. Roots other than those that issued the
// tokens drop them first: at start-up, the roots the settings file records beside
// the tokens (a file without that record counts as issued by the roots it names),
// later the roots in use.
void LoadServiceSettings();
// Saves the eight settings and the roots that issued the tokens, through
// SaveSettings. Safe to call from both threads.
void SaveConfig();
// The one way into the settings file: re-reads it and writes the values it does not
// hold already, keeping every other key (known or not); a file that holds them all
// is left alone. Calls from both threads run one at a time. A file that cannot be
// written is kept as it was and the problem raised for the user; false then.
bool SaveSettings(const Settings::Changes &changes);

// Runs after every SaveConfig while the tokens are in the keyring, on the saving
// thread, so that the keyring gets them too; must not block. Empty: none.
void SetTokensSavedHook(std::function<void()> hook);

// Access token and user id both present.
bool SignedIn();
// A sign-in the worker can use or renew: signed in, or a refresh token kept.
bool HasSignIn();

} // namespace MGlobals
