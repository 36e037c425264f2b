#include "TabItem.h"

#include <QtCore/QMimeData>
#include <QtGui/QPainter>
#include <QtWidgets/QGraphicsScene>
#include <QtWidgets/QGraphicsSceneDragDropEvent>
#include <QtWidgets/QGraphicsSceneHoverEvent>
#include <QtWidgets/QGraphicsSceneMouseEvent>

namespace OrvaGUIToolkit {

namespace {

constexpr int s_iBaseWidth = 40;
constexpr int s_iIconSize = 24;
constexpr int s_iIconGap = 24;
constexpr int s_iTextGap = 20;
constexpr int s_iCloseSize = 12;
constexpr int s_iTextPixelSize = 16;

} // namespace

bool IsTabDrag(const QGraphicsSceneDragDropEvent* pEvent)
{
    const QMimeData* pMime = pEvent ? pEvent->mimeData() : nullptr;
    return pMime && pMime->dynamicPropertyNames().contains("TabItemData");
}

CTabItem::CTabItem(const QIcon& iconSel, const QIcon& iconUnSel, const QString& strText, QGraphicsItem* pParent)
    : QGraphicsObject(pParent)
    , m_strText(strText)
    , m_iconSel(iconSel)
    , m_iconUnSel(iconUnSel)
{
    SetToolTip(strText);
    setAcceptDrops(true);
    setAcceptHoverEvents(true);
    setAcceptedMouseButtons(Qt::LeftButton);
}

QFont CTabItem::TextFont() const
{
    QFont font = scene() ? scene()->font() : QFont();
    font.setPixelSize(s_iTextPixelSize);
    return font;
}

QIcon CTabItem::CurrentIcon() const
{
    return m_bSelected ? m_iconSel : m_iconUnSel;
}

int CTabItem::Width() const
{
    if (m_bVertical)
        return m_sizeStrip.width();
    int iWidth = s_iBaseWidth;
    if (!CurrentIcon().isNull())
        iWidth += s_iIconGap;
    if (!m_strText.isEmpty())
        iWidth += s_iTextGap + QFontMetrics(TextFont()).horizontalAdvance(m_strText);
    return iWidth;
}

int CTabItem::Height() const
{
    return m_bVertical ? s_iVerticalHeight : s_iHorizontalHeight;
}

int CTabItem::Length() const
{
    return m_bVertical ? Height() : Width();
}

QRectF CTabItem::boundingRect() const
{
    return QRectF(0, 0, Width(), Height());
}

QRectF CTabItem::CloseRect() const
{
    const qreal dX = m_enumDirection == Qt::RightToLeft ? 5 : Width() - 17;
    return QRectF(dX, 2, s_iCloseSize, s_iCloseSize);
}

void CTabItem::SetToolTip(const QString& strToolTip)
{
    m_strToolTip = strToolTip;
    setToolTip(strToolTip);
}

void CTabItem::SetSelected(bool bSelected)
{
    if (m_bSelected == bSelected)
        return;
    // The width follows the icon of the current state.
    prepareGeometryChange();
    m_bSelected = bSelected;
    update();
}

void CTabItem::SetFixed(bool bFixed)
{
    m_bFixed = bFixed;
    update();
}

void CTabItem::SetHover(bool bHover)
{
    m_bHover = bHover;
    update();
}

void CTabItem::SetCloseVisible(bool bVisible)
{
    m_bCloseVisible = bVisible;
    update();
}

void CTabItem::SetDropIndicator(bool bShown, bool bBefore)
{
    m_bDropIndicator = bShown;
    m_bDropBefore = bBefore;
    update();
}

void CTabItem::SetVertical(bool bVertical)
{
    if (m_bVertical == bVertical)
        return;
    prepareGeometryChange();
    m_bVertical = bVertical;
}

void CTabItem::SetStripSize(const QSize& size)
{
    if (m_sizeStrip == size)
        return;
    prepareGeometryChange();
    m_sizeStrip = size;
}

void CTabItem::SetWritingDirection(Qt::LayoutDirection enumDirection)
{
    m_enumDirection = enumDirection;
    update();
}

void CTabItem::SetPixmaps(const QPixmap& pmSel, const QPixmap& pmUnSel, const QPixmap& pmClose,
                          const QPixmap& pmCloseHover, const QPixmap& pmTabLine)
{
    m_pmSel = pmSel;
    m_pmUnSel = pmUnSel;
    m_pmClose = pmClose;
    m_pmCloseHover = pmCloseHover;
    m_pmTabLine = pmTabLine;
    update();
}

void CTabItem::SetTextColors(const QColor& colorText, const QColor& colorSelText)
{
    if (colorText.isValid())
        m_colorText = colorText;
    if (colorSelText.isValid())
        m_colorSelText = colorSelText;
    update();
}

void CTabItem::paint(QPainter* pPainter, const QStyleOptionGraphicsItem*, QWidget*)
{
    pPainter->save();
    pPainter->setPen(Qt::NoPen);
    if (m_bVertical)
        PaintVertical(pPainter);
    else
        PaintHorizontal(pPainter);
    PaintDropIndicator(pPainter);
    pPainter->restore();
}

void CTabItem::PaintHorizontal(QPainter* pPainter)
{
    const int iWidth = Width();
    const bool bRightToLeft = m_enumDirection == Qt::RightToLeft;
    const QPixmap& pmBackground = m_bSelected ? m_pmSel : m_pmUnSel;
    if (!pmBackground.isNull()) {
        pPainter->setBrush(QBrush(pmBackground));
        pPainter->drawRect(QRectF(3, 0, iWidth - 8, Height()));
    }

    int iTextX = bRightToLeft ? 18 : s_iTextGap;
    const QIcon icon = (m_bSelected || m_bHover) ? m_iconSel : m_iconUnSel;
    if (!CurrentIcon().isNull() && !icon.isNull()) {
        // Centred in the strip's height, whatever the tab's own offset.
        const int iStripHeight = m_sizeStrip.isEmpty() ? Height() : m_sizeStrip.height();
        const int iIconY = int((iStripHeight - s_iIconSize) / 2 - pos().y());
        const int iIconX = bRightToLeft ? iWidth - s_iTextGap - s_iIconSize : s_iTextGap;
        icon.paint(pPainter, QRect(iIconX, iIconY, s_iIconSize, s_iIconSize));
        if (!bRightToLeft)
            iTextX = s_iTextGap + s_iIconSize + 10;
    }

    if (!m_strText.isEmpty()) {
        pPainter->setFont(TextFont());
        pPainter->setPen(m_bSelected ? m_colorSelText : m_colorText);
        pPainter->drawText(QPointF(iTextX, 25), m_strText);
        pPainter->setPen(Qt::NoPen);
    }

    if (m_bCloseVisible) {
        const QRectF rectClose = CloseRect();
        if (m_bCloseHover && !m_pmCloseHover.isNull())
            pPainter->drawPixmap(rectClose.topLeft(), m_pmCloseHover.scaled(s_iCloseSize, s_iCloseSize));
        else if (m_bSelected && !m_pmClose.isNull())
            pPainter->drawPixmap(rectClose.topLeft(), m_pmClose.scaled(s_iCloseSize, s_iCloseSize));
    }

    if (!m_pmTabLine.isNull()) {
        const qreal dLineX = bRightToLeft ? 0 : iWidth - m_pmTabLine.width();
        const qreal dLineY = (Height() - m_pmTabLine.height()) / 2.0;
        pPainter->drawPixmap(QPointF(dLineX, dLineY), m_pmTabLine);
    }
}

void CTabItem::PaintVertical(QPainter* pPainter)
{
    const QRectF rectTab = boundingRect();
    const QPixmap& pmBackground = m_bSelected ? m_pmSel : m_pmUnSel;
    if (!pmBackground.isNull())
        pPainter->drawPixmap(rectTab.toRect(), pmBackground);
    if (m_bHover)
        pPainter->fillRect(rectTab, QColor(36, 34, 34, 100));

    const QIcon icon = (m_bSelected || m_bHover) ? m_iconSel : m_iconUnSel;
    const bool bHasText = !m_strText.isEmpty();
    const int iIconY = bHasText ? 8 : (Height() - s_iIconSize) / 2;
    if (!icon.isNull())
        icon.paint(pPainter, QRect((Width() - s_iIconSize) / 2, iIconY, s_iIconSize, s_iIconSize));
    if (bHasText) {
        // Below the icon in a smaller face, elided to the strip's width.
        QFont font = TextFont();
        font.setPixelSize(11);
        pPainter->setFont(font);
        pPainter->setPen(m_bSelected ? m_colorSelText : m_colorText);
        const QRectF rectText(2, icon.isNull() ? 0 : 36, Width() - 4, icon.isNull() ? Height() : 22);
        const QString strShown = QFontMetrics(font).elidedText(m_strText, Qt::ElideRight, int(rectText.width()));
        pPainter->drawText(rectText, Qt::AlignCenter, strShown);
        pPainter->setPen(Qt::NoPen);
    }
}

void CTabItem::PaintDropIndicator(QPainter* pPainter)
{
    if (!m_bDropIndicator)
        return;
    const QColor colorBar(0, 0, 255);
    if (m_bVertical)
        pPainter->fillRect(QRectF(0, m_bDropBefore ? 0 : Height() - 3, Width(), 3), colorBar);
    else
        pPainter->fillRect(QRectF(m_bDropBefore ? 0 : Width() - 3, 0, 3, Height()), colorBar);
}

void CTabItem::mousePressEvent(QGraphicsSceneMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton) {
        pEvent->ignore();
        return;
    }
    pEvent->accept();
    if (m_bCloseVisible && !m_bVertical && CloseRect().contains(pEvent->pos()))
        Q_EMIT SignalCloseTabItem();
    else
        Q_EMIT SignalItemSelected();
}

