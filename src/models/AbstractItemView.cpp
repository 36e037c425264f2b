#include <OrvaGUIToolkit/ItemView/AbstractItemView.h>

#include <OrvaGUIToolkit/ItemView/AbstractItemViewDelegate.h>
#include <OrvaGUIToolkit/ItemView/HeaderView.h>
#include <OrvaGUIToolkit/ScrollBar/HorScrollBar.h>
#include <OrvaGUIToolkit/ScrollBar/VerScrollBar.h>

#include "models/AbstractItemViewPrivate.h"
#include "models/internal/ItemEventPosition.h"

#include <QtCore/QPointer>
#include <QtCore/QTimerEvent>
#include <QtGui/QMouseEvent>

namespace OrvaGUIToolkit {

namespace {

const int s_iResizeDelayMs = 50;

// Whether pDelegate declares the invokable handler; plain delegates do not
// and are left alone.
bool HasHandler(const QAbstractItemDelegate* pDelegate, const char* pszSignature)
{
    return pDelegate && pDelegate->metaObject()->indexOfMethod(pszSignature) >= 0;
}

} // namespace

CAbstractItemViewPrivate::~CAbstractItemViewPrivate() = default;

CAbstractItemView::CAbstractItemView(QWidget* pParent)
    : CAbstractItemView(*new CAbstractItemViewPrivate, pParent)
{
}

CAbstractItemView::CAbstractItemView(CAbstractItemViewPrivate& dd, QWidget* pParent)
    : QTreeView(pParent)
    , d_ptr(&dd)
{
    d_ptr->q_ptr = this;
    setHorizontalScrollBar(new CHorScrollBar(this));
    setVerticalScrollBar(new CVerScrollBar(this));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CAbstractItemView::OnResizeColumnToContents);
    connect(this, &QTreeView::expanded, this, &CAbstractItemView::OnResizeColumnToContents);
    connect(this, &QTreeView::collapsed, this, &CAbstractItemView::OnResizeColumnToContents);

    auto* pHeader = new CHeaderView(Qt::Horizontal, this);
    // The tree view sets the header's clickability from its sorting switch;
    // the check box needs clicks whatever the sorting.
    setHeader(pHeader);
    pHeader->setSectionsClickable(true);
    pHeader->setSectionsMovable(false);
    connect(pHeader, &CHeaderView::SignalCheckStateChanged, this, &CAbstractItemView::SignalHeaderCheckStateChanged);

    setAllColumnsShowFocus(true);
    setItemDelegate(new CAbstractItemViewDelegate(this));
    // Hover events reach the delegates, which change the cursor over images.
    viewport()->setAttribute(Qt::WA_Hover, true);
}

CAbstractItemView::~CAbstractItemView() = default;

void CAbstractItemView::ShowGridLine(bool bShow)
{
    d_func()->m_bShowGridLine = bShow;
    viewport()->update();
}

bool CAbstractItemView::IsGridLineShown() const
{
    return d_func()->m_bShowGridLine;
}

void CAbstractItemView::SetGridLineColor(const QColor& color)
{
    d_func()->m_colorGridLine = color;
    viewport()->update();
}

QColor CAbstractItemView::GetGridLineColor() const
{
    return d_func()->m_colorGridLine;
}

void CAbstractItemView::SetColumnResizeToContents(int iColumn)
{
    d_func()->m_iResizeToContentsColumn = iColumn;
    OnResizeColumnToContents();
}

int CAbstractItemView::GetColumnResizeToContents() const
{
    return d_func()->m_iResizeToContentsColumn;
}

void CAbstractItemView::OnResizeColumnToContents()
{
    Q_D(CAbstractItemView);
    if (d->m_iResizeToContentsColumn == -1)
        return;
    d->m_timerResize.start(s_iResizeDelayMs, this);
}

void CAbstractItemView::timerEvent(QTimerEvent* pEvent)
{
    Q_D(CAbstractItemView);
    if (pEvent->timerId() != d->m_timerResize.timerId()) {
        QTreeView::timerEvent(pEvent);
        return;
    }
    d->m_timerResize.stop();
    if (model() && model()->rowCount(rootIndex()) > 0)
        resizeColumnToContents(d->m_iResizeToContentsColumn);
}

QStyleOptionViewItem CAbstractItemView::ItemOption(const QModelIndex& miIndex) const
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QStyleOptionViewItem option;
    initViewItemOption(&option);
#else
    QStyleOptionViewItem option = viewOptions();
#endif
    option.rect = visualRect(miIndex);
    return option;
}

QAbstractItemDelegate* CAbstractItemView::DelegateOf(const QModelIndex& miIndex) const
{
    if (QAbstractItemDelegate* pRowDelegate = itemDelegateForRow(miIndex.row()))
        return pRowDelegate;
    if (QAbstractItemDelegate* pColumnDelegate = itemDelegateForColumn(miIndex.column()))
        return pColumnDelegate;
    return itemDelegate();
}

