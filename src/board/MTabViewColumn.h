#pragma once

#include "board/BoardSearch.h"
#include "board/MNameValue.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

namespace Ui {
class MTabViewColumn;
}
class ItemListModel;
class MTableView;
class QLineEdit;

// Controller of one list of board items: a tab of the board, or the search list.
// A click on a row puts that item's value on the clipboard. Its list view is made
// when the tab is first shown (or asked for): a board of fifty tabs would
// otherwise hold fifty views that nobody looks at.
class MTabViewColumn : public QWidget
{
    Q_OBJECT

public:
    explicit MTabViewColumn(QWidget *parent = nullptr);
    ~MTabViewColumn() override;

    MTableView *tableView() const;
    // Where typing in the list goes (the search field), now or once the view exists.
    void setTypingTarget(QLineEdit *target);
    const QList<MNameValue> &m_ArrayItems() const { return m_Items; }
    // Replaces the list; the table shows it after reloadData(), which hands the
    // model a copy. `tabLabels`, row for row, names the tab each item comes from
    // (the search list shows it).
    // `closeFrom`, for search results, is the first close match: the list shows a
    // divider above it.
    void setItems(QList<MNameValue> items, QStringList tabLabels = {}, qsizetype closeFrom = -1);
    void clearItems()
    {
        m_Items.clear();
        m_TabLabels.clear();
        m_CloseFrom = -1;
        m_SearchIndex.reset();
    }
    // What search needs of the items; made once per list, at the first search.
    const SearchIndex &searchIndex() const;
    // Makes the table show the list as it is now.
    void reloadData();

    // The tab's label as written in the page (the tab bar shows it escaped). A
    // screen reader names the list after it.
    QString label() const { return m_Label; }
    void setLabel(const QString &label);

    // Copies the selected row's value (less its name line with copyWithoutName),
    // with its formatting beside the plain text unless `plainText` or copying
    // formatting is off; nothing happens when no row is selected.
    void onAction(bool plainText = false);
    void setCopyFormatting(bool on) { m_CopyFormatting = on; }
    // Shows the selected row's whole value in a popup; nothing without a selection.
    void showPreview();
    void setCopyWithoutName(bool on) { m_CopyWithoutName = on; }

protected:
    void showEvent(QShowEvent *event) override;

signals:
    // An item's value was put on the clipboard: first which item, then that it was.
    void itemCopied(const MNameValue &item);
    void copied();

private:
    void loadView();

    std::unique_ptr<Ui::MTabViewColumn> m_Ui;
    QPointer<QLineEdit> m_TypingTarget;
    QList<MNameValue> m_Items;
    QStringList m_TabLabels;
    qsizetype m_CloseFrom = -1;
    mutable std::optional<SearchIndex> m_SearchIndex;
    ItemListModel *m_Model;
    QString m_Label;
    bool m_CopyWithoutName = false;
    bool m_CopyFormatting = true;
};
