// Where the tokens are kept: the keyring when it answers, the settings file when
// it does not, and never lost on the way between them.

#include "FakeKeyring.h"
#include "core/MConfig.h"
#include "core/MGlobals.h"
#include "core/Settings.h"
#include "core/TokenStore.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using Mode = FakeKeyring::Mode;
using Place = TokenStore::Place;

namespace {

constexpr std::chrono::milliseconds kTimeout{200};
constexpr std::chrono::milliseconds kUnlockTimeout{2000};

QString Secret(const QString &access, const QString &refresh)
{
    return QStringLiteral(R"({"access_token":"%1","refresh_token":"%2"})").arg(access, refresh);
}

} // namespace

class TestTokenStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadFindsTheTokens_data();
    void loadFindsTheTokens();
    void lockedKeyringIsWaitedFor_data();
    void lockedKeyringIsWaitedFor();
    void savesFollowTheTokens_data();
    void savesFollowTheTokens();
    void tokensOfOtherRootsLeaveTheKeyring_data();
    void tokensOfOtherRootsLeaveTheKeyring();

private:
    // The access and refresh token as the settings file holds them.
    QStringList inFile() const;
    QString inKeyring() const;
    std::unique_ptr<TokenStore> makeStore();
    // Loads and waits for the store to be ready.
    bool load(TokenStore &store);

    std::optional<QTemporaryDir> m_dir;
    std::shared_ptr<FakeKeyring::Shared> m_keyring;
};

void TestTokenStore::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    g_ConfigFilePath.store(m_dir->filePath(QStringLiteral("zanapp.plist")));
    g_OnlineOneNoteAccessToken.store(QString());
    g_OnlineOneNoteRefreshToken.store(QString());
    m_keyring = std::make_shared<FakeKeyring::Shared>();
}

void TestTokenStore::cleanup()
{
    g_TokensInKeyring = false;
}

QStringList TestTokenStore::inFile() const
{
    const MConfig config(g_ConfigFilePath.load());
    return {config.ReadValueDefStr(QStringLiteral("OnlineOneNoteAccessToken"), QString()),
            config.ReadValueDefStr(QStringLiteral("OnlineOneNoteRefreshToken"), QString())};
}

QString TestTokenStore::inKeyring() const
{
    return QString::fromUtf8(m_keyring->secrets.value(TokenStore::KeyFor(g_ConfigFilePath.load())));
}

std::unique_ptr<TokenStore> TestTokenStore::makeStore()
{
    return std::make_unique<TokenStore>(std::make_unique<FakeKeyring>(m_keyring), kTimeout,
                                        kUnlockTimeout);
}

bool TestTokenStore::load(TokenStore &store)
{
    bool ready = false;
    store.load([&ready] { ready = true; });
    return QTest::qWaitFor([&ready] { return ready; }, 5000);
}

void TestTokenStore::loadFindsTheTokens_data()
{
    QTest::addColumn<QString>("setting"); // "TokenStore"
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("refuseWrites");
    QTest::addColumn<QString>("keyringBefore"); // "": none
    QTest::addColumn<bool>("fileBefore");       // the file holds A1/R1
    QTest::addColumn<Place>("place");
    QTest::addColumn<QStringList>("held");
    QTest::addColumn<QStringList>("fileAfter");
    QTest::addColumn<QString>("keyringAfter");
    QTest::addColumn<bool>("told");
    QTest::addColumn<bool>("asked"); // the keyring was asked at all

    const QString k = Secret(QStringLiteral("AK"), QStringLiteral("RK"));
    const QString f = Secret(QStringLiteral("A1"), QStringLiteral("R1"));
    const QStringList kk{QStringLiteral("AK"), QStringLiteral("RK")};
    const QStringList ff{QStringLiteral("A1"), QStringLiteral("R1")};
    const QStringList none{QString(), QString()};

    QTest::newRow("tokens in the file move to an answering keyring")
        << "" << Mode::Answers << false << "" << true << Place::Keyring << ff << none << f << false
        << true;
    QTest::newRow("tokens in the keyring are taken from there")
        << "" << Mode::Answers << false << k << false << Place::Keyring << kk << none << k << false
        << true;
    QTest::newRow("tokens in both: the file's are newer and replace the keyring's")
        << "" << Mode::Answers << false << k << true << Place::Keyring << ff << none << f << false
        << true;
    QTest::newRow("no keyring: the file keeps them, and the user is told")
        << "" << Mode::Fails << false << "" << true << Place::File << ff << ff << "" << true
        << true;
    QTest::newRow("no keyring and no sign-in: nothing to tell")
        << "" << Mode::Fails << false << "" << false << Place::File << none << none << "" << false
        << true;
    QTest::newRow("a keyring that never answers: the file keeps them")
        << "" << Mode::Silent << false << "" << true << Place::File << ff << ff << "" << true
        << true;
    QTest::newRow("a keyring that refuses the move: the file keeps them")
        << "" << Mode::Answers << true << "" << true << Place::File << ff << ff << "" << true
        << true;
    QTest::newRow("keyring asked for but absent: the file keeps them, and the user is told")
        << "keyring" << Mode::Fails << false << "" << true << Place::File << ff << ff << "" << true
        << true;
    QTest::newRow("file asked for: tokens only in the keyring come back to the file")
        << "file" << Mode::Answers << false << k << false << Place::File << kk << kk << "" << false
        << true;
    QTest::newRow("file asked for, nothing anywhere: the keyring is not even asked")
        << "file" << Mode::Silent << false << "" << false << Place::File << none << none << ""
        << false << false;
    QTest::newRow("file asked for: tokens in the file leave the keyring alone")
        << " File " << Mode::Answers << false << k << true << Place::File << ff << ff << k << false
        << false;
}

