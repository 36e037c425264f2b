#include <OrvaGUIToolkit/Dialog/TitleLabel.h>

#include "dialogs/TitleLabelPrivate.h"

#include <QtGui/QPainter>
#include <QtWidgets/QStyle>

namespace OrvaGUIToolkit {

CTitleLabelPrivate::CTitleLabelPrivate() = default;

CTitleLabelPrivate::~CTitleLabelPrivate() = default;

CTitleLabel::CTitleLabel(QWidget* pParent)
    : CTitleLabel(*new CTitleLabelPrivate, pParent)
{
}

CTitleLabel::CTitleLabel(CTitleLabelPrivate& dd, QWidget* pParent)
    : QLabel(pParent)
    , d_ptr(&dd)
{
    d_ptr->q_ptr = this;
    setAlignment(Qt::AlignCenter);
}

CTitleLabel::~CTitleLabel() = default;

void CTitleLabel::SetTitleText(const QString& strText)
{
    Q_D(CTitleLabel);
    d->m_strTitleText = strText;
    setToolTip(strText);
    updateGeometry();
    update();
}

QString CTitleLabel::GetTitleText() const
{
    Q_D(const CTitleLabel);
    return d->m_strTitleText;
}

QSize CTitleLabel::sizeHint() const
{
    Q_D(const CTitleLabel);
    const QMargins margins = contentsMargins();
    const QPixmap pixTitle = pixmap(Qt::ReturnByValue);
    const int iHeight = pixTitle.isNull() ? fontMetrics().height() : pixTitle.height();
    return QSize(d->ContentWidth(), iHeight) + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize CTitleLabel::minimumSizeHint() const
{
    // A long title is clipped rather than widening the window.
    return QSize(0, sizeHint().height());
}

int CTitleLabelPrivate::ContentWidth() const
{
    Q_Q(const CTitleLabel);
    const QPixmap pixTitle = q->pixmap(Qt::ReturnByValue);
    if (!pixTitle.isNull())
        return pixTitle.width();
    return q->fontMetrics().horizontalAdvance(m_strTitleText);
}

void CTitleLabelPrivate::CentreOnParent(QRect& rect, Qt::Alignment& enumAlign, int iContentWidth) const
{
    Q_Q(const CTitleLabel);
    const QWidget* pParent = q->parentWidget();
    if (!pParent)
        return;
    const int iCentre = q->mapFromParent(pParent->rect().center()).x();
    const int iHalf = iContentWidth / 2;
    const Qt::Alignment enumVertical = enumAlign & Qt::AlignVertical_Mask;
    if (iCentre > rect.right() || iCentre + iHalf > rect.right()) {
        enumAlign = Qt::AlignRight | enumVertical;
    } else if (iCentre - iHalf < rect.left()) {
        enumAlign = Qt::AlignLeft | enumVertical;
    } else {
        rect.setLeft(iCentre - iHalf);
        rect.setWidth(iContentWidth);
    }
}

void CTitleLabel::paintEvent(QPaintEvent*)
{
    Q_D(CTitleLabel);
    const QPixmap pixTitle = pixmap(Qt::ReturnByValue);
    if (pixTitle.isNull() && d->m_strTitleText.isEmpty())
        return;
    const int iContentWidth = d->ContentWidth();

    QPainter painter(this);
    drawFrame(&painter);
    QRect rect = contentsRect();
    // Elided only when it does not fit the label at all; the tool tip has it whole.
    const QString strShown = iContentWidth > rect.width()
        ? fontMetrics().elidedText(d->m_strTitleText, Qt::ElideRight, rect.width())
        : d->m_strTitleText;
    Qt::Alignment enumAlign = QStyle::visualAlignment(layoutDirection(), alignment());
    if ((enumAlign & Qt::AlignHCenter) && iContentWidth < rect.width())
        d->CentreOnParent(rect, enumAlign, iContentWidth);

    if (!pixTitle.isNull())
        style()->drawItemPixmap(&painter, rect, static_cast<int>(enumAlign), pixTitle);
    else
        style()->drawItemText(&painter, rect, static_cast<int>(enumAlign), palette(), isEnabled(), strShown,
                              foregroundRole());
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Dialog/moc_TitleLabel.cpp"
