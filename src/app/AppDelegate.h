#pragma once

#include "board/MNameValue.h"
#include "core/PendingSnippet.h"
#include "core/Preferences.h"
#include "platform/DesktopPaste.h"
#include "signin/SignInState.h"

#include <QDateTime>
#include <QHash>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class EmptyBoard;
class GlobalShortcut;
class MWinAddSnippet;
class MTabViewColumn;
struct MNameValue;
class UseCounts;
class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QSystemTrayIcon;
class QTabWidget;
class QWidget;
class MSearchField;
namespace Ui {
class MainWindow;
}

// The application shell: the tray item and its menu, the main window with the
// board, start-up and shut-down, and the one-second timer that carries the sync
// worker's results into the interface.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    // What a sign-out does with snippets still waiting for the page.
    enum class WaitingSnippetsChoice { SendFirst, Discard, Cancel };

    // What the shell starts but does not own the workings of; tests leave them out.
    struct Services
    {
        std::function<void()> startWorker;
        std::function<void()> stopWorker;
        // Runs the sign-in window modally; `logInOrOut` non-zero signs out first.
        std::function<SignInResult(int logInOrOut)> runSignIn;
        std::function<void()> showStateWindow;
        std::function<void()> showAboutWindow;
        std::function<void()> openHelp;
        // True when the clipboard held a link and now holds its text and address.
        std::function<bool()> convertClipboardLink;
        // Tells the user of a problem; the tray's notification when left out.
        std::function<void(const QString &title, const QString &text)> notify;
        // Brings the tokens from where they are kept and then runs `ready`, maybe
        // later on the event loop; left out, the settings file's are used at once.
        std::function<void(std::function<void()> ready)> loadTokens;
        // Puts the latest tokens where they are kept, before the app ends.
        std::function<void()> flushTokens;
        // Asks what to do with `waiting` snippets before a sign-out; a question box
        // when left out.
        std::function<WaitingSnippetsChoice(qsizetype waiting)> askAboutWaitingSnippets;
    };

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
    MWinAddSnippet *addSnippetWindow() const;
    // Writes or removes the autostart entry; the menu's check mark then shows what
    // is on disk.
    void MenuItemStartAtLoginClick(bool on);

    // The global shortcut: shows the board, or hides it when it is the active window.
    void globalShortcutActivated();
    GlobalShortcut *globalShortcut() const { return m_GlobalShortcut.get(); }
    const Preferences::Values &preferences() const { return m_Preferences; }
    QAction *startAtLoginAction() const { return m_StartAtLoginAction; }

    // Refresh timer.
    void CreateTimer();
    void TimerRun();

    // The board.
    // Rebuilds the board from `html` and notes its digest in m_PinlarkHtml. False,
    // with the board left as it was, when the text is not a readable page. Without
    // text, builds the board from the cached page: the first tab at once, the rest
    // in slices once the window is up (see finishCacheBuild).
    bool CreateTabs(const QString &html = {});
    // Completes a board still being built from the cache, at once: a search, a
    // download and a test need all of it.
    void finishCacheBuild();
    void ClearTabs();
    void SelectTab(const QString &label);
    void ReloadTableViewsData();
    void showCopied2Clipboard();
    void searchField_textDidChange(const QString &text);

    QWidget *window() const { return m_Window.get(); }
    QMenu *statusMenu() const { return m_StatusMenu.get(); }
    QSystemTrayIcon *statusItem() const { return m_StatusItem; }
    QTabWidget *tabView() const;
    QWidget *searchView() const;
    MSearchField *searchField() const;
    QLabel *labelCopied() const;
    QProgressBar *progressInd() const;
    MTabViewColumn *searchColumn() const { return m_TabViewColumnSearch; }
    EmptyBoard *emptyBoard() const { return m_EmptyBoard; }
    // The status item's tooltip, which names its look: "Connected" or "Disconnected".
    QString statusToolTip() const;

