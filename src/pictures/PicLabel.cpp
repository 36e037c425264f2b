#include <OrvaGUIToolkit/Picture/PicLabel.h>

#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

CPicLabel::CPicLabel(QWidget* pParent)
    : CPicBaseLabel(pParent)
    , m_strPlaceholder(tr("No picture"))
{
}

CPicLabel::CPicLabel(int iLeft, int iTop, int iRight, int iBottom, QWidget* pParent)
    : CPicBaseLabel(iLeft, iTop, iRight, iBottom, pParent)
    , m_strPlaceholder(tr("No picture"))
{
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
    return m_strPlaceholder;
}

void CPicLabel::SetPlaceholder(const QString& strText)
{
    m_strPlaceholder = strText;
    update();
}

void CPicLabel::paintEvent(QPaintEvent* pEvent)
{
    CPicBaseLabel::paintEvent(pEvent);
    if (HasPicture() || m_strPlaceholder.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_strPlaceholder);
}

} // namespace OrvaGUIToolkit
