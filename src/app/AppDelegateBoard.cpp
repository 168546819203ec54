// The board side of the shell: rebuilding the tabs, search, copy notice, and the
// refresh timer that feeds them.

#include "app/AppDelegate.h"
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

#include <QApplication>
#include <QFileInfo>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QTabBar>

namespace {

// Alt+1 to Alt+9 pick the first nine tabs.
constexpr int kNumberedTabs = 9;

QKeySequence tabKey(int index)
{
    return QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + index));
}

// The tab bar shows long labels cut short, at a width that still leaves room for a
// neighbour in a narrow window; the tool tip holds the whole label. Shorter labels
// are never squeezed: when the tabs do not fit, the bar scrolls instead.
QString shortTabLabel(const QString &label, const QFontMetrics &metrics)
{
    return metrics.elidedText(label, Qt::ElideRight, metrics.averageCharWidth() * 20);
}

} // namespace

bool AppDelegate::CreateTabs()
{
    QTabWidget *tabs = m_Ui->tabView;
    const int selected = tabs->currentIndex();
    m_CurrSelTabName =
        selected >= 0
            ? std::optional(static_cast<MTabViewColumn *>(tabs->widget(selected))->label())
            : std::nullopt;

    if (m_PinlarkHtml.isEmpty()) {
        bool tooLarge = false;
        m_PinlarkHtml = ReadPageFile(g_CacheFilePath.load(), &tooLarge).value_or(QString());
        // Left as it is; the next download replaces it.
        if (tooLarge)
            MProblems::Raise(MProblem::FileTooLarge);
    }
    BoardBuilder builder(m_CurrSelTabName);
    if (!builder.Build(m_PinlarkHtml))
        return false;
    m_FoundTabName = builder.foundTabName();
    m_PageLoaded = true;

    // One repaint for the whole board instead of one per tab.
    tabs->setUpdatesEnabled(false);
    ClearTabs();
    for (BoardTab &tab : builder.takeBoard()) {
        auto *column = new MTabViewColumn;
        column->setLabel(tab.label);
        column->setItems(std::move(tab.items));
        column->setCopyWithoutName(m_Preferences.copyWithoutName);
        connect(column, &MTabViewColumn::copied, this, &AppDelegate::showCopied2Clipboard);
        column->tableView()->setTypingTarget(m_Ui->searchField);
        // "&" would otherwise mark a keyboard accelerator in the tab bar.
        const int index =
            tabs->addTab(column, shortTabLabel(tab.label, tabs->tabBar()->fontMetrics())
                                     .replace(u'&', QStringLiteral("&&")));
        QString tip = tab.label;
        if (index < kNumberedTabs)
            tip += QStringLiteral("  (") + tabKey(index).toString(QKeySequence::NativeText) + u')';
        tabs->setTabToolTip(index, tip);
    }
    if (m_FoundTabName)
        SelectTab(*m_CurrSelTabName);
    ReloadTableViewsData();
    tabs->setUpdatesEnabled(true);

    qCInfo(lcBoard, "-- Create tabs. --");
    return true;
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
    m_Ui->labelCopied->show();
    // Every copy is told to a screen reader, also one made while the notice shows.
    AnnounceToScreenReader(m_Ui->labelCopied);
    pasteAfterCopy();
}

void AppDelegate::searchField_textDidChange(const QString &text)
{
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
        lists.append({&column->m_ArrayItems(), &column->lowerValues(), column->label()});
    }
    SearchResults found = SearchItems(lists, text);
    m_TabViewColumnSearch->setItems(std::move(found.items), std::move(found.labels));
    m_TabViewColumnSearch->reloadData();
    // The best guess is ready at every keystroke: Enter copies the first match.
    m_TabViewColumnSearch->tableView()->selectFirstRow();
}

