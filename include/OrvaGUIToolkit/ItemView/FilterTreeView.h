#ifndef ORVAGUITOOLKIT_ITEMVIEW_FILTERTREEVIEW_H
#define ORVAGUITOOLKIT_ITEMVIEW_FILTERTREEVIEW_H

#include <OrvaGUIToolkit/ItemView/TableView.h>

#include <QtCore/QStringList>

#include <vector>

namespace OrvaGUIToolkit {

class CFilterTreeViewPrivate;
class CSortFilterProxyModel;
class CTreeViewItem;
class CTreeViewModel;

// A table for long result lists: pages the rows of a CTreeViewModel so that
// one page fills the view, sorts by header click and filters by per-column
// value lists or a wildcard search. Filter and paging runs happen on a worker
// thread behind a modal "Processing..." dialog.
class ORVAGUITOOLKIT_EXPORT CFilterTreeView : public CTableView
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CFilterTreeView)

public:
    explicit CFilterTreeView(QWidget* pParent = nullptr);
    ~CFilterTreeView() override;

    // The source is the caller's; it is not deleted with the view.
    void SetSourceModel(CTreeViewModel* pModel);
    void AddTopLevelItems(const QList<CTreeViewItem*>& listItems);
    int TopLevelItemCount() const;
    void Clear();
    CSortFilterProxyModel* GetModelNoPageInfo() const;
    // Takes effect at the next paging run.
    void SetItemsPerPage(bool bAuto, int iCount);
    int GetPageCount() const;
    int GetCurrentPage() const;
    bool IsFiltered() const;

    void SetAscendingOrder(int iColumn);
    void SetDescendingOrder(int iColumn);
    void SetNotSort();

    void StartFilterByTextgroup(const std::vector<QStringList>& vecValues, const std::vector<bool>& vecUnfiltered);
    void StartFilterByCustomStr(QString strText);
    void ResetFilterModel();

    // The worker-thread halves of the filter and resize runs.
    void WaitForFilterFinished();
    void WaitForFilterByCustomStrFinished();
    void WaitForResize();

    void SetOpenMouseState(bool bOpen);

public Q_SLOTS:
    void StartSearch();
    void EndSearch();
    void OnCurrentPageChanged(int iCurrentPage);
    void OnSignalResizeChanged();
    void DoPaging(bool bResized);
    void DoPaging();
    void OnSignalOkBtnClick();
    void OnSignalStartFiltering(bool bStart);
    void OnSortTable(int iColumn, Qt::SortOrder enumType);

Q_SIGNALS:
    void SignalClickRelease(QModelIndex miIndex);
    void SignalModelChanged(int iTotalPage, int iTotalNum, bool bResized);
    void SignalResizeChanged();
    void SignalItemPerPageChanged();
    void SignalSetPageFirstNum(int iTotalPage, int iTotalNum);
    void SignalReSetColumnWidth();

protected:
    virtual bool CheckMouseValid(const QModelIndex& miIndex);
    void resizeEvent(QResizeEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;

private:
    void OnDoPaging();
    void FinalDoPage();
    void ChangePage();
    int ItemsPerPage() const;
    void TagRows(QAbstractItemModel* pModel);
    void SortPageModel(int iColumn, Qt::SortOrder enumOrder);
    // Runs a worker half behind the wait dialog; false when the view was
    // deleted meanwhile.
    bool RunOnWorker(void (CFilterTreeView::*pFunction)());
    void ShowPageModel();
    void DetachModel();
};

} // namespace OrvaGUIToolkit

#endif
