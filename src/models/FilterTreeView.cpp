#include "FilterTreeViewPrivate.h"

#include <OrvaGUIToolkit/Foundation/WaitWatcher.h>
#include <OrvaGUIToolkit/ItemView/TreeViewItem.h>

#include "foundation/ToolkitLogging.h"
#include "internal/ItemEventPosition.h"

#include <QtCore/QRegularExpression>
#include <QtGui/QMouseEvent>
#include <QtGui/QStandardItemModel>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QScrollBar>

namespace OrvaGUIToolkit {

namespace {

// Role of the flags a tree item keeps for its cell.
constexpr int kItemFlagsRole = 31;

QString PageTag(int iPage)
{
    return QStringLiteral("Page%1").arg(iPage, 3, 10, QLatin1Char('0'));
}

// Sets the proxy's filter expression and re-runs the filter, also when the
// expression is the one it already has (the value lists may have changed).
void ApplyFilter(QSortFilterProxyModel* pProxy, const QRegularExpression& regFilter)
{
    if (pProxy->filterRegularExpression() == regFilter)
        pProxy->invalidate();
    else
        pProxy->setFilterRegularExpression(regFilter);
}

QRegularExpression EmptyFilter()
{
    return QRegularExpression(QString(), QRegularExpression::CaseInsensitiveOption);
}

// The search's wildcard expression also becomes the proxy's filter
// expression, re-filtering in any case. The rows themselves are chosen by the
// proxy's custom filter.
void ApplyWildcardFilter(QSortFilterProxyModel* pProxy, const QRegExp& regSearch)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    if (pProxy->filterRegExp() == regSearch)
        pProxy->invalidate();
    else
        pProxy->setFilterRegExp(regSearch);
#else
    ApplyFilter(pProxy, QRegularExpression(QRegularExpression::wildcardToRegularExpression(
                                               regSearch.pattern(), QRegularExpression::UnanchoredWildcardConversion),
                                           QRegularExpression::CaseInsensitiveOption));
#endif
}

// Stops the models from signalling while a worker changes them: their
// receivers live in the GUI thread, which must not see half-done changes.
// The view shows the result afresh when it takes its model back.
class CModelSilence
{
public:
    explicit CModelSilence(const QList<QObject*>& listModels)
    {
        for (QObject* pModel : listModels) {
            if (pModel && !pModel->signalsBlocked()) {
                pModel->blockSignals(true);
                m_listModels << pModel;
            }
        }
    }
    ~CModelSilence()
    {
        for (const QPointer<QObject>& pModel : qAsConst(m_listModels)) {
            if (pModel)
                pModel->blockSignals(false);
        }
    }
    CModelSilence(const CModelSilence&) = delete;
    CModelSilence& operator=(const CModelSilence&) = delete;

private:
    QList<QPointer<QObject>> m_listModels;
};

} // namespace

CFilterTreeView::CFilterTreeView(QWidget* pParent)
    : CTableView(*new CFilterTreeViewPrivate, pParent)
{
    Q_D(CFilterTreeView);
    // Row and header heights measured on a one-row model.
    QStandardItemModel modelTest(1, 1);
    modelTest.setItem(0, 0, new QStandardItem(QStringLiteral("test")));
    setModel(&modelTest);
    d->m_iHeaderHeight = header()->sizeHint().height();
    d->m_iRowHeight = qMax(1, sizeHintForRow(0));
    DetachModel();

    d->m_pPageModel = new CSortFilterProxyModel(this);
    d->m_pPageModel->setFilterRole(Qt::WhatsThisRole);
    d->m_pPageModel->setFilterKeyColumn(0);
    d->m_pNoPageModel = new CSortFilterProxyModel(this);
    d->m_pNoPageModel->setFilterKeyColumn(0);

    connect(this, &CFilterTreeView::SignalResizeChanged, this, &CFilterTreeView::OnSignalResizeChanged,
            Qt::QueuedConnection);
    connect(this, &CFilterTreeView::SignalItemPerPageChanged, this, &CFilterTreeView::OnSignalResizeChanged);
    header()->setSortIndicatorShown(true);
    connect(header(), &QHeaderView::sortIndicatorChanged, this, &CFilterTreeView::OnSortTable);
}

CFilterTreeView::~CFilterTreeView()
{
    Q_D(CFilterTreeView);
    if (d->m_pWorkerDone)
        d->m_pWorkerDone->acquire();
}

void CFilterTreeView::SetSourceModel(CTreeViewModel* pModel)
{
    Q_D(CFilterTreeView);
    d->m_pSourceModel = pModel;
    d->m_bGeometryRecorded = false;
    d->m_pPageModel->setSourceModel(pModel);
    d->m_pNoPageModel->setSourceModel(pModel);
    ShowPageModel();
    const int iColumns = pModel ? pModel->columnCount() : 0;
    d->m_pPageModel->SetColumnNum(iColumns);
    d->m_pNoPageModel->SetColumnNum(iColumns);
}

