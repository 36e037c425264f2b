#include "pictures/PicBaseLabelPrivate.h"

#include "pictures/list/PictureCache.h"

#include <QtCore/QPointer>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

namespace {

// A margin beyond any widget's size only empties the picture area; keeping
// margins inside the widget size range keeps the rectangle arithmetic from
// overflowing.
int ClampMargin(int iMargin)
{
    return qBound(0, iMargin, QWIDGETSIZE_MAX);
}

} // namespace

int CPicBaseLabelPrivate::CaptionHeight() const
{
    Q_Q(const CPicBaseLabel);
    return m_strText.isEmpty() ? 0 : q->fontMetrics().height() + 6;
}

CPicBaseLabel::CPicBaseLabel(QWidget* pParent)
    : CPicBaseLabel(2, 2, 2, 2, pParent)
{
}

CPicBaseLabel::CPicBaseLabel(int iLeft, int iTop, int iRight, int iBottom, QWidget* pParent)
    : CPicBaseLabel(*new CPicBaseLabelPrivate, QMargins(iLeft, iTop, iRight, iBottom), pParent)
{
}

CPicBaseLabel::CPicBaseLabel(CPicBaseLabelPrivate& dd, const QMargins& margins, QWidget* pParent)
    : QWidget(pParent)
    , d_ptr(&dd)
{
    Q_D(CPicBaseLabel);
    d->q_ptr = this;
    d->m_margins = QMargins(ClampMargin(margins.left()), ClampMargin(margins.top()), ClampMargin(margins.right()),
                            ClampMargin(margins.bottom()));
}

CPicBaseLabel::~CPicBaseLabel() = default;

bool CPicBaseLabel::LoadPicture(const QString& strPath)
{
    Q_D(CPicBaseLabel);
    d->m_pixPicture = CPictureCache::Load(strPath, DecodeSize());
    d->m_bBroken = d->m_pixPicture.isNull();
    update();
    return !d->m_bBroken;
}

QSize CPicBaseLabel::DecodeSize() const
{
    Q_D(const CPicBaseLabel);
    // An unsized label (not yet laid out) keeps the picture at full size.
    if (!testAttribute(Qt::WA_Resized) && minimumSize() != maximumSize())
        return QSize();
    const QSize size = rect().marginsRemoved(d->m_margins).size();
    return size.isEmpty() ? QSize() : size;
}

bool CPicBaseLabel::IsPictureBroken() const
{
    Q_D(const CPicBaseLabel);
    return d->m_bBroken;
}

void CPicBaseLabel::SetPicture(unsigned uLsh, const QPixmap& pixmap)
{
    Q_D(CPicBaseLabel);
    d->m_uLsh = uLsh;
    d->m_pixPicture = pixmap;
    d->m_bBroken = false;
    update();
}

QPixmap CPicBaseLabel::GetPicture() const
{
    Q_D(const CPicBaseLabel);
    return d->m_pixPicture;
}

bool CPicBaseLabel::HasPicture() const
{
    Q_D(const CPicBaseLabel);
    return !d->m_pixPicture.isNull();
}

unsigned CPicBaseLabel::GetPicLsh() const
{
    Q_D(const CPicBaseLabel);
    return d->m_uLsh;
}

void CPicBaseLabel::SetPicLsh(unsigned uLsh)
{
    Q_D(CPicBaseLabel);
    d->m_uLsh = uLsh;
}

void CPicBaseLabel::SetSelected(bool bSelected)
{
    Q_D(CPicBaseLabel);
    if (d->m_bSelected == bSelected)
        return;
    d->m_bSelected = bSelected;
    update();
}

bool CPicBaseLabel::IsSelected() const
{
    Q_D(const CPicBaseLabel);
    return d->m_bSelected;
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
    Q_D(CPicBaseLabel);
    d->m_strText = strText;
    update();
}

QString CPicBaseLabel::GetText() const
{
    Q_D(const CPicBaseLabel);
    return d->m_strText;
}

