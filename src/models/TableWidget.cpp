#include <OrvaGUIToolkit/ItemView/TableWidget.h>

#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>
#include <OrvaGUIToolkit/ItemView/TreeViewItem.h>
#include <OrvaGUIToolkit/ItemView/TreeViewModel.h>

#include "foundation/ToolkitLogging.h"
#include "models/AbstractItemViewPrivate.h"

namespace OrvaGUIToolkit {

namespace {

// The most columns SetColumnCount() makes; a header wider than this is a
// programming error.
const int s_iMaxColumns = 65536;

} // namespace

class CTableWidgetPrivate : public CAbstractItemViewPrivate
{
    Q_DECLARE_PUBLIC(CTableWidget)

public:
    CTreeViewItem* Item(int iRow, int iColumn) const
    {
        if (iColumn < 0 || iColumn >= m_pModel->columnCount())
            return nullptr;
        return m_pModel->RootItem()->Child(iRow);
    }

    CTreeViewModel* m_pModel = nullptr;
};

CTableWidget::CTableWidget(QWidget* pParent)
    : CTableView(*new CTableWidgetPrivate, pParent)
{
    Q_D(CTableWidget);
    d->m_pModel = new CTreeViewModel(this);
    CTableView::setModel(d->m_pModel);
}

CTableWidget::~CTableWidget() = default;

// The table keeps the model it made: another one is ignored.
void CTableWidget::setModel(QAbstractItemModel* /*pModel*/)
{
}

bool CTableWidget::EnsureColumn(int iColumn)
{
    Q_D(CTableWidget);
    if (iColumn < 0 || iColumn >= s_iMaxColumns) {
        qCWarning(lcOrvaGUIToolkit, "CTableWidget::EnsureColumn: iColumn < 0 || iColumn >= 65536");
        return false;
    }
    const int iCount = d->m_pModel->columnCount();
    return iColumn < iCount || d->m_pModel->insertColumns(iCount, iColumn - iCount + 1);
}

bool CTableWidget::SetText(int iRow, int iColumn, const QString& strText)
{
    Q_D(CTableWidget);
    if (!EnsureColumn(iColumn))
        return false;
    const QModelIndex miIndex = GetIndex(iRow, iColumn);
    if (!miIndex.isValid())
        return false;
    d->m_pModel->setData(miIndex, strText, Qt::EditRole);
    d->m_pModel->setData(miIndex, strText, Qt::ToolTipRole);
    return true;
}

QString CTableWidget::GetText(int iRow, int iColumn) const
{
    return GetIndex(iRow, iColumn).data(Qt::DisplayRole).toString();
}

bool CTableWidget::SetCheckState(int iRow, int iColumn, bool bChecked)
{
    return SetUserDefineData(iRow, iColumn, int(bChecked ? Qt::Checked : Qt::Unchecked), Qt::CheckStateRole);
}

bool CTableWidget::SetButtonState(int iRow, int iColumn, const QPixmap& pixmap)
{
    return SetUserDefineData(iRow, iColumn, pixmap, Pixmap1Role);
}

bool CTableWidget::SetMaxLength(int iRow, int iColumn, int iLength)
{
    return SetUserDefineData(iRow, iColumn, iLength, EditMaxLengthRole);
}

bool CTableWidget::SetItemWidget(int iRow, int iColumn, QWidget* pWidget)
{
    if (!EnsureColumn(iColumn))
        return false;
    const QModelIndex miIndex = GetIndex(iRow, iColumn);
    if (!miIndex.isValid())
        return false;
    setIndexWidget(miIndex, pWidget);
    return true;
}

bool CTableWidget::SetFlags(int iRow, int iColumn, Qt::ItemFlags enumFlags)
{
    CTreeViewItem* pItem = d_func()->Item(iRow, iColumn);
    if (!pItem)
        return false;
    pItem->SetFlags(iColumn, enumFlags);
    return true;
}

Qt::ItemFlags CTableWidget::GetFlags(int iRow, int iColumn) const
{
    const CTreeViewItem* pItem = d_func()->Item(iRow, iColumn);
    return pItem ? pItem->GetFlags(iColumn) : Qt::ItemFlags();
}

bool CTableWidget::SetUserDefineData(int iRow, int iColumn, const QVariant& value, int iRole)
{
    // A cell exists only within the table's columns, though the model would
    // let a row grow columns of its own.
    if (!d_func()->Item(iRow, iColumn))
        return false;
    return d_func()->m_pModel->setData(GetIndex(iRow, iColumn), value, iRole);
}

QVariant CTableWidget::GetUserDefineData(int iRow, int iColumn, int iRole) const
{
    return GetIndex(iRow, iColumn).data(iRole);
}

void CTableWidget::SetHeaderLabels(const QStringList& listLabels)
{
    Q_D(CTableWidget);
    for (int i = 0; i < listLabels.count(); ++i) {
        if (!d->m_pModel->insertColumns(i, 1))
            return;
        SetHeaderLabel(i, listLabels.at(i));
    }
}

bool CTableWidget::SetHeaderLabel(int iSection, const QString& strText)
{
    Q_D(CTableWidget);
    return d->m_pModel->setHeaderData(iSection, Qt::Horizontal, strText, Qt::ToolTipRole)
        && d->m_pModel->setHeaderData(iSection, Qt::Horizontal, strText, Qt::DisplayRole);
}

void CTableWidget::SetColumnCount(int iCount)
{
    if (iCount > s_iMaxColumns) {
        qCWarning(lcOrvaGUIToolkit, "CTableWidget::SetColumnCount: iCount > 65536");
        return;
    }
    QStringList listLabels;
    for (int i = 0; i < iCount; ++i)
        listLabels << QString::number(i);
    SetHeaderLabels(listLabels);
}

bool CTableWidget::SetHeaderCheckable(int iSection, bool bCheckable)
{
    return d_func()->m_pModel->setHeaderData(iSection, Qt::Horizontal, bCheckable, HeaderCheckableRole);
}

// Headers without a check box pad their text with two spaces where the box
// would be; the box takes that place.
bool CTableWidget::SetHeaderCheckState(int iSection, bool bChecked)
{
    Q_D(CTableWidget);
    const QString strText = d->m_pModel->headerData(iSection, Qt::Horizontal, Qt::DisplayRole).toString();
    if (strText.startsWith(QLatin1String("  ")))
        d->m_pModel->setHeaderData(iSection, Qt::Horizontal, strText.mid(2), Qt::DisplayRole);
    return d->m_pModel->setHeaderData(iSection, Qt::Horizontal, int(bChecked ? Qt::Checked : Qt::Unchecked),
                                      Qt::CheckStateRole);
}

bool CTableWidget::AddTopLevelItem()
{
    return d_func()->m_pModel->insertRows(0, 1);
}

int CTableWidget::AddBottomLevelItem()
{
    const int iRow = TopLevelItemCount();
    return d_func()->m_pModel->insertRows(iRow, 1) ? iRow : -1;
}

int CTableWidget::InsertItem(int iRow)
{
    if (iRow < 0 || iRow >= TopLevelItemCount())
        return -1;
    return d_func()->m_pModel->insertRows(iRow, 1) ? iRow : -1;
}

bool CTableWidget::RemoveItem(int iRow)
{
    return d_func()->m_pModel->removeRows(iRow, 1);
}

bool CTableWidget::TakeBottomLevelRow()
{
    return TopLevelItemCount() > 0 && RemoveItem(TopLevelItemCount() - 1);
}

bool CTableWidget::AddTopLevelItems(const QList<CTreeViewItem*>& listItems)
{
    return d_func()->m_pModel->insertRows(TopLevelItemCount(), listItems);
}

int CTableWidget::TopLevelItemCount() const
{
    return d_func()->m_pModel->rowCount();
}

void CTableWidget::Clear()
{
    d_func()->m_pModel->Clear();
}

QModelIndex CTableWidget::GetIndex(int iRow, int iColumn, const QModelIndex& miParent) const
{
    return d_func()->m_pModel->index(iRow, iColumn, miParent);
}

CTreeViewItem* CTableWidget::GetItemFromIndex(const QModelIndex& miIndex) const
{
    return miIndex.isValid() ? d_func()->m_pModel->GetItem(miIndex) : nullptr;
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_TableWidget.cpp"
