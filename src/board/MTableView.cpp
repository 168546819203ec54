#include "board/MTableView.h"

#include <QKeyEvent>

MTableView::MTableView(QWidget *parent) : QListView(parent)
{
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setUniformItemSizes(true); // keeps long lists cheap to lay out
    setTextElideMode(Qt::ElideRight);
    setAlternatingRowColors(true);
    setStyleSheet(QStringLiteral("QListView::item { padding: 3px 4px; }"));
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
