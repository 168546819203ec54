#pragma once

#include "platform/WindowForm.h"
#include "signin/SignInExport.h"
#include "signin/SignInState.h"

#include <QDialog>
#include <QPointer>

class QWebEngineProfile;
class QWebEngineView;

namespace Ui {
class MWinLogin;
}

// The modal sign-in window: an embedded browser on the identity platform's
// authorization page. Its only product is the authorization code, read from the
// address the platform redirects to and left in the shared state for the worker.
//
// Opening it discards the stored sign-in at once (in memory and in the settings
// file), so closing it by hand leaves the app signed out. In sign-out mode it first
// loads the platform's sign-out page, the only way to end the web session and
// switch accounts, and then continues into a sign-in in the same window.
//
// Use: construct, setLogInOrOut, showWindow (blocks until closed), destroy.
class PINLARK_SIGNIN_EXPORT MWinLogin : public QDialog
{
    Q_OBJECT

public:
    explicit MWinLogin(const SignInState &state, QWidget *parent = nullptr);
    ~MWinLogin() override;

    // 0 signs in; any other value signs out, then signs in. Set before showWindow.
    quint8 LogInOrOut() const { return m_LogInOrOut; }
    void setLogInOrOut(quint8 logInOrOut) { m_LogInOrOut = logInOrOut; }

    // The browser, or null before the window has loaded. Owned by the window.
    QWebEngineView *WebViewWin() const;

    // Loads the window (first call only) and runs it modally; returns Accepted when
    // a code was handed over, Rejected when the window closed without one.
    int showWindow();

    // Builds the window and starts the first page, once; showWindow calls it. The
    // browser engine and its profile come to life here, not at construction.
    void loadWindow();

    void Login();
    void Logout();

    // The authorization page's address for the current identity root, client id
    // and redirect address, asking for a code bound to `codeChallenge` (S256) and
    // carrying `requestState`, which the answer must bring back.
    QString AuthorizationAddress(const QString &codeChallenge, const QString &requestState) const;

    // Whether `url` is an answer to this sign-in: the redirect address's scheme,
    // host, port and path, whatever its query. Anything else is a page to show.
    bool IsRedirect(const QUrl &url) const;

    // How the window ended, once showWindow has returned, with the service's error
    // code and description when it gave any.
    SignInResult result() const { return m_Result; }

    // Value of one query field of an address: the text after "fieldName=" of the
    // first field so named, up to the next "&", the fragment or the end; "" when
    // the field is absent or empty. Not percent-decoded, not trimmed.
    static QString GetFieldValueFromURL(const QString &url, const QString &fieldName);

    // Ends the modal run with `result`.
    void closeModalWindow(int result);

    void done(int result) override;

    void reject() override;

private:
    void windowDidLoad();
    void WebViewWinProgressFinished(bool ok);
    void ClearSignIn();
    // Reads an answer at the redirect address (never loaded): a code for this
    // sign-in, an error, or something this sign-in did not ask for. Closes the window.
    void TakeRedirect(const QUrl &url);
    // Closes the window with `outcome`, once.
    void finish(SignInResult outcome);
    // Notes whether the page just shown is the service's error page, and which
    // error it names, for a window the user then closes.
    void inspectPage();

    SignInState m_State;
    WindowForm<Ui::MWinLogin> m_Ui;
    QPointer<QWebEngineProfile> m_Profile;
    quint8 m_LogInOrOut = 0;
    // From the start of a sign-out until the first load that finishes after it.
    bool m_Logout = false;
    // Set once the window is on its way out: later loads change nothing.
    bool m_Closing = false;
    // The state of the authorization request under way; only ever in memory.
    QString m_RequestState;
    SignInResult m_Result;
    // The page shown is an error page of the service, and the error code it names.
    bool m_OnErrorPage = false;
    QString m_ErrorPageCode;
};
