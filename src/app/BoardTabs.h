#pragma once

#include "board/BoardBuilder.h"
#include "board/BoardSearch.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class CachedBoardReader;
class MTabViewColumn;
class PreferencesController;
class QLineEdit;
class QTabWidget;
class QWidget;

// The board's tab views: one list per tab, set up with the copy preferences, the
// use counts and the search field that typing goes to; and the cached page read
// into them slice by slice at start, so that the window's first paint and the
// user's input come between slices.
class BoardTabs : public QObject
{
    Q_OBJECT

public:
    BoardTabs(QTabWidget *tabs, QLineEdit *typingTarget, PreferencesController *preferences,
              QObject *parent = nullptr);
    ~BoardTabs() override;

    int count() const;
    MTabViewColumn *column(int index) const;
    // The label of the selected tab, if there is one.
    std::optional<QString> currentLabel() const;
    QStringList labels() const;
    // Adds one tab view per tab, after those there are.
    void add(Board board);
    void clear();
    void select(const QString &label);
    void reload();
    bool hasItems() const;
    // Whether an item of the board has `text` as its value.
    bool holdsValue(const QString &text) const;
    QList<SearchList> searchLists() const;
    // The list of search results, in `searchView`, set up as the tabs' lists are.
    MTabViewColumn *createSearchColumn(QWidget *searchView);
    // Hands the copy preferences (without the name, with formatting) to every list.
    void applyCopyOptions();

    // Reads `page` into the board: the first tab at once, the rest in slices on the
    // event loop; cacheRead() tells the end.
    void readCache(QString page);
    bool readingCache() const { return m_Reader != nullptr; }
    // Reads what is left at once: a search, a download and a test need all of it.
    void finishCache();
    // Stops reading; the tabs read so far stay.
    void dropCache();

signals:
    void copied();
    // The cached page is read: `page` is empty when it was not a readable board;
    // `again` when the board is still to be made whole from it (snippets on their
    // way show in their tabs).
    void cacheRead(const QString &page, bool again);

private:
    void continueCache();

    QTabWidget *m_Tabs;
    QLineEdit *m_TypingTarget;
    PreferencesController *m_Preferences;
    MTabViewColumn *m_SearchColumn = nullptr;
    std::unique_ptr<CachedBoardReader> m_Reader;
};
