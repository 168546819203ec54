#include "board/ItemListModel.h"

ItemListModel::ItemListModel(const QList<MNameValue> *items, const QStringList *tabLabels,
                             QObject *parent)
    : QAbstractListModel(parent), m_items(items), m_tabLabels(tabLabels)
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
    case TabLabelRole:
    // A screen reader says where a result lives, as the eye sees it beside the name.
    case Qt::AccessibleDescriptionRole:
        if (m_tabLabels && index.row() < m_tabLabels->size())
            return m_tabLabels->at(index.row());
        return {};
    default:
        return {};
    }
}

void ItemListModel::reload()
{
    beginResetModel();
    endResetModel();
}
