// The sign-in window in a real browser against the project's stand-in of the
// identity platform on 127.0.0.1. tst_signinloader drives the same library the
// way the app does.

#include "StandIn.h"
#include "app/SignInStateFromGlobals.h"
#include "core/MConfig.h"
#include "core/MGlobals.h"
#include "signin/MWinLogin.h"
#include "signin/SignInLoader.h"
#include "text/Pkce.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <functional>

namespace {

const QString kAuthorizePath = QStringLiteral("/common/oauth2/v2.0/authorize");
const QString kRedirectPath = QStringLiteral("/oauth20_desktop.srf");
const QString kLogoutPath = QStringLiteral("/logout.srf");
const QStringList kSavedKeys = {
    QStringLiteral("OnlineOneNoteAccessToken"), QStringLiteral("OnlineOneNoteRefreshToken"),
    QStringLiteral("OnlineOneNoteAccountId"), QStringLiteral("OnlineOneNoteUserId")};
// The tests' app registration, the only one the stand-in accepts here.
const QString kClientId = QStringLiteral("0f3b2c1d-4e5f-4a6b-8c7d-9e0f1a2b3c4d");
// Generous: the first window of a run starts the browser engine.
constexpr int kWindowTimeoutMs = 40000;

void storeSignedIn()
{
    g_OnlineOneNoteCode.store(QStringLiteral("old-code"));
    g_OnlineOneNoteAccessToken.store(QStringLiteral("old-access"));
    g_OnlineOneNoteRefreshToken.store(QStringLiteral("old-refresh"));
    g_OnlineOneNoteAccountId.store(QStringLiteral("old-account"));
    g_OnlineOneNoteUserId.store(QStringLiteral("old-user"));
    g_PinlarkPageId.store(QStringLiteral("old-page"));
    MGlobals::SaveConfig();
}

// Code, access token, refresh token, account id, user id, as held in memory.
QStringList heldSignIn()
{
    return {g_OnlineOneNoteCode.load(), g_OnlineOneNoteAccessToken.load(),
            g_OnlineOneNoteRefreshToken.load(), g_OnlineOneNoteAccountId.load(),
            g_OnlineOneNoteUserId.load()};
}

QStringList savedSignIn()
{
    const MConfig config(g_ConfigFilePath.load());
    QStringList values;
    for (const QString &key : kSavedKeys)
        values << config.ReadValueDefStr(key, QStringLiteral("(missing)"));
    return values;
}

struct Run
{
    int result = -1;
    bool timedOut = false;
};

// Runs the window modally; `onLoad` sees every finished load after the window's
// own handling of it. A watchdog closes a window that never finishes.
Run runWindow(MWinLogin &window, const std::function<void(const QUrl &)> &onLoad)
{
    Run run;
    window.loadWindow();
    QObject::connect(window.WebViewWin(), &QWebEngineView::loadFinished, &window,
                     [&window, onLoad](bool) { onLoad(window.WebViewWin()->url()); });
    QTimer::singleShot(kWindowTimeoutMs, &window, [&] {
        run.timedOut = true;
        window.reject();
    });
    run.result = window.showWindow();
    return run;
}

void pressSignIn(QWebEngineView *view)
{
    view->page()->runJavaScript(QStringLiteral("document.getElementById('signin').click()"));
}

} // namespace

class TestMWinLogin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void getFieldValueFromURL_data();
    void getFieldValueFromURL();
    void isRedirect_data();
    void isRedirect();
    void openingClearsStoredSignInBeforeAnyPageLoads_data();
    void openingClearsStoredSignInBeforeAnyPageLoads();
    void signInHandsOverTheOfferedCode_data();
    void signInHandsOverTheOfferedCode();
    void redirectAddresses_data();
    void redirectAddresses();
    void pageElsewhereWithACodeIsNoAnswer();
    void answerBeforeAnyRequestIsRefused();
    void serviceAnswersUnderstood_data();
    void serviceAnswersUnderstood();

private:
    QTemporaryDir m_Dir;
    std::unique_ptr<StandIn> m_StandIn;
};

