#ifndef ORVAGUITOOLKIT_ITEMVIEW_TABLEWIDGET_H
#define ORVAGUITOOLKIT_ITEMVIEW_TABLEWIDGET_H

#include <OrvaGUIToolkit/ItemView/TableView.h>

#include <QtGui/QPixmap>

namespace OrvaGUIToolkit {

class CTableWidgetPrivate;
class CTreeViewItem;

// A ready-made table over its own CTreeViewModel, filled cell by cell by row
// and column. The model cannot be replaced.
class ORVAGUITOOLKIT_EXPORT CTableWidget : public CTableView
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CTableWidget)

public:
    explicit CTableWidget(QWidget* pParent = nullptr);
    ~CTableWidget() override;

    // Does nothing: the table keeps the model it was made with.
    void setModel(QAbstractItemModel* pModel) override;

    bool SetText(int iRow, int iColumn, const QString& strText);
    QString GetText(int iRow, int iColumn) const;
    bool SetCheckState(int iRow, int iColumn, bool bChecked);
    bool SetButtonState(int iRow, int iColumn, const QPixmap& pixmap);
    bool SetMaxLength(int iRow, int iColumn, int iLength);
    bool SetItemWidget(int iRow, int iColumn, QWidget* pWidget);
    bool SetFlags(int iRow, int iColumn, Qt::ItemFlags enumFlags);
    Qt::ItemFlags GetFlags(int iRow, int iColumn) const;
    bool SetUserDefineData(int iRow, int iColumn, const QVariant& value, int iRole);
    QVariant GetUserDefineData(int iRow, int iColumn, int iRole) const;

    void SetHeaderLabels(const QStringList& listLabels);
    bool SetHeaderLabel(int iSection, const QString& strText);
    void SetColumnCount(int iCount);
    bool SetHeaderCheckable(int iSection, bool bCheckable);
    bool SetHeaderCheckState(int iSection, bool bChecked);

    bool AddTopLevelItem();
    int AddBottomLevelItem();
    int InsertItem(int iRow);
    bool RemoveItem(int iRow);
    bool TakeBottomLevelRow();
    bool AddTopLevelItems(const QList<CTreeViewItem*>& listItems);
    int TopLevelItemCount() const;
    void Clear();
    QModelIndex GetIndex(int iRow, int iColumn, const QModelIndex& miParent = QModelIndex()) const;
    CTreeViewItem* GetItemFromIndex(const QModelIndex& miIndex) const;

private:
    bool EnsureColumn(int iColumn);
};

} // namespace OrvaGUIToolkit

#endif
