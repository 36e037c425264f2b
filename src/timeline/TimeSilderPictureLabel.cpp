#include "TimeSilderPictureLabel.h"

#include <QtGui/QMouseEvent>

namespace OrvaGUIToolkit {

CTimeSilderPictureLabel::CTimeSilderPictureLabel(QWidget* pParent)
    : CPicLabel(pParent)
{
    setObjectName(QStringLiteral("TimeSilderPictureLabel"));
    setWindowFlags(Qt::Popup);
    setFixedSize(s_iSize, s_iSize);
}

CTimeSilderPictureLabel::~CTimeSilderPictureLabel() = default;

void CTimeSilderPictureLabel::mousePressEvent(QMouseEvent* pEvent)
{
    if (!rect().contains(pEvent->pos())) {
        // The press closes the pop-up; it must not also click the timeline.
        setAttribute(Qt::WA_NoMouseReplay);
        hide();
        return;
    }
    CPicLabel::mousePressEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "moc_TimeSilderPictureLabel.cpp"
