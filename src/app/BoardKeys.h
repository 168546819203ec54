#pragma once

#include <QKeySequence>
#include <QObject>

class EmptyBoard;
class MSearchField;
class MTabViewColumn;
class QTabWidget;
class QWidget;

// The board from the keyboard: Ctrl+Tab and Alt+number pick a tab, the search field's
// arrows and Enter move and copy the selection of the list in view, and Enter over an
// empty board takes its next step.
class BoardKeys : public QObject
{
    Q_OBJECT

public:
    // Alt+1 to Alt+9 pick the first nine tabs.
    static constexpr int kNumberedTabs = 9;
    static QKeySequence TabKey(int index);

    BoardKeys(QWidget *window, QTabWidget *tabs, MSearchField *searchField, QWidget *searchView,
              MTabViewColumn *searchColumn, EmptyBoard *emptyBoard, QObject *parent = nullptr);

    // Shows tab `index` (ending a search); nothing for a tab that does not exist.
    void showTab(int index);
    // The next (1) or previous (-1) tab, round the end.
    void stepTab(int delta);
    void moveSelection(int delta);
    void copySelection(bool plainText);

signals:
    void addSnippetRequested();

private:
    MTabViewColumn *currentColumn() const;

    QTabWidget *m_Tabs;
    MSearchField *m_SearchField;
    QWidget *m_SearchView;
    MTabViewColumn *m_SearchColumn;
    EmptyBoard *m_EmptyBoard;
};
