#pragma once

#include "core/MProblems.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QLabel;
class QSystemTrayIcon;

// Tells the user of problems, each once: a notification when it arises (at most once
// an hour for one that comes and goes), and the board's problem line while any lasts.
class ProblemNotifier : public QObject
{
    Q_OBJECT

public:
    using Notify = std::function<void(const QString &title, const QString &text)>;

    // Without `notify`, the tray icon's message tells (once there is a visible icon).
    ProblemNotifier(Notify notify, QLabel *problemLine, QObject *parent = nullptr);

    void setTrayIcon(QSystemTrayIcon *icon) { m_TrayIcon = icon; }
    void tell(const QString &text, bool warning);
    // Tells `problem` now, saying `text`, and not again at the next tick.
    void tellNow(MProblem problem, const QString &text, qint64 now);
    // One tick: tells the problems of `current` not yet told, unless the board is in
    // front (its problem line says them), and shows the problem line.
    void report(unsigned current, bool boardActive, qint64 now);
    // The keyring failed: says once a run that the sign-in is kept in the settings file.
    void tellTokensInFile();
    // Tells that the tokens were dropped for new service roots, once; true if so.
    bool tellTokensDropped();

private:
    Notify m_Notify;
    QLabel *m_ProblemLine = nullptr;
    QSystemTrayIcon *m_TrayIcon = nullptr;
    // Problems already told, and when each kind was last told (ms since 1970).
    unsigned m_ToldProblems = 0;
    QHash<unsigned, qint64> m_ProblemToldAt;
    // Problems the problem line shows.
    unsigned m_ShownProblems = 0;
    bool m_ToldTokensInFile = false;
};
