#ifndef ORVAGUITOOLKIT_MODELS_INTERNAL_ROWFILTER_H
#define ORVAGUITOOLKIT_MODELS_INTERNAL_ROWFILTER_H

#include <OrvaGUIToolkit/ItemView/SortFilterModel.h>

#include <QtCore/QAbstractItemModel>

namespace OrvaGUIToolkit {
namespace RowFilter {

// Whether a row over all columns is first checked for any valid value.
enum class ValueLook { Required, Skipped };

// The contain / not-contain test of one expression against one key column
// (or all columns for -1) of a source row, shared by the primary and the
// secondary filter of CSortFilterModel and its subclasses.
struct CKeyFilter
{
    const QAbstractItemModel* pModel;
    int iKeyColumn;
    int iRole;
    CSortFilterModel::FilterMode enumMode;

    template <class Finds>
    bool Accepts(int iRow, const QModelIndex& miParent, ValueLook enumLook, Finds finds) const
    {
        if (!pModel)
            return true;
        if (iKeyColumn >= 0)
            return AcceptsKeyCell(iRow, miParent, finds);
        const int iColumns = pModel->columnCount(miParent);
        if (enumLook == ValueLook::Skipped || HasAnyValue(iRow, miParent, iColumns)) {
            for (int iColumn = 0; iColumn < iColumns; ++iColumn) {
                if (!finds(pModel->index(iRow, iColumn, miParent).data(iRole).toString()))
                    continue;
                if (enumMode == CSortFilterModel::FilterContain)
                    return true;
                if (enumMode == CSortFilterModel::FilterNotContain)
                    return false;
            }
        }
        return enumMode != CSortFilterModel::FilterContain;
    }

private:
    bool HasAnyValue(int iRow, const QModelIndex& miParent, int iColumns) const
    {
        for (int iColumn = 0; iColumn < iColumns; ++iColumn) {
            if (pModel->index(iRow, iColumn, miParent).data(iRole).isValid())
                return true;
        }
        return false;
    }

    // A missing cell or value cannot be judged, so the row stays.
    template <class Finds>
    bool AcceptsKeyCell(int iRow, const QModelIndex& miParent, Finds finds) const
    {
        const QModelIndex miCell = pModel->index(iRow, iKeyColumn, miParent);
        const QVariant value = miCell.data(iRole);
        if (!miCell.isValid() || !value.isValid())
            return true;
        const bool bFound = finds(value.toString());
        if (enumMode == CSortFilterModel::FilterContain)
            return bFound;
        if (enumMode == CSortFilterModel::FilterNotContain)
            return !bFound;
        return true;
    }
};

} // namespace RowFilter
} // namespace OrvaGUIToolkit

#endif
