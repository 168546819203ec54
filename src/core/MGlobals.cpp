#include "core/MGlobals.h"

#include "core/MConfig.h"
#include "core/MProblems.h"
#include "platform/HttpTransport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <cmath>
#include <limits>
#include <mutex>

MShared<QString> g_DataFolder;
MShared<QString> g_ConfigFilePath{QStringLiteral("zanapp.plist")};
MShared<QString> g_CacheFilePath{QStringLiteral("pinlark.html")};

MShared<double> g_WindowX;
MShared<double> g_WindowY;
MShared<double> g_WindowWidth{360};
MShared<double> g_WindowHeight{600};

MShared<QString> g_OnlineOneNoteAccessToken;
MShared<QString> g_OnlineOneNoteRefreshToken;
MShared<QString> g_OnlineOneNoteAccountId;
MShared<QString> g_OnlineOneNoteUserId;
MShared<QString> g_OnlineOneNoteCode;
MShared<QString> g_OnlineOneNoteCodeVerifier;
std::atomic<bool> g_TokensInKeyring{false};
std::atomic<bool> g_TokensFellBackToFile{false};
MShared<QString> g_OnlineOneNoteClientId{QStringLiteral(PINLARK_CLIENT_ID)};
MShared<QString> g_OnlineOneNoteLastAccess;

MShared<QString> g_IdentityRoot{QString::fromLatin1(MGlobals::kDefaultIdentityRoot)};
MShared<QString> g_RedirectAddress{QString::fromLatin1(MGlobals::kDefaultRedirectAddress)};
MShared<QString> g_GraphRoot{QString::fromLatin1(MGlobals::kDefaultGraphRoot)};
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

struct StringSetting
{
    const char *key;
    MShared<QString> &variable;
};

const StringSetting kCredentials[] = {
    {"OnlineOneNoteAccessToken", g_OnlineOneNoteAccessToken},
    {"OnlineOneNoteRefreshToken", g_OnlineOneNoteRefreshToken},
    {"OnlineOneNoteAccountId", g_OnlineOneNoteAccountId},
    {"OnlineOneNoteUserId", g_OnlineOneNoteUserId},
};

// Optional keys that point the app at other services, each with its built-in
// value. Read at start-up and when the service rejected the client id and the
// file changed; kept in the file by every save because a save re-reads it first.
struct ServiceSetting
{
    const char *key;
    MShared<QString> &variable;
    const char *builtIn;
};

const ServiceSetting kRemoteRoots[] = {
    {"IdentityRoot", g_IdentityRoot, kDefaultIdentityRoot},
    {"RedirectAddress", g_RedirectAddress, kDefaultRedirectAddress},
    {"GraphRoot", g_GraphRoot, kDefaultGraphRoot},
    {"ClientId", g_OnlineOneNoteClientId, PINLARK_CLIENT_ID},
};
// The roots that issued the tokens, recorded beside them by every save (no secret).
const char *const kIssuerIdentityKey = "TokensIssuedByIdentityRoot";
const char *const kIssuerGraphKey = "TokensIssuedByGraphRoot";
// The roots the tokens held now were issued by (or, with none held, the roots the
// next ones will come from); what every save records.
MShared<QString> g_IssuerIdentity{QString::fromLatin1(kDefaultIdentityRoot)};
MShared<QString> g_IssuerGraph{QString::fromLatin1(kDefaultGraphRoot)};
// Where TokenStore notes that the keyring holds a sign-in.
const char *const kKeptInKey = "TokensKeptIn";

struct RealSetting
{
    const char *key;
    MShared<double> &variable;
};

const RealSetting kGeometry[] = {
    {"WindowX", g_WindowX},
    {"WindowY", g_WindowY},
    {"WindowWidth", g_WindowWidth},
    {"WindowHeight", g_WindowHeight},
};

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
    // A hand-edited file may hold anything: a position or size that is not a finite
    // number keeps its default.
    for (const auto &[key, variable] : kGeometry) {
        const double value = config.ReadValueDefFloat(QLatin1String(key), variable.load());
        if (std::isfinite(value))
            variable.store(value);
    }
    for (const auto &[key, variable] : kCredentials)
        variable.store(config.ReadValueDefStr(QLatin1String(key), variable.load()));
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
    QString values[std::size(kRemoteRoots)];
    QStringList refused;
    for (std::size_t i = 0; i < std::size(kRemoteRoots); ++i) {
        const ServiceSetting &setting = kRemoteRoots[i];
        values[i] = config.ReadValueDefStr(QLatin1String(setting.key), QString());
        if (values[i].isEmpty())
            values[i] = QString::fromLatin1(setting.builtIn);
        else if (&setting.variable != &g_OnlineOneNoteClientId &&
                 !platform::AddressMayCarryTokens(values[i]))
            refused << QLatin1String(setting.key);
    }
    const QString &identity = values[0];
    const QString &graph = values[2];
    // At start-up the tokens just read came from the roots the file records; later,
    // from the roots that issued them as far as this run knows.
    if (atStart) {
        g_IssuerIdentity.store(config.ReadValueDefStr(QLatin1String(kIssuerIdentityKey), identity));
        g_IssuerGraph.store(config.ReadValueDefStr(QLatin1String(kIssuerGraphKey), graph));
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
    const bool hadTokens =
        !g_OnlineOneNoteAccessToken.load().isEmpty() ||
        !g_OnlineOneNoteRefreshToken.load().isEmpty() ||
        (atStart &&
         config.ReadValueDefStr(QLatin1String(kKeptInKey), QString()) == QLatin1String("keyring"));
    // Emptied before the new roots are in place, so that the worker never pairs an
    // old token with a new address.
    if (dropTokens) {
        if (hadTokens)
            g_TokensDroppedForNewRoots = true;
        ClearCredentials();
    }
    g_IssuerIdentity.store(identity);
    g_IssuerGraph.store(graph);
    for (std::size_t i = 0; i < std::size(kRemoteRoots); ++i)
        kRemoteRoots[i].variable.store(values[i]);
    // The file records the new issuer at once.
    if (dropTokens)
        SaveConfig();
}

} // namespace

