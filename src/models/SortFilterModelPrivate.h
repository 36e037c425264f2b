#ifndef ORVAGUITOOLKIT_MODELS_SORTFILTERMODELPRIVATE_H
#define ORVAGUITOOLKIT_MODELS_SORTFILTERMODELPRIVATE_H

#include <OrvaGUIToolkit/ItemView/MultiPageSecondarySortFilterModel.h>

namespace OrvaGUIToolkit {

// State of the CSortFilterModel hierarchy: each level's private class
// derives from the one of its base.
class CSortFilterModelPrivate
{
    Q_DECLARE_PUBLIC(CSortFilterModel)

public:
    virtual ~CSortFilterModelPrivate() = default;

    // Whether the base class's filter expression is empty / found in strText.
    bool IsPrimaryFilterEmpty() const;
    bool PrimaryFilterFinds(const QString& strText) const;

    CSortFilterModel* q_ptr = nullptr;
    CSortFilterModel::FilterMode m_eFilterMode = CSortFilterModel::FilterContain;
};

class CSecondarySortFilterModelPrivate : public CSortFilterModelPrivate
{
public:
    int m_iSecondaryFilterRole = Qt::DisplayRole;
    QRegExp m_regSecondaryFilter;
    int m_iSecondaryFilterKeyColumn = -1;
    CSortFilterModel::FilterMode m_eSecondaryFilterMode = CSortFilterModel::FilterContain;
};

class CMultiPageSecondarySortFilterModelPrivate : public CSecondarySortFilterModelPrivate
{
public:
    unsigned int m_uCurrentPage = 1;
    unsigned int m_uItemsPerPage = 1;
};

} // namespace OrvaGUIToolkit

#endif
