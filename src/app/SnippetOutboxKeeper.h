#pragma once

#include "board/MNameValue.h"
#include "core/PendingSnippet.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class MWinAddSnippet;
class QIcon;
class QWidget;

// Snippets added from the app: the Add Snippet window, the outbox the worker sends
// from (kept in a file so that nothing typed is lost to a quit), the "adding…" marks
// on the board and the question a sign-out asks about snippets still waiting.
class SnippetOutboxKeeper : public QObject
{
    Q_OBJECT

public:
    // What a sign-out does with snippets still waiting for the page.
    enum class WaitingSnippetsChoice { SendFirst, Discard, Cancel };
    // Asks what to do with `waiting` snippets before a sign-out; a question box when
    // left out.
    using Ask = std::function<WaitingSnippetsChoice(qsizetype waiting)>;

    explicit SnippetOutboxKeeper(Ask ask, QObject *parent = nullptr);

    // Reads the outbox file of the data folder into the shared outbox.
    void load();
    // Writes the outbox file when the outbox changed; asks for the board to be
    // rebuilt when its marks change.
    void keep();
    // The outbox's snippets of the account `userId` (all while signed out) in their
    // tabs of `board` (a new tab at the end), marked, unless the page holds them.
    static void AddPendingItems(Board &board, const SnippetOutbox &outbox, const QString &userId);
    // Opens the Add Snippet window over the board's tabs, `text` offered as the
    // snippet, or brings the open one to the front.
    void showAddWindow(const QStringList &labels, int currentTab, const QString &text,
                       const QIcon &icon);
    MWinAddSnippet *addWindow() const;
    void addSnippet(const QString &typed, const QString &tabLabel, int tabIndex);
    // Before a sign-out: false when the sign-out is not to go ahead now. The
    // question box opens over `window` when that shows.
    bool settleWaitingSnippets(QWidget *window);
    // Once the snippets the user chose to send first are sent, asks for the sign-out.
    void signOutWhenSent();
    // Refresh gives refused snippets another try, the page may have changed since.
    void retryRefusedSnippets();

signals:
    void boardChanged();
    void signOutDue();
    void tellRequested(const QString &text, bool warning);

private:
    Ask m_Ask;
    // The outbox as last written to its file.
    SnippetOutbox m_KeptOutbox;
    QPointer<MWinAddSnippet> m_AddWindow;
    // The user chose to send waiting snippets first: sign out once they are sent.
    bool m_SignOutWhenSent = false;
};
