#include "signin/SignInLoader.h"

#include "signin/SignInEntry.h"
#include "text/Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

namespace {

const QString kLibraryName = QStringLiteral("pinlark_signin");

// Beside the executable first (a build tree), then where the install puts it,
// found from the executable so that an install under any prefix loads its own.
// QLibrary adds the platform's prefix and suffix.
QStringList libraryCandidates()
{
    const QDir binDir(QCoreApplication::applicationDirPath());
    return {binDir.filePath(kLibraryName),
            QDir::cleanPath(binDir.filePath(QStringLiteral(PINLARK_SIGNIN_LIBDIR_FROM_BIN) + u'/' +
                                            kLibraryName))};
}

} // namespace

SignInResult RunSignInLibrary(const QString &libraryPath, const SignInState &state, int logInOrOut)
{
    // Never unloaded: the browser engine cannot start twice in one process, so a
    // second sign-in reuses the library that is already mapped.
    QLibrary library(libraryPath);
    const auto run = reinterpret_cast<PinlarkRunSignIn>(library.resolve(kRunSignInSymbol));
    if (!run) {
        qCWarning(lcSignIn).noquote() << "Sign-in window unavailable:" << library.errorString();
        return SignInOutcome::Unavailable;
    }
    QString error;
    QString description;
    SignInState withAnswer = state;
    withAnswer.answerError = &error;
    withAnswer.answerDescription = &description;
    const int outcome = run(&withAnswer, logInOrOut);
    if (outcome < 0)
        return SignInOutcome::Unavailable;
    // A library that knows more endings than this app: no code, nothing to tell.
    if (outcome > static_cast<int>(SignInOutcome::ClosedOnErrorPage))
        return SignInOutcome::Closed;
    return {static_cast<SignInOutcome>(outcome), error, description};
}

SignInResult RunSignInWindow(const SignInState &state, int logInOrOut)
{
    for (const QString &candidate : libraryCandidates()) {
        QLibrary library(candidate);
        if (library.load())
            return RunSignInLibrary(candidate, state, logInOrOut);
    }
    qCWarning(lcSignIn) << "Sign-in window unavailable: library" << kLibraryName << "not found";
    return SignInOutcome::Unavailable;
}
