#include <OrvaGUIToolkit/ItemView/MutilColumnFilterProxyModel.h>

namespace OrvaGUIToolkit {

class CMutilColumnFilterProxyModelPrivate
{
public:
    virtual ~CMutilColumnFilterProxyModelPrivate() = default;

    QRegExp m_regCustomFilter;
};

CMutilColumnFilterProxyModel::CMutilColumnFilterProxyModel(QObject* pParent)
    : CMutilColumnFilterProxyModel(*new CMutilColumnFilterProxyModelPrivate, pParent)
{
}

CMutilColumnFilterProxyModel::CMutilColumnFilterProxyModel(CMutilColumnFilterProxyModelPrivate& dd,
                                                           QObject* pParent)
    : QSortFilterProxyModel(pParent)
    , d_ptr(&dd)
{
}

CMutilColumnFilterProxyModel::~CMutilColumnFilterProxyModel() = default;

void CMutilColumnFilterProxyModel::SetCoustomFilter(QRegExp regFilter)
{
    Q_D(CMutilColumnFilterProxyModel);
    d->m_regCustomFilter = regFilter;
}

QRegExp CMutilColumnFilterProxyModel::GetCoustomFilter() const
{
    Q_D(const CMutilColumnFilterProxyModel);
    return d->m_regCustomFilter;
}

bool CMutilColumnFilterProxyModel::filterAcceptsRow(int iSourceRow, const QModelIndex& miSourceParent) const
{
    Q_D(const CMutilColumnFilterProxyModel);
    const QAbstractItemModel* pSource = sourceModel();
    if (!pSource)
        return true;
    const int iColumns = pSource->columnCount();
    for (int iColumn = 0; iColumn < iColumns; ++iColumn) {
        const QString strText = pSource->index(iSourceRow, iColumn, miSourceParent).data(Qt::DisplayRole).toString();
        if (d->m_regCustomFilter.indexIn(strText) != -1)
            return true;
    }
    return false;
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_MutilColumnFilterProxyModel.cpp"
