#pragma once

#include "core/PageCreation.h"
#include "signin/SignInState.h"

#include <QString>

// What the user is told, in plain words, when a sign-in or the creation of the
// board page did not work: what happened and what to do.
namespace AnswerTexts {

// For a sign-in that ended without a code and not by a plain close (the service's
// error answer, an answer this sign-in did not ask for, the window closed on the
// service's error page). `redirectAddress` is the one an app registration needs.
QString SignInFailure(const SignInResult &result, const QString &redirectAddress);

// Whether the client id may be why the sign-in failed.
bool ClientMayBeTheCause(const SignInResult &result);

QString PageCreateFailure(const ::PageCreateFailure &failure);

} // namespace AnswerTexts