void CFilterTreeView::AddTopLevelItems(const QList<CTreeViewItem*>& listItems)
{
    Q_D(CFilterTreeView);
    if (!d->m_pSourceModel) {
        qWarning("CFilterTreeView::AddTopLevelItems: m_pSourceModel == NULL");
        qDeleteAll(listItems);
        return;
    }
    d->m_pSourceModel->insertRows(d->m_pSourceModel->rowCount(), listItems);
}

int CFilterTreeView::TopLevelItemCount() const
{
    Q_D(const CFilterTreeView);
    return d->m_pSourceModel ? d->m_pSourceModel->rowCount() : 0;
}

void CFilterTreeView::Clear()
{
    Q_D(CFilterTreeView);
    if (d->m_pSourceModel)
        d->m_pSourceModel->removeRows(0, d->m_pSourceModel->rowCount());
}

CSortFilterProxyModel* CFilterTreeView::GetModelNoPageInfo() const
{
    Q_D(const CFilterTreeView);
    return d->m_pNoPageModel;
}

void CFilterTreeView::SetItemsPerPage(bool bAuto, int iCount)
{
    Q_D(CFilterTreeView);
    d->m_bAutoItemsPerPage = bAuto;
    d->m_iItemsPerPage = iCount;
}

int CFilterTreeView::GetPageCount() const
{
    Q_D(const CFilterTreeView);
    return d->m_iPageCount;
}

int CFilterTreeView::GetCurrentPage() const
{
    Q_D(const CFilterTreeView);
    return d->m_iCurrentPage;
}

bool CFilterTreeView::IsFiltered() const
{
    Q_D(const CFilterTreeView);
    return d->m_bFiltered;
}

void CFilterTreeView::SetAscendingOrder(int iColumn)
{
    SortPageModel(iColumn, Qt::AscendingOrder);
}

void CFilterTreeView::SetDescendingOrder(int iColumn)
{
    SortPageModel(iColumn, Qt::DescendingOrder);
}

void CFilterTreeView::SetNotSort()
{
    Q_D(CFilterTreeView);
    d->m_pNoPageModel->setSortRole(-1);
}

// Pages follow the sorted order: every filtered row comes back, is sorted and
// tagged anew, and page 1 is shown.
void CFilterTreeView::SortPageModel(int iColumn, Qt::SortOrder enumOrder)
{
    Q_D(CFilterTreeView);
    d->m_pPageModel->setSortRole(Qt::DisplayRole);
    d->m_pPageModel->SetPageRole(false, QString());
    ApplyFilter(d->m_pPageModel, EmptyFilter());
    d->m_pPageModel->sort(iColumn, enumOrder);
    TagRows(d->m_pPageModel);
    const QPointer<CFilterTreeView> pGuard(this);
    Q_EMIT SignalModelChanged(d->m_iPageCount, d->m_pPageModel->rowCount(), true);
    if (pGuard)
        OnCurrentPageChanged(1);
}

void CFilterTreeView::StartFilterByTextgroup(const std::vector<QStringList>& vecValues,
                                             const std::vector<bool>& vecUnfiltered)
{
    Q_D(CFilterTreeView);
    if (d->RefuseWhileBusy("StartFilterByTextgroup"))
        return;
    ResetFilterModel();
    DetachModel();
    d->m_pPageModel->SetFilterValues(vecValues, vecUnfiltered);
    d->m_pNoPageModel->SetFilterValues(vecValues, vecUnfiltered);
    if (!RunOnWorker(&CFilterTreeView::WaitForFilterFinished))
        return;
    DoPaging(false);
    ShowPageModel();
    Q_EMIT SignalReSetColumnWidth();
}

void CFilterTreeView::StartFilterByCustomStr(QString strText)
{
    Q_D(CFilterTreeView);
    if (d->RefuseWhileBusy("StartFilterByCustomStr"))
        return;
    ResetFilterModel();
    DetachModel();
    d->m_strCustomFilter = strText;
    if (!RunOnWorker(&CFilterTreeView::WaitForFilterByCustomStrFinished))
        return;
    DoPaging(false);
    ShowPageModel();
    Q_EMIT SignalReSetColumnWidth();
}

void CFilterTreeView::ResetFilterModel()
{
    Q_D(CFilterTreeView);
    DetachModel();
    d->m_pPageModel->SetCoustomFilter(CSortFilterProxyModel::NoFilter, QRegExp());
    d->m_pPageModel->SetPageRole(false, QString());
    d->m_bFiltered = false;
    DoPaging(false);
    ShowPageModel();
    Q_EMIT SignalReSetColumnWidth();
    d->m_pNoPageModel->SetCoustomFilter(CSortFilterProxyModel::NoFilter, QRegExp());
    d->m_pNoPageModel->SetPageRole(false, QString());
}

