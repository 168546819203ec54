#include "app/ProblemNotifier.h"

#include "core/MGlobals.h"
#include "core/MProblems.h"

#include <QLabel>
#include <QSystemTrayIcon>

ProblemNotifier::ProblemNotifier(Notify notify, QLabel *problemLine, QObject *parent)
    : QObject(parent), m_Notify(std::move(notify)), m_ProblemLine(problemLine)
{}

void ProblemNotifier::tell(const QString &text, bool warning)
{
    const QString title = QStringLiteral("Pinlark");
    if (m_Notify)
        m_Notify(title, text);
    else if (m_TrayIcon && m_TrayIcon->isVisible())
        m_TrayIcon->showMessage(title, text,
                                warning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information,
                                warning ? 10000 : 3000);
}

void ProblemNotifier::tellNow(MProblem problem, const QString &text, qint64 now)
{
    const auto bit = static_cast<unsigned>(problem);
    m_ToldProblems |= bit;
    m_ProblemToldAt.insert(bit, now);
    tell(text, true);
}

void ProblemNotifier::report(unsigned current, bool boardActive, qint64 now)
{
    constexpr qint64 kRetellAfterMs = 60 * 60 * 1000;
    for (const MProblem problem : MProblems::kAll) {
        const auto bit = static_cast<unsigned>(problem);
        if (!(current & bit)) {
            m_ToldProblems &= ~bit;
            continue;
        }
        if (m_ToldProblems & bit)
            continue;
        m_ToldProblems |= bit;
        // A problem that comes and goes is told at most once an hour.
        const auto told = m_ProblemToldAt.constFind(bit);
        if (told != m_ProblemToldAt.cend() && now - *told < kRetellAfterMs)
            continue;
        m_ProblemToldAt.insert(bit, now);
        // The board in front of the user says so itself (its problem line).
        if (!boardActive)
            tell(MProblems::Text(problem), true);
    }

    // A line on the board leads to the status window, which names each problem;
    // redone only when the set of problems changed, not at every tick.
    if (current != m_ShownProblems && m_ProblemLine) {
        m_ShownProblems = current;
        m_ProblemLine->setToolTip(MProblems::Texts(current).join(u'\n'));
        m_ProblemLine->setVisible(current != 0);
    }
}

void ProblemNotifier::tellTokensInFile()
{
    // Once a run: the status window keeps saying it.
    if (std::exchange(m_ToldTokensInFile, true))
        return;
    tell(tr("The system keyring did not answer, so Pinlark keeps your sign-in in its own "
            "settings file, readable only by you."),
         true);
}

bool ProblemNotifier::tellTokensDropped()
{
    if (!g_TokensDroppedForNewRoots.exchange(false))
        return false;
    tell(tr("The service addresses in the settings file have changed, so the sign-in made with "
            "the old ones was removed. Please sign in again."),
         true);
    return true;
}
