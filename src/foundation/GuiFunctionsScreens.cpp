// Screens and placement: keeping pop-ups and windows on the available area.

#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include "foundation/GuiFunctionsInternal.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QLayout>
#include <QtWidgets/QWidget>

#include <limits>

namespace OrvaGUIToolkit {

namespace {

QScreen* ScreenNearest(const QPoint& point)
{
    QScreen* pNearest = nullptr;
    qint64 iBest = std::numeric_limits<qint64>::max();
    for (QScreen* pScreen : QGuiApplication::screens()) {
        const QRect rect = pScreen->geometry();
        const qint64 dx = point.x() < rect.left() ? rect.left() - point.x()
                        : point.x() > rect.right() ? point.x() - rect.right() : 0;
        const qint64 dy = point.y() < rect.top() ? rect.top() - point.y()
                        : point.y() > rect.bottom() ? point.y() - rect.bottom() : 0;
        const qint64 iDistance = dx * dx + dy * dy;
        if (iDistance < iBest) {
            iBest = iDistance;
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
    QRect result(GetAvailablePoint(rect.topLeft()), rect.size());
    const QRect screen = ScreenGeometryOf(pWidget);
    if (result.x() + result.width() > screen.right())
        result.setLeft(screen.right() - rect.width());
    if (result.y() + result.height() > screen.bottom())
        result.setTop(screen.bottom() - rect.height());
    return result;
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

    int iTop = rectAnchor.bottom();
    if (rectAnchor.bottom() + size.height() > screen.bottom()
        && rectAnchor.top() - size.height() >= screen.top())
        iTop = rectAnchor.top() - size.height();

    QRect result(qMax(screen.x(), rectAnchor.x()), iTop, size.width(), size.height());
    if (result.x() + size.width() > screen.right())
        result.setLeft(screen.right() - size.width());
    return result;
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
