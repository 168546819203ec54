#include "app/BoardTabs.h"

#include "app/BoardKeys.h"
#include "app/CachedBoardReader.h"
#include "app/PreferencesController.h"
#include "board/MTabViewColumn.h"
#include "board/MTableView.h"
#include "core/MGlobals.h"

#include <QLayout>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {

// The tab bar shows long labels cut short, at a width that still leaves room for a
// neighbour in a narrow window; the tool tip holds the whole label. Shorter labels
// are never squeezed: when the tabs do not fit, the bar scrolls instead.
QString shortTabLabel(const QString &label, const QFontMetrics &metrics)
{
    return metrics.elidedText(label, Qt::ElideRight, metrics.averageCharWidth() * 20);
}

} // namespace

BoardTabs::BoardTabs(QTabWidget *tabs, QLineEdit *typingTarget, PreferencesController *preferences,
                     QObject *parent)
    : QObject(parent), m_Tabs(tabs), m_TypingTarget(typingTarget), m_Preferences(preferences)
{}

BoardTabs::~BoardTabs() = default;

int BoardTabs::count() const
{
    return m_Tabs->count();
}

MTabViewColumn *BoardTabs::column(int index) const
{
    return static_cast<MTabViewColumn *>(m_Tabs->widget(index));
}

std::optional<QString> BoardTabs::currentLabel() const
{
    const int selected = m_Tabs->currentIndex();
    return selected >= 0 ? std::optional(column(selected)->label()) : std::nullopt;
}

QStringList BoardTabs::labels() const
{
    QStringList labels;
    for (int i = 0; i < count(); ++i)
        labels.append(column(i)->label());
    return labels;
}

void BoardTabs::add(Board board)
{
    for (BoardTab &tab : board) {
        auto *column = new MTabViewColumn;
        column->setLabel(tab.label);
        column->setItems(std::move(tab.items));
        column->setCopyWithoutName(m_Preferences->values().copyWithoutName);
        column->setCopyFormatting(m_Preferences->values().copyFormatting);
        connect(column, &MTabViewColumn::itemCopied, m_Preferences,
                &PreferencesController::countUse);
        connect(column, &MTabViewColumn::copied, this, &BoardTabs::copied);
        column->setTypingTarget(m_TypingTarget);
        // "&" would otherwise mark a keyboard accelerator in the tab bar.
        const int index =
            m_Tabs->addTab(column, shortTabLabel(tab.label, m_Tabs->tabBar()->fontMetrics())
                                       .replace(u'&', QStringLiteral("&&")));
        QString tip = tab.label;
        if (index < BoardKeys::kNumberedTabs)
            tip += QStringLiteral("  (") +
                   BoardKeys::TabKey(index).toString(QKeySequence::NativeText) + u')';
        m_Tabs->setTabToolTip(index, tip);
        column->reloadData();
    }
}

void BoardTabs::clear()
{
    for (int i = count() - 1; i >= 0; --i) {
        QWidget *column = m_Tabs->widget(i);
        m_Tabs->removeTab(i);
        delete column;
    }
}

void BoardTabs::select(const QString &label)
{
    for (int i = count() - 1; i >= 0; --i) {
        if (column(i)->label() == label) {
            m_Tabs->setCurrentIndex(i);
            return;
        }
    }
}

void BoardTabs::reload()
{
    for (int i = count() - 1; i >= 0; --i)
        column(i)->reloadData();
}

bool BoardTabs::hasItems() const
{
    for (int i = 0; i < count(); ++i) {
        if (!column(i)->m_ArrayItems().isEmpty())
            return true;
    }
    return false;
}

bool BoardTabs::holdsValue(const QString &text) const
{
    if (text.isEmpty())
        return false;
    for (int i = 0; i < count(); ++i) {
        for (const MNameValue &item : column(i)->m_ArrayItems()) {
            if (item.value == text)
                return true;
        }
    }
    return false;
}

QList<SearchList> BoardTabs::searchLists() const
{
    QList<SearchList> lists;
    lists.reserve(count());
    for (int i = 0; i < count(); ++i) {
        const MTabViewColumn *list = column(i);
        lists.append({&list->m_ArrayItems(), &list->searchIndex(), list->label()});
    }
    return lists;
}

MTabViewColumn *BoardTabs::createSearchColumn(QWidget *searchView)
{
    m_SearchColumn = new MTabViewColumn(searchView);
    m_SearchColumn->setObjectName(QStringLiteral("searchColumn"));
    m_SearchColumn->tableView()->setAccessibleName(tr("Search results"));
    searchView->layout()->addWidget(m_SearchColumn);
    connect(m_SearchColumn, &MTabViewColumn::copied, this, &BoardTabs::copied);
    connect(m_SearchColumn, &MTabViewColumn::itemCopied, m_Preferences,
            &PreferencesController::countUse);
    return m_SearchColumn;
}

void BoardTabs::applyCopyOptions()
{
    QList<MTabViewColumn *> lists{m_SearchColumn};
    for (int i = 0; i < count(); ++i)
        lists.append(column(i));
    for (MTabViewColumn *list : lists) {
        if (list) {
            list->setCopyWithoutName(m_Preferences->values().copyWithoutName);
            list->setCopyFormatting(m_Preferences->values().copyFormatting);
        }
    }
}

void BoardTabs::readCache(QString page)
{
    m_Reader = std::make_unique<CachedBoardReader>(std::move(page));
    clear();
    // The first tab whole before the window shows; a short page all at once.
    while (count() == 0 && !m_Reader->atEnd()) {
        if (!m_Reader->readSlice()) {
            finishCache();
            return;
        }
        add(m_Reader->takeCompleteTabs());
    }
    if (m_Reader->atEnd())
        finishCache();
    else
        QTimer::singleShot(0, this, &BoardTabs::continueCache);
}

void BoardTabs::continueCache()
{
    if (!m_Reader)
        return;
    if (!m_Reader->readSlice()) {
        finishCache();
        return;
    }
    add(m_Reader->takeCompleteTabs());
    QTimer::singleShot(0, this, &BoardTabs::continueCache);
}

void BoardTabs::finishCache()
{
    if (!m_Reader)
        return;
    const std::unique_ptr<CachedBoardReader> reader = std::move(m_Reader);
    m_Tabs->setUpdatesEnabled(false);
    const bool read = reader->finish();
    const bool again = read && !g_SnippetOutbox.load().isEmpty();
    if (!read)
        clear();
    else if (!again)
        add(reader->takeCompleteTabs());
    m_Tabs->setUpdatesEnabled(true);
    emit cacheRead(read ? reader->page() : QString(), again);
}

void BoardTabs::dropCache()
{
    m_Reader.reset();
}
