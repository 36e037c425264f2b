#include <OrvaGUIToolkit/ItemView/ComboBoxModel.h>

#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>

#include <QtGui/QStandardItemModel>

namespace OrvaGUIToolkit {

CComboBoxModel::CComboBoxModel(QObject* pParent)
    : CCombination_Model(pParent)
{
    SetColumnCount(1);
    auto* pAllModel = new QStandardItemModel(this);
    auto* pAll = new QStandardItem(tr("All"));
    pAll->setToolTip(pAll->text());
    pAll->setEditable(false);
    pAll->setData(int(Qt::Unchecked), CheckStateExRole);
    pAllModel->appendRow(pAll);
    AddModel(pAllModel);
}

CComboBoxModel::~CComboBoxModel() = default;

bool CComboBoxModel::AddComboBoxModel(QAbstractItemModel* pModel)
{
    return AddModel(pModel);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_ComboBoxModel.cpp"
