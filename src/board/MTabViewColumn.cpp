#include "board/MTabViewColumn.h"

#include "board/BoardSearch.h"
#include "board/CopiedText.h"
#include "board/ItemListModel.h"
#include "board/ItemPreview.h"
#include "board/MTableView.h"
#include "ui_MTabViewColumn.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

MTabViewColumn::MTabViewColumn(QWidget *parent) : QWidget(parent), m_Model(new ItemListModel(this))
{}

void MTabViewColumn::loadView()
{
    if (m_Ui)
        return;
    m_Ui = std::make_unique<Ui::MTabViewColumn>();
    m_Ui->setupUi(this);
    m_Ui->tableView->setModel(m_Model);
    m_Ui->tableView->setAccessibleName(tr("Snippets"));
    m_Ui->tableView->setAccessibleDescription(
        tr("Click a snippet, or choose it and press Enter, to copy it to the clipboard."));
    connect(m_Ui->tableView, &MTableView::clicked, this, [this](const QModelIndex &index) {
        // The divider above the close matches is no item.
        if (index.flags() & Qt::ItemIsSelectable)
            onAction(m_Ui->tableView->shiftClicked());
    });
    connect(m_Ui->tableView, &MTableView::rowActivated, this, &MTabViewColumn::onAction);
    connect(m_Ui->tableView, &MTableView::previewRequested, this, &MTabViewColumn::showPreview);
    setLabel(m_Label);
    if (m_TypingTarget)
        m_Ui->tableView->setTypingTarget(m_TypingTarget);
    // Made while the tab is being shown: the view shows with it.
    if (isVisible())
        m_Ui->tableView->show();
}

void MTabViewColumn::showEvent(QShowEvent *event)
{
    loadView();
    QWidget::showEvent(event);
}

void MTabViewColumn::setTypingTarget(QLineEdit *target)
{
    m_TypingTarget = target;
    if (m_Ui)
        m_Ui->tableView->setTypingTarget(target);
}

MTabViewColumn::~MTabViewColumn() = default;

MTableView *MTabViewColumn::tableView() const
{
    const_cast<MTabViewColumn *>(this)->loadView();
    return m_Ui->tableView;
}

void MTabViewColumn::setLabel(const QString &label)
{
    m_Label = label;
    if (!m_Ui)
        return;
    m_Ui->tableView->setAccessibleName(label.isEmpty() ? tr("Snippets")
                                                       : tr("Snippets in %1").arg(label));
}

void MTabViewColumn::setItems(QList<MNameValue> items, QStringList tabLabels, qsizetype closeFrom)
{
    m_Items = std::move(items);
    m_TabLabels = std::move(tabLabels);
    m_CloseFrom = closeFrom;
    m_SearchIndex.reset();
}

const SearchIndex &MTabViewColumn::searchIndex() const
{
    if (!m_SearchIndex)
        m_SearchIndex = IndexItems(m_Items);
    return *m_SearchIndex;
}

void MTabViewColumn::reloadData()
{
    m_Model->setItems(m_Items, m_TabLabels, m_CloseFrom);
}

void MTabViewColumn::onAction(bool plainText)
{
    // The row's item as the table shows it: the list may have changed since the
    // last reload (a cleared search is not reloaded while it is hidden).
    // Nothing is selected in a list never shown.
    const MNameValue *item = m_Ui ? m_Model->itemAt(m_Ui->tableView->selectedRow()) : nullptr;
    if (!item)
        return;
    const QString text = CopiedText(*item, m_CopyWithoutName);
    // The formatted fragment holds the whole value: without the name, plain only.
    if (item->html().isEmpty() || plainText || !m_CopyFormatting || text != item->value) {
        QGuiApplication::clipboard()->setText(text);
    } else {
        auto *mime = new QMimeData;
        mime->setText(text);
        mime->setHtml(item->html());
        QGuiApplication::clipboard()->setMimeData(mime);
    }
    emit itemCopied(*item);
    emit copied();
}

void MTabViewColumn::showPreview()
{
    if (!m_Ui)
        return;
    MTableView *list = m_Ui->tableView;
    const int row = list->selectedRow();
    if (const MNameValue *item = m_Model->itemAt(row)) {
        const QRect rect = list->visualRect(m_Model->index(row, 0));
        ItemPreview::showFor(item->value, list,
                             rect.translated(list->viewport()->mapTo(list, QPoint(0, 0))));
    }
}
