#include "SortFilterModelPrivate.h"

#include "internal/RowFilter.h"

#include <QtCore/QRegularExpression>

namespace OrvaGUIToolkit {

// Qt 5 keeps an expression given through setFilterRegExp apart from one given
// through setFilterRegularExpression; Qt 6 only knows the latter.
bool CSortFilterModelPrivate::IsPrimaryFilterEmpty() const
{
    Q_Q(const CSortFilterModel);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    if (!q->filterRegExp().isEmpty())
        return false;
#endif
    return q->filterRegularExpression().pattern().isEmpty();
}

bool CSortFilterModelPrivate::PrimaryFilterFinds(const QString& strText) const
{
    Q_Q(const CSortFilterModel);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    const QRegExp regFilter = q->filterRegExp();
    if (!regFilter.isEmpty())
        return regFilter.indexIn(strText) != -1;
#endif
    return strText.contains(q->filterRegularExpression());
}

CSortFilterModel::CSortFilterModel(QObject* pParent)
    : CSortFilterModel(*new CSortFilterModelPrivate, pParent)
{
}

CSortFilterModel::CSortFilterModel(CSortFilterModelPrivate& dd, QObject* pParent)
    : QSortFilterProxyModel(pParent)
    , d_ptr(&dd)
{
    d_ptr->q_ptr = this;
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

CSortFilterModel::~CSortFilterModel() = default;

void CSortFilterModel::SetFilterMode(CSortFilterModel::FilterMode enumMode)
{
    Q_D(CSortFilterModel);
    d->m_eFilterMode = enumMode;
}

CSortFilterModel::FilterMode CSortFilterModel::GetFilterMode() const
{
    Q_D(const CSortFilterModel);
    return d->m_eFilterMode;
}

bool CSortFilterModel::filterAcceptsRow(int iSourceRow, const QModelIndex& miSourceParent) const
{
    Q_D(const CSortFilterModel);
    if (d->IsPrimaryFilterEmpty())
        return true;
    const RowFilter::CKeyFilter filter{sourceModel(), filterKeyColumn(), filterRole(), d->m_eFilterMode};
    return filter.Accepts(iSourceRow, miSourceParent, RowFilter::ValueLook::Required,
                          [d](const QString& strText) { return d->PrimaryFilterFinds(strText); });
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_SortFilterModel.cpp"
