#include <OrvaGUIToolkit/ItemView/MultiPageTreeView.h>

#include <OrvaGUIToolkit/ItemView/TreeView.h>
#include <OrvaGUIToolkit/Pager/PagerCtrl.h>

#include <QtCore/QEvent>
#include <QtCore/QPointer>
#include <QtCore/QRegularExpression>
#include <QtCore/QSortFilterProxyModel>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>

namespace OrvaGUIToolkit {

namespace {
// Role of the page tag in column 0 (Qt::UserRole + 1).
constexpr int kPageTagRole = Qt::UserRole + 1;

QString PageTag(unsigned int uPage)
{
    return QStringLiteral("Page%1").arg(uPage, 3, 10, QLatin1Char('0'));
}
} // namespace

class CMultiPageTreeViewPrivate
{
public:
    virtual ~CMultiPageTreeViewPrivate() = default;

    CTreeView* m_pTreeView = nullptr;
    QFrame* m_pFramePage = nullptr;
    QLabel* m_pLabelTotalItem = nullptr;
    QLabel* m_pLabelCurPage = nullptr;
    CPagerCtrl* m_pPageCtrl = nullptr;
    QPointer<QAbstractItemModel> m_pModel;
    QSortFilterProxyModel* m_pProxy = nullptr;
    unsigned int m_uCurrentPage = 1;
    unsigned int m_uPageCount = 0;
};

CMultiPageTreeView::CMultiPageTreeView(QWidget* pParent)
    : CMultiPageTreeView(*new CMultiPageTreeViewPrivate, pParent)
{
}

CMultiPageTreeView::CMultiPageTreeView(CMultiPageTreeViewPrivate& dd, QWidget* pParent)
    : QFrame(pParent)
    , d_ptr(&dd)
{
    Q_D(CMultiPageTreeView);
    d->m_pProxy = new QSortFilterProxyModel(this);
    d->m_pProxy->setSortRole(-1);
    d->m_pProxy->setFilterKeyColumn(0);
    d->m_pProxy->setFilterRole(kPageTagRole);
    BuildForm();
    connect(d->m_pPageCtrl, &CPagerCtrl::SignalShowPage, this, &CMultiPageTreeView::OnGotoPage);
    d->m_pTreeView->installEventFilter(this);
}

CMultiPageTreeView::~CMultiPageTreeView() = default;

void CMultiPageTreeView::BuildForm()
{
    Q_D(CMultiPageTreeView);
    setObjectName(QStringLiteral("CMultiPageTreeViewClass"));
    resize(751, 431);
    auto* pGrid = new QGridLayout(this);
    pGrid->setSpacing(6);
    pGrid->setContentsMargins(0, 0, 0, 0);
    d->m_pTreeView = new CTreeView(this);
    d->m_pTreeView->setObjectName(QStringLiteral("m_pTreeView"));
    pGrid->addWidget(d->m_pTreeView, 0, 0);

    d->m_pFramePage = new QFrame(this);
    d->m_pFramePage->setObjectName(QStringLiteral("m_pFramePage"));
    auto* pRow = new QHBoxLayout(d->m_pFramePage);
    pRow->setSpacing(6);
    pRow->setContentsMargins(9, 2, 9, 5);
    pRow->addWidget(new QLabel(tr("Total"), d->m_pFramePage));
    d->m_pLabelTotalItem = new QLabel(QStringLiteral("1"), d->m_pFramePage);
    d->m_pLabelTotalItem->setObjectName(QStringLiteral("m_pLabelTotalItem"));
    pRow->addWidget(d->m_pLabelTotalItem);
    pRow->addSpacing(20);
    pRow->addWidget(new QLabel(tr("Page"), d->m_pFramePage));
    d->m_pLabelCurPage = new QLabel(QStringLiteral("1/1"), d->m_pFramePage);
    d->m_pLabelCurPage->setObjectName(QStringLiteral("m_pLabelCurPage"));
    pRow->addWidget(d->m_pLabelCurPage);
    pRow->addSpacing(40);
    d->m_pPageCtrl = new CPagerCtrl(d->m_pFramePage);
    d->m_pPageCtrl->setObjectName(QStringLiteral("m_pPageCtrl"));
    d->m_pPageCtrl->setMinimumWidth(400);
    pRow->addWidget(d->m_pPageCtrl);
    pGrid->addWidget(d->m_pFramePage, 1, 0);
}

void CMultiPageTreeView::SetModel(QAbstractItemModel* pModel)
{
    Q_D(CMultiPageTreeView);
    if (d->m_pModel)
        disconnect(d->m_pModel, nullptr, this, nullptr);
    d->m_pModel = pModel;
    if (pModel) {
        connect(pModel, &QAbstractItemModel::rowsInserted, this, &CMultiPageTreeView::OnModelChanged);
        connect(pModel, &QAbstractItemModel::rowsRemoved, this, &CMultiPageTreeView::OnModelChanged);
    }
    d->m_pProxy->setSourceModel(pModel);
    d->m_pTreeView->setModel(d->m_pProxy);
    if (pModel && d->m_pTreeView->isSortingEnabled()) {
        pModel->sort(0, d->m_pTreeView->header()->sortIndicatorOrder());
        DoPaging();
    }
    d->m_pLabelTotalItem->setText(QString::number(pModel ? pModel->rowCount() : 0));
}

void CMultiPageTreeView::SetSortingEnabled(bool bEnable, int iSortRole)
{
    Q_D(CMultiPageTreeView);
    d->m_pTreeView->setSortingEnabled(bEnable);
    if (!bEnable)
        return;
    d->m_pProxy->setSortRole(iSortRole);
    connect(d->m_pTreeView->header(), &QHeaderView::sectionClicked, this, &CMultiPageTreeView::OnSortTable,
            Qt::UniqueConnection);
}

unsigned int CMultiPageTreeView::GetCurrentPage() const
{
    Q_D(const CMultiPageTreeView);
    return d->m_uCurrentPage;
}

unsigned int CMultiPageTreeView::GetPageCount() const
{
    Q_D(const CMultiPageTreeView);
    return d->m_uPageCount;
}

void CMultiPageTreeView::OnGotoPage(uint uiPage)
{
    Q_D(CMultiPageTreeView);
    if (uiPage == d->m_uCurrentPage)
        return;
    d->m_uCurrentPage = uiPage;
    ShowCurrentPage();
}

// Row insertions and removals reach this slot; the "Total" count stays the
// one SetModel() wrote.
void CMultiPageTreeView::OnModelChanged()
{
}

void CMultiPageTreeView::OnSortTable(int iColumn)
{
    Q_D(CMultiPageTreeView);
    if (!qobject_cast<QHeaderView*>(sender()) || !d->m_pModel)
        return;
    const QPointer<CMultiPageTreeView> pGuard(this);
    Q_EMIT SignalTableHeaderClicked(iColumn);
    if (!pGuard || !d->m_pModel)
        return;
    d->m_pModel->sort(iColumn, d->m_pTreeView->header()->sortIndicatorOrder());
    DoPaging();
}

void CMultiPageTreeView::DoPaging()
{
    Q_D(CMultiPageTreeView);
    QAbstractItemModel* pModel = d->m_pModel;
    const int iRowHeight = d->m_pTreeView->sizeHintForRow(0);
    if (!pModel || !d->m_pProxy->sourceModel() || iRowHeight <= 0)
        return;
    const int iSize = (d->m_pTreeView->height() - d->m_pTreeView->header()->height()) / iRowHeight;
    if (iSize <= 0)
        return;
    const int iRows = pModel->rowCount();
    d->m_uPageCount = 0;
    for (int iRow = 0; iRow < iRows; ++iRow) {
        d->m_uPageCount = static_cast<unsigned int>(iRow / iSize + 1);
        pModel->setData(pModel->index(iRow, 0), PageTag(d->m_uPageCount), kPageTagRole);
    }
    // A shrunk model may leave the current page behind its last page.
    d->m_uCurrentPage = qBound(1U, d->m_uCurrentPage, qMax(1U, d->m_uPageCount));
    ShowCurrentPage();
    d->m_pPageCtrl->SetPageCount(d->m_uPageCount);
    d->m_pPageCtrl->ShowSelectedPage(d->m_uCurrentPage, true);
}

// Tags are matched whole: "Page100" must not also show "Page1000".
void CMultiPageTreeView::ShowCurrentPage()
{
    Q_D(CMultiPageTreeView);
    const QString strPattern = QStringLiteral("^%1$").arg(PageTag(d->m_uCurrentPage));
    d->m_pProxy->setFilterRegularExpression(QRegularExpression(strPattern));
    d->m_pLabelCurPage->setText(QStringLiteral("%1/%2").arg(d->m_uCurrentPage).arg(d->m_uPageCount));
}

void CMultiPageTreeView::resizeEvent(QResizeEvent* pEvent)
{
    Q_D(CMultiPageTreeView);
    if (d->m_pModel)
        DoPaging();
    QFrame::resizeEvent(pEvent);
}

bool CMultiPageTreeView::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    Q_D(CMultiPageTreeView);
    if (pWatched == d->m_pTreeView && pEvent->type() == QEvent::StyleChange)
        DoPaging();
    return QFrame::eventFilter(pWatched, pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_MultiPageTreeView.cpp"
