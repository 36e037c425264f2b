#include <OrvaGUIToolkit/Picture/PicBaseLabel.h>

#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

CPicBaseLabel::CPicBaseLabel(QWidget* pParent)
    : CPicBaseLabel(2, 2, 2, 2, pParent)
{
}

CPicBaseLabel::CPicBaseLabel(int iLeft, int iTop, int iRight, int iBottom, QWidget* pParent)
    : QWidget(pParent)
    , m_margins(qMax(0, iLeft), qMax(0, iTop), qMax(0, iRight), qMax(0, iBottom))
    , m_colorSelected(0x3b, 0x8e, 0xea)
    , m_colorCaption(Qt::white)
    , m_colorCaptionBackground(0, 0, 0, 160)
{
}

CPicBaseLabel::~CPicBaseLabel() = default;

bool CPicBaseLabel::LoadPicture(const QString& strPath)
{
    m_pixPicture = QPixmap(strPath);
    update();
    return !m_pixPicture.isNull();
}

void CPicBaseLabel::SetPicture(unsigned uLsh, const QPixmap& pixmap)
{
    m_uLsh = uLsh;
    m_pixPicture = pixmap;
    update();
}

QPixmap CPicBaseLabel::GetPicture() const
{
    return m_pixPicture;
}

bool CPicBaseLabel::HasPicture() const
{
    return !m_pixPicture.isNull();
}

unsigned CPicBaseLabel::GetPicLsh() const
{
    return m_uLsh;
}

void CPicBaseLabel::SetPicLsh(unsigned uLsh)
{
    m_uLsh = uLsh;
}

void CPicBaseLabel::SetSelected(bool bSelected)
{
    if (m_bSelected == bSelected)
        return;
    m_bSelected = bSelected;
    update();
}

bool CPicBaseLabel::IsSelected() const
{
    return m_bSelected;
}

void CPicBaseLabel::SetTips(const QString& strTips)
{
    setToolTip(strTips);
}

QString CPicBaseLabel::GetTips() const
{
    return toolTip();
}

void CPicBaseLabel::SetText(const QString& strText)
{
    m_strText = strText;
    update();
}

QString CPicBaseLabel::GetText() const
{
    return m_strText;
}

QMargins CPicBaseLabel::GetPictureMargins() const
{
    return m_margins;
}

QColor CPicBaseLabel::GetSelectedColor() const
{
    return m_colorSelected;
}

void CPicBaseLabel::SetSelectedColor(const QColor& color)
{
    m_colorSelected = color;
    update();
}

QColor CPicBaseLabel::GetCaptionColor() const
{
    return m_colorCaption;
}

void CPicBaseLabel::SetCaptionColor(const QColor& color)
{
    m_colorCaption = color;
    update();
}

QColor CPicBaseLabel::GetCaptionBackgroundColor() const
{
    return m_colorCaptionBackground;
}

void CPicBaseLabel::SetCaptionBackgroundColor(const QColor& color)
{
    m_colorCaptionBackground = color;
    update();
}

QPixmap CPicBaseLabel::GetBackground() const
{
    return m_pmBackground;
}

void CPicBaseLabel::SetBackground(const QPixmap& pixmap)
{
    m_pmBackground = pixmap;
    update();
}

QRect CPicBaseLabel::PictureRect() const
{
    if (m_pixPicture.isNull())
        return QRect();
    const QRect area = rect().marginsRemoved(m_margins).adjusted(0, 0, 0, -CaptionHeight());
    if (area.width() <= 0 || area.height() <= 0)
        return QRect();
    const QSize size = m_pixPicture.size().scaled(area.size(), Qt::KeepAspectRatio);
    QRect picture(QPoint(0, 0), size);
    picture.moveCenter(area.center());
    return picture;
}

int CPicBaseLabel::CaptionHeight() const
{
    return m_strText.isEmpty() ? 0 : fontMetrics().height() + 6;
}

void CPicBaseLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_pmBackground.isNull())
        painter.drawPixmap(rect(), m_pmBackground);

    const QRect picture = PictureRect();
    if (!picture.isEmpty()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(picture, m_pixPicture);
    }
    if (!m_strText.isEmpty()) {
        const QRect caption(rect().left(), rect().bottom() - CaptionHeight() + 1, width(), CaptionHeight());
        painter.fillRect(caption, m_colorCaptionBackground);
        painter.setPen(m_colorCaption);
        painter.drawText(caption.adjusted(4, 0, -4, 0), Qt::AlignCenter,
                         fontMetrics().elidedText(m_strText, Qt::ElideRight, caption.width() - 8));
    }
    if (m_bSelected && m_colorSelected.isValid()) {
        painter.setPen(QPen(m_colorSelected, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void CPicBaseLabel::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        Q_EMIT SignalPicLabelClicked();
    QWidget::mousePressEvent(pEvent);
}

void CPicBaseLabel::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        Q_EMIT SignalDoubleClicked(m_uLsh);
    QWidget::mouseDoubleClickEvent(pEvent);
}

} // namespace OrvaGUIToolkit
