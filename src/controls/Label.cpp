#include <OrvaGUIToolkit/Label/Label.h>

#include <QtCore/QEvent>

namespace OrvaGUIToolkit {

CLabel::CLabel(QWidget* pParent)
    : QLabel(pParent)
{
    ResetAlignment();
}

CLabel::CLabel(const QString& strText, QWidget* pParent)
    : QLabel(strText, pParent)
    , m_strText(strText)
{
    ResetAlignment();
}

CLabel::~CLabel() = default;

QString CLabel::GetText() const
{
    return m_strText;
}

void CLabel::SetText(const QString& strText)
{
    m_strText = strText;
    ShowText();
}

QString CLabel::GetPunctuation() const
{
    return m_strPunctuation;
}

void CLabel::SetPunctuation(const QString& strPunctuation)
{
    m_strPunctuation = strPunctuation;
    ShowText();
}

Qt::Alignment CLabel::GetAlignment() const
{
    return alignment();
}

void CLabel::SetAlignment(Qt::Alignment enumAlignment)
{
    if (enumAlignment != alignment())
        setAlignment(enumAlignment);
}

void CLabel::ResetAlignment()
{
    SetAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

bool CLabel::event(QEvent* pEvent)
{
    if (isEnabled()) {
        switch (pEvent->type()) {
        case QEvent::MouseButtonPress: Q_EMIT SignalMouseClicked(); break;
        case QEvent::MouseButtonDblClick: Q_EMIT SignalDoubleClicked(); break;
        case QEvent::Enter: Q_EMIT SignalMouseEnter(); break;
        case QEvent::Leave: Q_EMIT SignalMouseLeave(); break;
        default: break;
        }
    }
    return QLabel::event(pEvent);
}

void CLabel::ShowText()
{
    setText(m_strText + m_strPunctuation);
}

} // namespace OrvaGUIToolkit