void TestMWinLogin::initTestCase()
{
    QVERIFY(m_Dir.isValid());
    g_ConfigFilePath.store(m_Dir.filePath(QStringLiteral("zanapp.plist")));
    // Only the app's own client id is accepted, as at the real platform.
    g_OnlineOneNoteClientId.store(kClientId);
    m_StandIn =
        std::make_unique<StandIn>(QString(), QStringList{QStringLiteral("--client-id"), kClientId});
    QVERIFY2(m_StandIn->isRunning(), qPrintable(m_StandIn->errorString()));
}

void TestMWinLogin::init()
{
    g_OnlineOneNoteClientId.store(kClientId);
    g_IdentityRoot.store(m_StandIn->root());
    g_RedirectAddress.store(m_StandIn->redirectAddress());
    QVERIFY(m_StandIn->resetCounts());
    storeSignedIn();
}

void TestMWinLogin::getFieldValueFromURL_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    const QString redirect = QStringLiteral("https://login.live.com/oauth20_desktop.srf");
    QTest::newRow("value up to the next field") << redirect + "?code=M.C507_BAY.2.U.ab-c&lc=1033"
                                                << "code"
                                                << "M.C507_BAY.2.U.ab-c";
    QTest::newRow("value that ends the address") << redirect + "?code=abc"
                                                 << "code"
                                                 << "abc";
    QTest::newRow("percent escapes stay as they are") << redirect + "?code=a%2Bb%3D%20&lc=1033"
                                                      << "code"
                                                      << "a%2Bb%3D%20";
    QTest::newRow("absent field") << redirect + "?lc=1033"
                                  << "code"
                                  << "";
    QTest::newRow("empty value before a further field is empty, not the rest")
        << redirect + "?code=&lc=1033"
        << "code"
        << "";
    QTest::newRow("empty value at the end") << redirect + "?code="
                                            << "code"
                                            << "";
    QTest::newRow("a longer name ending in the field's is another field")
        << redirect + "?xcode=1&code=2"
        << "code"
        << "2";
    QTest::newRow("the first of two fields so named") << redirect + "?code=1&code=2"
                                                      << "code"
                                                      << "1";
    QTest::newRow("the fragment is not the query") << redirect + "?code=abc#code=x"
                                                   << "code"
                                                   << "abc";
    QTest::newRow("a fragment that reads like a query") << redirect + "#?code=x"
                                                        << "code"
                                                        << "";
    QTest::newRow("no query at all") << "https://login.live.com/code=abc"
                                     << "code"
                                     << "";
    QTest::newRow("field names are case-sensitive") << redirect + "?CODE=abc"
                                                    << "code"
                                                    << "";
    QTest::newRow("a later field with an encoded at-sign")
        << redirect + "?code=c1&username=ana%40example.com"
        << "username"
        << "ana%40example.com";
}

void TestMWinLogin::getFieldValueFromURL()
{
    QFETCH(QString, url);
    QFETCH(QString, field);
    QTEST(MWinLogin::GetFieldValueFromURL(url, field), "expected");
}

void TestMWinLogin::isRedirect_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("redirect");
    QTest::newRow("the redirect address with an answer") << "https://login.live.com/"
                                                            "oauth20_desktop.srf?code=c&state=s"
                                                         << true;
    QTest::newRow("the scheme's own port written out")
        << "https://login.live.com:443/oauth20_desktop.srf?code=c" << true;
    QTest::newRow("host names in any letter case")
        << "https://LOGIN.live.com/oauth20_desktop.srf" << true;
    QTest::newRow("another port") << "https://login.live.com:8443/oauth20_desktop.srf?code=c"
                                  << false;
    QTest::newRow("plain http") << "http://login.live.com/oauth20_desktop.srf?code=c" << false;
    QTest::newRow("another host") << "https://login.live.com.example/oauth20_desktop.srf?code=c"
                                  << false;
    QTest::newRow("a page elsewhere holding ?code=")
        << "https://login.live.com/oauth20_authorize.srf?code=c" << false;
    QTest::newRow("the path as a prefix only")
        << "https://login.live.com/oauth20_desktop.srf/more?code=c" << false;
}

void TestMWinLogin::isRedirect()
{
    QFETCH(QString, address);
    MShared<QString> redirect(QStringLiteral("https://login.live.com/oauth20_desktop.srf"));
    SignInState state = SignInStateFromGlobals();
    state.redirectAddress = &redirect;
    const MWinLogin window(state);
    QTEST(window.IsRedirect(QUrl(address)), "redirect");
}

