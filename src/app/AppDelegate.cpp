#include "app/AppDelegate.h"

#include "app/AnswerTexts.h"
#include "app/BoardKeys.h"
#include "app/BoardTabs.h"
#include "app/DesktopIntegration.h"
#include "app/PreferencesController.h"
#include "app/ProblemNotifier.h"
#include "app/SetupController.h"
#include "app/SnippetOutboxKeeper.h"
#include "app/StatusItem.h"
#include "app/StatusMenu.h"
#include "app/TrayPlacement.h"
#include "board/EmptyBoard.h"
#include "board/MSearchField.h"
#include "board/PageFile.h"
#include "core/MGlobals.h"
#include "core/MProblems.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QScopeGuard>
#include <QSystemTrayIcon>

// The icons live in this static library's resources, which the linker would
// otherwise leave out of the executable.
static void initResources()
{
    Q_INIT_RESOURCE(pinlark);
}

AppDelegate::AppDelegate(Services services, QObject *parent)
    : QObject(parent), m_Services(std::move(services)), m_Window(std::make_unique<QWidget>()),
      m_Ui(std::make_unique<Ui::MainWindow>())
{
    initResources();
    m_Ui->setupUi(m_Window.get());
    m_Placement = std::make_unique<TrayPlacement>(m_Window.get());
    m_Problems = new ProblemNotifier(m_Services.notify, m_Ui->labelProblem, this);
    m_StatusItem = new StatusItem(m_Ui->imageView, this);
    connect(m_StatusItem, &StatusItem::activated, this, [this] {
        m_Placement->placeNearIcon(m_StatusItem->trayIcon()->geometry());
        MenuItemPinlarkClick();
    });
    m_Setup = new SetupController(m_Problems, this);
    m_Desktop = new DesktopIntegration(this);
    connect(m_Desktop, &DesktopIntegration::tellRequested, m_Problems, &ProblemNotifier::tell);
    connect(m_Desktop, &DesktopIntegration::globalShortcutActivated, this,
            &AppDelegate::globalShortcutActivated);
    m_PreferencesWiring = new PreferencesController(m_Desktop, this);
    m_Board = new BoardTabs(m_Ui->tabView, m_Ui->searchField, m_PreferencesWiring, this);
    connect(m_Board, &BoardTabs::copied, this, &AppDelegate::showCopied2Clipboard);
    connect(m_Board, &BoardTabs::cacheRead, this, &AppDelegate::cacheRead);
    connect(m_PreferencesWiring, &PreferencesController::copyOptionsChanged, m_Board,
            &BoardTabs::applyCopyOptions);
    connect(m_PreferencesWiring, &PreferencesController::startAtLoginChosen, this,
            &AppDelegate::MenuItemStartAtLoginClick);
    connect(m_PreferencesWiring, &PreferencesController::clientIdSaved, m_Setup,
            &SetupController::serviceSettingsChanged);
    m_Outbox = new SnippetOutboxKeeper(m_Services.askAboutWaitingSnippets, this);
    connect(m_Outbox, &SnippetOutboxKeeper::tellRequested, m_Problems, &ProblemNotifier::tell);
    connect(m_Outbox, &SnippetOutboxKeeper::boardChanged, this, [this] {
        if (m_Terminated)
            return;
        CreateTabs(ReadPageFile(g_CacheFilePath.load()).value_or(QString()));
        updateEmptyBoard();
    });
    connect(m_Outbox, &SnippetOutboxKeeper::signOutDue, this, &AppDelegate::MenuItemLogoutClick,
            Qt::QueuedConnection);
    m_Desktop->watchWindow(m_Window.get(), [this] { return m_Terminating; });
    connect(m_Desktop, &DesktopIntegration::quitRequested, this, &AppDelegate::Terminate,
            Qt::QueuedConnection);

    connect(m_Ui->labelProblem, &QLabel::linkActivated, this,
            &AppDelegate::MenuItemStateWindowClick);

    m_EmptyBoard = new EmptyBoard(m_Ui->tabView);
    connect(m_EmptyBoard, &EmptyBoard::signInRequested, this, &AppDelegate::MenuItemLoginClick);
    connect(m_EmptyBoard, &EmptyBoard::refreshRequested, this, &AppDelegate::MenuItemRefreshClick);
    m_Setup->setEmptyBoard(m_EmptyBoard);
    connect(m_Setup, &SetupController::emptyBoardChanged, this, &AppDelegate::updateEmptyBoard);
    connect(m_Setup, &SetupController::signInDue, this, &AppDelegate::MenuItemLoginClick,
            Qt::QueuedConnection);
}

