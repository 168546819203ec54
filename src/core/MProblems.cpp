#include "core/MProblems.h"

#include "core/MGlobals.h"

#include <QCoreApplication>
#include <QHash>
#include <mutex>

namespace {
std::atomic<unsigned> g_Problems{0};
std::mutex g_SayingMutex;
QHash<unsigned, QString> g_Sayings;

unsigned bit(MProblem problem)
{
    return static_cast<unsigned>(problem);
}
} // namespace

namespace MProblems {

void Raise(MProblem problem)
{
    g_Problems.fetch_or(bit(problem));
}

void RaiseSaying(MProblem problem, const QString &text)
{
    {
        std::lock_guard lock(g_SayingMutex);
        g_Sayings.insert(bit(problem), text);
    }
    Raise(problem);
}

void Clear(MProblem problem)
{
    g_Problems.fetch_and(~bit(problem));
    std::lock_guard lock(g_SayingMutex);
    g_Sayings.remove(bit(problem));
}

bool Has(MProblem problem)
{
    return (g_Problems.load() & bit(problem)) != 0;
}

unsigned Current()
{
    return g_Problems.load();
}

QStringList Texts(unsigned problems)
{
    QStringList texts;
    for (const MProblem problem : kAll) {
        if (problems & bit(problem))
            texts << Text(problem);
    }
    return texts;
}

QString Text(MProblem problem)
{
    {
        std::lock_guard lock(g_SayingMutex);
        if (const QString saying = g_Sayings.value(bit(problem)); !saying.isEmpty())
            return saying;
    }
    switch (problem) {
    case MProblem::SaveFailed:
        return QCoreApplication::translate("MProblems",
                                           "Pinlark could not save its files (is the disk full?). "
                                           "The previous files were kept.");
    case MProblem::PageUnreadable:
        return QCoreApplication::translate(
            "MProblems", "The last download of the Pinlark page could not be read. "
                         "The board shows the page as it was before.");
    case MProblem::SignInRefused:
        return QCoreApplication::translate(
            "MProblems", "Your sign-in has expired or was revoked. Please sign in again.");
    case MProblem::ClientRejected:
        return QCoreApplication::translate(
            "MProblems", "The service does not accept Pinlark's account settings "
                         "(ClientId). Check the settings file; Pinlark tries again when it "
                         "changes.");
    case MProblem::SignInUnavailable:
        return QCoreApplication::translate(
            "MProblems", "The sign-in window cannot open: its library or the browser engine "
                         "(Qt WebEngine) is missing. Reinstalling Pinlark should bring it back.");
    case MProblem::ShortcutTaken:
        return QCoreApplication::translate(
            "MProblems", "Another program holds Pinlark's global shortcut, so it does not show "
                         "the board. Choose another one in Preferences.");
    case MProblem::SignInFailed:
        return QCoreApplication::translate("MProblems", "The sign-in did not finish.");
    case MProblem::PageNotCreated:
        return QCoreApplication::translate("MProblems",
                                           "Pinlark could not create your Pinlark page.");
    case MProblem::SnippetRefused:
        return QCoreApplication::translate(
            "MProblems", "A snippet could not be added to your Pinlark page. It is kept: the "
                         "status window shows it.");
    case MProblem::FileTooLarge:
        return QCoreApplication::translate(
            "MProblems", "Pinlark's settings file or cached page is larger than 64 MB, so Pinlark "
                         "did not read it and left it as it is.");
    case MProblem::ServiceAddressRefused:
        return QCoreApplication::translate(
                   "MProblems",
                   "The settings file gives a service address that is not https: %1. Pinlark "
                   "sends nothing until it is corrected.")
            .arg(g_RefusedServiceKeys.load());
    }
    return {};
}

} // namespace MProblems
