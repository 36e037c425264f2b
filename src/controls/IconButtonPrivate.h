#ifndef ORVAGUITOOLKIT_CONTROLS_ICONBUTTONPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_ICONBUTTONPRIVATE_H

#include <OrvaGUIToolkit/LineEdit/IconButton.h>

#include <QtCore/QPointer>

QT_BEGIN_NAMESPACE
class QPropertyAnimation;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CIconButtonPrivate
{
    Q_DECLARE_PUBLIC(CIconButton)

public:
    virtual ~CIconButtonPrivate() = default;

    // The picture's size in device-independent pixels.
    QSize PixmapSize() const;

    CIconButton* q_ptr = nullptr;
    float m_fIconOpacity = 0.0f;
    bool m_bOpenAnimation = false;
    QPixmap m_pixPixmap;
    // The fade running, if any; it deletes itself when done.
    QPointer<QPropertyAnimation> m_pAnimation;
};

} // namespace OrvaGUIToolkit

#endif