void TestMWinLogin::openingClearsStoredSignInBeforeAnyPageLoads_data()
{
    QTest::addColumn<int>("logInOrOut");
    QTest::newRow("sign-in mode") << 0;
    QTest::newRow("sign-out mode") << 1;
}

void TestMWinLogin::openingClearsStoredSignInBeforeAnyPageLoads()
{
    QFETCH(int, logInOrOut);
    MWinLogin window(SignInStateFromGlobals());
    window.setLogInOrOut(static_cast<quint8>(logInOrOut));
    QCOMPARE(window.WebViewWin(), nullptr); // no browser until the window opens

    // Loading starts the first page; no event has run since, so none has loaded.
    const quint64 generation = g_SignInGeneration.load();
    window.loadWindow();
    QVERIFY(window.WebViewWin());
    QCOMPARE(heldSignIn(), QStringList(5, QString()));
    // Through the host's sign-out, so that an answer the worker is waiting for is
    // dropped rather than stored over the cleared values.
    QCOMPARE(g_SignInGeneration.load(), generation + 1);
    QCOMPARE(savedSignIn(), QStringList(4, QString()));
    // Only a new code sends the worker looking for the page again.
    QCOMPARE(g_PinlarkPageId.load(), QStringLiteral("old-page"));
}

void TestMWinLogin::signInHandsOverTheOfferedCode_data()
{
    QTest::addColumn<int>("logInOrOut");
    QTest::addColumn<QStringList>("expectedLoads");
    // The answer at the redirect address is read, never loaded.
    QTest::newRow("sign-in") << 0 << QStringList{kAuthorizePath};
    QTest::newRow("sign-out continues into one sign-in")
        << 1 << QStringList{kLogoutPath, kAuthorizePath};
}

void TestMWinLogin::signInHandsOverTheOfferedCode()
{
    QFETCH(int, logInOrOut);
    MWinLogin window(SignInStateFromGlobals());
    window.setLogInOrOut(static_cast<quint8>(logInOrOut));

    QStringList loads;
    QUrlQuery request;
    QString offeredCode;
    const Run run = runWindow(window, [&](const QUrl &url) {
        loads << url.path();
        if (url.path() != kAuthorizePath)
            return;
        request = QUrlQuery(url);
        QWebEngineView *view = window.WebViewWin();
        view->page()->runJavaScript(
            QStringLiteral("document.getElementById('signin').dataset.target"),
            [&offeredCode, view](const QVariant &target) {
                // As the page wrote it: "...?code=CODE&lc=1033".
                offeredCode =
                    target.toString().section(QStringLiteral("code="), 1).section(u'&', 0, 0);
                pressSignIn(view);
            });
    });

    QVERIFY(!run.timedOut);
    QCOMPARE(run.result, int(QDialog::Accepted));
    QVERIFY(!offeredCode.isEmpty());
    QCOMPARE(g_OnlineOneNoteCode.load(), offeredCode);
    QCOMPARE(g_PinlarkPageId.load(), QString());
    // The worker gets the tokens and the user id itself.
    QCOMPARE(g_OnlineOneNoteAccessToken.load(), QString());
    QCOMPARE(g_OnlineOneNoteUserId.load(), QString());
    QCOMPARE(savedSignIn(), QStringList(4, QString()));

    QTEST(loads, "expectedLoads");
    QCOMPARE(m_StandIn->counts().value(kAuthorizePath), 1);

    const auto field = [&request](const char *name) {
        return request.queryItemValue(QLatin1String(name), QUrl::FullyDecoded);
    };
    QCOMPARE(field("prompt"), QStringLiteral("login"));
    QCOMPARE(field("client_id"), g_OnlineOneNoteClientId.load());
    QCOMPARE(field("response_type"), QStringLiteral("code"));
    QCOMPARE(field("response_mode"), QStringLiteral("query"));
    QCOMPARE(field("scope"),
             QStringLiteral(
                 "offline_access User.Read Notes.Create Notes.ReadWrite Notes.ReadWrite.All"));
    QCOMPARE(field("redirect_uri"), g_RedirectAddress.load());
    // 128 random bits at least, which the answer brought back.
    QVERIFY(field("state").size() >= 22);
    QCOMPARE(window.result().outcome, SignInOutcome::SignedIn);

    // The code is bound to a verifier that only this process holds, new for each
    // sign-in and never written to the settings.
    const QString verifier = g_OnlineOneNoteCodeVerifier.load();
    QVERIFY(verifier.size() >= 43 && verifier.size() <= 128);
    QCOMPARE(field("code_challenge_method"), QStringLiteral("S256"));
    QCOMPARE(field("code_challenge"), Pkce::Challenge(verifier));
    QFile saved(g_ConfigFilePath.load());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(!saved.readAll().contains(verifier.toUtf8()));
}

