// The board side of the shell: rebuilding the tabs, search, copy notice, and the
// refresh timer that feeds them.

#include "app/AppDelegate.h"
#include "app/BoardTabs.h"
#include "app/DesktopIntegration.h"
#include "app/PreferencesController.h"
#include "app/ProblemNotifier.h"
#include "app/SetupController.h"
#include "app/StatusItem.h"
#include "board/Announcement.h"
#include "board/BoardBuilder.h"
#include "board/BoardSearch.h"
#include "board/MTabViewColumn.h"
#include "board/MTableView.h"
#include "board/PageFile.h"
#include "core/MConfig.h"
#include "core/MGlobals.h"
#include "core/MProblems.h"
#include "text/Logging.h"
#include "ui_MainWindow.h"
#include "windows/TickPause.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QScopeGuard>

bool AppDelegate::CreateTabs(const QString &html)
{
    if (html.isEmpty())
        return startCacheBuild();
    // A page that arrives while the cache is still being read supersedes it.
    if (m_Board->readingCache()) {
        m_Board->dropCache();
        startDeferredWorker();
    }
    m_CurrSelTabName = m_Board->currentLabel();
    BoardBuilder builder(m_CurrSelTabName);
    if (!builder.Build(html))
        return false;
    m_PinlarkHtml = PageDigest(html);
    m_FoundTabName = builder.foundTabName();
    m_PageLoaded = true;

    // One repaint for the whole board instead of one per tab.
    m_Ui->tabView->setUpdatesEnabled(false);
    ClearTabs();
    Board board = builder.takeBoard();
    SnippetOutboxKeeper::AddPendingItems(board, g_SnippetOutbox.load(),
                                         g_OnlineOneNoteUserId.load());
    m_Board->add(std::move(board));
    if (m_FoundTabName)
        SelectTab(*m_CurrSelTabName);
    m_Ui->tabView->setUpdatesEnabled(true);

    qCInfo(lcBoard, "-- Create tabs. --");
    return true;
}

bool AppDelegate::startCacheBuild()
{
    m_Board->dropCache();
    bool tooLarge = false;
    QString page = ReadPageFile(g_CacheFilePath.load(), &tooLarge).value_or(QString());
    // Left as it is; the next download replaces it.
    if (tooLarge)
        MProblems::Raise(MProblem::FileTooLarge);
    if (page.isEmpty())
        return false;
    m_CurrSelTabName.reset();
    m_FoundTabName = false;
    // Shown as loaded while it is read, so the board never flashes an empty state.
    m_PageLoaded = true;
    m_Board->readCache(std::move(page));
    return m_PageLoaded;
}

void AppDelegate::cacheRead(const QString &page, bool again)
{
    const auto startWorker = qScopeGuard([this] { startDeferredWorker(); });
    if (again)
        CreateTabs(page);
    else if (page.isEmpty())
        m_PageLoaded = false;
    else
        m_PinlarkHtml = PageDigest(page);
    updateEmptyBoard();
    if (!again && !page.isEmpty())
        qCInfo(lcBoard, "-- Create tabs. --");
}

void AppDelegate::startDeferredWorker()
{
    if (!std::exchange(m_StartWorkerWhenBuilt, false) || m_Terminating)
        return;
    if (m_Services.startWorker)
        m_Services.startWorker();
}

void AppDelegate::ClearTabs()
{
    m_Board->clear();
}

void AppDelegate::SelectTab(const QString &label)
{
    m_Board->select(label);
}

void AppDelegate::ReloadTableViewsData()
{
    m_Board->reload();
}

void AppDelegate::showCopied2Clipboard()
{
    m_LabelCopiedTag = 0;
    // What the board put on the clipboard is not offered as a new snippet.
    m_BoardCopiedText = QGuiApplication::clipboard()->text();
    m_Ui->labelCopied->show();
    // Every copy is told to a screen reader, also one made while the notice shows.
    AnnounceToScreenReader(m_Ui->labelCopied);
    m_Desktop->pasteAfterCopy(preferences().pasteAfterCopy);
}

