// The board side of the shell: rebuilding the tabs, search, copy notice, and the
// refresh timer that feeds them.

#include "app/AppDelegate.h"
#include "app/MGlobals.h"
#include "board/BoardBuilder.h"
#include "board/BoardSearch.h"
#include "board/MSearchField.h"
#include "board/MTabViewColumn.h"
#include "board/MTableView.h"
#include "board/PageFile.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QSystemTrayIcon>

void AppDelegate::CreateTabs()
{
    QTabWidget *tabs = ui->tabView;
    const int selected = tabs->currentIndex();
    m_CurrSelTabName =
        selected >= 0
            ? std::optional(static_cast<MTabViewColumn *>(tabs->widget(selected))->label())
            : std::nullopt;
    ClearTabs();

    if (m_PinlarkHtml.isEmpty())
        m_PinlarkHtml = ReadPageFile(g_CacheFilePath.load()).value_or(QString());
    if (m_PinlarkHtml.isEmpty())
        return;

    BoardBuilder builder(m_CurrSelTabName);
    if (!builder.Build(m_PinlarkHtml))
        return;
    m_FoundTabName = builder.foundTabName();

    // One repaint for the whole board instead of one per tab.
    tabs->setUpdatesEnabled(false);
    for (BoardTab &tab : builder.takeBoard()) {
        auto *column = new MTabViewColumn;
        column->setLabel(tab.label);
        column->setItems(std::move(tab.items));
        connect(column, &MTabViewColumn::copied, this, &AppDelegate::showCopied2Clipboard);
        // "&" would otherwise mark a keyboard accelerator in the tab bar.
        QString shown = tab.label;
        tabs->addTab(column, shown.replace(u'&', QStringLiteral("&&")));
    }
    if (m_FoundTabName)
        SelectTab(*m_CurrSelTabName);
    ReloadTableViewsData();
    tabs->setUpdatesEnabled(true);

    qInfo("-- Create tabs. --");
}

void AppDelegate::ClearTabs()
{
    QTabWidget *tabs = ui->tabView;
    for (int i = tabs->count() - 1; i >= 0; --i) {
        QWidget *column = tabs->widget(i);
        tabs->removeTab(i);
        delete column;
    }
}

void AppDelegate::SelectTab(const QString &label)
{
    QTabWidget *tabs = ui->tabView;
    for (int i = tabs->count() - 1; i >= 0; --i) {
        if (static_cast<MTabViewColumn *>(tabs->widget(i))->label() == label) {
            tabs->setCurrentIndex(i);
            return;
        }
    }
}

void AppDelegate::ReloadTableViewsData()
{
    QTabWidget *tabs = ui->tabView;
    for (int i = tabs->count() - 1; i >= 0; --i)
        static_cast<MTabViewColumn *>(tabs->widget(i))->reloadData();
}

void AppDelegate::showCopied2Clipboard()
{
    m_LabelCopiedTag = 0;
    ui->labelCopied->show();
}

void AppDelegate::searchField_textDidChange(const QString &text)
{
    m_TabViewColumnSearch->clearItems();
    if (text.isEmpty()) {
        ui->searchView->hide();
        ui->tabView->show();
        return;
    }
    ui->searchView->show();
    ui->tabView->hide();

    QList<SearchList> lists;
    const int count = ui->tabView->count();
    lists.reserve(count);
    for (int i = 0; i < count; ++i) {
        const auto *column = static_cast<MTabViewColumn *>(ui->tabView->widget(i));
        lists.append({&column->m_ArrayItems(), &column->lowerValues()});
    }
    m_TabViewColumnSearch->setItems(SearchItems(lists, text));
    m_TabViewColumnSearch->reloadData();
}

MTabViewColumn *AppDelegate::currentColumn() const
{
    if (!ui->searchView->isHidden())
        return m_TabViewColumnSearch;
    return static_cast<MTabViewColumn *>(ui->tabView->currentWidget());
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

void AppDelegate::setStatusLook(bool connected)
{
    m_StatusToolTip = connected ? QStringLiteral("Connected") : QStringLiteral("Disconnected");
    if (m_StatusItem) {
        m_StatusItem->setIcon(connected ? statusImage : statusImageError);
        m_StatusItem->setToolTip(m_StatusToolTip);
    }
    ui->imageView->setPixmap((connected ? statusImage : statusImageError).pixmap(16, 16));
}

void AppDelegate::TimerRun()
{
    // The timer rests while a modal window or a menu is open, as the platform's
    // default run-loop mode would; a page that arrives meanwhile waits its turn.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;

    const QString html = g_PinlarkPageHtml.exchange(QString());
    if (!html.isEmpty()) {
        if (html != m_PinlarkHtml) {
            m_PinlarkHtml = html;
            WritePageFile(g_CacheFilePath.load(), m_PinlarkHtml);
            CreateTabs();
        }
        if (!ui->progressInd->isHidden())
            ui->progressInd->hide();
    }

    const bool signedIn =
        !g_OnlineOneNoteAccessToken.load().isEmpty() && !g_OnlineOneNoteUserId.load().isEmpty();
    const bool shownConnected = m_StatusToolTip == u"Connected";
    if (signedIn != shownConnected)
        setStatusLook(signedIn);

    if (ui->labelCopied->isHidden())
        return;
    if (m_LabelCopiedTag >= 2)
        ui->labelCopied->hide();
    ++m_LabelCopiedTag;
}
