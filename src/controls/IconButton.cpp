#include "controls/IconButtonPrivate.h"

#include <QtCore/QPropertyAnimation>
#include <QtGui/QPainter>

#include <cmath>

namespace OrvaGUIToolkit {

namespace {

const int s_iFadeDuration = 160;

} // namespace

QSize CIconButtonPrivate::PixmapSize() const
{
    return m_pixPixmap.size() / m_pixPixmap.devicePixelRatio();
}

CIconButton::CIconButton(QWidget* pParent)
    : CIconButton(*new CIconButtonPrivate, pParent)
{
}

CIconButton::CIconButton(CIconButtonPrivate& dd, QWidget* pParent)
    : QPushButton(pParent)
    , d_ptr(&dd)
{
    Q_D(CIconButton);
    d->q_ptr = this;
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setFlat(true);
}

CIconButton::~CIconButton() = default;

void CIconButton::SetPixmap(const QPixmap& pixmap)
{
    Q_D(CIconButton);
    d->m_pixPixmap = pixmap;
    updateGeometry();
    update();
}

QPixmap CIconButton::GetPixmap() const
{
    Q_D(const CIconButton);
    return d->m_pixPixmap;
}

void CIconButton::SetIconOpacity(float fOpacity)
{
    Q_D(CIconButton);
    // NaN has no place between transparent and opaque.
    if (std::isnan(fOpacity))
        return;
    const float fClamped = qBound(0.0f, fOpacity, 1.0f);
    if (qFuzzyCompare(1.0f + fClamped, 1.0f + d->m_fIconOpacity))
        return;
    d->m_fIconOpacity = fClamped;
    update();
}

float CIconButton::GetIconOpacity() const
{
    Q_D(const CIconButton);
    return d->m_fIconOpacity;
}

void CIconButton::SetOpenAnimation(bool bOpenAnimation)
{
    Q_D(CIconButton);
    d->m_bOpenAnimation = bOpenAnimation;
    update();
}

bool CIconButton::IsOpenAnimation() const
{
    Q_D(const CIconButton);
    return d->m_bOpenAnimation;
}

void CIconButton::AnimateShow(bool bShow)
{
    Q_D(CIconButton);
    if (d->m_pAnimation)
        d->m_pAnimation->stop();
    auto* pAnimation = new QPropertyAnimation(this, "m_fIconOpacity", this);
    pAnimation->setDuration(s_iFadeDuration);
    pAnimation->setEndValue(bShow ? 1.0f : 0.0f);
    d->m_pAnimation = pAnimation;
    pAnimation->start(QAbstractAnimation::DeleteWhenStopped);
}

QSize CIconButton::sizeHint() const
{
    Q_D(const CIconButton);
    return d->m_pixPixmap.isNull() ? QSize(16, 16) : d->PixmapSize();
}

// Only the picture is drawn: the button has no frame or background of its own,
// so it sits on the line edit it belongs to.
void CIconButton::paintEvent(QPaintEvent* /*pEvent*/)
{
    Q_D(CIconButton);
    if (d->m_pixPixmap.isNull())
        return;
    QPainter painter(this);
    painter.setOpacity(d->m_bOpenAnimation ? d->m_fIconOpacity : 1.0);
    QRect rectPixmap(QPoint(0, 0), d->PixmapSize());
    rectPixmap.moveCenter(rect().center());
    painter.drawPixmap(rectPixmap, d->m_pixPixmap);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/LineEdit/moc_IconButton.cpp"
