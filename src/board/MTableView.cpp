#include "board/MTableView.h"

#include "board/ItemListModel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// A little air around each name, without the cost of a style sheet per list.
class RoomyRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        // No width of its own: a row is as wide as the list, so a long name is cut
        // short with "…" instead of widening the list behind a horizontal scroll bar.
        return {0, QStyledItemDelegate::sizeHint(option, index).height() + 6};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const QString tab = index.data(ItemListModel::TabLabelRole).toString();
        if (tab.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget *widget = opt.widget;
        const QStyle *style = widget ? widget->style() : QApplication::style();
        // The same margin the style keeps around a row's text.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget)
                                   .adjusted(margin, 0, -margin, 0);
        const QString name = std::exchange(opt.text, QString());
        // Background, selection and focus as any row; the text is drawn below.
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        // The tab's label takes at most two fifths of the row; the name keeps the rest.
        const QFontMetrics &metrics = opt.fontMetrics;
        const QString shownTab = metrics.elidedText(tab, Qt::ElideRight, textRect.width() * 2 / 5);
        const int tabWidth = metrics.horizontalAdvance(shownTab);
        const int gap = metrics.averageCharWidth() * 2;
        QRect nameRect = textRect.adjusted(0, 0, -(tabWidth + gap), 0);
        const QString shownName =
            metrics.elidedText(name, opt.textElideMode, std::max(0, nameRect.width()));
        nameRect = QStyle::visualRect(opt.direction, textRect, nameRect);

        const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (opt.state & QStyle::State_Active)
                                               ? QPalette::Normal
                                               : QPalette::Inactive;
        const bool selected = opt.state & QStyle::State_Selected;
        QColor ink =
            opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(ink);
        const int flags = Qt::AlignVCenter | Qt::TextSingleLine;
        painter->drawText(nameRect, flags | Qt::AlignLeft, shownName);
        // Dimmer than the name: it says where the item lives, it is not what is copied.
        ink.setAlphaF(selected ? 0.75f : 0.55f);
        painter->setPen(ink);
        painter->drawText(textRect, flags | Qt::AlignRight, shownTab);
        painter->restore();
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->rect.adjust(4, 0, -4, 0);
    }
};

// A key that types text into a field: printable text or Backspace, with no command
// modifier (those belong to shortcuts).
bool isTyping(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (event->key() == Qt::Key_Backspace)
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

MTableView::MTableView(QWidget *parent) : QListView(parent)
{
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setUniformItemSizes(true); // keeps long lists cheap to lay out
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

void MTableView::selectFirstRow()
{
    if (!model() || model()->rowCount() == 0)
        return;
    setCurrentIndex(model()->index(0, 0));
    scrollToTop();
}

void MTableView::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectedRow() >= 0) {
        emit rowActivated();
        return;
    }
    if (m_TypingTarget && (isTyping(event) || event->key() == Qt::Key_Escape)) {
        m_TypingTarget->setFocus(Qt::OtherFocusReason);
        // Typing adds to the search shown, even if its text was left selected.
        if (event->key() != Qt::Key_Escape)
            m_TypingTarget->end(false);
        QCoreApplication::sendEvent(m_TypingTarget, event);
        return;
    }
    QListView::keyPressEvent(event);
}
