#ifndef ORVAGUITOOLKIT_ITEMVIEW_CHECKABLEMODEL_H
#define ORVAGUITOOLKIT_ITEMVIEW_CHECKABLEMODEL_H

#include <OrvaGUIToolkit/ItemView/CombinationModel.h>

namespace OrvaGUIToolkit {

// A one-column combination whose rows carry check boxes. The check state is
// kept in the source models under CheckStateExRole, so that the sources' own
// check boxes stay untouched; the destructor runs SetUnChecked() on every
// top-level row.
class ORVAGUITOOLKIT_EXPORT CCheckableModel : public CCombination_Model
{
    Q_OBJECT

public:
    explicit CCheckableModel(QObject* pParent = nullptr);
    ~CCheckableModel() override;

    void SetSourceModel(QAbstractItemModel* pModel);
    QVariant data(const QModelIndex& miIndex, int iRole = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& miIndex, const QVariant& value, int iRole = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& miIndex) const override;

    // Unchecks the rows of miParent and then miParent itself. Below a row with
    // children, the walk continues through that row's first child only: the
    // first child's rows and the first child are unchecked, its siblings are not.
    void SetUnChecked(const QModelIndex& miParent);
    void SetAllUnChecked();
    QModelIndexList GetCheckedIndexs() const;
};

} // namespace OrvaGUIToolkit

#endif
