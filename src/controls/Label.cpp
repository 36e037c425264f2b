#include "controls/LabelPrivate.h"

#include <QtCore/QEvent>
#include <QtCore/QPointer>

namespace OrvaGUIToolkit {

void CLabelPrivate::ShowText()
{
    Q_Q(CLabel);
    q->setText(m_strText + m_strPunctuation);
}

CLabel::CLabel(QWidget* pParent)
    : CLabel(*new CLabelPrivate, pParent)
{
}

CLabel::CLabel(const QString& strText, QWidget* pParent)
    : CLabel(*new CLabelPrivate, pParent)
{
    SetText(strText);
}

CLabel::CLabel(CLabelPrivate& dd, QWidget* pParent)
    : QLabel(pParent)
    , d_ptr(&dd)
{
    Q_D(CLabel);
    d->q_ptr = this;
    ResetAlignment();
}

CLabel::~CLabel() = default;

QString CLabel::GetText() const
{
    Q_D(const CLabel);
    return d->m_strText;
}

void CLabel::SetText(const QString& strText)
{
    Q_D(CLabel);
    d->m_strText = strText;
    d->ShowText();
}

QString CLabel::GetPunctuation() const
{
    Q_D(const CLabel);
    return d->m_strPunctuation;
}

void CLabel::SetPunctuation(const QString& strPunctuation)
{
    Q_D(CLabel);
    d->m_strPunctuation = strPunctuation;
    d->ShowText();
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

// The signal goes out before the base handling; a slot may delete the label,
// and then the event is taken as handled.
bool CLabel::event(QEvent* pEvent)
{
    if (isEnabled()) {
        const QPointer<CLabel> pThis(this);
        switch (pEvent->type()) {
        case QEvent::MouseButtonPress: Q_EMIT SignalMouseClicked(); break;
        case QEvent::MouseButtonDblClick: Q_EMIT SignalDoubleClicked(); break;
        case QEvent::Enter: Q_EMIT SignalMouseEnter(); break;
        case QEvent::Leave: Q_EMIT SignalMouseLeave(); break;
        default: break;
        }
        if (!pThis)
            return true;
    }
    return QLabel::event(pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Label/moc_Label.cpp"
