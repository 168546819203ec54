#include "app/AnswerTexts.h"

#include <QCoreApplication>

namespace AnswerTexts {

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("AnswerTexts", text);
}

// The service's own words after ours, for whoever needs to look further.
QString withServiceWords(QString text, const SignInResult &result)
{
    const QString words = result.description.isEmpty()
                              ? result.error
                              : result.error + QStringLiteral(": ") + result.description;
    if (!words.isEmpty())
        text += u' ' +
                translated(QT_TRANSLATE_NOOP("AnswerTexts", "(The service said: %1)")).arg(words);
    return text;
}

} // namespace

bool ClientMayBeTheCause(const SignInResult &result)
{
    // The platform's names for an app it does not know or not for these accounts
    // (AADSTS700016), one not allowed this flow (AADSTS7000218), a redirect address
    // the registration lacks (AADSTS50011) or no client id at all (AADSTS900144).
    static const QStringList clientErrors = {
        QStringLiteral("unauthorized_client"), QStringLiteral("invalid_client"),
        QStringLiteral("AADSTS700016"),        QStringLiteral("AADSTS7000218"),
        QStringLiteral("AADSTS50011"),         QStringLiteral("AADSTS900144")};
    return clientErrors.contains(result.error);
}

QString SignInFailure(const SignInResult &result, const QString &redirectAddress)
{
    const QString checkClient =
        translated(
            QT_TRANSLATE_NOOP("AnswerTexts",
                              "Check the client id in Preferences: it must belong to an app "
                              "registration for personal Microsoft accounts, with the redirect "
                              "address %1 for mobile and desktop applications."))
            .arg(redirectAddress);
    if (result.outcome == SignInOutcome::Forged)
        return translated(QT_TRANSLATE_NOOP(
            "AnswerTexts", "Pinlark refused a sign-in answer that did not belong to the "
                           "sign-in it started, so nothing was signed in. Choose Sign "
                           "In… to try again."));
    if (result.outcome == SignInOutcome::ClosedOnErrorPage) {
        const QString text = translated(QT_TRANSLATE_NOOP(
            "AnswerTexts", "The sign-in did not finish: the window was closed on the sign-in "
                           "service's error page."));
        if (ClientMayBeTheCause(result))
            return withServiceWords(
                text + u' ' +
                    translated(QT_TRANSLATE_NOOP("AnswerTexts", "Pinlark's client id may be the "
                                                                "cause.")) +
                    u' ' + checkClient,
                result);
        return withServiceWords(
            text + u' ' +
                translated(QT_TRANSLATE_NOOP(
                    "AnswerTexts", "If the page named the application or the client, check "
                                   "the client id in Preferences; otherwise choose Sign In… "
                                   "to try again.")),
            result);
    }
    // An error answer at the redirect address.
    if (result.error == QLatin1String("access_denied"))
        return translated(QT_TRANSLATE_NOOP(
            "AnswerTexts", "You declined the access Pinlark asked for, so it is not signed in. "
                           "Pinlark needs it to read the Pinlark page of your notebook and add "
                           "to it: choose Sign In… and accept to use it."));
    if (ClientMayBeTheCause(result))
        return withServiceWords(
            translated(QT_TRANSLATE_NOOP("AnswerTexts", "The sign-in service does not accept "
                                                        "Pinlark's client id.")) +
                u' ' + checkClient,
            result);
    if (result.error == QLatin1String("server_error") ||
        result.error == QLatin1String("temporarily_unavailable"))
        return withServiceWords(
            translated(QT_TRANSLATE_NOOP("AnswerTexts", "The sign-in service is having trouble. "
                                                        "Choose Sign In… again in a few minutes.")),
            result);
    return withServiceWords(
        translated(QT_TRANSLATE_NOOP(
            "AnswerTexts", "The sign-in service refused Pinlark's request. If you entered "
                           "your own client id, check its app registration; then choose Sign "
                           "In… to try again.")),
        result);
}

QString PageCreateFailure(const ::PageCreateFailure &failure)
{
    if (failure.status == 0)
        return translated(QT_TRANSLATE_NOOP(
            "AnswerTexts", "Pinlark got no answer from the service (offline, or the answer was "
                           "lost), so your Pinlark page may or may not have been created. "
                           "Pinlark looks for it first, so choosing Create the Page again never "
                           "makes a second one."));
    const QString reason =
        failure.message.isEmpty()
            ? translated(QT_TRANSLATE_NOOP("AnswerTexts", "error %1")).arg(failure.status)
            : translated(QT_TRANSLATE_NOOP("AnswerTexts", "error %1: %2"))
                  .arg(failure.status)
                  .arg(failure.message);
    if (failure.status == 401 || failure.status == 403)
        return translated(
                   QT_TRANSLATE_NOOP("AnswerTexts",
                                     "The service did not let Pinlark create your Pinlark page "
                                     "(%1). Sign in again and accept the access Pinlark asks "
                                     "for, then choose Create the Page."))
            .arg(reason);
    return translated(
               QT_TRANSLATE_NOOP("AnswerTexts",
                                 "The service refused to create your Pinlark page (%1). Nothing "
                                 "was created; choose Create the Page to try again."))
        .arg(reason);
}

} // namespace AnswerTexts
