#include "board/ItemListModel.h"

ItemListModel::ItemListModel(const QList<MNameValue> *items, QObject *parent)
    : QAbstractListModel(parent), m_items(items)
{}

int ItemListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_items->size());
}

QVariant ItemListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const MNameValue &item = m_items->at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return item.name;
    case Qt::ToolTipRole:
        return item.value;
    default:
        return {};
    }
}

void ItemListModel::reload()
{
    beginResetModel();
    endResetModel();
}