AppDelegate::~AppDelegate() = default;

const Preferences::Values &AppDelegate::preferences() const
{
    return m_PreferencesWiring->values();
}

QString AppDelegate::statusToolTip() const
{
    return m_StatusItem->toolTip();
}
QMenu *AppDelegate::statusMenu() const
{
    return m_StatusMenu.get();
}

void AppDelegate::awakeFromNib()
{
    m_StatusMenu = std::make_unique<StatusMenu>(this, m_Services);
    m_StartAtLoginAction = m_StatusMenu->startAtLoginAction();
    // Without a tray (GNOME without its extension) the same menu stays reachable
    // from the window, which then shows at start.
    m_Ui->menuButton->setMenu(m_StatusMenu.get());
    m_StatusItem->show(m_StatusMenu.get());
    m_Problems->setTrayIcon(m_StatusItem->trayIcon());
    m_Window->setWindowIcon(QIcon(QStringLiteral(":/pinlark-256.png")));
}

void AppDelegate::applicationDidFinishLaunching()
{
    m_PinlarkHtml.clear();

    m_TabViewColumnSearch = m_Board->createSearchColumn(m_Ui->searchView);
    connect(m_Ui->searchField, &MSearchField::textDidChange, this,
            &AppDelegate::searchField_textDidChange);
    connect(m_Ui->searchField, &MSearchField::dismissRequested, m_Desktop,
            &DesktopIntegration::hideWindow);
    auto *keys = new BoardKeys(m_Window.get(), m_Ui->tabView, m_Ui->searchField, m_Ui->searchView,
                               m_TabViewColumnSearch, m_EmptyBoard, this);
    connect(keys, &BoardKeys::addSnippetRequested, this, &AppDelegate::MenuItemAddSnippetClick);

    m_Placement->storeDefaultPosition();

    MGlobals::InitDataFolder();
    m_Outbox->load();
    m_PreferencesWiring->load();
    m_Board->applyCopyOptions();

    m_Placement->placeAtStart();

    CreateTabs();
    updateEmptyBoard();

    // The board is up from the cache; whether the user is signed in is known once
    // the tokens are read, which a keyring may answer a moment later.
    if (m_Services.loadTokens)
        m_Services.loadTokens([this] { startSync(); });
    else
        startSync();
}

void AppDelegate::startSync()
{
    if (m_Terminating)
        return;
    m_Setup->start();
    updateEmptyBoard();
    m_Problems->tellTokensDropped();
    // An empty access token beside a refresh token is a refresh that did not get
    // through before the last exit: the worker renews it at once. Only a sign-in
    // that cannot be renewed asks the user again.
    if (!MGlobals::HasSignIn())
        runSignIn(0);
    // Quit during the start-up sign-in: the event loop has not started yet, so
    // nothing more is started either.
    if (m_Terminating)
        return;

    // The board from the cache comes whole before any network traffic: the
    // worker waits for the last slice of a long one.
    m_StartWorkerWhenBuilt = true;
    if (!m_Board->readingCache())
        startDeferredWorker();

    CreateTimer();

    if (!QSystemTrayIcon::isSystemTrayAvailable())
        MenuItemPinlarkClick();
}

void AppDelegate::applicationWillTerminate()
{
    if (m_Terminated)
        return;
    m_Terminated = true;
    if (m_Services.stopWorker)
        m_Services.stopWorker();
    // What the worker learnt of the snippets last, for the next start.
    m_Outbox->keep();
    // Whatever was saved last, by the worker or below, reaches the keyring before
    // the app is gone.
    const auto flushTokens = qScopeGuard([this] {
        if (m_Services.flushTokens)
            m_Services.flushTokens();
    });

    m_Placement->saveIfMoved();
}

