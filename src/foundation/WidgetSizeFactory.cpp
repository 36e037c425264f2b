#include <OrvaGUIToolkit/Foundation/WidgetSizeFactory.h>

#include <QtCore/QPointer>
#include <QtCore/QVariant>
#include <QtGui/QScreen>
#include <QtWidgets/QWidget>

namespace OrvaGUIToolkit {

namespace {

const char s_szStateProperty[] = "_scc_WidgetSizeFactory_";
const char s_szGeometryProperty[] = "_scc_WidgetGeometry_";

QRect GlobalRect(const QWidget* pWidget)
{
    return QRect(pWidget->mapToGlobal(QPoint(0, 0)), pWidget->size());
}

QScreen* ScreenOf(const QWidget* pWidget)
{
    return pWidget ? pWidget->screen() : nullptr;
}

} // namespace

CWidgetSizeFactory::CWidgetSizeFactory() = default;
CWidgetSizeFactory::~CWidgetSizeFactory() = default;

void CWidgetSizeFactory::SetState(QWidget* pWidget, WidgetSizeState enumState)
{
    pWidget->setProperty(s_szStateProperty, static_cast<uint>(enumState));
}

void CWidgetSizeFactory::SaveGeometry(QWidget* pWidget)
{
    pWidget->setProperty(s_szGeometryProperty, GlobalRect(pWidget));
}

void CWidgetSizeFactory::ShowMaximized(QWidget* pWidget)
{
    if (!pWidget || IsMaximized(pWidget))
        return;
    const QScreen* pScreen = ScreenOf(pWidget);
    const QRect available = pScreen ? pScreen->availableGeometry() : QRect();
    if (!available.isValid())
        return;
    SaveGeometry(pWidget);
    // The state is recorded first, so that handlers of the resize read it
    // already; the guard covers a handler that deletes the widget.
    SetState(pWidget, MaximizedState);
    const QPointer<QWidget> pGuard(pWidget);
    SetWidgetGeometry(pWidget, available, true);
    if (pGuard)
        pWidget->show();
}

void CWidgetSizeFactory::ShowNormal(QWidget* pWidget, const QSize& size, bool bFixed)
{
    if (!pWidget)
        return;
    const QVariant saved = pWidget->property(s_szGeometryProperty);
    const QRect rectSaved = saved.isValid() ? saved.toRect() : QRect();
    SetState(pWidget, NormalState);
    if (rectSaved.isEmpty()) {
        if (size.isValid())
            SetWidgetSize(pWidget, size, bFixed);
        return;
    }
    pWidget->setProperty(s_szGeometryProperty, QRect());
    // Moving and resizing send events whose handlers may delete the widget.
    const QPointer<QWidget> pGuard(pWidget);
    pWidget->move(rectSaved.topLeft());
    if (pGuard)
        SetWidgetSize(pWidget, size.isValid() ? size : rectSaved.size(), bFixed);
    if (pGuard)
        pWidget->show();
}

void CWidgetSizeFactory::ShowNormal(QWidget* pWidget, const QSize& size)
{
    ShowNormal(pWidget, size, true);
}

void CWidgetSizeFactory::ShowFullScreen(QWidget* pWidget, bool bFixed)
{
    if (!pWidget || IsFullScreen(pWidget))
        return;
    // An embedded widget going full screen covers its parent's screen; it
    // keeps no geometry of its own since its layout places it on return.
    // Without a parent it keeps its geometry but is still full screen.
    const QScreen* pScreen = ScreenOf(bFixed ? pWidget : pWidget->parentWidget());
    if (bFixed)
        SaveGeometry(pWidget);
    SetState(pWidget, FullScreenState);
    // Resizing sends events whose handlers may delete the widget.
    const QPointer<QWidget> pGuard(pWidget);
    if (pScreen)
        SetWidgetGeometry(pWidget, pScreen->geometry(), bFixed);
    if (pGuard)
        pWidget->show();
}

void CWidgetSizeFactory::ShowFullScreen(QWidget* pWidget)
{
    ShowFullScreen(pWidget, true);
}

bool CWidgetSizeFactory::IsMinimized(const QWidget* pWidget) const
{
    return pWidget && pWidget->isMinimized();
}

bool CWidgetSizeFactory::IsMaximized(const QWidget* pWidget) const
{
    if (!pWidget)
        return false;
    const QVariant state = pWidget->property(s_szStateProperty);
    return state.isValid() && state.toUInt() == MaximizedState;
}

bool CWidgetSizeFactory::IsFullScreen(const QWidget* pWidget) const
{
    return pWidget && pWidget->property(s_szStateProperty).toUInt() == FullScreenState;
}

void CWidgetSizeFactory::SetWidgetSize(QWidget* pWidget, const QSize& size, bool bFixed)
{
    if (!pWidget || size.isEmpty())
        return;
    pWidget->ensurePolished();
    if (bFixed)
        pWidget->setFixedSize(size);
    else
        pWidget->resize(size);
}

void CWidgetSizeFactory::SetWidgetGeometry(QWidget* pWidget, const QRect& rect, bool bFixed)
{
    if (!pWidget || rect.isEmpty())
        return;
    pWidget->ensurePolished();
    if (bFixed) {
        const QPointer<QWidget> pGuard(pWidget);
        pWidget->move(rect.topLeft());
        if (pGuard)
            pWidget->setFixedSize(rect.size());
    } else {
        pWidget->setGeometry(rect);
    }
}

} // namespace OrvaGUIToolkit