void AppDelegate::setUpBoardKeys()
{
    m_TabViewColumnSearch->tableView()->setTypingTarget(m_Ui->searchField);

    const auto bind = [this](const QList<QKeySequence> &keys, auto command) {
        auto *shortcut = new QShortcut(m_Window.get());
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, command);
    };
    bind({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
         [this] { stepTab(1); });
    // X11 reports Shift+Tab as Backtab, other systems as Tab.
    bind({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
          QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
         [this] { stepTab(-1); });
    for (int i = 0; i < kNumberedTabs; ++i)
        bind({tabKey(i)}, [this, i] { showTab(i); });
}

void AppDelegate::showTab(int index)
{
    QTabWidget *tabs = m_Ui->tabView;
    if (index < 0 || index >= tabs->count())
        return;
    // The tabs are hidden while a search is shown: asking for one ends the search.
    if (!m_Ui->searchField->text().isEmpty())
        m_Ui->searchField->clear();
    tabs->setCurrentIndex(index);
}

void AppDelegate::stepTab(int delta)
{
    const int count = m_Ui->tabView->count();
    if (count > 0)
        showTab((m_Ui->tabView->currentIndex() + delta + count) % count);
}

MTabViewColumn *AppDelegate::currentColumn() const
{
    if (!m_Ui->searchView->isHidden())
        return m_TabViewColumnSearch;
    return static_cast<MTabViewColumn *>(m_Ui->tabView->currentWidget());
}

void AppDelegate::moveSelection(int delta)
{
    if (MTabViewColumn *column = currentColumn())
        column->tableView()->moveSelection(delta);
}

void AppDelegate::copySelection()
{
    if (MTabViewColumn *column = currentColumn())
        column->onAction();
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
    if (html != m_PinlarkHtml) {
        // Only a page that reads as a board replaces the board and the cached
        // page: a download cut short must not wipe out the last good one, now or
        // at the next start.
        QString previous = std::exchange(m_PinlarkHtml, html);
        if (CreateTabs()) {
            MProblems::Clear(MProblem::PageUnreadable);
            if (!WritePageFile(g_CacheFilePath.load(), m_PinlarkHtml)) {
                MProblems::Raise(MProblem::SaveFailed);
            } else if (MProblems::Has(MProblem::FileTooLarge)) {
                // The cached page is whole again; the settings file, read once more,
                // says for itself whether it is still too large.
                MProblems::Clear(MProblem::FileTooLarge);
                [[maybe_unused]] const MConfig settings(g_ConfigFilePath.load());
            }
        } else {
            m_PinlarkHtml = std::move(previous);
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
    m_EmptyBoard->setKind(EmptyBoard::KindFor(hasItems, MGlobals::HasSignIn(),
                                              g_PinlarkPageMissing.load(), m_PageLoaded));
}

void AppDelegate::reportProblems()
{
    const unsigned current = MProblems::Current();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
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
        if (!m_Window->isActiveWindow())
            tell(MProblems::Text(problem), true);
    }

    // A line on the board leads to the status window, which names each problem;
    // redone only when the set of problems changed, not at every tick.
    if (current != m_ShownProblems) {
        m_ShownProblems = current;
        m_Ui->labelProblem->setToolTip(MProblems::Texts(current).join(u'\n'));
        m_Ui->labelProblem->setVisible(current != 0);
    }

    // The service refused the stored sign-in and the worker has cleared it: ask
    // again, once, after the tick.
    if (current & static_cast<unsigned>(MProblem::SignInRefused)) {
        MProblems::Clear(MProblem::SignInRefused);
        QMetaObject::invokeMethod(this, &AppDelegate::MenuItemLoginClick, Qt::QueuedConnection);
    }
}

void AppDelegate::retryRejectedClient()
{
    // A rejected client id is not tried again until the user has had a chance to
    // correct it: the worker waits until the settings file changes.
    // A refused service address likewise waits for the file to be corrected.
    if (!MProblems::Has(MProblem::ClientRejected) &&
        !MProblems::Has(MProblem::ServiceAddressRefused)) {
        m_RejectedSettingsTime = QDateTime();
        return;
    }
    const QDateTime changed = QFileInfo(g_ConfigFilePath.load()).lastModified();
    if (!m_RejectedSettingsTime.isValid()) {
        m_RejectedSettingsTime = changed.isValid() ? changed : QDateTime::fromMSecsSinceEpoch(0);
        return;
    }
    if (changed.isValid() && changed != m_RejectedSettingsTime)
        serviceSettingsChanged();
}

void AppDelegate::serviceSettingsChanged()
{
    MGlobals::LoadServiceSettings();
    MProblems::Clear(MProblem::ClientRejected);
    m_RejectedSettingsTime = QDateTime();
    if (tellTokensDropped())
        QMetaObject::invokeMethod(this, &AppDelegate::MenuItemLoginClick, Qt::QueuedConnection);
}

void AppDelegate::TimerRun()
{
    // The timer rests while a modal window or a menu is open, as the platform's
    // default run-loop mode would; a page that arrives meanwhile waits its turn.
    if (TickPaused())
        return;

    takePage();
    reportProblems();
    retryRejectedClient();
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
