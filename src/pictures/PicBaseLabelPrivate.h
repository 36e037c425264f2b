#ifndef ORVAGUITOOLKIT_PICTURES_PICBASELABELPRIVATE_H
#define ORVAGUITOOLKIT_PICTURES_PICBASELABELPRIVATE_H

#include <OrvaGUIToolkit/Picture/PicBaseLabel.h>

namespace OrvaGUIToolkit {

class CPicBaseLabelPrivate
{
    Q_DECLARE_PUBLIC(CPicBaseLabel)

public:
    virtual ~CPicBaseLabelPrivate() = default;

    // The height of the caption strip, 0 without a caption.
    int CaptionHeight() const;

    CPicBaseLabel* q_ptr = nullptr;
    // 0xFFFFFFFF until a picture list hands out a serial number.
    unsigned m_uLsh = 0xFFFFFFFF;
    QPixmap m_pixPicture;
    QPixmap m_pmBackground;
    QMargins m_margins;
    QString m_strText;
    QColor m_colorSelected{0x3b, 0x8e, 0xea};
    QColor m_colorCaption{Qt::white};
    QColor m_colorCaptionBackground{0, 0, 0, 160};
    bool m_bSelected = false;
    // The last LoadPicture found no readable image at its path.
    bool m_bBroken = false;
};

} // namespace OrvaGUIToolkit

#endif
