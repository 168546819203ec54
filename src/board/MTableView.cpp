#include "board/MTableView.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace {

// A little air around each name, without the cost of a style sheet per list.
class RoomyRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 6);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->rect.adjust(4, 0, -4, 0);
    }
};

} // namespace

MTableView::MTableView(QWidget *parent) : QListView(parent)
{
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setUniformItemSizes(true); // keeps long lists cheap to lay out
    setTextElideMode(Qt::ElideRight);
    setAlternatingRowColors(true);
    setItemDelegate(new RoomyRowDelegate(this));
}

int MTableView::selectedRow() const
{
    if (!selectionModel())
        return -1;
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void MTableView::moveSelection(int delta)
{
    if (!model())
        return;
    const int count = model()->rowCount();
    if (count == 0)
        return;
    const int from = selectedRow();
    const int row = from < 0 ? 0 : std::clamp(from + delta, 0, count - 1);
    const QModelIndex index = model()->index(row, 0);
    setCurrentIndex(index);
    scrollTo(index);
}

void MTableView::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectedRow() >= 0) {
        emit rowActivated();
        return;
    }
    QListView::keyPressEvent(event);
}
