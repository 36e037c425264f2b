#ifndef ORVAGUITOOLKIT_ITEMVIEW_COMBOBOXMODEL_H
#define ORVAGUITOOLKIT_ITEMVIEW_COMBOBOXMODEL_H

#include <OrvaGUIToolkit/ItemView/CombinationModel.h>

namespace OrvaGUIToolkit {

// The list of a multi-select combo box: a leading "All" row, unchecked,
// followed by the rows of the models added with AddComboBoxModel.
class ORVAGUITOOLKIT_EXPORT CComboBoxModel : public CCombination_Model
{
    Q_OBJECT

public:
    explicit CComboBoxModel(QObject* pParent = nullptr);
    ~CComboBoxModel() override;

    bool AddComboBoxModel(QAbstractItemModel* pModel);
};

} // namespace OrvaGUIToolkit

#endif
