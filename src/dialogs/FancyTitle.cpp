#include <OrvaGUIToolkit/Dialog/FancyTitle.h>

#include "dialogs/FancyTitlePrivate.h"

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>
#include <OrvaGUIToolkit/Foundation/WidgetMaximizeManager.h>
#include "foundation/EventPosition.h"

#include <QtCore/QPointer>
#include <QtGui/QMouseEvent>

namespace OrvaGUIToolkit {

const QPoint CFancyTitlePrivate::s_ptNoDrag(-1, -1);

CFancyTitlePrivate::CFancyTitlePrivate()
    : m_ptDragOrigin(s_ptNoDrag)
{
}

CFancyTitlePrivate::~CFancyTitlePrivate() = default;

QWidget* CFancyTitlePrivate::Window()
{
    Q_Q(CFancyTitle);
    return GetIndependentWindow(q);
}

CFancyTitle::CFancyTitle(QWidget* pParent)
    : CFancyTitle(*new CFancyTitlePrivate, pParent)
{
}

CFancyTitle::CFancyTitle(CFancyTitlePrivate& dd, QWidget* pParent)
    : QFrame(pParent)
    , d_ptr(&dd)
{
    d_ptr->q_ptr = this;
}

CFancyTitle::~CFancyTitle() = default;

void CFancyTitle::SetOpenWidgetMoveEnable(bool bEnable)
{
    Q_D(CFancyTitle);
    d->m_bMoveEnable = bEnable;
}

void CFancyTitle::SetOpenDoubleClickEnable(bool bEnable)
{
    Q_D(CFancyTitle);
    d->m_bDoubleClickEnable = bEnable;
}

void CFancyTitle::mousePressEvent(QMouseEvent* pEvent)
{
    Q_D(CFancyTitle);
    QFrame::mousePressEvent(pEvent);
    if (pEvent->button() != Qt::LeftButton || !d->m_bMoveEnable)
        return;
    QWidget* pWindow = d->Window();
    if (!pWindow || IsFullScreen(pWindow) || pWindow->isFullScreen())
        return;
    // Kept relative to the window, so the cursor keeps its place on it.
    d->m_ptDragOrigin = mapTo(pWindow, EventPos(pEvent));
}

void CFancyTitle::mouseMoveEvent(QMouseEvent* pEvent)
{
    Q_D(CFancyTitle);
    QFrame::mouseMoveEvent(pEvent);
    if (d->m_ptDragOrigin == CFancyTitlePrivate::s_ptNoDrag)
        return;
    QWidget* pWindow = d->Window();
    if (!pWindow)
        return;
    // The anchor point follows the cursor but never leaves the available area,
    // so the title stays within reach.
    pWindow->move(GetAvailablePoint(EventGlobalPos(pEvent)) - d->m_ptDragOrigin);
}

void CFancyTitle::mouseReleaseEvent(QMouseEvent* pEvent)
{
    Q_D(CFancyTitle);
    QFrame::mouseReleaseEvent(pEvent);
    d->m_ptDragOrigin = CFancyTitlePrivate::s_ptNoDrag;
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
    Q_D(CFancyTitle);
    QWidget* pWindow = d->Window();
    if (!d->m_bDoubleClickEnable || !pWindow)
        return;
    // Resizing the window sends events whose handlers may delete it, and
    // this title with it.
    const QPointer<CFancyTitle> pGuard(this);
    if (!IsFullScreen(pWindow) && !IsMaximized(pWindow)) {
        if (CWidgetMaximizeManager::Instance().GetWidgetMaximizeMode() == CWidgetMaximizeManager::MaximizeToFullScreen)
            ShowFullScreen(pWindow);
        else
            ShowMaximized(pWindow);
    } else {
        ShowNormal(pWindow, QSize());
    }
    if (pGuard)
        Q_EMIT SignalWndSizeStatusChanged();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Dialog/moc_FancyTitle.cpp"
