#pragma once

#include "board/MNameValue.h"

#include <QAbstractListModel>
#include <QStringList>

// Shows a list of board items by name (the value as tool tip). The model holds its
// own copy of the list (implicitly shared, so the copy costs nothing until one side
// changes), replaced only inside a reset: the views never see a row count change
// behind their back, whatever the controller does to its own list meanwhile.
class ItemListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        // The label of the tab an item comes from; set for search results only.
        TabLabelRole = Qt::UserRole,
    };

    explicit ItemListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Replaces the list the views show, in one model reset. `tabLabels`, if not
    // empty, holds row for row the tab each item comes from.
    void setItems(QList<MNameValue> items, QStringList tabLabels = {});
    // What the views show now.
    const QList<MNameValue> &items() const { return m_Items; }

private:
    QList<MNameValue> m_Items;
    QStringList m_TabLabels;
};
