#include <OrvaGUIToolkit/LineEdit/IconButton.h>

#include <QtCore/QPropertyAnimation>
#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

namespace {

const int s_iFadeDuration = 160;

} // namespace

CIconButton::CIconButton(QWidget* pParent)
    : QPushButton(pParent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setFlat(true);
}

CIconButton::~CIconButton() = default;

void CIconButton::SetPixmap(const QPixmap& pixmap)
{
    m_pixPixmap = pixmap;
    updateGeometry();
    update();
}

QPixmap CIconButton::GetPixmap() const
{
    return m_pixPixmap;
}

void CIconButton::SetIconOpacity(float fOpacity)
{
    const float fClamped = qBound(0.0f, fOpacity, 1.0f);
    if (qFuzzyCompare(1.0f + fClamped, 1.0f + m_fIconOpacity))
        return;
    m_fIconOpacity = fClamped;
    update();
}

float CIconButton::GetIconOpacity() const
{
    return m_fIconOpacity;
}

void CIconButton::SetOpenAnimation(bool bOpenAnimation)
{
    m_bOpenAnimation = bOpenAnimation;
    update();
}

bool CIconButton::IsOpenAnimation() const
{
    return m_bOpenAnimation;
}

void CIconButton::AnimateShow(bool bShow)
{
    if (m_pAnimation)
        m_pAnimation->stop();
    auto* pAnimation = new QPropertyAnimation(this, "m_fIconOpacity", this);
    pAnimation->setDuration(s_iFadeDuration);
    pAnimation->setEndValue(bShow ? 1.0f : 0.0f);
    m_pAnimation = pAnimation;
    pAnimation->start(QAbstractAnimation::DeleteWhenStopped);
}

QSize CIconButton::sizeHint() const
{
    return m_pixPixmap.isNull() ? QSize(16, 16) : m_pixPixmap.size() / m_pixPixmap.devicePixelRatio();
}

// Only the picture is drawn: the button has no frame or background of its own,
// so it sits on the line edit it belongs to.
void CIconButton::paintEvent(QPaintEvent* /*pEvent*/)
{
    if (m_pixPixmap.isNull())
        return;
    QPainter painter(this);
    painter.setOpacity(m_bOpenAnimation ? m_fIconOpacity : 1.0);
    const QSize sizePixmap = m_pixPixmap.size() / m_pixPixmap.devicePixelRatio();
    QRect rectPixmap(QPoint(0, 0), sizePixmap);
    rectPixmap.moveCenter(rect().center());
    painter.drawPixmap(rectPixmap, m_pixPixmap);
}

} // namespace OrvaGUIToolkit
