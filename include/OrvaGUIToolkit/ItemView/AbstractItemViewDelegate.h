#ifndef ORVAGUITOOLKIT_ITEMVIEW_ABSTRACTITEMVIEWDELEGATE_H
#define ORVAGUITOOLKIT_ITEMVIEW_ABSTRACTITEMVIEWDELEGATE_H

#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>
#include <OrvaGUIToolkit/ItemView/StyleOptionViewItemV5.h>

#include <QtGui/QHelpEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QStyledItemDelegate>

#include <memory>

namespace OrvaGUIToolkit {

class CAbstractItemViewDelegatePrivate;

// The delegate of the toolkit's views: draws the grid line under each cell and
// shows tool tips (the tool-tip text of a cell, else its text). The views call
// OnMouseEvent() and OnHoverEvent() through the meta-object, so that a
// delegate can report which part of a cell was clicked.
class ORVAGUITOOLKIT_EXPORT CAbstractItemViewDelegate : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CAbstractItemViewDelegate)

public:
    explicit CAbstractItemViewDelegate(QObject* pParent = nullptr);
    ~CAbstractItemViewDelegate() override;

    // Painting after the row: the grid line along the bottom of the cell.
    virtual void PaintOther(QPainter* pPainter, const CStyleOptionViewItemV5& option,
                            const QModelIndex& miIndex) const;

    bool helpEvent(QHelpEvent* pEvent, QAbstractItemView* pView, const QStyleOptionViewItem& optionItem,
                   const QModelIndex& miIndex) override;
    Q_INVOKABLE virtual void OnHoverEvent(QHoverEvent* pHoverEvent, QAbstractItemView* pView,
                                          const QStyleOptionViewItem& optionItem, const QModelIndex& miIndex);
    // The part of the cell under the mouse; NoItemRole here.
    Q_INVOKABLE virtual OrvaGUIToolkit::CItemDataRole OnMouseEvent(QMouseEvent* pMouseEvent, QAbstractItemView* pView,
                                                                   const QStyleOptionViewItem& optionItem,
                                                                   const QModelIndex& miIndex);

protected:
    CAbstractItemViewDelegate(CAbstractItemViewDelegatePrivate& dd, QObject* pParent);

    const std::unique_ptr<CAbstractItemViewDelegatePrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
