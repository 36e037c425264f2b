#ifndef ORVAGUITOOLKIT_ITEMVIEW_TREEVIEW_H
#define ORVAGUITOOLKIT_ITEMVIEW_TREEVIEW_H

#include <OrvaGUIToolkit/ItemView/AbstractItemView.h>

namespace OrvaGUIToolkit {

class CTreeViewPrivate;

// A tree that keeps check boxes consistent: checking or unchecking a node
// does the same to its descendants, and every parent shows checked, unchecked
// or partly checked after its children, also when rows come and go.
class ORVAGUITOOLKIT_EXPORT CTreeView : public CAbstractItemView
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CTreeView)

public:
    enum ExpandState { AllCollapsed = 0, PartlyExpanded = 1, AllExpanded = 2 };
    Q_ENUM(ExpandState)

    explicit CTreeView(QWidget* pParent = nullptr);
    ~CTreeView() override;

    void SetAutoChangeCheckbox(bool bAuto);
    bool IsAutoChangeCheckbox() const;
    void setModel(QAbstractItemModel* pModel) override;

    void ExpandAll(const QModelIndex& miIndex);
    void CollapseAll(const QModelIndex& miIndex);
    bool GetExpandState(ExpandState& enumState, const QModelIndex& miIndex) const;

protected:
    CTreeView(CTreeViewPrivate& dd, QWidget* pParent);
    void dataChanged(const QModelIndex& miTopLeft, const QModelIndex& miBottomRight,
                     const QVector<int>& vecRoles = QVector<int>()) override;

protected Q_SLOTS:
    void OnUpdateCheckState(const QModelIndex& miParent);

private:
    void UpdateChildCheckState(const QModelIndex& miIndex);
};

} // namespace OrvaGUIToolkit

#endif
