#ifndef ORVAGUITOOLKIT_PICTURE_PICBASELABEL_H
#define ORVAGUITOOLKIT_PICTURE_PICBASELABEL_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QMargins>
#include <QtGui/QColor>
#include <QtGui/QPixmap>
#include <QtWidgets/QWidget>

#include <memory>

namespace OrvaGUIToolkit {

class CPicBaseLabelPrivate;

// A captured picture (a vehicle snapshot, a camera thumbnail) drawn scaled to
// fit inside its margins, over an optional background, with an optional
// caption strip and a selection frame. It is identified by the serial number
// the picture lists hand out. Margins are taken between 0 and the largest
// widget size.
class ORVAGUITOOLKIT_EXPORT CPicBaseLabel : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CPicBaseLabel)
    Q_PROPERTY(QColor m_colorSelected READ GetSelectedColor WRITE SetSelectedColor)
    Q_PROPERTY(QColor m_colorCaption READ GetCaptionColor WRITE SetCaptionColor)
    Q_PROPERTY(QColor m_colorCaptionBackground READ GetCaptionBackgroundColor WRITE SetCaptionBackgroundColor)
    Q_PROPERTY(QPixmap m_pmBackground READ GetBackground WRITE SetBackground)

public:
    explicit CPicBaseLabel(QWidget* pParent = nullptr);
    CPicBaseLabel(int iLeft, int iTop, int iRight, int iBottom, QWidget* pParent = nullptr);
    ~CPicBaseLabel() override;

    // Loads the picture from a file, decoded no larger than the area inside
    // the margins once the label is sized, through Qt's pixmap cache; false
    // (no picture, and IsPictureBroken()) when it cannot be read.
    bool LoadPicture(const QString& strPath);
    // The size LoadPicture decodes to: the area inside the margins of a sized
    // label, else empty (full size).
    QSize DecodeSize() const;
    bool IsPictureBroken() const;
    void SetPicture(unsigned uLsh, const QPixmap& pixmap);
    QPixmap GetPicture() const;
    bool HasPicture() const;

    unsigned GetPicLsh() const;
    void SetPicLsh(unsigned uLsh);

    void SetSelected(bool bSelected);
    bool IsSelected() const;

    void SetTips(const QString& strTips);
    QString GetTips() const;
    void SetText(const QString& strText);
    QString GetText() const;

    QMargins GetPictureMargins() const;
    QColor GetSelectedColor() const;
    void SetSelectedColor(const QColor& color);
    QColor GetCaptionColor() const;
    void SetCaptionColor(const QColor& color);
    QColor GetCaptionBackgroundColor() const;
    void SetCaptionBackgroundColor(const QColor& color);
    QPixmap GetBackground() const;
    void SetBackground(const QPixmap& pixmap);

    // Where the picture is drawn: inside the margins and above the caption,
    // scaled to fit with its aspect ratio kept, centred. Empty without a picture.
    QRect PictureRect() const;

Q_SIGNALS:
    void SignalDoubleClicked(unsigned uLsh);
    void SignalPicLabelClicked();

protected:
    // For labels that extend the state: dd derives from the label's state and
    // is owned by the label from here on.
    CPicBaseLabel(CPicBaseLabelPrivate& dd, const QMargins& margins, QWidget* pParent);
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;

    const std::unique_ptr<CPicBaseLabelPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