void TestMWinLogin::redirectAddresses_data()
{
    // "STATE" stands for the state the window's request carried.
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expectedCode");
    QTest::addColumn<SignInOutcome>("expectedOutcome");
    QTest::addColumn<QString>("expectedError");
    QTest::addColumn<QString>("expectedDescription");
    QTest::addColumn<QString>("expectedPageId");
    const auto row = [](const char *title, const char *query, const char *code,
                        SignInOutcome outcome, const char *error = "",
                        const char *description = "") {
        const bool signedIn = outcome == SignInOutcome::SignedIn;
        QTest::newRow(title) << QString::fromLatin1(query) << QString::fromLatin1(code) << outcome
                             << QString::fromLatin1(error) << QString::fromUtf8(description)
                             << (signedIn ? QString() : QStringLiteral("old-page"));
    };
    row("code followed by a further field", "?code=M.C507_BAY.2.U.abc&lc=1033&state=STATE",
        "M.C507_BAY.2.U.abc", SignInOutcome::SignedIn);
    row("code that ends the address", "?state=STATE&code=M.C507.xyz", "M.C507.xyz",
        SignInOutcome::SignedIn);
    row("code after another field", "?lc=1033&code=late&state=STATE", "late",
        SignInOutcome::SignedIn);
    row("code with percent escapes is handed over unchanged",
        "?code=a%2Bb%20c%2F&lc=1033&state=STATE", "a%2Bb%20c%2F", SignInOutcome::SignedIn);
    row("empty code closes the window without a code", "?code=&lc=1033&state=STATE", "",
        SignInOutcome::Closed);
    row("a code without the state is refused", "?code=planted&lc=1033", "", SignInOutcome::Forged);
    row("a code with another state is refused", "?code=planted&state=STATEX", "",
        SignInOutcome::Forged);
    row("declined: the service's words, decoded",
        "?error=access_denied&error_description=The+user+has%20declined.&state=STATE", "",
        SignInOutcome::ServiceError, "access_denied", "The user has declined.");
    row("a refused client", "?error=unauthorized_client&state=STATE", "",
        SignInOutcome::ServiceError, "unauthorized_client");
    row("an error with another state is refused all the same", "?error=access_denied&state=forged",
        "", SignInOutcome::Forged);
}

void TestMWinLogin::redirectAddresses()
{
    QFETCH(QString, query);
    MWinLogin window(SignInStateFromGlobals());
    const Run run = runWindow(window, [&](const QUrl &url) {
        if (url.path() != kAuthorizePath)
            return;
        const QString state = QUrlQuery(url).queryItemValue(QStringLiteral("state"));
        window.WebViewWin()->load(QUrl(g_RedirectAddress.load() +
                                       QString(query).replace(QStringLiteral("STATE"), state)));
    });

    QVERIFY(!run.timedOut);
    QTEST(window.result().outcome, "expectedOutcome");
    QCOMPARE(run.result, window.result().outcome == SignInOutcome::SignedIn
                             ? int(QDialog::Accepted)
                             : int(QDialog::Rejected));
    QTEST(window.result().error, "expectedError");
    QTEST(window.result().description, "expectedDescription");
    QTEST(g_OnlineOneNoteCode.load(), "expectedCode");
    QTEST(g_PinlarkPageId.load(), "expectedPageId");
    // An answer is read, never loaded.
    QCOMPARE(m_StandIn->counts().value(kRedirectPath), 0);
}