void CTabItem::hoverEnterEvent(QGraphicsSceneHoverEvent* pEvent)
{
    m_bHover = true;
    m_bCloseHover = CloseRect().contains(pEvent->pos());
    update();
}

void CTabItem::hoverMoveEvent(QGraphicsSceneHoverEvent* pEvent)
{
    const bool bCloseHover = CloseRect().contains(pEvent->pos());
    if (bCloseHover != m_bCloseHover) {
        m_bCloseHover = bCloseHover;
        update();
    }
}

void CTabItem::hoverLeaveEvent(QGraphicsSceneHoverEvent*)
{
    m_bHover = false;
    m_bCloseHover = false;
    update();
}

bool CTabItem::DropGoesBefore(const QPointF& pos) const
{
    // Nothing may land before a fixed tab.
    if (m_bFixed)
        return false;
    if (m_bVertical)
        return pos.y() < Height() / 2.0;
    const bool bLeftHalf = pos.x() < Width() / 2.0;
    return m_enumDirection == Qt::RightToLeft ? !bLeftHalf : bLeftHalf;
}

void CTabItem::dragEnterEvent(QGraphicsSceneDragDropEvent* pEvent)
{
    if (!IsTabDrag(pEvent)) {
        pEvent->ignore();
        return;
    }
    pEvent->setDropAction(Qt::MoveAction);
    pEvent->accept();
}

void CTabItem::dragMoveEvent(QGraphicsSceneDragDropEvent* pEvent)
{
    if (!IsTabDrag(pEvent)) {
        pEvent->ignore();
        return;
    }
    SetDropIndicator(true, DropGoesBefore(pEvent->pos()));
    pEvent->setDropAction(Qt::MoveAction);
    pEvent->accept();
}

void CTabItem::dragLeaveEvent(QGraphicsSceneDragDropEvent*)
{
    SetDropIndicator(false, false);
}

void CTabItem::dropEvent(QGraphicsSceneDragDropEvent* pEvent)
{
    if (!IsTabDrag(pEvent)) {
        pEvent->ignore();
        return;
    }
    const bool bBefore = DropGoesBefore(pEvent->pos());
    SetDropIndicator(false, false);
    pEvent->setDropAction(Qt::MoveAction);
    pEvent->accept();
    Q_EMIT SignalDragDropItem(pEvent->mimeData()->property("TabItemIndex").toInt(), bBefore);
}

} // namespace OrvaGUIToolkit

#include "moc_TabItem.cpp"
