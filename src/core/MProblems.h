#pragma once

#include <QString>
#include <QStringList>
#include <atomic>

// Things gone wrong that the user must hear of, since the app otherwise fails
// quietly: either thread raises one, the main thread tells the user once (a tray
// notification) and the status window names every problem still standing.
enum class MProblem : unsigned {
    // A settings or page file could not be written; the previous one was kept.
    SaveFailed = 1u << 0,
    // The last downloaded page could not be read as a board page; the board and the
    // cached page were kept.
    PageUnreadable = 1u << 1,
    // The service refused the stored sign-in (revoked or expired): sign in again.
    SignInRefused = 1u << 2,
    // The service does not accept the app's client id: the account settings are
    // wrong. Token requests wait until the settings file changes or the next start.
    ClientRejected = 1u << 3,
    // The sign-in window could not open: its library or the browser engine is missing.
    SignInUnavailable = 1u << 4,
    // Another program holds the global shortcut; the board opens from the tray only.
    ShortcutTaken = 1u << 5,
    // The last sign-in ended without a code: the service said no, the answer was not
    // the one asked for, or the window was closed on the service's error page.
    // Raised with words that say what happened (RaiseSaying).
    SignInFailed = 1u << 6,
    // The board page could not be created; raised with the reason (RaiseSaying).
    PageNotCreated = 1u << 7,
    // The page refused a snippet for good; it is kept in the outbox, listed in the
    // status window.
    SnippetRefused = 1u << 8,
    // The settings file or the cached page is larger than the app reads; it was
    // left as it is.
    FileTooLarge = 1u << 9,
    // The settings file points the app at a service address that may not carry
    // tokens (plain http to another computer): nothing is sent until it is corrected.
    ServiceAddressRefused = 1u << 10,
};

namespace MProblems {

inline constexpr MProblem kAll[] = {
    MProblem::SaveFailed,     MProblem::PageUnreadable,       MProblem::SignInRefused,
    MProblem::ClientRejected, MProblem::SignInUnavailable,    MProblem::ShortcutTaken,
    MProblem::SignInFailed,   MProblem::PageNotCreated,       MProblem::SnippetRefused,
    MProblem::FileTooLarge,   MProblem::ServiceAddressRefused};

void Raise(MProblem problem);
// Raises `problem` with words of the moment (what the service answered, in plain
// words), which Text() then gives in place of the kind's own sentence.
void RaiseSaying(MProblem problem, const QString &text);
void Clear(MProblem problem);
bool Has(MProblem problem);
// The standing problems as a bit set of MProblem values.
unsigned Current();

// One sentence in plain words, for the status window and the notification.
QString Text(MProblem problem);
// The sentences of every problem in `problems` (a bit set, as Current() gives).
QStringList Texts(unsigned problems);

} // namespace MProblems
