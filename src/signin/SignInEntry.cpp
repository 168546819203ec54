#include "signin/SignInEntry.h"

#include "signin/MWinLogin.h"

extern "C" int pinlark_run_signin(const SignInState *state, int logInOrOut)
{
    if (!state || !state->isComplete())
        return -1;
    MWinLogin window(*state);
    window.setLogInOrOut(logInOrOut != 0 ? 1 : 0);
    return window.showWindow() == QDialog::Accepted ? 1 : 0;
}
