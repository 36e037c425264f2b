#ifndef ORVAGUITOOLKIT_TIMESILDERPICTURELABEL_H
#define ORVAGUITOOLKIT_TIMESILDERPICTURELABEL_H

#include <OrvaGUIToolkit/Picture/PicLabel.h>

namespace OrvaGUIToolkit {

// The 200 x 200 thumbnail pop-up of the multi-track timeline: the client
// answers a hover with a frame of the recording, shown by PutPicture(). A
// press outside the pop-up closes it without reaching what lies below.
class CTimeSilderPictureLabel : public CPicLabel
{
    Q_OBJECT

public:
    explicit CTimeSilderPictureLabel(QWidget* pParent = nullptr);
    ~CTimeSilderPictureLabel() override;

    static constexpr int s_iSize = 200;

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
};

} // namespace OrvaGUIToolkit

#endif
