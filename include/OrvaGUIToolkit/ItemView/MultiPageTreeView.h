#ifndef ORVAGUITOOLKIT_ITEMVIEW_MULTIPAGETREEVIEW_H
#define ORVAGUITOOLKIT_ITEMVIEW_MULTIPAGETREEVIEW_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QFrame>

#include <memory>

QT_BEGIN_NAMESPACE
class QAbstractItemModel;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CMultiPageTreeViewPrivate;

// A paged tree view over any model: a tree view, a "Total" count, a "Page"
// indicator and a pager. The rows of one page fill the tree's height.
class ORVAGUITOOLKIT_EXPORT CMultiPageTreeView : public QFrame
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CMultiPageTreeView)

public:
    explicit CMultiPageTreeView(QWidget* pParent = nullptr);
    ~CMultiPageTreeView() override;

    // The model is the caller's; it is not deleted with the view.
    void SetModel(QAbstractItemModel* pModel);
    void SetSortingEnabled(bool bEnable, int iSortRole);
    unsigned int GetCurrentPage() const;
    unsigned int GetPageCount() const;

public Q_SLOTS:
    void OnGotoPage(uint uiPage);
    void OnModelChanged();
    void OnSortTable(int iColumn);
    void DoPaging();

Q_SIGNALS:
    void SignalTableHeaderClicked(int iColumn);

protected:
    CMultiPageTreeView(CMultiPageTreeViewPrivate& dd, QWidget* pParent);
    void resizeEvent(QResizeEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

    const std::unique_ptr<CMultiPageTreeViewPrivate> d_ptr;

private:
    void BuildForm();
    void ShowCurrentPage();
};

} // namespace OrvaGUIToolkit

#endif
