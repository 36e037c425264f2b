// Screens and placement: keeping pop-ups and windows on the available area.

#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include "foundation/GuiFunctionsInternal.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QLayout>
#include <QtWidgets/QWidget>

#include <algorithm>
#include <limits>

namespace OrvaGUIToolkit {

namespace {

qint64 DistanceOutside(int iValue, int iLow, int iHigh)
{
    if (iValue < iLow)
        return static_cast<qint64>(iLow) - iValue;
    if (iValue > iHigh)
        return static_cast<qint64>(iValue) - iHigh;
    return 0;
}

// The rectangle with those edges, each clamped into int.
QRect EdgesRect(qint64 iLeft, qint64 iTop, qint64 iRight, qint64 iBottom)
{
    const auto clamp = [](qint64 iEdge) {
        return static_cast<int>(std::clamp<qint64>(iEdge, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    };
    return QRect(QPoint(clamp(iLeft), clamp(iTop)), QPoint(clamp(iRight), clamp(iBottom)));
}

// A rectangle of that size whose left and top edges are as given, but moved
// (saturated) so that its right and bottom edges stay within int: a popup
// anchored at the far end of the coordinate range must not wrap around.
QRect SaturatedRect(qint64 iLeft, qint64 iTop, const QSize& size)
{
    const auto clampEdge = [](qint64 iEdge, int iLength) {
        const qint64 iMax = static_cast<qint64>(std::numeric_limits<int>::max()) - qMax(iLength, 0) + 1;
        return std::clamp<qint64>(iEdge, std::numeric_limits<int>::min(), iMax);
    };
    const qint64 iX = clampEdge(iLeft, size.width());
    const qint64 iY = clampEdge(iTop, size.height());
    // Built from its corners: QRect(x, y, w, h) would add x + w in int first.
    return EdgesRect(iX, iY, iX + size.width() - 1, iY + size.height() - 1);
}

// The width and height of a rectangle without the int overflow of QRect::size()
// for rectangles spanning more than half the coordinate range.
qint64 Width64(const QRect& rect)
{
    return static_cast<qint64>(rect.right()) - rect.left() + 1;
}

qint64 Height64(const QRect& rect)
{
    return static_cast<qint64>(rect.bottom()) - rect.top() + 1;
}

QScreen* ScreenNearest(const QPoint& point)
{
    QScreen* pNearest = nullptr;
    quint64 uBest = std::numeric_limits<quint64>::max();
    for (QScreen* pScreen : QGuiApplication::screens()) {
        const QRect rect = pScreen->geometry();
        // Unsigned 64 bits: a point at the far end of the int range is up to
        // 2^32 - 1 away on each axis; that square fits, and halves of two such
        // squares add up without wrapping.
        const quint64 dx = static_cast<quint64>(DistanceOutside(point.x(), rect.left(), rect.right()));
        const quint64 dy = static_cast<quint64>(DistanceOutside(point.y(), rect.top(), rect.bottom()));
        const quint64 uDistance = dx * dx / 2 + dy * dy / 2;
        if (uDistance < uBest) {
            uBest = uDistance;
            pNearest = pScreen;
        }
    }
    return pNearest;
}

QScreen* ScreenOfWidget(const QWidget* pWidget)
{
    if (pWidget)
        return pWidget->screen();
    return QGuiApplication::primaryScreen();
}

QRect ScreenGeometryOf(const QWidget* pWidget)
{
    const QScreen* pScreen = ScreenOfWidget(pWidget);
    return pScreen ? pScreen->geometry() : QRect();
}

} // namespace

QPoint GetAvailablePoint(QPoint point)
{
    const QList<QScreen*> listScreens = QGuiApplication::screens();
    if (listScreens.isEmpty())
        return point;
    for (const QScreen* pScreen : listScreens) {
        if (pScreen->availableGeometry().contains(point))
            return point;
    }
    const QRect available = ScreenNearest(point)->availableGeometry();
    return QPoint(qMin(qMax(point.x(), available.x()), available.right()),
                  qMin(qMax(point.y(), available.y()), available.bottom()));
}

QRect GetAvailableGeometry(const QRect& rect, const QWidget* pWidget)
{
    const QPoint ptTopLeft = GetAvailablePoint(rect.topLeft());
    const QRect screen = ScreenGeometryOf(pWidget);
    const qint64 iWidth = Width64(rect);
    const qint64 iHeight = Height64(rect);
    // Edges are set, not moved: the right and bottom edges keep their place,
    // and callers read only the top-left corner.
    qint64 iLeft = ptTopLeft.x();
    qint64 iTop = ptTopLeft.y();
    const qint64 iRight = iLeft + iWidth - 1;
    const qint64 iBottom = iTop + iHeight - 1;
    if (iLeft + iWidth > screen.right())
        iLeft = screen.right() - iWidth;
    if (iTop + iHeight > screen.bottom())
        iTop = screen.bottom() - iHeight;
    return EdgesRect(iLeft, iTop, iRight, iBottom);
}

QRect GetBorderAvailableGeometry(const QRect& rectAnchor, const QWidget* pPopup)
{
    if (!pPopup) {
        qCWarning(lcOrvaGUIToolkit, "GetBorderAvailableGeometry: pPopup == NULL");
        return QRect();
    }
    if (pPopup->layout())
        pPopup->layout()->activate();
    const QSize size = pPopup->rect().size();
    const QScreen* pScreen = QGuiApplication::screenAt(rectAnchor.center());
    if (!pScreen)
        pScreen = ScreenNearest(rectAnchor.center());
    const QRect screen = pScreen ? pScreen->geometry() : QRect();

    // Below the anchor when it fits, else above it when that fits, else below.
    qint64 iTop = rectAnchor.bottom();
    if (iTop + size.height() > screen.bottom()
        && static_cast<qint64>(rectAnchor.top()) - size.height() >= screen.top())
        iTop = static_cast<qint64>(rectAnchor.top()) - size.height();

    qint64 iLeft = qMax(screen.x(), rectAnchor.x());
    if (iLeft + size.width() > screen.right())
        iLeft = static_cast<qint64>(screen.right()) - size.width();
    return SaturatedRect(iLeft, iTop, size);
}

void MoveToScreenCenter(QWidget* pWidget)
{
    if (!pWidget)
        return;
    const QRect screen = ScreenGeometryOf(pWidget);
    pWidget->move((screen.width() - pWidget->width()) / 2, (screen.height() - pWidget->height()) / 2);
}

QWidget* GetIndependentWindow(QWidget* pWidget, const char* szExcludedClass)
{
    for (QWidget* pCurrent = pWidget; pCurrent; pCurrent = pCurrent->parentWidget()) {
        if (pCurrent->isWindow() && (!szExcludedClass || !pCurrent->inherits(szExcludedClass)))
            return pCurrent;
    }
    return nullptr;
}

QWidget* GetParentWindow(QObject* pObject)
{
    for (QObject* pCurrent = pObject; pCurrent; pCurrent = pCurrent->parent()) {
        QWidget* pWidget = qobject_cast<QWidget*>(pCurrent);
        if (pWidget && (pWidget->windowFlags() & Qt::Popup) != Qt::Popup)
            return pWidget;
    }
    return nullptr;
}

bool IsSelfOrAncestor(const QWidget* pWidget, const QWidget* pDescendant)
{
    if (!pWidget)
        return false;
    for (const QWidget* pLevel = pDescendant; pLevel; pLevel = pLevel->parentWidget()) {
        if (pLevel == pWidget)
            return true;
    }
    return false;
}

} // namespace OrvaGUIToolkit
