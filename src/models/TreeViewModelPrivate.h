#ifndef ORVAGUITOOLKIT_MODELS_TREEVIEWMODELPRIVATE_H
#define ORVAGUITOOLKIT_MODELS_TREEVIEWMODELPRIVATE_H

#include <OrvaGUIToolkit/ItemView/TreeViewItem.h>
#include <OrvaGUIToolkit/ItemView/TreeViewModel.h>

#include <memory>

namespace OrvaGUIToolkit {

class CTreeViewModelPrivate
{
    Q_DECLARE_PUBLIC(CTreeViewModel)

public:
    virtual ~CTreeViewModelPrivate();

    // Whether miParent is the invalid index or one of this model's indexes.
    bool IsOwnParent(const QModelIndex& miParent) const;
    // Whether items may go into the node of miParent at iRow; warns for
    // Function otherwise.
    bool CanInsert(const QList<CTreeViewItem*>& listItems, int iRow, const QModelIndex& miParent,
                   const char* pszFunction) const;

    CTreeViewModel* q_ptr = nullptr;
    // The hidden root: its columns are the header sections.
    const std::unique_ptr<CTreeViewItem> m_pRootItem = std::make_unique<CTreeViewItem>();
};

} // namespace OrvaGUIToolkit

#endif
