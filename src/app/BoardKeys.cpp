#include "app/BoardKeys.h"

#include "board/EmptyBoard.h"
#include "board/MSearchField.h"
#include "board/MTabViewColumn.h"
#include "board/MTableView.h"

#include <QShortcut>
#include <QTabWidget>

QKeySequence BoardKeys::TabKey(int index)
{
    return QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + index));
}

BoardKeys::BoardKeys(QWidget *window, QTabWidget *tabs, MSearchField *searchField,
                     QWidget *searchView, MTabViewColumn *searchColumn, EmptyBoard *emptyBoard,
                     QObject *parent)
    : QObject(parent), m_Tabs(tabs), m_SearchField(searchField), m_SearchView(searchView),
      m_SearchColumn(searchColumn), m_EmptyBoard(emptyBoard)
{
    connect(searchField, &MSearchField::moveSelectionRequested, this, &BoardKeys::moveSelection);
    connect(searchField, &MSearchField::copySelectionRequested, this, &BoardKeys::copySelection);
    searchColumn->tableView()->setTypingTarget(searchField);

    const auto bind = [this, window](const QList<QKeySequence> &keys, auto command) {
        auto *shortcut = new QShortcut(window);
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
        bind({TabKey(i)}, [this, i] { showTab(i); });
    bind({QKeySequence(Qt::CTRL | Qt::Key_N)}, [this] { emit addSnippetRequested(); });
}

void BoardKeys::showTab(int index)
{
    if (index < 0 || index >= m_Tabs->count())
        return;
    // The tabs are hidden while a search is shown: asking for one ends the search.
    if (!m_SearchField->text().isEmpty())
        m_SearchField->clear();
    m_Tabs->setCurrentIndex(index);
}

void BoardKeys::stepTab(int delta)
{
    const int count = m_Tabs->count();
    if (count > 0)
        showTab((m_Tabs->currentIndex() + delta + count) % count);
}

MTabViewColumn *BoardKeys::currentColumn() const
{
    if (!m_SearchView->isHidden())
        return m_SearchColumn;
    return static_cast<MTabViewColumn *>(m_Tabs->currentWidget());
}

void BoardKeys::moveSelection(int delta)
{
    if (MTabViewColumn *column = currentColumn())
        column->tableView()->moveSelection(delta);
}

void BoardKeys::copySelection(bool plainText)
{
    // Enter in the empty search field over an empty board takes the board's next
    // step, as a dialog's default button would.
    if (m_SearchField->text().isEmpty() && !m_EmptyBoard->isHidden()) {
        m_EmptyBoard->pressMainButton();
        return;
    }
    if (MTabViewColumn *column = currentColumn())
        column->onAction(plainText);
}