void AppDelegate::Terminate()
{
    // QCoreApplication::quit() would first ask every window to close and give up
    // when one refuses, as the board does (it hides to the tray). exit() leaves
    // every running event loop instead, a modal window's too, and a loop started
    // after it returns at once.
    m_Terminating = true;
    QCoreApplication::exit(0);
}

void AppDelegate::MenuItemPinlarkClick()
{
    // Before the board takes the focus: the window to paste into afterwards.
    m_Desktop->paste()->rememberActiveWindow();
    // Without a tray a hidden board is a minimised one: show() alone leaves it so.
    m_Window->setWindowState(m_Window->windowState() & ~Qt::WindowMinimized);
    m_Window->show();
    m_Window->raise();
    m_Window->activateWindow();
    m_Ui->searchField->setFocus();
    m_Ui->searchField->selectAll();
    // Nothing to search before a client id: the setup's field is where to type.
    if (m_EmptyBoard->kind() == EmptyBoard::Kind::Setup)
        m_EmptyBoard->clientIdEdit()->setFocus();
}

void AppDelegate::runSignIn(int logInOrOut)
{
    if (!m_Services.runSignIn)
        return;
    // Without a client id the service would only show its own error page: the board
    // says how to get one instead, and the sign-in opens once one is saved.
    if (!MGlobals::HasClientId()) {
        updateEmptyBoard();
        if (!m_Terminating)
            MenuItemPinlarkClick();
        return;
    }
    // The sign-in page would go to the refused address: say why nothing opens.
    if (MProblems::Has(MProblem::ServiceAddressRefused)) {
        m_Problems->tell(MProblems::Text(MProblem::ServiceAddressRefused), true);
        return;
    }
    MProblems::Clear(MProblem::SignInFailed);
    const SignInResult result = m_Services.runSignIn(logInOrOut);
    switch (result.outcome) {
    case SignInOutcome::Unavailable:
        MProblems::Raise(MProblem::SignInUnavailable);
        break;
    case SignInOutcome::SignedIn:
        MProblems::Clear(MProblem::SignInUnavailable);
        // The board is what the user signed in for; it fills as the page arrives.
        if (!m_Terminating)
            MenuItemPinlarkClick();
        break;
    case SignInOutcome::Closed:
        MProblems::Clear(MProblem::SignInUnavailable);
        break;
    case SignInOutcome::ServiceError:
    case SignInOutcome::Forged:
    case SignInOutcome::ClosedOnErrorPage:
        MProblems::Clear(MProblem::SignInUnavailable);
        tellSignInFailure(result);
        break;
    }
}

void AppDelegate::MenuItemLoginClick()
{
    if (!DesktopIntegration::raiseModalWindow())
        runSignIn(0);
}

void AppDelegate::MenuItemLogoutClick()
{
    if (DesktopIntegration::raiseModalWindow())
        return;
    // Snippets still waiting are the signed-in account's: sent first or discarded.
    if (!m_Outbox->settleWaitingSnippets(m_Window.get()))
        return;
    signOut();
}

void AppDelegate::signOut()
{
    // Signed out here and now, whatever the browser part does: the tokens, the
    // cached page and the board of this account are gone and saved as gone before
    // anything is shown.
    forgetAccount();
    // The service's sign-out page is a courtesy (it ends the web session, so that
    // another account can sign in); it then goes on into a sign-in.
    const bool refused = MProblems::Has(MProblem::ServiceAddressRefused);
    const SignInResult result = m_Services.runSignIn && !refused && MGlobals::HasClientId()
                                    ? m_Services.runSignIn(1)
                                    : SignInResult{SignInOutcome::Unavailable};
    if (result.outcome == SignInOutcome::Unavailable) {
        m_Problems->tell(
            tr("You are signed out. The service's sign-out page could not be shown, so that "
               "part was skipped."),
            false);
        return;
    }
    MProblems::Clear(MProblem::SignInUnavailable);
    if (result.outcome == SignInOutcome::SignedIn && !m_Terminating)
        MenuItemPinlarkClick();
    else if (result.outcome != SignInOutcome::Closed)
        tellSignInFailure(result);
}

