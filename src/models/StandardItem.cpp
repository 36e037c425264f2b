#include <OrvaGUIToolkit/ItemView/StandardItem.h>

#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>

#include <QtGui/QPalette>

namespace OrvaGUIToolkit {

CStandardItem::CStandardItem() = default;

CStandardItem::CStandardItem(const QString& strText)
    : QStandardItem(strText)
{
}

CStandardItem::CStandardItem(const QIcon& icon, const QString& strText)
    : QStandardItem(icon, strText)
{
}

CStandardItem::CStandardItem(const CStandardItem& other)
    : QStandardItem(other)
{
}

CStandardItem::CStandardItem(const QStandardItem& other)
    : QStandardItem(other)
{
}

CStandardItem& CStandardItem::operator=(const CStandardItem& other)
{
    QStandardItem::operator=(other);
    return *this;
}

CStandardItem::~CStandardItem() = default;

QStandardItem* CStandardItem::clone() const
{
    return new CStandardItem(*this);
}

QVariant CStandardItem::data(int iRole) const
{
    switch (iRole) {
    case Qt::DisplayRole: {
        const QVariant value = QStandardItem::data(DisplayExRole);
        return value.isValid() ? value : QStandardItem::data(iRole);
    }
    case Qt::DecorationRole: {
        const QVariant value = QStandardItem::data(DecorationExRole);
        return value.isValid() ? value : QStandardItem::data(iRole);
    }
    case Qt::ForegroundRole: {
        const QVariant flags = QStandardItem::data(ItemFlagsRole);
        if (flags.isValid() && !(flags.toInt() & Qt::ItemIsEnabled))
            return QPalette().brush(QPalette::Disabled, QPalette::WindowText);
        return QStandardItem::data(iRole);
    }
    default:
        return QStandardItem::data(iRole);
    }
}

void CStandardItem::SetEnabled(bool bEnabled)
{
    const QVariant stored = QStandardItem::data(ItemFlagsRole);
    int iFlags = stored.isValid() ? stored.toInt() : int(Qt::ItemIsEnabled);
    if (bEnabled)
        iFlags |= Qt::ItemIsEnabled;
    else
        iFlags &= ~int(Qt::ItemIsEnabled);
    setData(iFlags, ItemFlagsRole);
}

bool CStandardItem::SetItemData(const QMap<int, QVariant>& mapRoles)
{
    for (auto it = mapRoles.cbegin(); it != mapRoles.cend(); ++it)
        setData(it.value(), it.key());
    return true;
}

} // namespace OrvaGUIToolkit
