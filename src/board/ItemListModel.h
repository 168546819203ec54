#pragma once

#include "board/MNameValue.h"

#include <QAbstractListModel>

// Shows a list of board items by name (the value as tool tip). The list belongs to
// the tab controller; the model reads it in place and is reset when it changes.
class ItemListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ItemListModel(const QList<MNameValue> *items, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Makes the views show the list's current contents.
    void reload();

private:
    const QList<MNameValue> *m_items;
};