void AppDelegate::MenuItemRefreshClick()
{
    g_Ticks.store(0);
    m_Outbox->retryRefusedSnippets();
}

void AppDelegate::MenuItemStateWindowClick()
{
    if (m_Services.showStateWindow)
        m_Services.showStateWindow();
}

void AppDelegate::MenuItemAboutClick()
{
    if (DesktopIntegration::raiseModalWindow())
        return;
    if (m_Services.showAboutWindow)
        m_Services.showAboutWindow();
}

void AppDelegate::MenuItemOpenOneNotePinlarkPageClick()
{
    DesktopIntegration::openPage(g_PinlarkPageClientUrl.load(), g_PinlarkPageWebUrl.load());
}

void AppDelegate::MenuItemHelpClick()
{
    if (m_Services.openHelp)
        m_Services.openHelp();
}

void AppDelegate::MenuItemDecompositionClipboardLinkClick()
{
    if (!m_Services.convertClipboardLink)
        return;
    // The command runs from the tray with nothing else on screen: say what it did.
    if (m_Services.convertClipboardLink())
        m_Problems->tell(tr("The link on the clipboard is now plain text."), false);
    else
        m_Problems->tell(tr("The clipboard holds no link to convert."), false);
}

void AppDelegate::tellTokensInFile()
{
    m_Problems->tellTokensInFile();
}

void AppDelegate::forgetAccount()
{
    // The credentials first: a request under way for them stores nothing after this.
    MGlobals::ClearCredentials();
    MGlobals::ForgetPage();
    const QString cache = g_CacheFilePath.load();
    if (QFileInfo::exists(cache) && !QFile::remove(cache))
        MProblems::Raise(MProblem::SaveFailed);
    m_Board->finishCache();
    m_PinlarkHtml.clear();
    m_PageLoaded = false;
    m_Ui->searchField->clear();
    ClearTabs();
    updateEmptyBoard();
    // The keyring's copy goes on the event loop; the exit waits for it.
}

void AppDelegate::globalShortcutActivated()
{
    // A minimised board may still count as the active window.
    if (m_Window->isVisible() && !m_Window->isMinimized() && m_Window->isActiveWindow()) {
        m_Desktop->hideWindow();
        return;
    }
    MenuItemPinlarkClick();
}

void AppDelegate::MenuItemStartAtLoginClick(bool on)
{
    m_Desktop->setStartAtLogin(on);
    if (m_StartAtLoginAction)
        m_StartAtLoginAction->setChecked(DesktopIntegration::startsAtLogin());
}

void AppDelegate::MenuItemPreferencesClick()
{
    if (!DesktopIntegration::raiseModalWindow())
        m_PreferencesWiring->showWindow();
}

void AppDelegate::MenuItemAddSnippetClick()
{
    // Text copied in another program is the likely snippet; what the board itself
    // put on the clipboard is on the page already.
    QString text = QGuiApplication::clipboard()->text();
    if (text == m_BoardCopiedText || m_Board->holdsValue(text))
        text.clear();
    m_Outbox->showAddWindow(m_Board->labels(), m_Ui->tabView->currentIndex(), text,
                            m_Window->windowIcon());
}

void AppDelegate::tellSignInFailure(const SignInResult &result)
{
    const QString text = AnswerTexts::SignInFailure(result, g_RedirectAddress.load());
    MProblems::RaiseSaying(MProblem::SignInFailed, text);
    // Told here, at once, rather than at the next tick, and not again by it.
    m_Problems->tellNow(MProblem::SignInFailed, text, QDateTime::currentMSecsSinceEpoch());
    updateEmptyBoard();
    // The board says it too, with the button to try again.
    if (!m_Terminating)
        MenuItemPinlarkClick();
}
