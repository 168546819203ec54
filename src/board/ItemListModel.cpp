#include "board/ItemListModel.h"

namespace {

// Characters of the preview worth making: a row shows far fewer.
constexpr qsizetype kPreviewChars = 200;

// The value after its name line, blank lines skipped and line breaks shown as
// gaps, cut to what a row can show.
QString preview(const MNameValue &item)
{
    const QStringView value = item.value;
    qsizetype from = value.indexOf(u'\n');
    if (from < 0)
        return {};
    QString out;
    for (qsizetype i = from + 1; i < value.size() && out.size() < kPreviewChars; ++i) {
        const QChar c = value.at(i);
        if (c.isSpace()) {
            if (!out.isEmpty() && !out.endsWith(u' '))
                out += u' ';
        } else {
            out += c;
        }
    }
    return out.trimmed();
}

// Whether preview() has anything to show, without making it.
bool hasPreview(const MNameValue &item)
{
    const qsizetype from = item.value.indexOf(u'\n');
    if (from < 0)
        return false;
    const QStringView rest = QStringView(item.value).sliced(from);
    return std::any_of(rest.begin(), rest.end(), [](QChar c) { return !c.isSpace(); });
}

} // namespace

ItemListModel::ItemListModel(QObject *parent) : QAbstractListModel(parent) {}

int ItemListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_Items.size()) + (m_DividerRow >= 0 ? 1 : 0);
}

qsizetype ItemListModel::itemIndex(int row) const
{
    if (row < 0 || row == m_DividerRow)
        return -1;
    const qsizetype index = m_DividerRow >= 0 && row > m_DividerRow ? row - 1 : row;
    return index < m_Items.size() ? index : -1;
}

const MNameValue *ItemListModel::itemAt(int row) const
{
    const qsizetype index = itemIndex(row);
    return index < 0 ? nullptr : &m_Items.at(index);
}

QVariant ItemListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (index.row() == m_DividerRow) {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return tr("Close matches");
        case DividerRole:
            return true;
        default:
            return {};
        }
    }
    const qsizetype at = itemIndex(index.row());
    const MNameValue &item = m_Items.at(at);
    switch (role) {
    case Qt::DisplayRole:
        return item.name();
    case Qt::ToolTipRole:
        return item.value;
    case PreviewRole:
        return preview(item);
    case TabLabelRole:
    // A screen reader says where a result lives, as the eye sees it beside the name.
    case Qt::AccessibleDescriptionRole:
        if (at < m_TabLabels.size())
            return m_TabLabels.at(at);
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags ItemListModel::flags(const QModelIndex &index) const
{
    if (index.isValid() && index.row() == m_DividerRow)
        return Qt::NoItemFlags;
    return QAbstractListModel::flags(index);
}

bool ItemListModel::hasPreviews() const
{
    if (!m_HasPreviews) {
        m_HasPreviews = std::any_of(m_Items.cbegin(), m_Items.cend(),
                                    [](const MNameValue &item) { return hasPreview(item); });
    }
    return *m_HasPreviews;
}

void ItemListModel::setItems(QList<MNameValue> items, QStringList tabLabels, qsizetype closeFrom)
{
    beginResetModel();
    m_Items = std::move(items);
    m_TabLabels = std::move(tabLabels);
    m_HasPreviews.reset();
    m_DividerRow = closeFrom >= 0 && closeFrom < m_Items.size() ? static_cast<int>(closeFrom) : -1;
    endResetModel();
}
