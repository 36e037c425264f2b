#include <OrvaGUIToolkit/ItemView/StandardItemModel.h>

#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>
#include <OrvaGUIToolkit/ItemView/StandardItem.h>

#include <QtGui/QColor>

namespace OrvaGUIToolkit {

namespace {

const QColor s_colorKeyword(220, 82, 82, 255);

} // namespace

CStandardItemModel::CStandardItemModel(QObject* pParent)
    : QStandardItemModel(pParent)
{
    setItemPrototype(new CStandardItem);
}

CStandardItemModel::~CStandardItemModel() = default;

QVariant CStandardItemModel::data(const QModelIndex& miIndex, int iRole) const
{
    QModelIndex miSource = miIndex;
    int iSourceRole = iRole;
    int iTargetColumn = 0;
    int iTargetRole = 0;
    if (miIndex.isValid() && GetMapping(miIndex.column(), iRole, iTargetColumn, iTargetRole)) {
        miSource = miIndex.sibling(miIndex.row(), iTargetColumn);
        iSourceRole = iTargetRole;
    }
    if (iRole == Qt::ForegroundRole && miIndex.isValid()) {
        const QStringList listKeywords = headerData(0, Qt::Horizontal, HighlightKeywordsRole).toStringList();
        if (!listKeywords.isEmpty()) {
            const QString strText = miIndex.data(Qt::DisplayRole).toString();
            for (const QString& strKeyword : listKeywords) {
                if (!strKeyword.isNull() && strText.contains(strKeyword, Qt::CaseInsensitive))
                    return s_colorKeyword;
            }
        }
    }
    return QStandardItemModel::data(miSource, iSourceRole);
}

bool CStandardItemModel::setData(const QModelIndex& miIndex, const QVariant& value, int iRole)
{
    const bool bResult = QStandardItemModel::setData(miIndex, value, iRole);
    if (!value.isValid())
        Q_EMIT SignalRemoveKeyRole(miIndex, iRole);
    return bResult;
}

void CStandardItemModel::OnRemoveAllRows()
{
    removeRows(0, rowCount(), QModelIndex());
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_StandardItemModel.cpp"
