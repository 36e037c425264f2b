#ifndef ORVAGUITOOLKIT_FOUNDATION_FULLSCREENWIDGETPRIVATE_H
#define ORVAGUITOOLKIT_FOUNDATION_FULLSCREENWIDGETPRIVATE_H

#include <OrvaGUIToolkit/Foundation/FullScreenWidget.h>

namespace OrvaGUIToolkit {

class CFullScreenWidgetPrivate
{
    Q_DECLARE_PUBLIC(CFullScreenWidget)

public:
    CFullScreenWidgetPrivate();
    virtual ~CFullScreenWidgetPrivate();

    void Enter();
    void Leave();

    CFullScreenWidget* q_ptr = nullptr;
    CWidgetSizeFactory m_sizeFactory;
    // Where the widget sat in its parent before it went full screen.
    Qt::WindowFlags m_enumEmbeddedFlags;
    QRect m_rectEmbedded;
};

} // namespace OrvaGUIToolkit

#endif
