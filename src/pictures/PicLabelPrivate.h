#ifndef ORVAGUITOOLKIT_PICTURES_PICLABELPRIVATE_H
#define ORVAGUITOOLKIT_PICTURES_PICLABELPRIVATE_H

#include <OrvaGUIToolkit/Picture/PicLabel.h>

#include "pictures/PicBaseLabelPrivate.h"

namespace OrvaGUIToolkit {

class CPicLabelPrivate : public CPicBaseLabelPrivate
{
    Q_DECLARE_PUBLIC(CPicLabel)

public:
    // Shown while there is no picture.
    QString m_strPlaceholder;
    // Shown instead when the picture file could not be read.
    QString m_strBroken;
};

} // namespace OrvaGUIToolkit

#endif
