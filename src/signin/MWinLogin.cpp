#include "signin/MWinLogin.h"

#include "text/Encoding.h"
#include "text/MUtils.h"
#include "text/Pkce.h"
#include "ui_MWinLogin.h"

#include <QKeySequence>
#include <QPointer>
#include <QRegularExpression>
#include <QShortcut>
#include <QUrlQuery>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <functional>

namespace {

const QString kScope =
    QStringLiteral("offline_access User.Read Notes.Create Notes.ReadWrite Notes.ReadWrite.All");
const QString kAuthorizePath = QStringLiteral("/common/oauth2/v2.0/authorize");
const QString kLogoutPath = QStringLiteral("/logout.srf");

// The browser's page. Every navigation is shown to the window first: one to the
// redirect address is an answer to read, never a page to load (the service's
// redirect would otherwise fetch it, and a page elsewhere that merely holds
// "?code=" is no answer at all).
class SignInPage : public QWebEnginePage
{
public:
    SignInPage(QWebEngineProfile *profile, QObject *parent, std::function<bool(const QUrl &)> take)
        : QWebEnginePage(profile, parent), m_Take(std::move(take))
    {}

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (m_Take(url))
            return false;
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }

private:
    std::function<bool(const QUrl &)> m_Take;
};

// The error codes of the identity platform's answers, as its error pages name them
// too; a page naming one of these is the service's error page.
const char *const kErrorCodes[] = {
    "unauthorized_client", "invalid_client", "invalid_request",         "access_denied",
    "invalid_scope",       "server_error",   "temporarily_unavailable", "unsupported_response_type",
};

// The code an error page names: one of the above, or the platform's own AADSTS
// number; "" for a page that names none.
QString ErrorCodeIn(const QString &text)
{
    for (const char *code : kErrorCodes) {
        if (text.contains(QLatin1String(code)))
            return QLatin1String(code);
    }
    static const QRegularExpression aadsts(QStringLiteral("\\bAADSTS\\d+"));
    return aadsts.match(text).captured();
}

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
    return ExecWindowModal(*this);
}

void MWinLogin::loadWindow()
{
    m_Ui.load(this, &MWinLogin::windowDidLoad);
}

void MWinLogin::windowDidLoad()
{
    // An off-the-record profile of the window's own: no cookies or cache reach the
    // disk, and a closed window leaves no web session behind.
    m_Profile = new QWebEngineProfile(this);
    WebViewWin()->setPage(new SignInPage(m_Profile, WebViewWin(), [this](const QUrl &url) {
        if (!IsRedirect(url))
            return false;
        TakeRedirect(url);
        return true;
    }));
    // An answer with an HTTP error status is the service's error page, whatever
    // it says.
    connect(WebViewWin()->page(), &QWebEnginePage::loadingChanged, this,
            [this](const QWebEngineLoadingInfo &info) {
                if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
                    m_OnErrorPage = false;
                else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus &&
                         info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain)
                    m_OnErrorPage = true;
            });

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

QString MWinLogin::AuthorizationAddress(const QString &codeChallenge,
                                        const QString &requestState) const
{
    // Client id and redirect address go in as they are; only the scope list,
    // which holds blanks, is escaped. The challenge's and the state's alphabet
    // needs no escape.
    return m_State.identityRoot->load() + kAuthorizePath + u"?prompt=login&client_id=" +
           m_State.clientId->load() + u"&response_type=code&response_mode=query&scope=" +
           MUtils::EscapeUrl(kScope) + u"&redirect_uri=" + m_State.redirectAddress->load() +
           u"&code_challenge=" + codeChallenge + u"&code_challenge_method=S256&state=" +
           requestState;
}

bool MWinLogin::IsRedirect(const QUrl &url) const
{
    const QUrl redirect(m_State.redirectAddress->load());
    // A port left out is the scheme's own: ":443" names the same address.
    const int defaultPort =
        redirect.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 ? 443 : 80;
    return redirect.isValid() &&
           url.scheme().compare(redirect.scheme(), Qt::CaseInsensitive) == 0 &&
           url.host().compare(redirect.host(), Qt::CaseInsensitive) == 0 &&
           url.port(defaultPort) == redirect.port(defaultPort) && url.path() == redirect.path();
}

void MWinLogin::Login()
{
    ClearSignIn();
    // Kept for the worker before the request leaves, so that the code that comes
    // back always finds its verifier waiting.
    const QString verifier = Pkce::NewVerifier();
    m_State.codeVerifier->store(verifier);
    m_RequestState = Pkce::NewState();
    WebViewWin()->load(QUrl(AuthorizationAddress(Pkce::Challenge(verifier), m_RequestState)));
}

