// The system keyring through QtKeychain, and the token store on top of it, for
// real: PINLARK_KEYRING says whether a Secret Service is there ("secret-service")
// or none can be reached ("none"). See tests/platform/CMakeLists.txt.

#include "core/MConfig.h"
#include "core/MGlobals.h"
#include "core/TokenStore.h"
#include "platform/Keyring.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using platform::Keyring;

class TestKeyring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void secretRoundTrip();
    void signInSurvivesARestart();

private:
    bool m_present = false;
};

namespace {

// Waits for a keyring answer; none within ten seconds reads as Failed.
template <typename Call> Keyring::Result await(Call call, QByteArray *secret = nullptr)
{
    std::optional<Keyring::Result> result;
    call([&](Keyring::Result answer, const QByteArray &bytes = {}) {
        result = answer;
        if (secret)
            *secret = bytes;
    });
    if (!QTest::qWaitFor([&] { return result.has_value(); }, 10000))
        return Keyring::Result::Failed;
    return *result;
}

QStringList heldTokens()
{
    return {g_OnlineOneNoteAccessToken.load(), g_OnlineOneNoteRefreshToken.load()};
}

} // namespace

void TestKeyring::initTestCase()
{
    const QByteArray kind = qgetenv("PINLARK_KEYRING");
    QVERIFY2(kind == "secret-service" || kind == "none", "PINLARK_KEYRING is not set");
    m_present = kind == "secret-service";
}

void TestKeyring::secretRoundTrip()
{
    const auto keyring = platform::SystemKeyring(QStringLiteral("Pinlark test"));
    const QString key = QStringLiteral("round-trip");
    const QByteArray secret("s3cret \x01\xff", 9);
    const auto expected = m_present ? Keyring::Result::Ok : Keyring::Result::Failed;

    QCOMPARE(await([&](auto done) {
                 keyring->write(key, secret, [done](Keyring::Result r) { done(r); });
             }),
             expected);
    QByteArray read;
    QCOMPARE(await([&](auto done) { keyring->read(key, done); }, &read), expected);
    QCOMPARE(read, m_present ? secret : QByteArray());
    QCOMPARE(
        await([&](auto done) { keyring->remove(key, [done](Keyring::Result r) { done(r); }); }),
        expected);
    QCOMPARE(await([&](auto done) { keyring->read(key, done); }),
             m_present ? Keyring::Result::NotFound : Keyring::Result::Failed);
}

void TestKeyring::signInSurvivesARestart()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    g_ConfigFilePath.store(dir.filePath(QStringLiteral("zanapp.plist")));
    g_OnlineOneNoteAccessToken.store(QStringLiteral("A1"));
    g_OnlineOneNoteRefreshToken.store(QStringLiteral("R1"));
    MGlobals::SaveConfig();
    const QStringList signedIn{QStringLiteral("A1"), QStringLiteral("R1")};

    for (int start = 0; start < 2; ++start) {
        QElapsedTimer clock;
        clock.start();
        TokenStore store(platform::SystemKeyring(QStringLiteral("Pinlark test")));
        bool ready = false;
        store.load([&ready] { ready = true; });
        QVERIFY(QTest::qWaitFor([&ready] { return ready; }, 10000));
        // A figure to read, not a limit to check: machines differ.
        qInfo("start %d: tokens found in %lld ms", start + 1, clock.elapsed());
        QCOMPARE(store.place(), m_present ? TokenStore::Place::Keyring : TokenStore::Place::File);
        QCOMPARE(heldTokens(), signedIn);

        const MConfig config(g_ConfigFilePath.load());
        QCOMPARE(config.ReadValueDefStr(QStringLiteral("OnlineOneNoteRefreshToken"), QString()),
                 m_present ? QString() : QStringLiteral("R1"));

        // The next start reads the settings afresh.
        g_OnlineOneNoteAccessToken.store(QString());
        g_OnlineOneNoteRefreshToken.store(QString());
        MGlobals::LoadConfig();
    }

    // Signed out: nothing is left behind in the keyring either.
    TokenStore store(platform::SystemKeyring(QStringLiteral("Pinlark test")));
    bool ready = false;
    store.load([&ready] { ready = true; });
    QVERIFY(QTest::qWaitFor([&ready] { return ready; }, 10000));
    MGlobals::ClearCredentials();
    store.flush();
    const auto keyring = platform::SystemKeyring(QStringLiteral("Pinlark test"));
    QCOMPARE(
        await([&](auto done) { keyring->read(TokenStore::KeyFor(g_ConfigFilePath.load()), done); }),
        m_present ? Keyring::Result::NotFound : Keyring::Result::Failed);
}

QTEST_GUILESS_MAIN(TestKeyring)
#include "tst_keyring.moc"
