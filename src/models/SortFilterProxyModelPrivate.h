#ifndef ORVAGUITOOLKIT_MODELS_SORTFILTERPROXYMODELPRIVATE_H
#define ORVAGUITOOLKIT_MODELS_SORTFILTERPROXYMODELPRIVATE_H

#include <OrvaGUIToolkit/ItemView/SortFilterProxyModel.h>

namespace OrvaGUIToolkit {

class CSortFilterProxyModelPrivate
{
    Q_DECLARE_PUBLIC(CSortFilterProxyModel)

public:
    virtual ~CSortFilterProxyModelPrivate() = default;

    bool HasPageTag(int iRow, const QModelIndex& miParent) const;
    bool PassesValueLists(int iRow, const QModelIndex& miParent) const;
    bool PassesCustomFilter(int iRow, const QModelIndex& miParent) const;

    CSortFilterProxyModel* q_ptr = nullptr;
    std::vector<QStringList> m_vecFilterValues;
    std::vector<bool> m_vecColumnUnfiltered;
    QRegExp m_regCustomFilter;
    bool m_bPageRole = false;
    int m_iColumnNum = 0;
    CSortFilterProxyModel::FilterMode m_eFilterMode = CSortFilterProxyModel::NoFilter;
    QString m_strPageRole;
    // Translated once: filters may run on a worker thread, row after row.
    QString m_strBlank;
};

} // namespace OrvaGUIToolkit

#endif
