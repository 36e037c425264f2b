#ifndef ORVAGUITOOLKIT_FOUNDATION_WIDGETSIZEFACTORY_H
#define ORVAGUITOOLKIT_FOUNDATION_WIDGETSIZEFACTORY_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QRect>
#include <QtCore/QSize>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// Maximises, full-screens and restores widgets. The factory has no state of
// its own: it records on each widget, as dynamic properties, whether the
// widget is normal, maximised or full screen ("_scc_WidgetSizeFactory_") and
// the global geometry it had before ("_scc_WidgetGeometry_"), so any factory
// reads back what another one did. Every operation ignores a null widget.
class ORVAGUITOOLKIT_EXPORT CWidgetSizeFactory
{
public:
    enum WidgetSizeState
    {
        NormalState = 0,
        MaximizedState = 1,
        FullScreenState = 2
    };

    CWidgetSizeFactory();
    virtual ~CWidgetSizeFactory();

    void ShowMaximized(QWidget* pWidget);
    void ShowNormal(QWidget* pWidget, const QSize& size, bool bFixed);
    void ShowNormal(QWidget* pWidget, const QSize& size);
    void ShowFullScreen(QWidget* pWidget, bool bFixed);
    void ShowFullScreen(QWidget* pWidget);

    bool IsMinimized(const QWidget* pWidget) const;
    bool IsMaximized(const QWidget* pWidget) const;
    bool IsFullScreen(const QWidget* pWidget) const;

    void SetWidgetSize(QWidget* pWidget, const QSize& size, bool bFixed);
    void SetWidgetGeometry(QWidget* pWidget, const QRect& rect, bool bFixed);

private:
    static void SetState(QWidget* pWidget, WidgetSizeState enumState);
    static void SaveGeometry(QWidget* pWidget);
};

} // namespace OrvaGUIToolkit

#endif
