#pragma once

#include "board/MNameValue.h"

#include <QAbstractListModel>
#include <QStringList>
#include <optional>

// Shows a list of board items by name (the value as tool tip). The model holds its
// own copy of the list (implicitly shared, so the copy costs nothing until one side
// changes), replaced only inside a reset: the views never see a row count change
// behind their back, whatever the controller does to its own list meanwhile.
// Search results may end in close matches, under a divider row that is no item.
class ItemListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        // The label of the tab an item comes from; set for search results only.
        TabLabelRole = Qt::UserRole,
        // True for the divider above the close matches.
        DividerRole,
        // The start of what the value holds beyond the name, on one line; empty when
        // the value is the name alone.
        PreviewRole,
    };

    explicit ItemListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Replaces the list the views show, in one model reset. `tabLabels`, if not
    // empty, holds row for row the tab each item comes from. A divider row goes
    // before item `closeFrom` when that is an item.
    void setItems(QList<MNameValue> items, QStringList tabLabels = {}, qsizetype closeFrom = -1);
    // What the views show now.
    const QList<MNameValue> &items() const { return m_Items; }
    // The item shown at `row`; null for the divider or a row that does not exist.
    const MNameValue *itemAt(int row) const;
    // Whether any row shows a preview line: then every row has room for one.
    bool hasPreviews() const;
    // The row of the divider, or -1.
    int dividerRow() const { return m_DividerRow; }

private:
    // Index into m_Items of the item at `row`, or -1.
    qsizetype itemIndex(int row) const;

    QList<MNameValue> m_Items;
    QStringList m_TabLabels;
    int m_DividerRow = -1;
    mutable std::optional<bool> m_HasPreviews;
};
