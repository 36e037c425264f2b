#include "LocationViewWidget.h"

#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListView>
#include <QtWidgets/QTableView>
#include <QtWidgets/QTreeView>

namespace OrvaGUIToolkit {

CLocationViewWidget::CLocationViewWidget(QWidget* pParent)
    : QWidget(pParent)
    , m_pEditFilter(new QLineEdit(this))
{
    m_pEditFilter->setObjectName(QStringLiteral("m_pEditFilter"));
    m_pEditFilter->setPlaceholderText(tr("Filter"));
    auto* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(2, 2, 2, 2);
    pLayout->addWidget(m_pEditFilter);
    connect(m_pEditFilter, &QLineEdit::textChanged, this, &CLocationViewWidget::ApplyFilter);
}

CLocationViewWidget::~CLocationViewWidget() = default;

void CLocationViewWidget::SetView(QAbstractItemView* pView)
{
    m_pView = pView;
    ApplyFilter();
}

QString CLocationViewWidget::GetFilterText() const
{
    return m_pEditFilter->text();
}

void CLocationViewWidget::SetFilterText(const QString& strText)
{
    m_pEditFilter->setText(strText);
}

void CLocationViewWidget::ClearFilterText()
{
    m_pEditFilter->clear();
}

// Hides the top-level rows of list, table and tree views that do not match.
void CLocationViewWidget::ApplyFilter()
{
    if (!m_pView || !m_pView->model())
        return;
    const QAbstractItemModel* pModel = m_pView->model();
    const QString strFilter = m_pEditFilter->text();
    auto* pListView = qobject_cast<QListView*>(m_pView);
    const int iColumn = pListView ? pListView->modelColumn() : 0;
    for (int iRow = 0; iRow < pModel->rowCount(); ++iRow) {
        const QModelIndex miIndex = pModel->index(iRow, iColumn);
        const bool bHidden = !miIndex.data().toString().contains(strFilter, Qt::CaseInsensitive);
        if (pListView)
            pListView->setRowHidden(iRow, bHidden);
        else if (auto* pTable = qobject_cast<QTableView*>(m_pView))
            pTable->setRowHidden(iRow, bHidden);
        else if (auto* pTree = qobject_cast<QTreeView*>(m_pView))
            pTree->setRowHidden(iRow, QModelIndex(), bHidden);
    }
}

} // namespace OrvaGUIToolkit

#include "moc_LocationViewWidget.cpp"
