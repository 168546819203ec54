#pragma once

#include "app/ShellServices.h"
#include "core/Preferences.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

class BoardTabs;
class DesktopIntegration;
class EmptyBoard;
class MWinAddSnippet;
class MTabViewColumn;
class PreferencesController;
class SetupController;
class StatusItem;
class StatusMenu;
class ProblemNotifier;
class TrayPlacement;
class QAction;
class QMenu;
class QWidget;
namespace Ui {
class MainWindow;
}

// The application shell: the tray item and its menu, the main window with the
// board, start-up and shut-down, the one-second timer that carries the sync
// worker's results into the interface, and the sign-in hand-offs. The side jobs go
// to parts it creates and connects (problems told, the window's placement, the
// desktop, Preferences, the setup, the snippet outbox, the board's keys and tabs,
// the status item and its menu).
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    using WaitingSnippetsChoice = SnippetOutboxKeeper::WaitingSnippetsChoice;
    using Services = ShellServices;

    explicit AppDelegate(Services services = {}, QObject *parent = nullptr);
    ~AppDelegate() override;

    void awakeFromNib();
    void applicationDidFinishLaunching();
    // Saves what changed and stops the worker; runs once, however the app ends.
    void applicationWillTerminate();
    // Ends the app from any state: Quit, a termination signal, the end of the
    // desktop session. Leaves every event loop, modal ones included.
    void Terminate();
    bool terminating() const { return m_Terminating; }
    // The keyring failed: says once that the sign-in is kept in the settings file.
    void tellTokensInFile();

    // Status menu commands.
    void MenuItemPinlarkClick();
    void MenuItemLoginClick();
    void MenuItemLogoutClick();
    void MenuItemRefreshClick();
    void MenuItemStateWindowClick();
    void MenuItemAboutClick();
    void MenuItemOpenOneNotePinlarkPageClick();
    void MenuItemHelpClick();
    void MenuItemDecompositionClipboardLinkClick();
    void MenuItemPreferencesClick();
    // Opens the Add Snippet window, or brings the open one to the front.
    void MenuItemAddSnippetClick();
    MWinAddSnippet *addSnippetWindow() const { return m_Outbox->addWindow(); }
    // Writes or removes the autostart entry; the menu's check mark then shows what
    // is on disk.
    void MenuItemStartAtLoginClick(bool on);

    // The global shortcut: shows the board, or hides it when it is the active window.
    void globalShortcutActivated();
    const Preferences::Values &preferences() const;
    QAction *startAtLoginAction() const { return m_StartAtLoginAction; }

    // Refresh timer.
    void CreateTimer();
    void TimerRun();

    // The board.
    // Rebuilds the board from `html` and notes its digest in m_PinlarkHtml. False,
    // with the board left as it was, when the text is not a readable page. Without
    // text, builds the board from the cached page: the first tab at once, the rest
    // in slices once the window is up (see BoardTabs).
    bool CreateTabs(const QString &html = {});
    void ClearTabs();
    void SelectTab(const QString &label);
    void ReloadTableViewsData();
    void showCopied2Clipboard();
    void searchField_textDidChange(const QString &text);

    QWidget *window() const { return m_Window.get(); }
    QMenu *statusMenu() const;
    MTabViewColumn *searchColumn() const { return m_TabViewColumnSearch; }
    EmptyBoard *emptyBoard() const { return m_EmptyBoard; }
    // The status item's tooltip, which names its look: "Connected" or "Disconnected".
    QString statusToolTip() const;

private:
    // Forgets the account, then shows the service's sign-out page as a courtesy.
    void signOut();
    bool startCacheBuild();
    void cacheRead(const QString &page, bool again);
    // Starts the worker once start-up asked for it and the cache is read whole.
    void startDeferredWorker();
    // What follows once the tokens are known: the sign-in if none can be
    // renewed, then the worker and the refresh timer.
    void startSync();
    void runSignIn(int logInOrOut);
    // Signs out at once: credentials (file and keyring), the board page's state, the
    // cached page and the board, saved.
    void forgetAccount();
    void takePage();
    void updateEmptyBoard();
    void reportProblems();
    // Tells a sign-in that ended on the service's refusal, at once and everywhere.
    void tellSignInFailure(const SignInResult &result);

    Services m_Services;
    std::unique_ptr<StatusMenu> m_StatusMenu;
    StatusItem *m_StatusItem = nullptr;
    QTimer m_Timer;
    // The page the board shows, as a digest of its text: a download is compared
    // with it rather than with a second copy of a page of megabytes.
    QByteArray m_PinlarkHtml;
    MTabViewColumn *m_TabViewColumnSearch = nullptr;
    std::optional<QString> m_CurrSelTabName;
    bool m_FoundTabName = false;
    // Refresh-timer ticks since the copied notice was shown.
    int m_LabelCopiedTag = 0;
    EmptyBoard *m_EmptyBoard = nullptr;
    // The board shows a page that was read, from the cache or the service.
    bool m_PageLoaded = false;
    bool m_StartWorkerWhenBuilt = false;
    bool m_Terminating = false;
    bool m_Terminated = false;

    QAction *m_StartAtLoginAction = nullptr;

    // The text the board last put on the clipboard.
    QString m_BoardCopiedText;

    std::unique_ptr<QWidget> m_Window;
    std::unique_ptr<Ui::MainWindow> m_Ui;
    std::unique_ptr<TrayPlacement> m_Placement;
    ProblemNotifier *m_Problems = nullptr;
    DesktopIntegration *m_Desktop = nullptr;
    PreferencesController *m_PreferencesWiring = nullptr;
    SnippetOutboxKeeper *m_Outbox = nullptr;
    SetupController *m_Setup = nullptr;
    BoardTabs *m_Board = nullptr;
};
