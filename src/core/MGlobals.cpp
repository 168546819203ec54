#include "core/MGlobals.h"

#include "core/MConfig.h"
#include "core/MProblems.h"
#include "core/Settings.h"
#include "platform/HttpTransport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <mutex>
#include <type_traits>

MShared<QString> g_DataFolder;
MShared<QString> g_ConfigFilePath{QStringLiteral("zanapp.plist")};
MShared<QString> g_CacheFilePath{QStringLiteral("pinlark.html")};

MShared<double> g_WindowX;
MShared<double> g_WindowY;
MShared<double> g_WindowWidth{Settings::WindowWidth::defaultValue()};
MShared<double> g_WindowHeight{Settings::WindowHeight::defaultValue()};

MShared<QString> g_OnlineOneNoteAccessToken;
MShared<QString> g_OnlineOneNoteRefreshToken;
MShared<QString> g_OnlineOneNoteAccountId;
MShared<QString> g_OnlineOneNoteUserId;
MShared<QString> g_OnlineOneNoteCode;
MShared<QString> g_OnlineOneNoteCodeVerifier;
std::atomic<bool> g_TokensInKeyring{false};
std::atomic<bool> g_TokensFellBackToFile{false};
MShared<QString> g_OnlineOneNoteClientId{Settings::ClientId::defaultValue()};
MShared<QString> g_OnlineOneNoteLastAccess;

MShared<QString> g_IdentityRoot{Settings::IdentityRoot::defaultValue()};
MShared<QString> g_RedirectAddress{Settings::RedirectAddress::defaultValue()};
MShared<QString> g_GraphRoot{Settings::GraphRoot::defaultValue()};
MShared<QString> g_RefusedServiceKeys;
std::atomic<bool> g_TokensDroppedForNewRoots{false};

MShared<QString> g_PinlarkPageId;
MShared<QString> g_PinlarkPageLastModified;
MShared<QString> g_PinlarkPageClientUrl;
MShared<QString> g_PinlarkPageWebUrl;
MShared<QString> g_PinlarkPageHtml;
std::atomic<bool> g_SyncBusy{false};
std::atomic<bool> g_ServiceUnreachable{false};
std::atomic<bool> g_PinlarkPageMissing{false};
MShared<QString> g_LastPageDownload;
MShared<QString> g_PinlarkPageCreateHtml;
MShared<std::optional<PageCreateFailure>> g_PinlarkPageCreateFailure;
MShared<SnippetOutbox> g_SnippetOutbox;

std::atomic<qint64> g_Ticks{0};
std::atomic<quint64> g_SignInGeneration{0};

