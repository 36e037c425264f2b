#ifndef ORVAGUITOOLKIT_DIALOGS_TITLELABELPRIVATE_H
#define ORVAGUITOOLKIT_DIALOGS_TITLELABELPRIVATE_H

#include <OrvaGUIToolkit/Dialog/TitleLabel.h>

QT_BEGIN_NAMESPACE
class QRect;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CTitleLabelPrivate
{
    Q_DECLARE_PUBLIC(CTitleLabel)

public:
    CTitleLabelPrivate();
    virtual ~CTitleLabelPrivate();

    // The width of what the label paints: its pixmap or its title text.
    int ContentWidth() const;
    // Narrows rect, or changes the alignment, so that content of that width
    // sits at the centre of the parent's rectangle wherever it fits.
    void CentreOnParent(QRect& rect, Qt::Alignment& enumAlign, int iContentWidth) const;

    CTitleLabel* q_ptr = nullptr;
    QString m_strTitleText;
};

} // namespace OrvaGUIToolkit

#endif
