#include "board/ItemListModel.h"

ItemListModel::ItemListModel(QObject *parent) : QAbstractListModel(parent) {}

int ItemListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_Items.size());
}

QVariant ItemListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const MNameValue &item = m_Items.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return item.name;
    case Qt::ToolTipRole:
        return item.value;
    case TabLabelRole:
    // A screen reader says where a result lives, as the eye sees it beside the name.
    case Qt::AccessibleDescriptionRole:
        if (index.row() < m_TabLabels.size())
            return m_TabLabels.at(index.row());
        return {};
    default:
        return {};
    }
}

void ItemListModel::setItems(QList<MNameValue> items, QStringList tabLabels)
{
    beginResetModel();
    m_Items = std::move(items);
    m_TabLabels = std::move(tabLabels);
    endResetModel();
}