void TestTokenStore::loadFindsTheTokens()
{
    QFETCH(QString, setting);
    QFETCH(Mode, mode);
    QFETCH(bool, refuseWrites);
    QFETCH(QString, keyringBefore);
    QFETCH(bool, fileBefore);

    if (fileBefore) {
        g_OnlineOneNoteAccessToken.store(QStringLiteral("A1"));
        g_OnlineOneNoteRefreshToken.store(QStringLiteral("R1"));
    }
    MGlobals::SaveConfig();
    if (!setting.isEmpty()) {
        MConfig config(g_ConfigFilePath.load());
        config.WriteValueStr(QStringLiteral("TokenStore"), setting);
        QVERIFY(config.Save());
    }
    if (!keyringBefore.isEmpty()) {
        // As a run that put them there leaves the settings.
        m_keyring->secrets.insert(TokenStore::KeyFor(g_ConfigFilePath.load()),
                                  keyringBefore.toUtf8());
        MConfig config(g_ConfigFilePath.load());
        config.WriteValueStr(QStringLiteral("TokensKeptIn"), QStringLiteral("keyring"));
        QVERIFY(config.Save());
    }
    m_keyring->mode = mode;
    m_keyring->refuseWrites = refuseWrites;

    const auto store = makeStore();
    QSignalSpy told(store.get(), &TokenStore::fellBackToFile);
    QVERIFY(load(*store));
    // Late answers and the removal of a keyring's copy have had their turn.
    QTest::qWait(kTimeout.count() + 50);

    QTEST(store->place(), "place");
    QTEST(QStringList({g_OnlineOneNoteAccessToken.load(), g_OnlineOneNoteRefreshToken.load()}),
          "held");
    QTEST(inFile(), "fileAfter");
    QTEST(inKeyring(), "keyringAfter");
    QTEST(!told.isEmpty(), "told");
    QTEST(m_keyring->calls > 0, "asked");
    // Whatever the settings chose, other keys survive.
    if (!setting.isEmpty()) {
        const MConfig config(g_ConfigFilePath.load());
        QCOMPARE(config.ReadValueDefStr(QStringLiteral("TokenStore"), QString()), setting);
    }
}

void TestTokenStore::lockedKeyringIsWaitedFor_data()
{
    QTest::addColumn<bool>("signedInBefore"); // the last run left the tokens in the keyring
    QTest::addColumn<Place>("place");
    QTest::newRow("a keyring known to hold the sign-in is given time to be unlocked")
        << true << Place::Keyring;
    QTest::newRow("a keyring as slow, but never used, is given up on") << false << Place::File;
}

void TestTokenStore::lockedKeyringIsWaitedFor()
{
    QFETCH(bool, signedInBefore);
    if (signedInBefore) {
        g_OnlineOneNoteAccessToken.store(QStringLiteral("A1"));
        g_OnlineOneNoteRefreshToken.store(QStringLiteral("R1"));
        MGlobals::SaveConfig();
        const auto first = makeStore();
        QVERIFY(load(*first));
        QCOMPARE(first->place(), Place::Keyring);
    }
    // The next start, with the password asked for first.
    g_OnlineOneNoteAccessToken.store(QString());
    g_OnlineOneNoteRefreshToken.store(QString());
    MGlobals::LoadConfig();
    m_keyring->delayMs = 4 * kTimeout.count();

    const auto store = makeStore();
    QVERIFY(load(*store));
    QTEST(store->place(), "place");
    QCOMPARE(g_OnlineOneNoteRefreshToken.load(), signedInBefore ? QStringLiteral("R1") : QString());
}

