#include "signin/MWinLogin.h"

#include "text/Encoding.h"
#include "text/MUtils.h"
#include "text/Pkce.h"
#include "ui_MWinLogin.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

const QString kScope =
    QStringLiteral("offline_access User.Read Notes.Create Notes.ReadWrite Notes.ReadWrite.All");
const QString kAuthorizePath = QStringLiteral("/common/oauth2/v2.0/authorize");
const QString kLogoutPath = QStringLiteral("/logout.srf");
const QString kCodeMarker = QStringLiteral("?code=");

} // namespace

MWinLogin::MWinLogin(const SignInState &state, QWidget *parent) : QDialog(parent), m_State(state) {}

MWinLogin::~MWinLogin()
{
    // Pages must go before the profile they were made with.
    delete WebViewWin();
    delete m_Profile;
}

QWebEngineView *MWinLogin::WebViewWin() const
{
    return m_Ui ? m_Ui->WebViewWin : nullptr;
}

int MWinLogin::showWindow()
{
    loadWindow();
    // Modal to its own window only, not to the whole app: the tray menu stays
    // usable meanwhile, so that Quit works while this window is open.
    setWindowModality(Qt::WindowModal);
    return exec();
}

void MWinLogin::loadWindow()
{
    if (m_Ui)
        return;
    m_Ui = std::make_unique<Ui::MWinLogin>();
    m_Ui->setupUi(this);
    windowDidLoad();
}

void MWinLogin::windowDidLoad()
{
    // An off-the-record profile of the window's own: no cookies or cache reach the
    // disk, and a closed window leaves no web session behind.
    m_Profile = new QWebEngineProfile(this);
    WebViewWin()->setPage(new QWebEnginePage(m_Profile, WebViewWin()));

    // The browser takes the keyboard; Escape must still close the window.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QDialog::reject);

    // In place before the first page starts loading.
    connect(WebViewWin(), &QWebEngineView::loadFinished, this,
            &MWinLogin::WebViewWinProgressFinished);

    if (m_LogInOrOut == 0)
        Login();
    else
        Logout();
}

void MWinLogin::ClearSignIn()
{
    // In memory and on disk before the user has done anything.
    m_State.clearCredentials();
}

QString MWinLogin::AuthorizationAddress(const QString &codeChallenge) const
{
    // Client id and redirect address go in as they are; only the scope list,
    // which holds blanks, is escaped. The challenge's alphabet needs no escape.
    return m_State.identityRoot->load() + kAuthorizePath + u"?prompt=login&client_id=" +
           m_State.clientId->load() + u"&response_type=code&response_mode=query&scope=" +
           MUtils::EscapeUrl(kScope) + u"&redirect_uri=" + m_State.redirectAddress->load() +
           u"&code_challenge=" + codeChallenge + u"&code_challenge_method=S256";
}

void MWinLogin::Login()
{
    ClearSignIn();
    // Kept for the worker before the request leaves, so that the code that comes
    // back always finds its verifier waiting.
    const QString verifier = Pkce::NewVerifier();
    m_State.codeVerifier->store(verifier);
    WebViewWin()->load(QUrl(AuthorizationAddress(Pkce::Challenge(verifier))));
}

void MWinLogin::Logout()
{
    m_Logout = true;
    ClearSignIn();
    WebViewWin()->load(QUrl(m_State.identityRoot->load() + kLogoutPath));
}

void MWinLogin::WebViewWinProgressFinished(bool ok)
{
    Q_UNUSED(ok); // failed loads are not inspected: the window stays as it is
    if (m_Closing)
        return;

    // Fully encoded, so that percent escapes in the code reach the token request
    // exactly as the platform sent them.
    const QString address = WebViewWin()->url().toString(QUrl::FullyEncoded);
    if (MUtils::StringContains(kCodeMarker, address)) {
        const QString value = GetFieldValueFromURL(address, QStringLiteral("code"));
        if (!value.isEmpty()) {
            m_State.code->store(value);
            m_State.pageId->store(QString());
        }
        m_Closing = true;
        const int result = value.isEmpty() ? QDialog::Rejected : QDialog::Accepted;
        QMetaObject::invokeMethod(
            this, [this, result] { closeModalWindow(result); }, Qt::QueuedConnection);
        // A sign-out still pending must not go on into Login: it would clear the
        // code just handed over.
        return;
    }

    if (m_Logout) {
        m_Logout = false;
        Login();
    }
}

QString MWinLogin::GetFieldValueFromURL(const QString &url, const QString &fieldName)
{
    const QString pattern = fieldName + u'=';
    if (!MUtils::StringContains(pattern, url))
        return {};
    // An empty value stays empty: "code=&lc=1033" carries no code, and the rest
    // of the query must not pass for one.
    const QString rest = MUtils::GetStringBetween(url, pattern, QString());
    const qsizetype end = rest.indexOf(u'&');
    return end < 0 ? rest : rest.left(end);
}

void MWinLogin::closeModalWindow(int result)
{
    done(result);
}

void MWinLogin::done(int result)
{
    m_Closing = true;
    if (auto *view = WebViewWin())
        view->stop();
    QDialog::done(result);
}