namespace {

std::mutex g_hookMutex;
std::function<void()> g_tokensSavedHook;

// What the file keeps of a credential: nothing of the tokens while the keyring
// holds them.
QString SavedValue(const StringSetting &setting)
{
    if (g_TokensInKeyring.load() && (&setting.variable == &g_OnlineOneNoteAccessToken ||
                                     &setting.variable == &g_OnlineOneNoteRefreshToken))
        return QString();
    return setting.variable.load();
}

void TellTokensSaved()
{
    if (!g_TokensInKeyring.load())
        return;
    std::lock_guard lock(g_hookMutex);
    if (g_tokensSavedHook)
        g_tokensSavedHook();
}

// Whether the file already holds exactly these values, so that a save would
// change nothing.
bool holdsCurrentValues(const MConfig &config)
{
    const double missing = std::numeric_limits<double>::quiet_NaN();
    for (const auto &[key, variable] : kGeometry) {
        if (config.ReadValueDefFloat(QLatin1String(key), missing) !=
            static_cast<double>(static_cast<float>(variable.load())))
            return false;
    }
    for (const StringSetting &setting : kCredentials) {
        const QString stored = config.ReadValueDefStr(QLatin1String(setting.key), QString());
        if (stored != SavedValue(setting))
            return false;
    }
    return config.ReadValueDefStr(QLatin1String(kIssuerIdentityKey), QString()) ==
               g_IssuerIdentity.load() &&
           config.ReadValueDefStr(QLatin1String(kIssuerGraphKey), QString()) ==
               g_IssuerGraph.load();
}

} // namespace

void SaveConfig()
{
    // Also when the file needs no write: the keyring may not hold these tokens yet.
    const auto tellKeyring = qScopeGuard(&TellTokensSaved);
    std::lock_guard lock(g_saveMutex);
    MConfig config(g_ConfigFilePath.load());
    if (config.hasDictionary() && holdsCurrentValues(config))
        return;
    for (const auto &[key, variable] : kGeometry)
        config.WriteValueFloat(QLatin1String(key), variable.load());
    for (const StringSetting &setting : kCredentials)
        config.WriteValueStr(QLatin1String(setting.key), SavedValue(setting));
    config.WriteValueStr(QLatin1String(kIssuerIdentityKey), g_IssuerIdentity.load());
    config.WriteValueStr(QLatin1String(kIssuerGraphKey), g_IssuerGraph.load());
    if (config.Save())
        MProblems::Clear(MProblem::SaveFailed);
    else
        MProblems::Raise(MProblem::SaveFailed);
}

void SetTokensSavedHook(std::function<void()> hook)
{
    std::lock_guard lock(g_hookMutex);
    g_tokensSavedHook = std::move(hook);
}

bool SaveSettings(const std::function<void(MConfig &)> &write)
{
    std::lock_guard lock(g_saveMutex);
    MConfig config(g_ConfigFilePath.load());
    write(config);
    const bool saved = config.Save();
    if (saved)
        MProblems::Clear(MProblem::SaveFailed);
    else
        MProblems::Raise(MProblem::SaveFailed);
    return saved;
}

QString BuiltInClientId()
{
    return QStringLiteral(PINLARK_CLIENT_ID);
}

bool HasClientId()
{
    return !g_OnlineOneNoteClientId.load().trimmed().isEmpty();
}

bool SignedIn()
{
    return !g_OnlineOneNoteAccessToken.load().isEmpty() && !g_OnlineOneNoteUserId.load().isEmpty();
}

bool HasSignIn()
{
    return SignedIn() || !g_OnlineOneNoteRefreshToken.load().isEmpty();
}

} // namespace MGlobals
