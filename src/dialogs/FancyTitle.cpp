#include <OrvaGUIToolkit/Dialog/FancyTitle.h>

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>
#include <OrvaGUIToolkit/Foundation/WidgetMaximizeManager.h>
#include "foundation/EventPosition.h"

#include <QtGui/QMouseEvent>

namespace OrvaGUIToolkit {

const QPoint CFancyTitle::s_ptNoDrag(-1, -1);

CFancyTitle::CFancyTitle(QWidget* pParent)
    : QFrame(pParent)
    , m_ptDragOrigin(s_ptNoDrag)
{
}

CFancyTitle::~CFancyTitle() = default;

void CFancyTitle::SetOpenWidgetMoveEnable(bool bEnable)
{
    m_bMoveEnable = bEnable;
}

void CFancyTitle::SetOpenDoubleClickEnable(bool bEnable)
{
    m_bDoubleClickEnable = bEnable;
}

QWidget* CFancyTitle::Window()
{
    return GetIndependentWindow(this);
}

void CFancyTitle::mousePressEvent(QMouseEvent* pEvent)
{
    QFrame::mousePressEvent(pEvent);
    if (pEvent->button() != Qt::LeftButton || !m_bMoveEnable)
        return;
    QWidget* pWindow = Window();
    if (!pWindow || IsFullScreen(pWindow) || pWindow->isFullScreen())
        return;
    // Kept relative to the window, so the cursor keeps its place on it.
    m_ptDragOrigin = mapTo(pWindow, pEvent->pos());
}

void CFancyTitle::mouseMoveEvent(QMouseEvent* pEvent)
{
    QFrame::mouseMoveEvent(pEvent);
    if (m_ptDragOrigin == s_ptNoDrag)
        return;
    QWidget* pWindow = Window();
    if (!pWindow)
        return;
    // The anchor point follows the cursor but never leaves the available area,
    // so the title stays within reach.
    pWindow->move(GetAvailablePoint(EventGlobalPos(pEvent)) - m_ptDragOrigin);
}

void CFancyTitle::mouseReleaseEvent(QMouseEvent* pEvent)
{
    QFrame::mouseReleaseEvent(pEvent);
    m_ptDragOrigin = s_ptNoDrag;
}

void CFancyTitle::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    QFrame::mouseDoubleClickEvent(pEvent);
    if (pEvent->button() == Qt::LeftButton)
        OnImitateDoubleClick();
}

void CFancyTitle::resizeEvent(QResizeEvent* pEvent)
{
    QFrame::resizeEvent(pEvent);
    Q_EMIT SignalWndSizeStatusChanged();
}

void CFancyTitle::OnImitateDoubleClick()
{
    QWidget* pWindow = Window();
    if (!m_bDoubleClickEnable || !pWindow)
        return;
    if (!IsFullScreen(pWindow) && !IsMaximized(pWindow)) {
        if (CWidgetMaximizeManager::Instance().GetWidgetMaximizeMode() == CWidgetMaximizeManager::MaximizeToFullScreen)
            ShowFullScreen(pWindow);
        else
            ShowMaximized(pWindow);
    } else {
        ShowNormal(pWindow, QSize());
    }
    Q_EMIT SignalWndSizeStatusChanged();
}

} // namespace OrvaGUIToolkit
