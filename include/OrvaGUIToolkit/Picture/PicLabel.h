#ifndef ORVAGUITOOLKIT_PICTURE_PICLABEL_H
#define ORVAGUITOOLKIT_PICTURE_PICLABEL_H

#include <OrvaGUIToolkit/Picture/PicBaseLabel.h>

namespace OrvaGUIToolkit {

class CPicLabelPrivate;

// A picture label that is handed ready pixmaps (decoded frames, thumbnails)
// and shows a placeholder text while it has none.
class ORVAGUITOOLKIT_EXPORT CPicLabel : public CPicBaseLabel
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CPicLabel)
    Q_PROPERTY(QString strPlaceholder READ GetPlaceholder WRITE SetPlaceholder)

public:
    explicit CPicLabel(QWidget* pParent = nullptr);
    CPicLabel(int iLeft, int iTop, int iRight, int iBottom, QWidget* pParent = nullptr);
    ~CPicLabel() override;

    // Shows the pixmap; a null pixmap clears the picture and brings the placeholder back.
    void PutPicture(const QPixmap& pixmap);
    void PutPicture(const QString& strPath);

    QString GetPlaceholder() const;
    void SetPlaceholder(const QString& strText);

protected:
    // For labels that extend the state: dd derives from the label's state and
    // is owned by the label from here on.
    CPicLabel(CPicLabelPrivate& dd, const QMargins& margins, QWidget* pParent);
    void paintEvent(QPaintEvent* pEvent) override;
};

} // namespace OrvaGUIToolkit

#endif
