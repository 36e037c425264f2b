#ifndef ORVAGUITOOLKIT_PICTURE_PICLABEL_H
#define ORVAGUITOOLKIT_PICTURE_PICLABEL_H

#include <OrvaGUIToolkit/Picture/PicBaseLabel.h>

namespace OrvaGUIToolkit {

// A picture label that is handed ready pixmaps (decoded frames, thumbnails)
// and shows a placeholder text while it has none.
class ORVAGUITOOLKIT_EXPORT CPicLabel : public CPicBaseLabel
{
    Q_OBJECT
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
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QString m_strPlaceholder;
};

} // namespace OrvaGUIToolkit

#endif