namespace MGlobals {

namespace {

const QString kConfigFileName = QStringLiteral("zanapp.plist");
const QString kCacheFileName = QStringLiteral("pinlark.html");

// The roots the tokens held now were issued by (or, with none held, the roots the
// next ones will come from); what every save records.
MShared<QString> g_IssuerIdentity{Settings::IdentityRoot::defaultValue()};
MShared<QString> g_IssuerGraph{Settings::GraphRoot::defaultValue()};

// The settings the two threads share, each with its variable: what LoadConfig reads
// and SaveConfig writes. Calls `f.operator()<Key>(variable)` for each.
template <typename F> void ForEachSharedSetting(F &&f)
{
    f.template operator()<Settings::WindowX>(g_WindowX);
    f.template operator()<Settings::WindowY>(g_WindowY);
    f.template operator()<Settings::WindowWidth>(g_WindowWidth);
    f.template operator()<Settings::WindowHeight>(g_WindowHeight);
    f.template operator()<Settings::OnlineOneNoteAccessToken>(g_OnlineOneNoteAccessToken);
    f.template operator()<Settings::OnlineOneNoteRefreshToken>(g_OnlineOneNoteRefreshToken);
    f.template operator()<Settings::OnlineOneNoteAccountId>(g_OnlineOneNoteAccountId);
    f.template operator()<Settings::OnlineOneNoteUserId>(g_OnlineOneNoteUserId);
}

std::mutex g_saveMutex;
// Held by ClearCredentials and by the worker's check-then-store, never while
// waiting for the network.
std::mutex g_signInMutex;

} // namespace

void ClearCredentials()
{
    {
        std::lock_guard lock(g_signInMutex);
        for (MShared<QString> *variable :
             {&g_OnlineOneNoteCode, &g_OnlineOneNoteCodeVerifier, &g_OnlineOneNoteAccessToken,
              &g_OnlineOneNoteRefreshToken, &g_OnlineOneNoteAccountId, &g_OnlineOneNoteUserId})
            variable->store(QString());
        // A page asked for by this account must not be made in the next one's notebook.
        g_PinlarkPageCreateHtml.store(QString());
        ++g_SignInGeneration;
    }
    SaveConfig();
}

bool StoreForSignIn(quint64 generation, const std::function<void()> &store)
{
    std::lock_guard lock(g_signInMutex);
    if (g_SignInGeneration.load() != generation)
        return false;
    store();
    return true;
}

QString DataFolderPath()
{
    const QString support = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(support).filePath(QStringLiteral("Marrowfield/") +
                                  QCoreApplication::applicationName());
}

void InitDataFolder()
{
    const QString folder = DataFolderPath();
    g_DataFolder.store(folder);
    g_ConfigFilePath.store(QDir(folder).filePath(kConfigFileName));
    g_CacheFilePath.store(QDir(folder).filePath(kCacheFileName));

    // The settings file holds the tokens: keep the folder to its owner.
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    LoadConfig();
}

namespace {
void LoadServiceSettings(bool atStart);
}

void LoadConfig()
{
    const MConfig config(g_ConfigFilePath.load());
    // Each keeps its current value (the position computed from the screen, the
    // built-in size, empty text) where the file has none it can use.
    ForEachSharedSetting([&config]<typename K>(MShared<typename K::Value> &variable) {
        variable.store(Settings::Read<K>(config, variable.load()));
    });
    LoadServiceSettings(true);
}

void LoadServiceSettings()
{
    LoadServiceSettings(false);
}

namespace {

void LoadServiceSettings(bool atStart)
{
    const MConfig config(g_ConfigFilePath.load());
    const QString identity = Settings::Read<Settings::IdentityRoot>(config);
    const QString redirect = Settings::Read<Settings::RedirectAddress>(config);
    const QString graph = Settings::Read<Settings::GraphRoot>(config);
    const QString clientId = Settings::Read<Settings::ClientId>(config);
    QStringList refused;
    for (const auto &[key, address] : {std::pair{Settings::IdentityRoot::name(), identity},
                                       std::pair{Settings::RedirectAddress::name(), redirect},
                                       std::pair{Settings::GraphRoot::name(), graph}}) {
        if (!platform::AddressMayCarryTokens(address))
            refused << key;
    }
    // At start-up the tokens just read came from the roots the file records; later,
    // from the roots that issued them as far as this run knows.
    if (atStart) {
        g_IssuerIdentity.store(
            Settings::Read<Settings::TokensIssuedByIdentityRoot>(config, identity));
        g_IssuerGraph.store(Settings::Read<Settings::TokensIssuedByGraphRoot>(config, graph));
    }

    g_RefusedServiceKeys.store(refused.join(QStringLiteral(", ")));
    if (!refused.isEmpty()) {
        // Nothing is sent until the file is corrected; the tokens stay, since the
        // roots that issued them may well come back.
        MProblems::Raise(MProblem::ServiceAddressRefused);
        return;
    }
    MProblems::Clear(MProblem::ServiceAddressRefused);

    const bool dropTokens = g_IssuerIdentity.load() != identity || g_IssuerGraph.load() != graph;
    const bool hadTokens = !g_OnlineOneNoteAccessToken.load().isEmpty() ||
                           !g_OnlineOneNoteRefreshToken.load().isEmpty() ||
                           (atStart && Settings::Read<Settings::TokensKeptIn>(config) ==
                                           Settings::TokensKeptIn::keyring());
    // Emptied before the new roots are in place, so that the worker never pairs an
    // old token with a new address.
    if (dropTokens) {
        if (hadTokens)
            g_TokensDroppedForNewRoots = true;
        ClearCredentials();
    }
    g_IssuerIdentity.store(identity);
    g_IssuerGraph.store(graph);
    g_IdentityRoot.store(identity);
    g_RedirectAddress.store(redirect);
    g_GraphRoot.store(graph);
    g_OnlineOneNoteClientId.store(clientId);
    // The file records the new issuer at once.
    if (dropTokens)
        SaveConfig();
}

std::mutex g_hookMutex;
std::function<void()> g_tokensSavedHook;

void TellTokensSaved()
{
    if (!g_TokensInKeyring.load())
        return;
    std::lock_guard lock(g_hookMutex);
    if (g_tokensSavedHook)
        g_tokensSavedHook();
}

} // namespace

void SaveConfig()
{
    // Also when the file needs no write: the keyring may not hold these tokens yet.
    const auto tellKeyring = qScopeGuard(&TellTokensSaved);
    // Read once, so that the values written belong together.
    const bool tokensInKeyring = g_TokensInKeyring.load();
    Settings::Changes changes;
    ForEachSharedSetting([&]<typename K>(MShared<typename K::Value> &variable) {
        // The file keeps nothing of the tokens while the keyring holds them.
        constexpr bool token = std::is_same_v<K, Settings::OnlineOneNoteAccessToken> ||
                               std::is_same_v<K, Settings::OnlineOneNoteRefreshToken>;
        if (token && tokensInKeyring)
            changes.set<K>(typename K::Value());
        else
            changes.set<K>(variable.load());
    });
    changes.set<Settings::TokensIssuedByIdentityRoot>(g_IssuerIdentity.load());
    changes.set<Settings::TokensIssuedByGraphRoot>(g_IssuerGraph.load());
    SaveSettings(changes);
}

void SetTokensSavedHook(std::function<void()> hook)
{
    std::lock_guard lock(g_hookMutex);
    g_tokensSavedHook = std::move(hook);
}

bool SaveSettings(const Settings::Changes &changes)
{
    std::lock_guard lock(g_saveMutex);
    MConfig config(g_ConfigFilePath.load());
    // A file that holds every value already is left alone; one that is no settings
    // file takes no write and fails the save, so that the user hears.
    if (!changes.writeTo(config))
        return true;
    const bool saved = config.Save();
    if (saved)
        MProblems::Clear(MProblem::SaveFailed);
    else
        MProblems::Raise(MProblem::SaveFailed);
    return saved;
}

QString BuiltInClientId()
{
    return Settings::ClientId::defaultValue();
}

bool HasClientId()
{
    return !g_OnlineOneNoteClientId.load().trimmed().isEmpty();
}

bool SignedIn()
{
    return !g_OnlineOneNoteAccessToken.load().isEmpty() && !g_OnlineOneNoteUserId.load().isEmpty();
}

void ForgetPage()
{
    for (MShared<QString> *variable :
         {&g_PinlarkPageId, &g_PinlarkPageLastModified, &g_PinlarkPageClientUrl,
          &g_PinlarkPageWebUrl, &g_PinlarkPageHtml, &g_LastPageDownload,
          &g_OnlineOneNoteLastAccess})
        variable->store(QString());
    g_PinlarkPageMissing = false;
}

bool HasSignIn()
{
    return SignedIn() || !g_OnlineOneNoteRefreshToken.load().isEmpty();
}

} // namespace MGlobals
