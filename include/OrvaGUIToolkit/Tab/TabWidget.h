#ifndef ORVAGUITOOLKIT_TAB_TABWIDGET_H
#define ORVAGUITOOLKIT_TAB_TABWIDGET_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QTabWidget>

#include <memory>

namespace OrvaGUIToolkit {

class CTabWidgetPrivate;

// A tab widget with a corner area to the right of its tabs: widgets given to
// SetCornerWidget() line up there, 30 pixels past the last tab, and share the
// rest of the tab row's width.
class ORVAGUITOOLKIT_EXPORT CTabWidget : public QTabWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CTabWidget)

public:
    explicit CTabWidget(QWidget* pParent = nullptr);
    ~CTabWidget() override;

    // Adds pWidget to the corner area, right of its spacer; null is refused.
    void SetCornerWidget(QWidget* pWidget);

protected:
    CTabWidget(CTabWidgetPrivate& dd, QWidget* pParent);
    void resizeEvent(QResizeEvent* pEvent) override;

    const std::unique_ptr<CTabWidgetPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
