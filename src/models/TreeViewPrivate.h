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
    // Writes iState, when checked or unchecked, to every child of miIndex;
    // re-derives miIndex when a child refuses it.
    void PushStateDown(const QModelIndex& miIndex, int iState);
    // Whether the propagation may run on miIndex.
    bool CanPropagate(const QModelIndex& miIndex) const;

    // Counts every change of the model's structure: indexes held across a
    // setData() are trusted only while it stays the same.
    void ConnectStructureWatch(QAbstractItemModel* pModel);
    void DisconnectStructureWatch();

    bool m_bAutoChangeCheckbox = true;
    quint64 m_uStructureChanges = 0;
    QList<QMetaObject::Connection> m_listStructureWatch;
};

} // namespace OrvaGUIToolkit

#endif
