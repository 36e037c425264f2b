#include <OrvaGUIToolkit/Dialog/TitleLabel.h>

#include <QtGui/QPainter>
#include <QtWidgets/QStyle>

namespace OrvaGUIToolkit {

CTitleLabel::CTitleLabel(QWidget* pParent)
    : QLabel(pParent)
{
    setAlignment(Qt::AlignCenter);
}

CTitleLabel::~CTitleLabel() = default;

void CTitleLabel::SetTitleText(const QString& strText)
{
    m_strTitleText = strText;
    setToolTip(strText);
    updateGeometry();
    update();
}

QString CTitleLabel::GetTitleText() const
{
    return m_strTitleText;
}

QSize CTitleLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    const QPixmap pixTitle = pixmap(Qt::ReturnByValue);
    const int iHeight = pixTitle.isNull() ? fontMetrics().height() : pixTitle.height();
    return QSize(ContentWidth(), iHeight) + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize CTitleLabel::minimumSizeHint() const
{
    // A long title is clipped rather than widening the window.
    return QSize(0, sizeHint().height());
}

int CTitleLabel::ContentWidth() const
{
    const QPixmap pixTitle = pixmap(Qt::ReturnByValue);
    if (!pixTitle.isNull())
        return pixTitle.width();
    return fontMetrics().horizontalAdvance(m_strTitleText);
}

void CTitleLabel::CentreOnParent(QRect& rect, Qt::Alignment& enumAlign, int iContentWidth) const
{
    const QWidget* pParent = parentWidget();
    if (!pParent)
        return;
    const int iCentre = mapFromParent(pParent->rect().center()).x();
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
    const QPixmap pixTitle = pixmap(Qt::ReturnByValue);
    if (pixTitle.isNull() && m_strTitleText.isEmpty())
        return;
    const int iContentWidth = ContentWidth();

    QPainter painter(this);
    drawFrame(&painter);
    QRect rect = contentsRect();
    // Elided only when it does not fit the label at all; the tool tip has it whole.
    const QString strShown = iContentWidth > rect.width()
        ? fontMetrics().elidedText(m_strTitleText, Qt::ElideRight, rect.width())
        : m_strTitleText;
    Qt::Alignment enumAlign = QStyle::visualAlignment(layoutDirection(), alignment());
    if ((enumAlign & Qt::AlignHCenter) && iContentWidth < rect.width())
        CentreOnParent(rect, enumAlign, iContentWidth);

    if (!pixTitle.isNull())
        style()->drawItemPixmap(&painter, rect, static_cast<int>(enumAlign), pixTitle);
    else
        style()->drawItemText(&painter, rect, static_cast<int>(enumAlign), palette(), isEnabled(), strShown,
                              foregroundRole());
}

} // namespace OrvaGUIToolkit
