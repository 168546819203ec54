// The board side of the shell: rebuilding the tabs, search, copy notice, and the
// refresh timer that feeds them.

#include "app/AppDelegate.h"
#include "app/BoardKeys.h"
#include "app/CachedBoardReader.h"
#include "app/DesktopIntegration.h"
#include "app/PreferencesController.h"
#include "app/ProblemNotifier.h"
#include "app/SetupController.h"
#include "board/Announcement.h"
#include "board/BoardBuilder.h"
#include "board/BoardSearch.h"
#include "board/EmptyBoard.h"
#include "board/MSearchField.h"
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
#include <QDataStream>
#include <QDateTime>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QSystemTrayIcon>
#include <QTabBar>

namespace {

// The tab bar shows long labels cut short, at a width that still leaves room for a
// neighbour in a narrow window; the tool tip holds the whole label. Shorter labels
// are never squeezed: when the tabs do not fit, the bar scrolls instead.
QString shortTabLabel(const QString &label, const QFontMetrics &metrics)
{
    return metrics.elidedText(label, Qt::ElideRight, metrics.averageCharWidth() * 20);
}

// Pages are told apart by a digest of their text, so the board keeps no second
// copy of the page it shows.
QByteArray PageDigest(const QString &html)
{
    // Two seeded hashes and the length: 136 bits, for telling the user's own pages
    // apart within one run, at memory speed (a cryptographic digest of a page of
    // megabytes would cost the start-up milliseconds).
    QByteArray digest;
    QDataStream out(&digest, QIODevice::WriteOnly);
    out << quint64(html.size()) << quint64(qHash(html, 0x5eed'0001U))
        << quint64(qHash(html, 0x5eed'0002U));
    return digest;
}

} // namespace

bool AppDelegate::CreateTabs(const QString &html)
{
    if (html.isEmpty())
        return startCacheBuild();
    // A page that arrives while the cache is still being read supersedes it.
    if (m_CacheBuild) {
        m_CacheBuild.reset();
        startDeferredWorker();
    }
    QTabWidget *tabs = m_Ui->tabView;
    const int selected = tabs->currentIndex();
    m_CurrSelTabName =
        selected >= 0
            ? std::optional(static_cast<MTabViewColumn *>(tabs->widget(selected))->label())
            : std::nullopt;

    BoardBuilder builder(m_CurrSelTabName);
    if (!builder.Build(html))
        return false;
    m_PinlarkHtml = PageDigest(html);
    m_FoundTabName = builder.foundTabName();
    m_PageLoaded = true;

    // One repaint for the whole board instead of one per tab.
    tabs->setUpdatesEnabled(false);
    ClearTabs();
    Board board = builder.takeBoard();
    SnippetOutboxKeeper::AddPendingItems(board, g_SnippetOutbox.load(),
                                         g_OnlineOneNoteUserId.load());
    addTabs(std::move(board));
    if (m_FoundTabName)
        SelectTab(*m_CurrSelTabName);
    tabs->setUpdatesEnabled(true);

    qCInfo(lcBoard, "-- Create tabs. --");
    return true;
}

bool AppDelegate::startCacheBuild()
{
    m_CacheBuild.reset();
    bool tooLarge = false;
    QString page = ReadPageFile(g_CacheFilePath.load(), &tooLarge).value_or(QString());
    // Left as it is; the next download replaces it.
    if (tooLarge)
        MProblems::Raise(MProblem::FileTooLarge);
    if (page.isEmpty())
        return false;
    m_CacheBuild = std::make_unique<CachedBoardReader>(std::move(page));
    m_CurrSelTabName.reset();
    m_FoundTabName = false;
    // Shown as loaded while it is read, so the board never flashes an empty state.
    m_PageLoaded = true;
    ClearTabs();
    // The first tab whole before the window shows; a short page all at once.
    while (m_Ui->tabView->count() == 0 && !m_CacheBuild->atEnd()) {
        if (!m_CacheBuild->readSlice()) {
            finishCacheBuild();
            return false;
        }
        addTabs(m_CacheBuild->takeCompleteTabs());
    }
    if (m_CacheBuild->atEnd()) {
        finishCacheBuild();
        return m_PageLoaded;
    }
    QTimer::singleShot(0, this, &AppDelegate::continueCacheBuild);
    return true;
}

void AppDelegate::continueCacheBuild()
{
    if (!m_CacheBuild)
        return;
    if (!m_CacheBuild->readSlice()) {
        finishCacheBuild();
        return;
    }
    addTabs(m_CacheBuild->takeCompleteTabs());
    QTimer::singleShot(0, this, &AppDelegate::continueCacheBuild);
}

void AppDelegate::finishCacheBuild()
{
    if (!m_CacheBuild)
        return;
    const std::unique_ptr<CachedBoardReader> build = std::move(m_CacheBuild);
    const auto startWorker = qScopeGuard([this] { startDeferredWorker(); });
    QTabWidget *tabs = m_Ui->tabView;
    tabs->setUpdatesEnabled(false);
    const bool read = build->finish();
    if (read && !g_SnippetOutbox.load().isEmpty()) {
        // Snippets still on their way show in their tabs: the board is made again
        // whole, with them, now that all of it is known.
        tabs->setUpdatesEnabled(true);
        CreateTabs(build->page());
        updateEmptyBoard();
        return;
    }
    if (read) {
        addTabs(build->takeCompleteTabs());
        m_PinlarkHtml = PageDigest(build->page());
    } else {
        ClearTabs();
        m_PageLoaded = false;
    }
    tabs->setUpdatesEnabled(true);
    updateEmptyBoard();
    if (read)
        qCInfo(lcBoard, "-- Create tabs. --");
}

void AppDelegate::startDeferredWorker()
{
    if (!std::exchange(m_StartWorkerWhenBuilt, false) || m_Terminating)
        return;
    if (m_Services.startWorker)
        m_Services.startWorker();
}

void AppDelegate::addTabs(Board board)
{
    QTabWidget *tabs = m_Ui->tabView;
    for (BoardTab &tab : board) {
        auto *column = new MTabViewColumn;
        column->setLabel(tab.label);
        column->setItems(std::move(tab.items));
        column->setCopyWithoutName(preferences().copyWithoutName);
        column->setCopyFormatting(preferences().copyFormatting);
        connect(column, &MTabViewColumn::itemCopied, m_PreferencesWiring,
                &PreferencesController::countUse);
        connect(column, &MTabViewColumn::copied, this, &AppDelegate::showCopied2Clipboard);
        column->setTypingTarget(m_Ui->searchField);
        // "&" would otherwise mark a keyboard accelerator in the tab bar.
        const int index =
            tabs->addTab(column, shortTabLabel(tab.label, tabs->tabBar()->fontMetrics())
                                     .replace(u'&', QStringLiteral("&&")));
        QString tip = tab.label;
        if (index < BoardKeys::kNumberedTabs)
            tip += QStringLiteral("  (") +
                   BoardKeys::TabKey(index).toString(QKeySequence::NativeText) + u')';
        tabs->setTabToolTip(index, tip);
        column->reloadData();
    }
}

void AppDelegate::ClearTabs()
{
    QTabWidget *tabs = m_Ui->tabView;
    for (int i = tabs->count() - 1; i >= 0; --i) {
        QWidget *column = tabs->widget(i);
        tabs->removeTab(i);
        delete column;
    }
}

void AppDelegate::SelectTab(const QString &label)
{
    QTabWidget *tabs = m_Ui->tabView;
    for (int i = tabs->count() - 1; i >= 0; --i) {
        if (static_cast<MTabViewColumn *>(tabs->widget(i))->label() == label) {
            tabs->setCurrentIndex(i);
            return;
        }
    }
}

void AppDelegate::ReloadTableViewsData()
{
    QTabWidget *tabs = m_Ui->tabView;
    for (int i = tabs->count() - 1; i >= 0; --i)
        static_cast<MTabViewColumn *>(tabs->widget(i))->reloadData();
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
    finishCacheBuild();
    m_TabViewColumnSearch->clearItems();
    if (text.isEmpty()) {
        m_Ui->searchView->hide();
        m_Ui->tabView->show();
        return;
    }
    m_Ui->searchView->show();
    m_Ui->tabView->hide();

    QList<SearchList> lists;
    const int count = m_Ui->tabView->count();
    lists.reserve(count);
    for (int i = 0; i < count; ++i) {
        const auto *column = static_cast<MTabViewColumn *>(m_Ui->tabView->widget(i));
        lists.append({&column->m_ArrayItems(), &column->searchIndex(), column->label()});
    }
    SearchResults found = SearchItems(lists, text, m_PreferencesWiring->useCountOf());
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

QString AppDelegate::statusToolTip() const
{
    return m_StatusConnected ? tr("Connected") : tr("Disconnected");
}

void AppDelegate::setStatusLook(bool connected)
{
    m_StatusConnected = connected;
    if (m_StatusItem) {
        m_StatusItem->setIcon(connected ? statusImage : statusImageError);
        m_StatusItem->setToolTip(statusToolTip());
    }
    m_Ui->imageView->setPixmap((connected ? statusImage : statusImageError).pixmap(16, 16));
}

void AppDelegate::takePage()
{
    const QString html = g_PinlarkPageHtml.exchange(QString());
    if (html.isEmpty())
        return;
    // Compared with the cached page only once that is read whole.
    finishCacheBuild();
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
    bool hasItems = false;
    for (int i = 0; i < m_Ui->tabView->count() && !hasItems; ++i)
        hasItems =
            !static_cast<MTabViewColumn *>(m_Ui->tabView->widget(i))->m_ArrayItems().isEmpty();
    m_Setup->describeEmptyBoard(hasItems, m_PageLoaded);
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
    if (const bool signedIn = MGlobals::SignedIn(); signedIn != m_StatusConnected)
        setStatusLook(signedIn);

    if (m_Ui->labelCopied->isHidden())
        return;
    if (m_LabelCopiedTag >= 2)
        m_Ui->labelCopied->hide();
    ++m_LabelCopiedTag;
}
