// The sign-in library as the app uses it: this test links neither the library nor
// Qt WebEngine, and reaches the window only through RunSignInLibrary and the
// window's object names and properties.

#include "StandIn.h"
#include "app/SignInStateFromGlobals.h"
#include "core/MConfig.h"
#include "core/MGlobals.h"
#include "signin/SignInEntry.h"
#include "signin/SignInLoader.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

namespace {

const QString kLibrary = QStringLiteral(PINLARK_SIGNIN_LIBRARY_FILE);
const QString kAuthorizePath = QStringLiteral("/common/oauth2/v2.0/authorize");
const QString kAuthorizeTitle = QStringLiteral("Sign in to your account");
constexpr int kWindowTimeoutMs = 40000;

bool webEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

QString savedAccessToken()
{
    return MConfig(g_ConfigFilePath.load())
        .ReadValueDefStr(QStringLiteral("OnlineOneNoteAccessToken"), QStringLiteral("(missing)"));
}

} // namespace

class TestSignInLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void runsWindowOnThisProcessState();
    void refusesWithoutTouchingSignIn();

private:
    QTemporaryDir m_Dir;
    std::unique_ptr<StandIn> m_StandIn;
};

void TestSignInLoader::initTestCase()
{
    QVERIFY(m_Dir.isValid());
    g_ConfigFilePath.store(m_Dir.filePath(QStringLiteral("zanapp.plist")));
    m_StandIn = std::make_unique<StandIn>();
    QVERIFY2(m_StandIn->isRunning(), qPrintable(m_StandIn->errorString()));
    g_IdentityRoot.store(m_StandIn->root());
    g_RedirectAddress.store(m_StandIn->redirectAddress());
    g_OnlineOneNoteClientId.store(QStringLiteral("0f3b2c1d-4e5f-4a6b-8c7d-9e0f1a2b3c4d"));
}

void TestSignInLoader::init()
{
    QVERIFY(m_StandIn->resetCounts());
    g_OnlineOneNoteCode.store(QString());
    g_OnlineOneNoteAccessToken.store(QStringLiteral("old-access"));
    g_OnlineOneNoteUserId.store(QStringLiteral("old-user"));
    g_PinlarkPageId.store(QStringLiteral("old-page"));
    MGlobals::SaveConfig();
}

void TestSignInLoader::runsWindowOnThisProcessState()
{
    // Nothing of the browser engine before the window is asked for.
    QVERIFY(!webEngineMapped());

    // Once the authorization page is on screen, go where the platform would send
    // a signed-in user. Its title is the sign that it has arrived: a navigation
    // started while the page is still on its way can lose to it.
    bool redirected = false;
    QTimer driver;
    connect(&driver, &QTimer::timeout, this, [&] {
        QWidget *window = QApplication::activeModalWidget();
        QObject *view =
            window ? window->findChild<QObject *>(QStringLiteral("WebViewWin")) : nullptr;
        if (!view || redirected || view->property("title").toString() != kAuthorizeTitle)
            return;
        redirected = true;
        // With the state the request carries, as the platform's answer would.
        const QString state =
            QUrlQuery(view->property("url").toUrl()).queryItemValue(QStringLiteral("state"));
        view->setProperty(
            "url", QUrl(g_RedirectAddress.load() + "?code=via-loader&lc=1033&state=" + state));
    });
    driver.start(50);
    QTimer::singleShot(kWindowTimeoutMs, this, [] {
        if (auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            window->reject();
    });

    QCOMPARE(RunSignInLibrary(kLibrary, SignInStateFromGlobals(), 0).outcome,
             SignInOutcome::SignedIn);

    QVERIFY(redirected);
    QVERIFY(webEngineMapped());
    // The library worked on this process's variables and saved through it.
    QCOMPARE(g_OnlineOneNoteCode.load(), QStringLiteral("via-loader"));
    QCOMPARE(g_PinlarkPageId.load(), QString());
    QCOMPARE(g_OnlineOneNoteAccessToken.load(), QString());
    QCOMPARE(savedAccessToken(), QString());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestSignInLoader::refusesWithoutTouchingSignIn()
{
    QCOMPARE(RunSignInLibrary(m_Dir.filePath(QStringLiteral("no-such-library")),
                              SignInStateFromGlobals(), 0)
                 .outcome,
             SignInOutcome::Unavailable);

    QLibrary library(kLibrary);
    const auto run = reinterpret_cast<PinlarkRunSignIn>(library.resolve(kRunSignInSymbol));
    QVERIFY(run);
    SignInState stale = SignInStateFromGlobals();
    stale.version = kSignInStateVersion + 1;
    QCOMPARE(run(&stale, 0), -1);
    SignInState partial = SignInStateFromGlobals();
    partial.clearCredentials = nullptr;
    QCOMPARE(run(&partial, 0), -1);
    QCOMPARE(run(nullptr, 0), -1);

    QCOMPARE(g_OnlineOneNoteAccessToken.load(), QStringLiteral("old-access"));
    QCOMPARE(savedAccessToken(), QStringLiteral("old-access"));
    QCOMPARE(m_StandIn->counts().value(kAuthorizePath), 0);
}

int main(int argc, char **argv)
{
    // As the app's main() does: no GL sharing asked for up front, so the library
    // must set the browser engine up by itself.
    QApplication app(argc, argv);
    TestSignInLoader test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_signinloader.moc"
