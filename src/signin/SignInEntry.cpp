#include "signin/SignInEntry.h"

#include "signin/MWinLogin.h"
#include "text/Logging.h"

#include <QOpenGLContext>
#include <QtWebEngineQuick/qtwebenginequickglobal.h>

extern "C" int pinlark_run_signin(const SignInState *state, int logInOrOut)
{
    constexpr int unavailable = static_cast<int>(SignInOutcome::Unavailable);
    if (!state || !state->isComplete())
        return unavailable;
    // The browser engine draws through a GL context shared with the app's. Made
    // here rather than by Qt::AA_ShareOpenGLContexts before the application object,
    // it costs nothing until the window first opens: that attribute alone loads the
    // GL driver at start-up, more than half of a signed-in app's memory. The app
    // makes no GL context of its own, so none is left out of the sharing. Qt warns
    // that this is late; later calls find the context made and do nothing.
    QtWebEngineQuick::initialize();
    const QOpenGLContext *shared = QOpenGLContext::globalShareContext();
    if (!shared || !shared->isValid()) {
        // The browser engine would crash without it.
        qCWarning(lcSignIn, "Sign-in window unavailable: no GL context to share with the browser");
        return unavailable;
    }
    MWinLogin window(*state);
    window.setLogInOrOut(logInOrOut != 0 ? 1 : 0);
    window.showWindow();
    const SignInResult result = window.result();
    if (state->answerError)
        *state->answerError = result.error;
    if (state->answerDescription)
        *state->answerDescription = result.description;
    return static_cast<int>(result.outcome);
}
