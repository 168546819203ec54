#pragma once

#include "board/MNameValue.h"

#include <QAbstractListModel>
#include <QStringList>

// Shows a list of board items by name (the value as tool tip). The list belongs to
// the tab controller; the model reads it in place and is reset when it changes.
class ItemListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        // The label of the tab an item comes from; set for search results only.
        TabLabelRole = Qt::UserRole,
    };

    // `tabLabels`, if given, holds row for row the tab each item comes from.
    explicit ItemListModel(const QList<MNameValue> *items, const QStringList *tabLabels = nullptr,
                           QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Makes the views show the list's current contents.
    void reload();

private:
    const QList<MNameValue> *m_items;
    const QStringList *m_tabLabels;
};