void CFilterTreeView::WaitForFilterFinished()
{
    Q_D(CFilterTreeView);
    for (CSortFilterProxyModel* pProxy : {d->m_pPageModel, d->m_pNoPageModel}) {
        pProxy->SetPageRole(false, QString());
        pProxy->SetCoustomFilter(CSortFilterProxyModel::ValueListFilter, QRegExp());
        ApplyFilter(pProxy, EmptyFilter());
        d->m_bFiltered = true;
    }
}

// The words of the search must appear in this order within one cell, with
// anything between them.
void CFilterTreeView::WaitForFilterByCustomStrFinished()
{
    Q_D(CFilterTreeView);
    d->m_strCustomFilter.replace(QLatin1Char(' '), QLatin1Char('*'));
    const QRegExp regSearch(d->m_strCustomFilter, Qt::CaseInsensitive, QRegExp::Wildcard);
    for (CSortFilterProxyModel* pProxy : {d->m_pPageModel, d->m_pNoPageModel}) {
        pProxy->SetPageRole(false, QString());
        pProxy->SetCoustomFilter(CSortFilterProxyModel::RegExpFilter, regSearch);
        ApplyWildcardFilter(pProxy, regSearch);
        d->m_bFiltered = true;
    }
}

void CFilterTreeView::WaitForResize()
{
    Q_D(CFilterTreeView);
    d->m_pPageModel->SetPageRole(false, QString());
    ApplyFilter(d->m_pPageModel, EmptyFilter());
}

void CFilterTreeView::SetOpenMouseState(bool bOpen)
{
    Q_D(CFilterTreeView);
    d->m_bOpenMouseState = bOpen;
}

void CFilterTreeView::StartSearch()
{
    Q_D(CFilterTreeView);
    DetachModel();
    Clear();
    d->m_bFiltered = false;
}

void CFilterTreeView::EndSearch()
{
    DoPaging(false);
    ShowPageModel();
    Q_EMIT SignalReSetColumnWidth();
}

void CFilterTreeView::OnCurrentPageChanged(int iCurrentPage)
{
    Q_D(CFilterTreeView);
    if (TopLevelItemCount() == 0)
        return;
    d->m_iCurrentPage = iCurrentPage;
    ChangePage();
    if (model())
        scrollTo(model()->index(0, 0));
}

void CFilterTreeView::OnSignalResizeChanged()
{
    Q_D(CFilterTreeView);
    if (TopLevelItemCount() == 0)
        return;
    if (d->m_pWorkerDone) {
        d->m_bResizePending = true;
        return;
    }
    DetachModel();
    if (!RunOnWorker(&CFilterTreeView::WaitForResize))
        return;
    DoPaging(false);
    ShowPageModel();
    Q_EMIT SignalReSetColumnWidth();
}

void CFilterTreeView::DoPaging(bool bResized)
{
    Q_D(CFilterTreeView);
    Q_UNUSED(bResized)
    FinalDoPage();
    QAbstractItemModel* pWalked = d->m_bFiltered ? static_cast<QAbstractItemModel*>(d->m_pPageModel)
                                                 : static_cast<QAbstractItemModel*>(d->m_pSourceModel.data());
    Q_EMIT SignalModelChanged(d->m_iPageCount, pWalked ? pWalked->rowCount() : 0, true);
}

void CFilterTreeView::DoPaging()
{
    DoPaging(false);
}

void CFilterTreeView::OnSignalOkBtnClick()
{
    Q_D(CFilterTreeView);
    if (d->RefuseWhileBusy("OnSignalOkBtnClick"))
        return;
    // The view keeps its model but must not paint it while the worker
    // rewrites the page tags.
    setUpdatesEnabled(false);
    if (RunOnWorker(&CFilterTreeView::OnDoPaging))
        setUpdatesEnabled(true);
}

void CFilterTreeView::OnSignalStartFiltering(bool bStart)
{
    if (bStart) {
        DetachModel();
        return;
    }
    ShowPageModel();
    Q_EMIT SignalReSetColumnWidth();
}

void CFilterTreeView::OnSortTable(int iColumn, Qt::SortOrder enumType)
{
    SortPageModel(iColumn, enumType);
}

bool CFilterTreeView::CheckMouseValid(const QModelIndex& miIndex)
{
    const int iFlags = miIndex.data(kItemFlagsRole).toInt();
    return (iFlags & Qt::ItemIsEditable) || miIndex.data(Pixmap1Role).isValid();
}

