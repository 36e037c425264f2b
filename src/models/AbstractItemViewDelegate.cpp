#include <OrvaGUIToolkit/ItemView/AbstractItemViewDelegate.h>

#include "models/AbstractItemViewDelegatePrivate.h"

#include <QtGui/QPainter>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QToolTip>

namespace OrvaGUIToolkit {

CAbstractItemViewDelegatePrivate::~CAbstractItemViewDelegatePrivate() = default;

CAbstractItemViewDelegate::CAbstractItemViewDelegate(QObject* pParent)
    : CAbstractItemViewDelegate(*new CAbstractItemViewDelegatePrivate, pParent)
{
}

CAbstractItemViewDelegate::CAbstractItemViewDelegate(CAbstractItemViewDelegatePrivate& dd, QObject* pParent)
    : QStyledItemDelegate(pParent)
    , d_ptr(&dd)
{
    d_ptr->q_ptr = this;
}

CAbstractItemViewDelegate::~CAbstractItemViewDelegate() = default;

void CAbstractItemViewDelegate::PaintOther(QPainter* pPainter, const CStyleOptionViewItemV5& option,
                                           const QModelIndex& /*miIndex*/) const
{
    if (!pPainter || !option.m_bShowGridLine)
        return;
    pPainter->save();
    pPainter->setPen(option.m_colorGridLine);
    pPainter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    pPainter->restore();
}

bool CAbstractItemViewDelegate::helpEvent(QHelpEvent* pEvent, QAbstractItemView* pView,
                                          const QStyleOptionViewItem& optionItem, const QModelIndex& miIndex)
{
    if (!pEvent || !pView)
        return false;
    if (pEvent->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(pEvent, pView, optionItem, miIndex);
    QString strText;
    if (qobject_cast<QHeaderView*>(pView)) {
        strText = optionItem.text;
    } else {
        strText = miIndex.data(Qt::ToolTipRole).toString();
        if (strText.isEmpty())
            strText = miIndex.data(Qt::DisplayRole).toString();
    }
    if (strText.isEmpty())
        return false;
    QToolTip::showText(pEvent->globalPos(), strText, pView, optionItem.rect);
    return true;
}

void CAbstractItemViewDelegate::OnHoverEvent(QHoverEvent* /*pHoverEvent*/, QAbstractItemView* /*pView*/,
                                             const QStyleOptionViewItem& /*optionItem*/,
                                             const QModelIndex& /*miIndex*/)
{
}

CItemDataRole CAbstractItemViewDelegate::OnMouseEvent(QMouseEvent* /*pMouseEvent*/, QAbstractItemView* /*pView*/,
                                                      const QStyleOptionViewItem& /*optionItem*/,
                                                      const QModelIndex& /*miIndex*/)
{
    return NoItemRole;
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_AbstractItemViewDelegate.cpp"
