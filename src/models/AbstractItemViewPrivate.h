#ifndef ORVAGUITOOLKIT_MODELS_ABSTRACTITEMVIEWPRIVATE_H
#define ORVAGUITOOLKIT_MODELS_ABSTRACTITEMVIEWPRIVATE_H

#include <OrvaGUIToolkit/ItemView/AbstractItemView.h>

#include <QtCore/QBasicTimer>

namespace OrvaGUIToolkit {

class CAbstractItemViewPrivate
{
    Q_DECLARE_PUBLIC(CAbstractItemView)

public:
    virtual ~CAbstractItemViewPrivate();

    CAbstractItemView* q_ptr = nullptr;
    bool m_bShowGridLine = true;
    QColor m_colorGridLine = QColor(214, 214, 214, 255);
    int m_iResizeToContentsColumn = -1;
    // Waits 50 ms after the last change before the column is fitted.
    QBasicTimer m_timerResize;
};

} // namespace OrvaGUIToolkit

#endif
