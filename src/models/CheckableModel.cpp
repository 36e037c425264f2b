#include <OrvaGUIToolkit/ItemView/CheckableModel.h>

#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>

namespace OrvaGUIToolkit {

CCheckableModel::CCheckableModel(QObject* pParent)
    : CCombination_Model(pParent)
{
    SetColumnCount(1);
}

// The sources outlive this model: uncheck their rows on the way out.
CCheckableModel::~CCheckableModel()
{
    const int iRows = rowCount();
    for (int i = 0; i < iRows; ++i)
        SetUnChecked(index(i, 0));
}

void CCheckableModel::SetSourceModel(QAbstractItemModel* pModel)
{
    AddModel(pModel);
}

QVariant CCheckableModel::data(const QModelIndex& miIndex, int iRole) const
{
    if (iRole == Qt::CheckStateRole) {
        const QVariant state = CCombination_Model::data(miIndex, CheckStateExRole);
        if (state.isValid())
            return state;
    }
    return CCombination_Model::data(miIndex, iRole);
}

bool CCheckableModel::setData(const QModelIndex& miIndex, const QVariant& value, int iRole)
{
    return CCombination_Model::setData(miIndex, value, iRole == Qt::CheckStateRole ? int(CheckStateExRole) : iRole);
}

Qt::ItemFlags CCheckableModel::flags(const QModelIndex& miIndex) const
{
    return CCombination_Model::flags(miIndex) | Qt::ItemIsUserCheckable;
}

void CCheckableModel::SetUnChecked(const QModelIndex& miParent)
{
    const int iRows = rowCount(miParent);
    for (int i = 0; i < iRows; ++i) {
        const QModelIndex miChild = index(i, 0, miParent);
        // Below a row the walk goes on through its first child only.
        if (hasChildren(miChild))
            SetUnChecked(index(0, 0, miChild));
        if (data(miChild, Qt::CheckStateRole).isValid())
            setData(miChild, int(Qt::Unchecked), Qt::CheckStateRole);
    }
    if (miParent.isValid() && data(miParent, Qt::CheckStateRole).isValid())
        setData(miParent, int(Qt::Unchecked), Qt::CheckStateRole);
}

void CCheckableModel::SetAllUnChecked()
{
    const QModelIndex miFirst = index(0, 0);
    if (miFirst.isValid() && data(miFirst, Qt::CheckStateRole).isValid())
        setData(miFirst, int(Qt::Unchecked), Qt::CheckStateRole);
}

QModelIndexList CCheckableModel::GetCheckedIndexs() const
{
    return match(index(0, 0), CheckStateExRole, QVariant(int(Qt::Checked)), -1,
                 Qt::MatchExactly | Qt::MatchRecursive);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_CheckableModel.cpp"