private:
    // Forgets the account, then shows the service's sign-out page as a courtesy.
    void signOut();
    struct CacheBuild;
    bool startCacheBuild();
    // Starts the worker once start-up asked for it and the cache is read whole.
    void startDeferredWorker();
    void continueCacheBuild();
    // Adds one tab view per tab, after those there are.
    void addTabs(Board tabs);
    void buildStatusMenu();
    void setStatusLook(bool connected);
    MTabViewColumn *currentColumn() const;
    void moveSelection(int delta);
    void copySelection(bool plainText);
    // Tab switching from the keyboard and typing from the lists; once, at start-up.
    void setUpBoardKeys();
    // Shows tab `index` (ending a search); nothing for a tab that does not exist.
    void showTab(int index);
    // The next (1) or previous (-1) tab, round the end.
    void stepTab(int delta);
    void hideWindow();
    bool raiseModalWindow();
    void tell(const QString &text, bool warning);
    // What follows once the tokens are known: the sign-in if none can be
    // renewed, then the worker and the refresh timer.
    void startSync();
    void placeNearTrayIcon();
    void runSignIn(int logInOrOut);
    // Signs out at once: credentials (file and keyring), the board page's state, the
    // cached page and the board, saved.
    void forgetAccount();
    void takePage();
    void updateEmptyBoard();
    void reportProblems();
    void retryRejectedClient();
    // The service settings were changed (the file edited, or the Preferences window):
    // read them again and let the worker try a rejected client id once more.
    void serviceSettingsChanged();
    // The board's own first steps: a client id typed into the setup, and the page
    // created on the user's word (AppDelegateSetup.cpp).
    void setUpEmptyBoard();
    void useClientId(const QString &clientId);
    // A client id has become known (the setup, Preferences, an edited settings
    // file): the sign-in opens by itself, once.
    void takeUpClientId();
    // While no client id is known, an edited settings file may bring one.
    void watchSettingsForClientId();
    void createPage();
    void takePageCreateFailure();
    // Tells a sign-in that ended on the service's refusal, at once and everywhere.
    void tellSignInFailure(const SignInResult &result);
    // Tells that the tokens were dropped for new service roots, once; true if so.
    bool tellTokensDropped();
    // The desktop side: preferences, global shortcut, paste (AppDelegateDesktop.cpp).
    void setUpDesktop();
    void applyGlobalShortcut(const QString &portableText);
    void globalShortcutStateChanged();
    // Hands the copy preferences (without the name, with formatting) to every list.
    void applyCopyWithoutName();
    void pasteAfterCopy();
    // Counts a copy for ordering close matches, while that preference is on.
    void countUse(const MNameValue &item);
    // The copy counts, read from the data folder on first use.
    UseCounts &useCounts();
    void pasteFinished(DesktopPaste::Outcome outcome);
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Snippets added from the app (AppDelegateSnippets.cpp).
    bool boardHoldsValue(const QString &text) const;
    void addSnippet(const QString &typed, const QString &tabLabel, int tabIndex);
    void loadOutbox();
    // Writes the outbox file when the outbox changed, and shows new marks.
    void keepOutbox();
    // The outbox's snippets on the board, marked, until the page holds them.
    void addPendingItems(Board &board) const;
    // Before a sign-out: false when the sign-out is not to go ahead now.
    bool settleWaitingSnippets();
    void signOutWhenSent();
    // Refresh gives refused snippets another try, the page may have changed since.
    void retryRefusedSnippets();

    Services m_Services;
    std::unique_ptr<QMenu> m_StatusMenu;
    QSystemTrayIcon *m_StatusItem = nullptr;
    QIcon statusImage;
    QIcon statusHighlightImage;
    QIcon statusImageError;
    // The look the status item shows; the tooltip and the icons follow from it.
    bool m_StatusConnected = true;
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
    std::unique_ptr<CacheBuild> m_CacheBuild;
    bool m_StartWorkerWhenBuilt = false;
    // Where start-up put the window: only a move or resize by the user is saved.
    QRect m_PlacedGeometry;
    bool m_Terminating = false;
    bool m_Terminated = false;
    // Problems already told, and when each kind was last told (ms since 1970).
    unsigned m_ToldProblems = 0;
    // Problems the board's problem line shows.
    unsigned m_ShownProblems = 0;
    QHash<unsigned, qint64> m_ProblemToldAt;
    // The settings file's time when the service rejected the client id.
    QDateTime m_RejectedSettingsTime;
    // A client id was known at the last look; and the settings file's time when
    // none was.
    bool m_HasClientId = false;
    QDateTime m_SettingsTimeWithoutId;
    bool m_ToldTokensInFile = false;

    Preferences::Values m_Preferences;
    std::unique_ptr<GlobalShortcut> m_GlobalShortcut;
    std::unique_ptr<DesktopPaste> m_Paste;
    std::unique_ptr<UseCounts> m_UseCounts;
    QAction *m_StartAtLoginAction = nullptr;

    // The text the board last put on the clipboard.
    QString m_BoardCopiedText;
    // The outbox as last written to its file.
    SnippetOutbox m_KeptOutbox;
    QPointer<MWinAddSnippet> m_AddSnippetWindow;
    // The user chose to send waiting snippets first: sign out once they are sent.
    bool m_SignOutWhenSent = false;

    std::unique_ptr<QWidget> m_Window;
    std::unique_ptr<Ui::MainWindow> m_Ui;
};
