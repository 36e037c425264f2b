#ifndef ORVAGUITOOLKIT_LINEEDIT_ICONBUTTON_H
#define ORVAGUITOOLKIT_LINEEDIT_ICONBUTTON_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtGui/QPixmap>
#include <QtWidgets/QPushButton>

#include <memory>

namespace OrvaGUIToolkit {

class CIconButtonPrivate;

// A button that is nothing but a picture, as carried inside a line edit. With
// its animation flag set it fades its picture in and out (AnimateShow) and is
// painted at its current opacity; without it the picture is always opaque.
// It never takes focus.
class ORVAGUITOOLKIT_EXPORT CIconButton : public QPushButton
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CIconButton)
    Q_PROPERTY(float m_fIconOpacity READ GetIconOpacity WRITE SetIconOpacity)
    Q_PROPERTY(bool m_bOpenAnimation READ IsOpenAnimation WRITE SetOpenAnimation)
    Q_PROPERTY(QPixmap m_pixPixmap READ GetPixmap WRITE SetPixmap)

public:
    explicit CIconButton(QWidget* pParent = nullptr);
    ~CIconButton() override;

    void SetPixmap(const QPixmap& pixmap);
    QPixmap GetPixmap() const;
    // 0 is transparent, 1 opaque; values outside are clamped and NaN is
    // refused.
    void SetIconOpacity(float fOpacity);
    float GetIconOpacity() const;
    void SetOpenAnimation(bool bOpenAnimation);
    bool IsOpenAnimation() const;

    // Fades the picture in (bShow) or out over 160 ms. A fade still running
    // stops where it is and the new one starts from there.
    void AnimateShow(bool bShow);

    QSize sizeHint() const override;

protected:
    // For buttons that extend the state: dd derives from the button's state
    // and is owned by the button from here on.
    CIconButton(CIconButtonPrivate& dd, QWidget* pParent);
    void paintEvent(QPaintEvent* pEvent) override;

    const std::unique_ptr<CIconButtonPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