void AppDelegate::searchField_textDidChange(const QString &text)
{
    // Every tab is searched from the first keystroke, however early it comes.
    m_Board->finishCache();
    m_TabViewColumnSearch->clearItems();
    if (text.isEmpty()) {
        m_Ui->searchView->hide();
        m_Ui->tabView->show();
        return;
    }
    m_Ui->searchView->show();
    m_Ui->tabView->hide();

    SearchResults found =
        SearchItems(m_Board->searchLists(), text, m_PreferencesWiring->useCountOf());
    m_TabViewColumnSearch->setItems(std::move(found.items), std::move(found.labels),
                                    found.closeFrom);
    m_TabViewColumnSearch->reloadData();
    // The best guess is ready at every keystroke: Enter copies the first match.
    m_TabViewColumnSearch->tableView()->selectFirstRow();
}

void AppDelegate::CreateTimer()
{
    m_Timer.setInterval(1000);
    connect(&m_Timer, &QTimer::timeout, this, &AppDelegate::TimerRun, Qt::UniqueConnection);
    m_Timer.start();
}

void AppDelegate::takePage()
{
    const QString html = g_PinlarkPageHtml.exchange(QString());
    if (html.isEmpty())
        return;
    // Compared with the cached page only once that is read whole.
    m_Board->finishCache();
    if (PageDigest(html) != m_PinlarkHtml) {
        // Only a page that reads as a board replaces the board and the cached
        // page: a download cut short must not wipe out the last good one, now or
        // at the next start.
        if (CreateTabs(html)) {
            MProblems::Clear(MProblem::PageUnreadable);
            if (!WritePageFile(g_CacheFilePath.load(), html)) {
                MProblems::Raise(MProblem::SaveFailed);
            } else if (MProblems::Has(MProblem::FileTooLarge)) {
                // The cached page is whole again; the settings file, read once more,
                // says for itself whether it is still too large.
                MProblems::Clear(MProblem::FileTooLarge);
                [[maybe_unused]] const MConfig settings(g_ConfigFilePath.load());
            }
        } else {
            MProblems::Raise(MProblem::PageUnreadable);
        }
    }
}

void AppDelegate::updateEmptyBoard()
{
    m_Setup->describeEmptyBoard(m_Board->hasItems(), m_PageLoaded);
}

void AppDelegate::reportProblems()
{
    const unsigned current = MProblems::Current();
    m_Problems->report(current, m_Window->isActiveWindow(), QDateTime::currentMSecsSinceEpoch());

    // The service refused the stored sign-in and the worker has cleared it: ask
    // again, once, after the tick.
    if (current & static_cast<unsigned>(MProblem::SignInRefused)) {
        MProblems::Clear(MProblem::SignInRefused);
        QMetaObject::invokeMethod(this, &AppDelegate::MenuItemLoginClick, Qt::QueuedConnection);
    }
}

void AppDelegate::TimerRun()
{
    // The timer rests while a modal window or a menu is open, as the platform's
    // default run-loop mode would; a page that arrives meanwhile waits its turn.
    if (TickPaused())
        return;

    takePage();
    m_Setup->takePageCreateFailure();
    m_Outbox->keep();
    m_Outbox->signOutWhenSent();
    reportProblems();
    m_Setup->watchSettings();
    updateEmptyBoard();
    // Busy only while the worker actually talks to the service.
    if (const bool busy = g_SyncBusy.load(); m_Ui->progressInd->isHidden() == busy)
        m_Ui->progressInd->setVisible(busy);

    // The look changes only when it differs from the sign-in.
    if (const bool signedIn = MGlobals::SignedIn(); signedIn != m_StatusItem->connected())
        m_StatusItem->setConnected(signedIn);

    if (m_Ui->labelCopied->isHidden())
        return;
    if (m_LabelCopiedTag >= 2)
        m_Ui->labelCopied->hide();
    ++m_LabelCopiedTag;
}
