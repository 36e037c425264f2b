#ifndef ORVAGUITOOLKIT_DIALOGS_FANCYTITLEPRIVATE_H
#define ORVAGUITOOLKIT_DIALOGS_FANCYTITLEPRIVATE_H

#include <OrvaGUIToolkit/Dialog/FancyTitle.h>

#include <QtCore/QPoint>

namespace OrvaGUIToolkit {

// The state of a title strip; title bars that extend it derive from it.
class CFancyTitlePrivate
{
    Q_DECLARE_PUBLIC(CFancyTitle)

public:
    CFancyTitlePrivate();
    virtual ~CFancyTitlePrivate();

    // The window the title moves and resizes, or null.
    QWidget* Window();

    static const QPoint s_ptNoDrag;

    CFancyTitle* q_ptr = nullptr;
    // The press position in the window's coordinates; s_ptNoDrag between drags.
    QPoint m_ptDragOrigin;
    bool m_bMoveEnable = true;
    bool m_bDoubleClickEnable = false;
};

} // namespace OrvaGUIToolkit

#endif
