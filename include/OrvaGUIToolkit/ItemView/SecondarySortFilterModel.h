#ifndef ORVAGUITOOLKIT_ITEMVIEW_SECONDARYSORTFILTERMODEL_H
#define ORVAGUITOOLKIT_ITEMVIEW_SECONDARYSORTFILTERMODEL_H

#include <OrvaGUIToolkit/ItemView/SortFilterModel.h>

#include <QRegExp>

namespace OrvaGUIToolkit {

class CSecondarySortFilterModelPrivate;

// A CSortFilterModel with a second, independent expression, key column, role
// and mode that a row must pass as well.
class ORVAGUITOOLKIT_EXPORT CSecondarySortFilterModel : public CSortFilterModel
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CSecondarySortFilterModel)

public:
    explicit CSecondarySortFilterModel(QObject* pParent = nullptr);
    ~CSecondarySortFilterModel() override;

    // These three re-run the filter.
    void SetSecondaryFilterRole(int iRole);
    void SetSecondaryFilterKeyColumn(int iColumn);
    void SetSecondaryFilterRegExp(const QString& strPattern);
    // Stored only.
    void SetSecondaryFilterMode(CSortFilterModel::FilterMode enumMode);

    int GetSecondaryFilterRole() const;
    int GetSecondaryFilterKeyColumn() const;
    QRegExp GetSecondaryFilterRegExp() const;
    CSortFilterModel::FilterMode GetSecondaryFilterMode() const;

protected:
    CSecondarySortFilterModel(CSecondarySortFilterModelPrivate& dd, QObject* pParent);
    bool filterAcceptsRow(int iSourceRow, const QModelIndex& miSourceParent) const override;
};

} // namespace OrvaGUIToolkit

#endif