void TestMWinLogin::pageElsewhereWithACodeIsNoAnswer()
{
    MWinLogin window(SignInStateFromGlobals());
    const QUrl elsewhere(g_IdentityRoot.load() + kLogoutPath + "?code=not-an-answer&state=x");
    bool openOnIt = false;
    const Run run = runWindow(window, [&](const QUrl &url) {
        if (url.path() == kAuthorizePath) {
            window.WebViewWin()->load(elsewhere);
        } else if (url.path() == kLogoutPath) {
            openOnIt = window.isVisible();
            // Where a user would press it: on the browser, which holds the keyboard.
            QWidget *target = window.WebViewWin()->focusProxy();
            QTimer::singleShot(0, &window, [&window, target] {
                QTest::keyClick(target ? target : &window, Qt::Key_Escape);
            });
        }
    });

    QVERIFY(!run.timedOut);
    QVERIFY(openOnIt);
    QCOMPARE(run.result, int(QDialog::Rejected));
    QCOMPARE(window.result().outcome, SignInOutcome::Closed);
    // Closed by hand: signed out, in memory and on disk.
    QCOMPARE(heldSignIn(), QStringList(5, QString()));
    QCOMPARE(savedSignIn(), QStringList(4, QString()));
}

void TestMWinLogin::answerBeforeAnyRequestIsRefused()
{
    // An identity root that puts the sign-out page on the redirect address with a
    // code: it arrives before this window has asked for anything.
    g_IdentityRoot.store(g_RedirectAddress.load() + "?code=after-sign-out&next=");
    MWinLogin window(SignInStateFromGlobals());
    window.setLogInOrOut(1);
    const Run run = runWindow(window, [](const QUrl &) {});

    QVERIFY(!run.timedOut);
    QCOMPARE(run.result, int(QDialog::Rejected));
    QCOMPARE(window.result().outcome, SignInOutcome::Forged);
    QCOMPARE(g_OnlineOneNoteCode.load(), QString());
    QCOMPARE(m_StandIn->counts().value(kAuthorizePath), 0);
}

void TestMWinLogin::serviceAnswersUnderstood_data()
{
    QTest::addColumn<QString>("clientId");
    // What the user does on the page: press its "decline" button, or close the
    // window once the page has shown.
    QTest::addColumn<QString>("action");
    QTest::addColumn<SignInOutcome>("expectedOutcome");
    QTest::addColumn<QString>("expectedError");
    QTest::newRow("declined on the sign-in page")
        << kClientId << "decline" << SignInOutcome::ServiceError << "access_denied";
    QTest::newRow("closed on the error page of an unknown client")
        << QStringLiteral("7d0c9b1e-2f3a-4b5c-8d6e-0a1b2c3d4e5f") << "close"
        << SignInOutcome::ClosedOnErrorPage << "unauthorized_client";
    QTest::newRow("closed on the sign-in page: no error to tell")
        << kClientId << "close" << SignInOutcome::Closed << "";
}

void TestMWinLogin::serviceAnswersUnderstood()
{
    QFETCH(QString, clientId);
    QFETCH(QString, action);
    g_OnlineOneNoteClientId.store(clientId);
    MWinLogin window(SignInStateFromGlobals());
    const Run run = runWindow(window, [&](const QUrl &url) {
        if (url.path() != kAuthorizePath)
            return;
        QWebEngineView *view = window.WebViewWin();
        if (action == u"decline") {
            view->page()->runJavaScript(
                QStringLiteral("document.getElementById('decline').click()"));
            return;
        }
        // Once the window has read the page, as a user takes a moment to.
        view->page()->runJavaScript(QStringLiteral("1"), [&window](const QVariant &) {
            QTimer::singleShot(300, &window, [&window] { window.reject(); });
        });
    });

    QVERIFY(!run.timedOut);
    QCOMPARE(run.result, int(QDialog::Rejected));
    QTEST(window.result().outcome, "expectedOutcome");
    QTEST(window.result().error, "expectedError");
    QCOMPARE(g_OnlineOneNoteCode.load(), QString());
}

int main(int argc, char **argv)
{
    // Qt WebEngine wants shared GL contexts before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestMWinLogin test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mwinlogin.moc"
