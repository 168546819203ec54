#include "signin/SignInEntry.h"

#include "signin/MWinLogin.h"

#include <QCoreApplication>

extern "C" int pinlark_run_signin(const SignInState *state, int logInOrOut)
{
    if (!state || !state->isComplete())
        return -1;
    // Qt WebEngine needs the shared GL context that only an application object made
    // after this attribute has; without it, building the browser crashes the app.
    if (!QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts)) {
        qWarning("Sign-in window unavailable: Qt::AA_ShareOpenGLContexts was not set "
                 "before the application object was made");
        return -1;
    }
    MWinLogin window(*state);
    window.setLogInOrOut(logInOrOut != 0 ? 1 : 0);
    return window.showWindow() == QDialog::Accepted ? 1 : 0;
}
