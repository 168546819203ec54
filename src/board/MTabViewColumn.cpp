#include "board/MTabViewColumn.h"

#include "board/BoardSearch.h"
#include "board/ItemListModel.h"
#include "board/MTableView.h"
#include "ui_MTabViewColumn.h"

#include <QClipboard>
#include <QGuiApplication>

MTabViewColumn::MTabViewColumn(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::MTabViewColumn>()),
      m_Model(new ItemListModel(&m_Items, &m_TabLabels, this))
{
    ui->setupUi(this);
    ui->tableView->setModel(m_Model);
    connect(ui->tableView, &MTableView::clicked, this, &MTabViewColumn::onAction);
    connect(ui->tableView, &MTableView::rowActivated, this, &MTabViewColumn::onAction);
}

MTabViewColumn::~MTabViewColumn() = default;

MTableView *MTabViewColumn::tableView() const
{
    return ui->tableView;
}

void MTabViewColumn::setItems(QList<MNameValue> items, QStringList tabLabels)
{
    m_Items = std::move(items);
    m_TabLabels = std::move(tabLabels);
    m_LowerValues.reset();
}

const QStringList &MTabViewColumn::lowerValues() const
{
    if (!m_LowerValues)
        m_LowerValues = LowerValues(m_Items);
    return *m_LowerValues;
}

void MTabViewColumn::reloadData()
{
    m_Model->reload();
}

void MTabViewColumn::onAction()
{
    const int row = ui->tableView->selectedRow();
    if (row < 0 || row >= m_Items.size())
        return;
    QGuiApplication::clipboard()->setText(m_Items.at(row).value);
    emit copied();
}
