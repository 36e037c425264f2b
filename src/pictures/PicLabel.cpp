#include "pictures/PicLabelPrivate.h"

#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

namespace {

// The margins of a picture label built without margins of its own.
const QMargins s_marginsDefault(2, 2, 2, 2);

} // namespace

CPicLabel::CPicLabel(QWidget* pParent)
    : CPicLabel(*new CPicLabelPrivate, s_marginsDefault, pParent)
{
}

CPicLabel::CPicLabel(int iLeft, int iTop, int iRight, int iBottom, QWidget* pParent)
    : CPicLabel(*new CPicLabelPrivate, QMargins(iLeft, iTop, iRight, iBottom), pParent)
{
}

CPicLabel::CPicLabel(CPicLabelPrivate& dd, const QMargins& margins, QWidget* pParent)
    : CPicBaseLabel(dd, margins, pParent)
{
    Q_D(CPicLabel);
    d->m_strPlaceholder = tr("No picture");
    d->m_strBroken = tr("Picture unavailable");
}

CPicLabel::~CPicLabel() = default;

void CPicLabel::PutPicture(const QPixmap& pixmap)
{
    SetPicture(GetPicLsh(), pixmap);
}

void CPicLabel::PutPicture(const QString& strPath)
{
    LoadPicture(strPath);
}

QString CPicLabel::GetPlaceholder() const
{
    Q_D(const CPicLabel);
    return d->m_strPlaceholder;
}

void CPicLabel::SetPlaceholder(const QString& strText)
{
    Q_D(CPicLabel);
    d->m_strPlaceholder = strText;
    update();
}

void CPicLabel::paintEvent(QPaintEvent* pEvent)
{
    Q_D(CPicLabel);
    CPicBaseLabel::paintEvent(pEvent);
    const QString& strText = IsPictureBroken() ? d->m_strBroken : d->m_strPlaceholder;
    if (HasPicture() || strText.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, strText);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Picture/moc_PicLabel.cpp"
