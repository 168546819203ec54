#include "board/MTableView.h"

#include "board/ItemListModel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// A little air around each name; a second, dimmed line with the start of what the
// value holds beyond the name; the tab of a search result at the right; a thin
// labelled divider above the close matches.
class RoomyRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        // No width of its own: a row is as wide as the list, so a long name is cut
        // short with "…" instead of widening the list behind a horizontal scroll bar.
        // Rows are of one height (the list lays them out uniformly): two lines in a
        // list where any item shows a preview.
        int height = QStyledItemDelegate::sizeHint(option, index).height() + 6;
        const auto *model = qobject_cast<const ItemListModel *>(index.model());
        if (model && model->hasPreviews())
            height += option.fontMetrics.lineSpacing();
        return {0, height};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        if (index.data(ItemListModel::DividerRole).toBool()) {
            paintDivider(painter, option, index);
            return;
        }
        const QString tab = index.data(ItemListModel::TabLabelRole).toString();
        const QString preview = index.data(ItemListModel::PreviewRole).toString();
        if (tab.isEmpty() && preview.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget *widget = opt.widget;
        const QStyle *style = widget ? widget->style() : QApplication::style();
        // The same margin the style keeps around a row's text.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget)
                             .adjusted(margin, 0, -margin, 0);
        const QString name = std::exchange(opt.text, QString());
        // Background, selection and focus as any row; the text is drawn below.
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        const QFontMetrics &metrics = opt.fontMetrics;
        QRect previewRect;
        if (!preview.isEmpty()) {
            // The name above, the preview below, the pair centred in the row.
            const int line = metrics.lineSpacing();
            const int top = textRect.top() + (textRect.height() - 2 * line) / 2;
            previewRect = QRect(textRect.left(), top + line, textRect.width(), line);
            textRect = QRect(textRect.left(), top, textRect.width(), line);
        }
        // The tab's label takes at most two fifths of the row; the name keeps the rest.
        const QString shownTab =
            tab.isEmpty() ? tab : metrics.elidedText(tab, Qt::ElideRight, textRect.width() * 2 / 5);
        const int tabWidth = shownTab.isEmpty() ? 0 : metrics.horizontalAdvance(shownTab);
        const int gap = shownTab.isEmpty() ? 0 : metrics.averageCharWidth() * 2;
        QRect nameRect = textRect.adjusted(0, 0, -(tabWidth + gap), 0);
        const QString shownName =
            metrics.elidedText(name, opt.textElideMode, std::max(0, nameRect.width()));
        nameRect = QStyle::visualRect(opt.direction, textRect, nameRect);

        const bool selected = opt.state & QStyle::State_Selected;
        QColor ink = opt.palette.color(colorGroup(opt),
                                       selected ? QPalette::HighlightedText : QPalette::Text);
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(ink);
        const int flags = Qt::AlignVCenter | Qt::TextSingleLine;
        painter->drawText(nameRect, flags | Qt::AlignLeft, shownName);
        // Dimmer than the name: what the tab says and what the value holds beyond the
        // name only help to choose.
        ink.setAlphaF(selected ? 0.75f : 0.55f);
        painter->setPen(ink);
        if (!shownTab.isEmpty())
            painter->drawText(textRect, flags | Qt::AlignRight, shownTab);
        if (!preview.isEmpty()) {
            const QString shownPreview =
                metrics.elidedText(preview, Qt::ElideRight, previewRect.width());
            painter->drawText(QStyle::visualRect(opt.direction, textRect, previewRect),
                              flags | Qt::AlignLeft, shownPreview);
        }
        painter->restore();
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->rect.adjust(4, 0, -4, 0);
    }

private:
    static QPalette::ColorGroup colorGroup(const QStyleOptionViewItem &opt)
    {
        if (!(opt.state & QStyle::State_Enabled))
            return QPalette::Disabled;
        return (opt.state & QStyle::State_Active) ? QPalette::Normal : QPalette::Inactive;
    }

    // A small dimmed label with a hairline after it, on the list's own background.
    static void paintDivider(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index)
    {
        const QRect rect = option.rect.adjusted(8, 0, -8, 0);
        QFont font = option.font;
        font.setPointSizeF(font.pointSizeF() * 0.85);
        const QFontMetrics metrics(font);
        const QString label = metrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                                 Qt::ElideRight, rect.width() / 2);
        QColor ink = option.palette.color(QPalette::Active, QPalette::Text);
        ink.setAlphaF(0.6f);
        painter->save();
        painter->fillRect(option.rect, option.palette.base());
        painter->setFont(font);
        painter->setPen(ink);
        const QRect labelRect = QStyle::visualRect(
            option.direction, rect,
            QRect(rect.left(), rect.top(), metrics.horizontalAdvance(label), rect.height()));
        painter->drawText(labelRect, Qt::AlignVCenter | Qt::TextSingleLine, label);
        ink.setAlphaF(0.3f);
        painter->setPen(ink);
        const int y = rect.center().y();
        const int gap = metrics.averageCharWidth();
        if (option.direction == Qt::RightToLeft)
            painter->drawLine(rect.left(), y, labelRect.left() - gap, y);
        else
            painter->drawLine(labelRect.right() + gap, y, rect.right(), y);
        painter->restore();
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

bool MTableView::isSelectable(int row) const
{
    return model()->flags(model()->index(row, 0)) & Qt::ItemIsSelectable;
}

void MTableView::moveSelection(int delta)
{
    if (!model())
        return;
    const int count = model()->rowCount();
    if (count == 0)
        return;
    const int from = selectedRow();
    int row = from < 0 ? 0 : std::clamp(from + delta, 0, count - 1);
    // Past a row that is no item (the divider), onwards, or back at the list's end.
    const int step = delta < 0 ? -1 : 1;
    if (!isSelectable(row))
        row = row + step >= 0 && row + step < count ? row + step : row - step;
    if (row < 0 || row >= count || !isSelectable(row))
        return;
    const QModelIndex index = model()->index(row, 0);
    setCurrentIndex(index);
    scrollTo(index);
}

void MTableView::selectFirstRow()
{
    if (!model())
        return;
    const int count = model()->rowCount();
    int row = 0;
    while (row < count && !isSelectable(row))
        ++row;
    if (row == count)
        return;
    setCurrentIndex(model()->index(row, 0));
    scrollToTop();
}

void MTableView::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectedRow() >= 0) {
        emit rowActivated(event->modifiers() & Qt::ShiftModifier);
        return;
    }
    if (event->key() == Qt::Key_Space && !(event->modifiers() & ~Qt::KeypadModifier) &&
        selectedRow() >= 0) {
        emit previewRequested();
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

void MTableView::mousePressEvent(QMouseEvent *event)
{
    m_ShiftClicked = event->modifiers() & Qt::ShiftModifier;
    QListView::mousePressEvent(event);
}
