#ifndef ORVAGUITOOLKIT_TAB_AUXILIARYDATA_H
#define ORVAGUITOOLKIT_TAB_AUXILIARYDATA_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QString>
#include <QtCore/QVariant>
#include <QtGui/QIcon>

namespace OrvaGUIToolkit {

// The description of the tab last dragged out of a tab bar, enough to put it
// back with CTabScene::InsertTabAfterAuxClose() when its window closes.
struct ORVAGUITOOLKIT_EXPORT AuxiliaryData
{
    AuxiliaryData();
    AuxiliaryData(const AuxiliaryData& other);
    AuxiliaryData& operator=(const AuxiliaryData& other);
    ~AuxiliaryData();

    // Back to the empty description (no text, invalid data, index -1).
    void Clear();

    QString m_strText;
    QVariant m_varData;
    QString m_strToolTip;
    QIcon m_iconSel;
    QIcon m_iconUnSel;
    // Where the tab stood in its bar when it was dragged out.
    int m_iIndex = -1;
};

} // namespace OrvaGUIToolkit

#endif
