#ifndef ORVAGUITOOLKIT_ITEMVIEW_STANDARDITEM_H
#define ORVAGUITOOLKIT_ITEMVIEW_STANDARDITEM_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QMap>
#include <QtGui/QStandardItem>

namespace OrvaGUIToolkit {

// A standard item whose display and decoration can be overridden by
// DisplayExRole and DecorationExRole, and that can look disabled (grey text,
// flags kept under ItemFlagsRole) while it stays selectable and editable.
class ORVAGUITOOLKIT_EXPORT CStandardItem : public QStandardItem
{
public:
    CStandardItem();
    explicit CStandardItem(const QString& strText);
    CStandardItem(const QIcon& icon, const QString& strText);
    CStandardItem(const CStandardItem& other);
    CStandardItem& operator=(const CStandardItem& other);
    ~CStandardItem() override;

    QStandardItem* clone() const override;
    QVariant data(int iRole = Qt::UserRole + 1) const override;
    using QStandardItem::setData;

    void SetEnabled(bool bEnabled);
    bool SetItemData(const QMap<int, QVariant>& mapRoles);

protected:
    explicit CStandardItem(const QStandardItem& other);
};

} // namespace OrvaGUIToolkit

#endif