QMargins CPicBaseLabel::GetPictureMargins() const
{
    Q_D(const CPicBaseLabel);
    return d->m_margins;
}

QColor CPicBaseLabel::GetSelectedColor() const
{
    Q_D(const CPicBaseLabel);
    return d->m_colorSelected;
}

void CPicBaseLabel::SetSelectedColor(const QColor& color)
{
    Q_D(CPicBaseLabel);
    d->m_colorSelected = color;
    update();
}

QColor CPicBaseLabel::GetCaptionColor() const
{
    Q_D(const CPicBaseLabel);
    return d->m_colorCaption;
}

void CPicBaseLabel::SetCaptionColor(const QColor& color)
{
    Q_D(CPicBaseLabel);
    d->m_colorCaption = color;
    update();
}

QColor CPicBaseLabel::GetCaptionBackgroundColor() const
{
    Q_D(const CPicBaseLabel);
    return d->m_colorCaptionBackground;
}

void CPicBaseLabel::SetCaptionBackgroundColor(const QColor& color)
{
    Q_D(CPicBaseLabel);
    d->m_colorCaptionBackground = color;
    update();
}

QPixmap CPicBaseLabel::GetBackground() const
{
    Q_D(const CPicBaseLabel);
    return d->m_pmBackground;
}

void CPicBaseLabel::SetBackground(const QPixmap& pixmap)
{
    Q_D(CPicBaseLabel);
    d->m_pmBackground = pixmap;
    update();
}

QRect CPicBaseLabel::PictureRect() const
{
    Q_D(const CPicBaseLabel);
    if (d->m_pixPicture.isNull())
        return QRect();
    const QRect area = rect().marginsRemoved(d->m_margins).adjusted(0, 0, 0, -d->CaptionHeight());
    if (area.width() <= 0 || area.height() <= 0)
        return QRect();
    const QSize size = d->m_pixPicture.size().scaled(area.size(), Qt::KeepAspectRatio);
    QRect picture(QPoint(0, 0), size);
    picture.moveCenter(area.center());
    return picture;
}

void CPicBaseLabel::paintEvent(QPaintEvent*)
{
    Q_D(CPicBaseLabel);
    QPainter painter(this);
    if (!d->m_pmBackground.isNull())
        painter.drawPixmap(rect(), d->m_pmBackground);

    const QRect picture = PictureRect();
    if (!picture.isEmpty()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(picture, d->m_pixPicture);
    }
    if (!d->m_strText.isEmpty()) {
        const int iCaptionHeight = d->CaptionHeight();
        const QRect caption(rect().left(), rect().bottom() - iCaptionHeight + 1, width(), iCaptionHeight);
        painter.fillRect(caption, d->m_colorCaptionBackground);
        painter.setPen(d->m_colorCaption);
        painter.drawText(caption.adjusted(4, 0, -4, 0), Qt::AlignCenter,
                         fontMetrics().elidedText(d->m_strText, Qt::ElideRight, caption.width() - 8));
    }
    if (d->m_bSelected && d->m_colorSelected.isValid()) {
        painter.setPen(QPen(d->m_colorSelected, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

// The signals go out before the base handling; a slot may delete the label,
// and then there is nothing left to handle.
void CPicBaseLabel::mousePressEvent(QMouseEvent* pEvent)
{
    const QPointer<CPicBaseLabel> pThis(this);
    if (pEvent->button() == Qt::LeftButton)
        Q_EMIT SignalPicLabelClicked();
    if (pThis)
        QWidget::mousePressEvent(pEvent);
}

void CPicBaseLabel::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    Q_D(CPicBaseLabel);
    const QPointer<CPicBaseLabel> pThis(this);
    if (pEvent->button() == Qt::LeftButton)
        Q_EMIT SignalDoubleClicked(d->m_uLsh);
    if (pThis)
        QWidget::mouseDoubleClickEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Picture/moc_PicBaseLabel.cpp"
