#ifndef ORVAGUITOOLKIT_ITEMVIEW_TREEVIEWMODEL_H
#define ORVAGUITOOLKIT_ITEMVIEW_TREEVIEWMODEL_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QAbstractItemModel>
#include <QtCore/QList>

#include <memory>

namespace OrvaGUIToolkit {

class CTreeViewItem;
class CTreeViewModelPrivate;

// A tree model over CTreeViewItem nodes. The hidden root item holds the
// horizontal header (section n in column n) and decides the column count; a
// model index carries its node as internal pointer. Each node keeps its own
// columns: an index may name a column past the column count, and writing to
// it grows that node alone. A parent index stands for its node whatever its
// column, so the children of a row are reached through any of its cells.
class ORVAGUITOOLKIT_EXPORT CTreeViewModel : public QAbstractItemModel
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CTreeViewModel)

public:
    explicit CTreeViewModel(QObject* pParent = nullptr);
    ~CTreeViewModel() override;

    CTreeViewItem* RootItem() const;
    // The node of a valid index of this model, else the root.
    CTreeViewItem* GetItem(const QModelIndex& miIndex) const;

    QModelIndex index(int iRow, int iColumn, const QModelIndex& miParent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& miIndex) const override;
    int rowCount(const QModelIndex& miParent = QModelIndex()) const override;
    int columnCount(const QModelIndex& miParent = QModelIndex()) const override;
    QVariant data(const QModelIndex& miIndex, int iRole = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& miIndex, const QVariant& value, int iRole = Qt::EditRole) override;
    QVariant headerData(int iSection, Qt::Orientation enumOrientation, int iRole = Qt::DisplayRole) const override;
    bool setHeaderData(int iSection, Qt::Orientation enumOrientation, const QVariant& value,
                       int iRole = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& miIndex) const override;

    bool insertColumns(int iPosition, int iColumns, const QModelIndex& miParent = QModelIndex()) override;
    bool removeColumns(int iPosition, int iColumns, const QModelIndex& miParent = QModelIndex()) override;
    bool insertRows(int iPosition, int iRows, const QModelIndex& miParent = QModelIndex()) override;
    bool removeRows(int iPosition, int iRows, const QModelIndex& miParent = QModelIndex()) override;
    // Inserts a detached item; the model owns it afterwards.
    bool insertRow(CTreeViewItem* pItem, int iRow, const QModelIndex& miParent = QModelIndex());
    // Inserts detached items at iRow, in list order; the model owns them afterwards.
    bool insertRows(int iRow, const QList<CTreeViewItem*>& listItems, const QModelIndex& miParent = QModelIndex());
    using QAbstractItemModel::insertRows;

    // Removes every row and resets the model.
    void Clear();

protected:
    CTreeViewModel(CTreeViewModelPrivate& dd, QObject* pParent);

    const std::unique_ptr<CTreeViewModelPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