void TestTokenStore::savesFollowTheTokens_data()
{
    // What happens to the keyring after the move: "write" (it takes each save),
    // "refuse" (it refuses the next write), "silent" (it stops answering).
    QTest::addColumn<QString>("keyringLater");
    QTest::addColumn<bool>("flushOnly"); // the app ends before the event loop turns
    QTest::newRow("a save reaches the keyring, the file stays empty") << "write" << false;
    QTest::newRow("the exit's flush writes what the event loop did not") << "write" << true;
    QTest::newRow("a refused write sends the tokens back to the file") << "refuse" << false;
    QTest::newRow("a keyring gone silent at exit leaves the tokens in the file")
        << "silent" << true;
}

void TestTokenStore::savesFollowTheTokens()
{
    QFETCH(QString, keyringLater);
    QFETCH(bool, flushOnly);

    g_OnlineOneNoteAccessToken.store(QStringLiteral("A1"));
    g_OnlineOneNoteRefreshToken.store(QStringLiteral("R1"));
    MGlobals::SaveConfig();
    const auto store = makeStore();
    QSignalSpy told(store.get(), &TokenStore::fellBackToFile);
    QVERIFY(load(*store));
    QCOMPARE(store->place(), Place::Keyring);

    m_keyring->refuseWrites = keyringLater == QLatin1String("refuse");
    if (keyringLater == QLatin1String("silent"))
        m_keyring->mode = Mode::Silent;
    // A refresh by the worker.
    g_OnlineOneNoteAccessToken.store(QStringLiteral("A2"));
    g_OnlineOneNoteRefreshToken.store(QStringLiteral("R2"));
    MGlobals::SaveConfig();
    if (flushOnly)
        store->flush();
    else
        QTest::qWait(50);

    const bool kept = keyringLater == QLatin1String("write");
    const QStringList newest{QStringLiteral("A2"), QStringLiteral("R2")};
    const QStringList empty{QString(), QString()};
    QCOMPARE(inFile(), kept ? empty : newest);
    QCOMPARE(inKeyring(), kept ? Secret(QStringLiteral("A2"), QStringLiteral("R2"))
                               : Secret(QStringLiteral("A1"), QStringLiteral("R1")));
    QCOMPARE(told.size(), kept ? 0 : 1);
    QCOMPARE(store->place(), kept ? Place::Keyring : Place::File);
    if (!kept)
        return;

    // Signing out empties the keyring's entry, not just the values in it.
    MGlobals::ClearCredentials();
    QTest::qWait(50);
    QVERIFY(!m_keyring->secrets.contains(TokenStore::KeyFor(g_ConfigFilePath.load())));
}

void TestTokenStore::tokensOfOtherRootsLeaveTheKeyring_data()
{
    QTest::addColumn<QString>("setting"); // "TokenStore"
    QTest::addColumn<bool>("rootsChanged");
    QTest::newRow("same roots: the keyring's sign-in is used") << "" << false;
    QTest::newRow("other roots: the keyring's sign-in goes, unread") << "" << true;
    QTest::newRow("other roots, file asked for: it does not come back to the file")
        << "file" << true;
}

// A sign-in issued by other service roots is never held, so it cannot be sent to
// the new ones, and it leaves the keyring as well as the file.
void TestTokenStore::tokensOfOtherRootsLeaveTheKeyring()
{
    QFETCH(QString, setting);
    QFETCH(bool, rootsChanged);
    const auto reset = qScopeGuard([] {
        g_TokensDroppedForNewRoots = false;
        g_GraphRoot.store(Settings::GraphRoot::defaultValue());
    });
    // A first start with the built-in roots, then a sign-in.
    MGlobals::LoadConfig();
    g_OnlineOneNoteAccessToken.store(QStringLiteral("A1"));
    g_OnlineOneNoteRefreshToken.store(QStringLiteral("R1"));
    MGlobals::SaveConfig();
    {
        const auto first = makeStore();
        QVERIFY(load(*first));
        QCOMPARE(first->place(), Place::Keyring);
    }
    {
        MConfig config(g_ConfigFilePath.load());
        if (!setting.isEmpty())
            config.WriteValueStr(QStringLiteral("TokenStore"), setting);
        if (rootsChanged)
            config.WriteValueStr(QStringLiteral("GraphRoot"), QStringLiteral("https://127.0.0.2"));
        QVERIFY(config.Save());
    }
    // The next start.
    g_OnlineOneNoteAccessToken.store(QString());
    g_OnlineOneNoteRefreshToken.store(QString());
    MGlobals::LoadConfig();
    QCOMPARE(g_TokensDroppedForNewRoots.load(), rootsChanged);

    const auto store = makeStore();
    QVERIFY(load(*store));
    QTRY_COMPARE(inKeyring().isEmpty(), rootsChanged);
    QCOMPARE(g_OnlineOneNoteRefreshToken.load(), rootsChanged ? QString() : QStringLiteral("R1"));
    QCOMPARE(inFile(), QStringList({QString(), QString()}));
}

QTEST_GUILESS_MAIN(TestTokenStore)
#include "tst_tokenstore.moc"