// After the row, each cell's delegate draws its grid line.
void CAbstractItemView::drawRow(QPainter* pPainter, const QStyleOptionViewItem& option,
                                const QModelIndex& miIndex) const
{
    Q_D(const CAbstractItemView);
    QTreeView::drawRow(pPainter, option, miIndex);
    if (!model())
        return;
    const int iColumns = model()->columnCount(miIndex.parent());
    for (int iColumn = 0; iColumn < iColumns; ++iColumn) {
        if (isColumnHidden(iColumn))
            continue;
        const QModelIndex miCell = miIndex.sibling(miIndex.row(), iColumn);
        auto* pDelegate = qobject_cast<CAbstractItemViewDelegate*>(DelegateOf(miCell));
        if (!pDelegate)
            continue;
        CStyleOptionViewItemV5 optionCell(option);
        optionCell.rect = QRect(columnViewportPosition(iColumn), option.rect.y(), columnWidth(iColumn),
                                option.rect.height());
        optionCell.m_bShowGridLine = d->m_bShowGridLine;
        optionCell.m_colorGridLine = d->m_colorGridLine;
        pDelegate->PaintOther(pPainter, optionCell, miCell);
    }
}

bool CAbstractItemView::viewportEvent(QEvent* pEvent)
{
    QPointer<CAbstractItemView> pGuard(this);
    const bool bResult = QTreeView::viewportEvent(pEvent);
    if (!pGuard)
        return bResult;
    switch (pEvent->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        CallMouseHandler(static_cast<QMouseEvent*>(pEvent));
        break;
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
        CallHoverHandler(static_cast<QHoverEvent*>(pEvent));
        break;
    default:
        break;
    }
    return bResult;
}

// The delegate tells which image of the cell was hit; a left release is
// reported as a click on the cell and, when an image was hit, on the image.
void CAbstractItemView::CallMouseHandler(QMouseEvent* pEvent)
{
    const QModelIndex miIndex = indexAt(EventLocalPos(pEvent));
    CItemDataRole enumRole = NoItemRole;
    QAbstractItemDelegate* pDelegate = DelegateOf(miIndex);
    if (HasHandler(pDelegate, "OnMouseEvent(QMouseEvent*,QAbstractItemView*,QStyleOptionViewItem,QModelIndex)"))
        QMetaObject::invokeMethod(pDelegate, "OnMouseEvent", Qt::DirectConnection,
                                  Q_RETURN_ARG(OrvaGUIToolkit::CItemDataRole, enumRole),
                                  Q_ARG(QMouseEvent*, pEvent), Q_ARG(QAbstractItemView*, this),
                                  Q_ARG(QStyleOptionViewItem, ItemOption(miIndex)), Q_ARG(QModelIndex, miIndex));
    if (pEvent->type() != QEvent::MouseButtonRelease || pEvent->button() != Qt::LeftButton)
        return;
    QPointer<CAbstractItemView> pGuard(this);
    Q_EMIT SignalClicked(miIndex);
    if (pGuard && enumRole != NoItemRole)
        Q_EMIT SignalClicked(miIndex, enumRole);
}

void CAbstractItemView::CallHoverHandler(QHoverEvent* pEvent)
{
    const QModelIndex miIndex = indexAt(EventLocalPos(pEvent));
    QAbstractItemDelegate* pDelegate = DelegateOf(miIndex);
    if (!HasHandler(pDelegate, "OnHoverEvent(QHoverEvent*,QAbstractItemView*,QStyleOptionViewItem,QModelIndex)"))
        return;
    QMetaObject::invokeMethod(pDelegate, "OnHoverEvent", Qt::DirectConnection, Q_ARG(QHoverEvent*, pEvent),
                              Q_ARG(QAbstractItemView*, this), Q_ARG(QStyleOptionViewItem, ItemOption(miIndex)),
                              Q_ARG(QModelIndex, miIndex));
}

void CAbstractItemView::resizeEvent(QResizeEvent* pEvent)
{
    QTreeView::resizeEvent(pEvent);
    OnResizeColumnToContents();
}

void CAbstractItemView::dataChanged(const QModelIndex& miTopLeft, const QModelIndex& miBottomRight,
                                    const QVector<int>& vecRoles)
{
    QTreeView::dataChanged(miTopLeft, miBottomRight, vecRoles);
    OnResizeColumnToContents();
}

void CAbstractItemView::rowsInserted(const QModelIndex& miParent, int iStart, int iEnd)
{
    QTreeView::rowsInserted(miParent, iStart, iEnd);
    OnResizeColumnToContents();
}

void CAbstractItemView::rowsAboutToBeRemoved(const QModelIndex& miParent, int iStart, int iEnd)
{
    QTreeView::rowsAboutToBeRemoved(miParent, iStart, iEnd);
    OnResizeColumnToContents();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_AbstractItemView.cpp"
