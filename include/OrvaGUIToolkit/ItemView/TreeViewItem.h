#ifndef ORVAGUITOOLKIT_ITEMVIEW_TREEVIEWITEM_H
#define ORVAGUITOOLKIT_ITEMVIEW_TREEVIEWITEM_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QList>
#include <QtCore/QVariant>
#include <QtGui/QBrush>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QIcon>

#include <memory>

namespace OrvaGUIToolkit {

class CTreeViewItemPrivate;

// One node of a CTreeViewModel: owned children in row order, a parent link and,
// per column, a short list of (role, value) pairs. Qt::EditRole and
// Qt::DisplayRole share one value; the item flags are kept as data under role
// 31 and default to selectable, drop-enabled, user-checkable and enabled.
class ORVAGUITOOLKIT_EXPORT CTreeViewItem
{
    Q_DECLARE_PRIVATE(CTreeViewItem)

public:
    explicit CTreeViewItem(CTreeViewItem* pParent = nullptr);
    // A copy shares the parent link and the children of other but does not own
    // those children: only the item they were inserted into deletes them.
    CTreeViewItem(const CTreeViewItem& other);
    CTreeViewItem& operator=(const CTreeViewItem& other);
    virtual ~CTreeViewItem();

    CTreeViewItem* Child(int iRow) const;
    int ChildCount() const;
    int ColumnCount() const;
    int ChildNumber() const;
    CTreeViewItem* parent() const;
    void SetParent(CTreeViewItem* pParent);

    QVariant data(int iColumn, int iRole) const;
    bool SetData(int iColumn, int iRole, const QVariant& value);

    bool InsertChildren(int iPosition, int iCount, int iColumns);
    bool InsertChild(int iPosition, CTreeViewItem* pItem);
    bool InsertChilds(int iPosition, const QList<CTreeViewItem*>& listItems);
    bool RemoveChildren(int iPosition, int iCount);
    bool InsertColumns(int iPosition, int iColumns);
    bool RemoveColumns(int iPosition, int iColumns);

    void SetText(int iColumn, const QString& strText);
    void SetIcon(int iColumn, const QIcon& icon);
    void SetToolTip(int iColumn, const QString& strToolTip);
    void SetStatusTip(int iColumn, const QString& strStatusTip);
    void SetWhatsThis(int iColumn, const QString& strWhatsThis);
    QFont font(int iColumn) const;
    void setFont(int iColumn, const QFont& font);
    int TextAlignment(int iColumn) const;
    void SetTextAlignment(int iColumn, int iAlignment);
    QColor BackgroundColor(int iColumn) const;
    void SetBackgroundColor(int iColumn, const QColor& color);
    QBrush Background(int iColumn) const;
    void SetBackground(int iColumn, const QBrush& brush);
    QColor TextColor(int iColumn) const;
    void SetTextColor(int iColumn, const QColor& color);
    QBrush Foreground(int iColumn) const;
    void SetForeground(int iColumn, const QBrush& brush);
    int checkState(int iColumn) const;
    void SetCheckBoxState(int iColumn, Qt::CheckState enumState);
    void SetCheckBoxState(int iColumn, bool bChecked);
    int CheckBoxAlignment(int iColumn) const;
    void SetCheckBoxAlignment(int iColumn, int iAlignment);
    Qt::ItemFlags GetFlags(int iColumn) const;
    void SetFlags(int iColumn, Qt::ItemFlags enumFlags);
    void SetEnabled(int iColumn, bool bEnabled);

protected:
    CTreeViewItem(CTreeViewItemPrivate& dd, CTreeViewItem* pParent);
    void ChangeFlags(int iColumn, bool bOn, Qt::ItemFlags enumFlags);

    std::unique_ptr<CTreeViewItemPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