void CFilterTreeView::resizeEvent(QResizeEvent* pEvent)
{
    Q_D(CFilterTreeView);
    CTableView::resizeEvent(pEvent);
    if (!d->m_pSourceModel)
        return;
    if (!d->m_bGeometryRecorded) {
        d->m_bGeometryRecorded = true;
        d->m_rcLastGeometry = geometry();
        return;
    }
    if (geometry() == d->m_rcLastGeometry)
        return;
    d->m_rcLastGeometry = geometry();
    Q_EMIT SignalResizeChanged();
}

void CFilterTreeView::mouseReleaseEvent(QMouseEvent* pEvent)
{
    const QPointer<CFilterTreeView> pGuard(this);
    CTableView::mouseReleaseEvent(pEvent);
    if (pGuard)
        Q_EMIT SignalClickRelease(indexAt(EventLocalPos(pEvent)));
}

void CFilterTreeView::OnDoPaging()
{
    DoPaging(false);
}

void CFilterTreeView::FinalDoPage()
{
    Q_D(CFilterTreeView);
    QAbstractItemModel* pWalked = d->m_bFiltered ? static_cast<QAbstractItemModel*>(d->m_pPageModel)
                                                 : static_cast<QAbstractItemModel*>(d->m_pSourceModel.data());
    TagRows(pWalked);
}

void CFilterTreeView::ChangePage()
{
    Q_D(CFilterTreeView);
    const QString strTag = PageTag(d->m_iCurrentPage);
    d->m_pPageModel->SetPageRole(true, strTag);
    ApplyFilter(d->m_pPageModel, QRegularExpression(QRegularExpression::escape(strTag),
                                                    QRegularExpression::CaseInsensitiveOption));
}

// A view too low for two rows gives a page size below 1; pages then hold one
// row each so that paging never divides by zero.
int CFilterTreeView::ItemsPerPage() const
{
    Q_D(const CFilterTreeView);
    int iSize = d->m_iItemsPerPage;
    if (d->m_bAutoItemsPerPage) {
        const int iUsable = height() - d->m_iHeaderHeight - horizontalScrollBar()->sizeHint().height();
        iSize = iUsable / qMax(1, d->m_iRowHeight) - 1;
    }
    return qMax(1, iSize);
}

void CFilterTreeView::TagRows(QAbstractItemModel* pModel)
{
    Q_D(CFilterTreeView);
    d->m_iItemsPerPageUsed = ItemsPerPage();
    d->m_iPageCount = 0;
    if (!pModel)
        return;
    const int iRows = pModel->rowCount();
    for (int iRow = 0; iRow < iRows; ++iRow) {
        d->m_iPageCount = iRow / d->m_iItemsPerPageUsed + 1;
        pModel->setData(pModel->index(iRow, 0), PageTag(d->m_iPageCount), Qt::WhatsThisRole);
    }
}

bool CFilterTreeView::RunOnWorker(void (CFilterTreeView::*pFunction)())
{
    Q_D(CFilterTreeView);
    const QPointer<CFilterTreeView> pGuard(this);
    const auto pDone = std::make_shared<QSemaphore>();
    d->m_pWorkerDone = pDone;
    {
        const CModelSilence silence({d->m_pSourceModel.data(), d->m_pPageModel, d->m_pNoPageModel});
        CWaitWatcher::Instance().Run(
            [this, pFunction, pDone] {
                (this->*pFunction)();
                pDone->release();
            },
            QStringLiteral(":/OrvaDesk/Dialog/Images/Public/Control/Dialog/Loading.gif"), tr("Processing..."),
            this);
    }
    if (!pGuard)
        return false;
    d->m_pWorkerDone.reset();
    if (d->m_bResizePending) {
        d->m_bResizePending = false;
        QMetaObject::invokeMethod(this, &CFilterTreeView::OnSignalResizeChanged, Qt::QueuedConnection);
    }
    return true;
}

bool CFilterTreeViewPrivate::RefuseWhileBusy(const char* pszFunction) const
{
    if (!m_pWorkerDone)
        return false;
    qCWarning(lcOrvaGUIToolkit, "CFilterTreeView::%s: a search is still running", pszFunction);
    return true;
}

void CFilterTreeView::DetachModel()
{
    // The view makes a new selection model for every model and leaves the
    // old one to its owner.
    QItemSelectionModel* pOldSelection = selectionModel();
    setModel(nullptr);
    delete pOldSelection;
}

void CFilterTreeView::ShowPageModel()
{
    Q_D(CFilterTreeView);
    if (model() == d->m_pPageModel)
        return;
    QItemSelectionModel* pOldSelection = selectionModel();
    setModel(d->m_pPageModel);
    delete pOldSelection;
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_FilterTreeView.cpp"
