#ifndef ORVAGUITOOLKIT_MODELS_TREEVIEWPRIVATE_H
#define ORVAGUITOOLKIT_MODELS_TREEVIEWPRIVATE_H

#include <OrvaGUIToolkit/ItemView/TreeView.h>

#include "models/AbstractItemViewPrivate.h"

namespace OrvaGUIToolkit {

class CTreeViewPrivate : public CAbstractItemViewPrivate
{
    Q_DECLARE_PUBLIC(CTreeView)

public:
    // The check state a parent gets from its children in column 0.
    Qt::CheckState DerivedCheckState(const QModelIndex& miParent) const;
    // Whether any child of miParent holds a non-zero check state.
    bool HasCheckedChild(const QModelIndex& miParent) const;
    // Whether the propagation may run on miIndex.
    bool CanPropagate(const QModelIndex& miIndex) const;

    bool m_bAutoChangeCheckbox = true;
};

} // namespace OrvaGUIToolkit

#endif
