#include "TimeGrid.h"

#include <QtGui/QMouseEvent>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QVBoxLayout>

namespace OrvaGUIToolkit {

CTimeGridTable::CTimeGridTable(int iRows, int iColumns, QWidget* pParent)
    : QTableWidget(iRows, iColumns, pParent)
{
}

void CTimeGridTable::mousePressEvent(QMouseEvent* pEvent)
{
    QTableWidget::mousePressEvent(pEvent);
    if (pEvent->button() != Qt::LeftButton)
        return;
    if (QTableWidgetItem* pItem = itemAt(pEvent->pos()))
        Q_EMIT SignalCellPressed(pItem);
}

CTimeGridPopupPrivate::~CTimeGridPopupPrivate() = default;

CTimeGridTable* SetupTimeGrid(QFrame* pFrame, const struTimeGridForm& form)
{
    pFrame->setObjectName(form.strFormName);
    pFrame->setFixedSize(form.sizeFixed);
    auto* pLayout = new QVBoxLayout(pFrame);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);

    auto* pTable = new CTimeGridTable(form.iRows, form.iColumns, pFrame);
    pTable->setObjectName(QStringLiteral("m_pTableWidget"));
    pTable->setFrameShape(QFrame::NoFrame);
    pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    pTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pTable->setTabKeyNavigation(false);
    // Two-digit values fill the small cells; cutting them would hide them.
    pTable->setTextElideMode(Qt::ElideNone);
    pTable->setFocusPolicy(Qt::NoFocus);
    pTable->horizontalHeader()->hide();
    pTable->verticalHeader()->hide();
    // The cells share the fixed size evenly, whatever the style's minimum
    // section sizes are.
    pTable->horizontalHeader()->setMinimumSectionSize(1);
    pTable->verticalHeader()->setMinimumSectionSize(1);
    pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    pTable->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int iRow = 0; iRow < form.iRows; ++iRow) {
        for (int iColumn = 0; iColumn < form.iColumns; ++iColumn) {
            auto* pItem = new QTableWidgetItem(QString::number((iRow * form.iColumns + iColumn) * form.iStep));
            pItem->setTextAlignment(Qt::AlignCenter);
            pTable->setItem(iRow, iColumn, pItem);
        }
    }
    pLayout->addWidget(pTable);
    return pTable;
}

void SetCurrentTimeCell(QTableWidget* pTable, const QString& strValue)
{
    pTable->clearSelection();
    const QList<QTableWidgetItem*> listItems = pTable->findItems(strValue, Qt::MatchExactly);
    // findItems walks the table column by column; the first cell in reading
    // order is the one with the lowest row, then column.
    QTableWidgetItem* pFirst = nullptr;
    for (QTableWidgetItem* pItem : listItems) {
        if (!pFirst || pItem->row() < pFirst->row()
            || (pItem->row() == pFirst->row() && pItem->column() < pFirst->column()))
            pFirst = pItem;
    }
    if (pFirst)
        pTable->setCurrentItem(pFirst);
    else
        pTable->setCurrentIndex(QModelIndex());
}

} // namespace OrvaGUIToolkit

#include "moc_TimeGrid.cpp"