void MWinLogin::Logout()
{
    m_Logout = true;
    ClearSignIn();
    WebViewWin()->load(QUrl(m_State.identityRoot->load() + kLogoutPath));
}

void MWinLogin::WebViewWinProgressFinished(bool ok)
{
    Q_UNUSED(ok); // a failed load stays on screen; what it says is looked at below
    if (m_Closing)
        return;
    // Answers are taken before they load; this catches one that loaded all the same.
    if (const QUrl address = WebViewWin()->url(); IsRedirect(address)) {
        TakeRedirect(address);
        return;
    }
    inspectPage();

    if (m_Logout) {
        m_Logout = false;
        Login();
    }
}

void MWinLogin::inspectPage()
{
    // Read when it has loaded, so that a window the user closes on it can say why
    // the sign-in did not finish.
    m_ErrorPageCode.clear();
    QPointer<MWinLogin> window(this);
    const QUrl shown = WebViewWin()->url();
    WebViewWin()->page()->runJavaScript(
        QStringLiteral("document.body ? document.body.innerText : ''"),
        [window, shown](const QVariant &text) {
            if (!window || window->m_Closing || window->WebViewWin()->url() != shown)
                return;
            window->m_ErrorPageCode = ErrorCodeIn(text.toString());
            if (!window->m_ErrorPageCode.isEmpty())
                window->m_OnErrorPage = true;
        });
}

void MWinLogin::TakeRedirect(const QUrl &url)
{
    if (m_Closing)
        return;
    const QUrlQuery query(url);
    // Sent with this sign-in's request and with no other: an answer without it
    // was not asked for here (a page planting a code of its own account, say).
    const QString state = query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    if (m_RequestState.isEmpty() || state != m_RequestState) {
        finish(SignInOutcome::Forged);
        return;
    }
    if (const QString error = query.queryItemValue(QStringLiteral("error"), QUrl::FullyDecoded);
        !error.isEmpty()) {
        // Form-encoded by the service: "+" stands for a blank.
        QString description =
            query.queryItemValue(QStringLiteral("error_description"), QUrl::FullyEncoded);
        description.replace(u'+', QStringLiteral("%20"));
        finish({SignInOutcome::ServiceError, error,
                QUrl::fromPercentEncoding(description.toUtf8()).trimmed()});
        return;
    }
    // The code reaches the token request exactly as the service wrote it: percent
    // escapes stay, and so does an "=" that QUrlQuery would hand back escaped.
    const QString code =
        GetFieldValueFromURL(url.toString(QUrl::FullyEncoded), QStringLiteral("code"));
    if (code.isEmpty()) {
        finish(SignInOutcome::Closed);
        return;
    }
    m_State.code->store(code);
    m_State.pageId->store(QString());
    finish(SignInOutcome::SignedIn);
}

void MWinLogin::finish(SignInResult outcome)
{
    if (m_Closing)
        return;
    m_Closing = true;
    m_Result = std::move(outcome);
    // The state is spent: a second answer is no answer to this request.
    m_RequestState.clear();
    const int result =
        m_Result.outcome == SignInOutcome::SignedIn ? QDialog::Accepted : QDialog::Rejected;
    // Out of the browser's own call: it is asking whether to load the address.
    QMetaObject::invokeMethod(
        this, [this, result] { closeModalWindow(result); }, Qt::QueuedConnection);
}

void MWinLogin::reject()
{
    // Closed by the user (Escape, the window's close button): on the service's own
    // error page, that page is what the user has to be told about.
    if (!m_Closing)
        m_Result = m_OnErrorPage ? SignInResult(SignInOutcome::ClosedOnErrorPage, m_ErrorPageCode)
                                 : SignInResult(SignInOutcome::Closed);
    QDialog::reject();
}

QString MWinLogin::GetFieldValueFromURL(const QString &url, const QString &fieldName)
{
    QStringView query(url);
    if (const qsizetype fragment = query.indexOf(u'#'); fragment >= 0)
        query = query.left(fragment);
    const qsizetype mark = query.indexOf(u'?');
    if (mark < 0)
        return {};
    query = query.mid(mark + 1);
    // Field by field: "xcode=1" is no code, and an empty value stays empty, so
    // "code=&lc=1033" carries no code rather than passing the rest off as one.
    const QString pattern = fieldName + u'=';
    for (const QStringView field : query.split(u'&')) {
        if (field.startsWith(pattern))
            return field.mid(pattern.size()).toString();
    }
    return {};
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
