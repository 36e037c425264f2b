#ifndef ORVAGUITOOLKIT_ITEMVIEW_COMBINATIONMODEL_H
#define ORVAGUITOOLKIT_ITEMVIEW_COMBINATIONMODEL_H

#include <OrvaGUIToolkit/ItemView/ModelKeyMapping.h>

#include <QtCore/QAbstractItemModel>
#include <QtCore/QVector>

#include <memory>

namespace OrvaGUIToolkit {

class CCombination_ModelPrivate;

// Several source models shown as one. The top-level rows of the sources
// follow one another in the order the models were added; when the root
// model has rows, they all hang under its row 0. Below the top level each
// row shows its source's own tree. Columns and header data come from the
// root model. The sources are not owned: a source deleted elsewhere leaves
// the combination through its destroyed signal.
class ORVAGUITOOLKIT_EXPORT CCombination_Model : public QAbstractItemModel, public CModelKeyMapping
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CCombination_Model)

public:
    explicit CCombination_Model(QObject* pParent = nullptr);
    ~CCombination_Model() override;

    // Only before any source, fallback root or earlier root; ignored otherwise.
    void SetRootModel(QAbstractItemModel* pModel);
    QAbstractItemModel* GetRootModel() const;
    void SetColumnCount(int iCount);

    bool AddModel(QAbstractItemModel* pModel);
    bool InsertModel(int iPosition, QAbstractItemModel* pModel);
    bool RemoveModel(QAbstractItemModel* pModel);
    bool DeleteModel(QAbstractItemModel* pModel);
    void RemoveAllModels();
    void DeleteAllModels();
    QAbstractItemModel* GetModel(int iIndex) const;
    int GetModelCount() const;
    void GetAllModels(QVector<QAbstractItemModel*>& vecModels) const;
    QAbstractItemModel* GetModelByProxyIndex(const QModelIndex& miIndex) const;

    QModelIndex MapToSource(const QModelIndex& miIndex) const;
    QModelIndex MapFromSource(const QModelIndex& miSource) const;

    QModelIndex index(int iRow, int iColumn, const QModelIndex& miParent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& miIndex) const override;
    int rowCount(const QModelIndex& miParent = QModelIndex()) const override;
    int columnCount(const QModelIndex& miParent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& miParent = QModelIndex()) const override;
    QVariant data(const QModelIndex& miIndex, int iRole = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& miIndex, const QVariant& value, int iRole = Qt::EditRole) override;
    QVariant headerData(int iSection, Qt::Orientation enumOrientation, int iRole = Qt::DisplayRole) const override;
    bool setHeaderData(int iSection, Qt::Orientation enumOrientation, const QVariant& value,
                       int iRole = Qt::EditRole) override;
    bool insertRows(int iRow, int iCount, const QModelIndex& miParent = QModelIndex()) override;
    bool insertColumns(int iColumn, int iCount, const QModelIndex& miParent = QModelIndex()) override;
    bool removeRows(int iRow, int iCount, const QModelIndex& miParent = QModelIndex()) override;
    bool removeColumns(int iColumn, int iCount, const QModelIndex& miParent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex& miIndex) const override;

public Q_SLOTS:
    void OnSourceDataChanged(const QModelIndex& miTopLeft, const QModelIndex& miBottomRight);
    void OnSourceAboutToBeReset();
    void OnSourceReset();
    void OnSourceModelDestroyed(QObject* pObject);
    void OnSourceLayoutAboutToBeChanged();
    void OnSourceLayoutChanged();
    void OnSourceRowsAboutToBeInserted(const QModelIndex& miParent, int iStart, int iEnd);
    void OnSourceRowsInserted(const QModelIndex& miParent, int iStart, int iEnd);
    void OnSourceRowsAboutToBeRemoved(const QModelIndex& miParent, int iStart, int iEnd);
    void OnSourceRowsRemoved(const QModelIndex& miParent, int iStart, int iEnd);
    void OnSourceColumnsAboutToBeInserted(const QModelIndex& miParent, int iStart, int iEnd);
    void OnSourceColumnsInserted(const QModelIndex& miParent, int iStart, int iEnd);
    void OnSourceColumnsAboutToBeRemoved(const QModelIndex& miParent, int iStart, int iEnd);
    void OnSourceColumnsRemoved(const QModelIndex& miParent, int iStart, int iEnd);
    void OnClearMapping();
    void OnRootDataChanged(const QModelIndex& miTopLeft, const QModelIndex& miBottomRight);
    void OnRootHeaderDataChanged(Qt::Orientation enumOrientation, int iFirst, int iLast);
    void OnRootRowsAboutToBeInserted(const QModelIndex& miParent, int iStart, int iEnd);
    void OnRootRowsInserted(const QModelIndex& miParent, int iStart, int iEnd);
    void OnRootRowsAboutToBeRemoved(const QModelIndex& miParent, int iStart, int iEnd);
    void OnRootRowsRemoved(const QModelIndex& miParent, int iStart, int iEnd);
    void OnRootModelDestroyed(QObject* pObject);

protected:
    CCombination_Model(CCombination_ModelPrivate& dd, QObject* pParent);

    const std::unique_ptr<CCombination_ModelPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
