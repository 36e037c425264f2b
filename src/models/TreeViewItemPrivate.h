#ifndef ORVAGUITOOLKIT_MODELS_TREEVIEWITEMPRIVATE_H
#define ORVAGUITOOLKIT_MODELS_TREEVIEWITEMPRIVATE_H

#include <OrvaGUIToolkit/ItemView/TreeViewItem.h>

#include <utility>
#include <vector>

namespace OrvaGUIToolkit {

// The most empty children one call may create: a hostile count must not make
// the process allocate until it is killed.
constexpr int s_iMaxNewChildren = 1000000;

class CTreeViewItemPrivate
{
    Q_DECLARE_PUBLIC(CTreeViewItem)

public:
    using RoleValues = std::vector<std::pair<int, QVariant>>;

    virtual ~CTreeViewItemPrivate();

    static const CTreeViewItemPrivate* Get(const CTreeViewItem* pItem)
    {
        return pItem->d_func();
    }

    // Whether pItem is this node or one of its ancestors, through the lists
    // that really hold the nodes (parent links may be set freely).
    bool IsSelfOrAncestor(const CTreeViewItem* pItem) const;
    // Refuses an item that already sits in a children list or would become
    // its own descendant; pszFunction ("CClass::Function") starts the warning.
    bool CanAdopt(const CTreeViewItem* pItem, const char* pszFunction) const;
    void Adopt(int iPosition, CTreeViewItem* pItem);

    CTreeViewItem* q_ptr = nullptr;
    std::vector<CTreeViewItem*> m_vecChildren;
    CTreeViewItem* m_pParent = nullptr;
    // The node whose children list holds this one; null while detached.
    CTreeViewItem* m_pHolder = nullptr;
    std::vector<RoleValues> m_vecColumnData;
    // A copy lists the children of its original without owning them.
    bool m_bOwnsChildren = true;
    // Last known row in the holder's list, checked first by ChildNumber().
    mutable int m_iRowHint = 0;
};

} // namespace OrvaGUIToolkit

#endif
