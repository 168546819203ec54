// A whole sign-in and download, through the real sign-in window, the worker and
// libcurl against the local stand-in, with every logging category on and the
// browser engine logging too: no token, code or verifier may show up in anything
// the process prints. Logs end up pasted into bug reports.

#include "StandIn.h"
#include "app/SignInStateFromGlobals.h"
#include "app/SyncStateFromGlobals.h"
#include "core/MGlobals.h"
#include "platform/HttpTransport.h"
#include "signin/MWinLogin.h"
#include "signin/SignInLoader.h"
#include "sync/MThreadOnlineOneNote.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <unistd.h>

namespace {

// Sends everything written to standard output and standard error into a file
// until it is restored.
class CapturedOutput
{
public:
    CapturedOutput()
    {
        m_file.open();
        std::fflush(stdout);
        std::fflush(stderr);
        m_out = dup(STDOUT_FILENO);
        m_err = dup(STDERR_FILENO);
        dup2(m_file.handle(), STDOUT_FILENO);
        dup2(m_file.handle(), STDERR_FILENO);
    }
    ~CapturedOutput() { restore(); }

    QByteArray restore()
    {
        if (m_out >= 0) {
            std::fflush(stdout);
            std::fflush(stderr);
            dup2(m_out, STDOUT_FILENO);
            dup2(m_err, STDERR_FILENO);
            close(m_out);
            close(m_err);
            m_out = m_err = -1;
        }
        m_file.seek(0);
        return m_file.readAll();
    }

private:
    QTemporaryFile m_file;
    int m_out = -1;
    int m_err = -1;
};

} // namespace

class TestQuietSecrets : public QObject
{
    Q_OBJECT

private slots:
    void signInAndDownloadPrintNoSecret();
};

void TestQuietSecrets::signInAndDownloadPrintNoSecret()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    g_ConfigFilePath.store(dir.filePath(QStringLiteral("zanapp.plist")));
    StandIn standIn;
    QVERIFY2(standIn.isRunning(), qPrintable(standIn.errorString()));
    g_IdentityRoot.store(standIn.root());
    g_RedirectAddress.store(standIn.redirectAddress());
    g_GraphRoot.store(standIn.root());
    g_OnlineOneNoteClientId.store(QStringLiteral("0f3b2c1d-4e5f-4a6b-8c7d-9e0f1a2b3c4d"));

    QStringList secrets;
    QByteArray printed;
    {
        CapturedOutput output;
        QLoggingCategory::setFilterRules(QStringLiteral("*=true"));

        MWinLogin window(SignInStateFromGlobals());
        window.loadWindow();
        connect(window.WebViewWin(), &QWebEngineView::loadFinished, &window, [&window] {
            window.WebViewWin()->page()->runJavaScript(
                QStringLiteral("var b = document.getElementById('signin'); if (b) b.click();"));
        });
        QTimer::singleShot(40000, &window, &QDialog::reject);
        const int result = window.showWindow();
        secrets << g_OnlineOneNoteCode.load() << g_OnlineOneNoteCodeVerifier.load();

        MThreadOnlineOneNote worker(SyncStateFromGlobals(),
                                    std::make_unique<platform::CurlTransport>());
        worker.RunCycle();
        secrets << g_OnlineOneNoteAccessToken.load() << g_OnlineOneNoteRefreshToken.load();
        // A refused access token: refreshed, and the page downloaded with the new one.
        QVERIFY(standIn.expireTokens());
        g_Ticks = 0;
        worker.RunCycle();
        worker.RunCycle();
        secrets << g_OnlineOneNoteAccessToken.load() << g_OnlineOneNoteRefreshToken.load();

        QLoggingCategory::setFilterRules(QString());
        printed = output.restore();
        QCOMPARE(result, int(QDialog::Accepted));
    }

    QVERIFY(!g_PinlarkPageHtml.load().isEmpty());
    // The logging was on: the worker told of its requests.
    QVERIFY2(printed.contains("/v1.0/me"), printed.left(2000).constData());
    QCOMPARE(secrets.size(), 6);
    for (const QString &secret : std::as_const(secrets)) {
        QVERIFY(secret.size() >= 20);
        for (const QByteArray &form :
             {secret.toUtf8(), QUrl::toPercentEncoding(secret), secret.toUtf8().toBase64()})
            QVERIFY2(!printed.contains(form), qPrintable(QStringLiteral("printed: ") + secret));
    }
}

int main(int argc, char *argv[])
{
    // The browser engine's own log as well, on standard error.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --enable-logging=stderr --log-level=0");
    QApplication app(argc, argv);
    TestQuietSecrets test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_quietsecrets.moc"
