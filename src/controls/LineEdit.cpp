#include "controls/LineEditPrivate.h"

#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>

namespace OrvaGUIToolkit {

CLineEdit::CLineEdit(QWidget* pParent)
    : CLineEdit(*new CLineEditPrivate, pParent)
{
}

CLineEdit::CLineEdit(const QString& strText, QWidget* pParent)
    : CLineEdit(*new CLineEditPrivate, pParent)
{
    setText(strText);
}

CLineEdit::CLineEdit(CLineEditPrivate& dd, QWidget* pParent)
    : QLineEdit(pParent)
    , d_ptr(&dd)
{
    Q_D(CLineEdit);
    d->q_ptr = this;
    connect(this, &QLineEdit::editingFinished, this, &CLineEdit::OnEditingFinished);
}

CLineEdit::~CLineEdit() = default;

void CLineEdit::SetMaxLineEditLength(int iMaxLength, QObject* pParent)
{
    Q_D(CLineEdit);
    CRegExpValidator* pOld = d->m_pByteValidator;
    d->m_pByteValidator = new CRegExpValidator(iMaxLength, pParent ? pParent : this);
    setValidator(d->m_pByteValidator);
    if (pOld && pOld->parent() == this)
        delete pOld;
}

// Each signal goes out last, after the base handling: a slot may delete the
// line edit.
void CLineEdit::mousePressEvent(QMouseEvent* pEvent)
{
    QLineEdit::mousePressEvent(pEvent);
    Q_EMIT SignalCursorPosition(cursorPosition());
}

void CLineEdit::focusInEvent(QFocusEvent* pEvent)
{
    QLineEdit::focusInEvent(pEvent);
    Q_EMIT SignalFocusIn();
}

void CLineEdit::focusOutEvent(QFocusEvent* pEvent)
{
    Q_D(CLineEdit);
    d->m_enumFocusOutState = CLineEditPrivate::FocusOutState::Leaving;
    QLineEdit::focusOutEvent(pEvent);
    const bool bFinished = d->m_enumFocusOutState == CLineEditPrivate::FocusOutState::FinishedWhileLeaving;
    d->m_enumFocusOutState = CLineEditPrivate::FocusOutState::None;
    if (bFinished) {
        const QPointer<CLineEdit> pThis(this);
        Q_EMIT SignalEditingFinished(text());
        if (!pThis)
            return;
    }
    Q_EMIT SignalFousOut(text());
}

// Return finishes the edit from QLineEdit's key handling, which touches
// nothing after it, so it is reported at once. A focus change finishes it from
// inside the focus-out handling; focusOutEvent() reports it after that.
void CLineEdit::OnEditingFinished()
{
    Q_D(CLineEdit);
    if (d->m_enumFocusOutState != CLineEditPrivate::FocusOutState::None) {
        d->m_enumFocusOutState = CLineEditPrivate::FocusOutState::FinishedWhileLeaving;
        return;
    }
    Q_EMIT SignalEditingFinished(text());
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/LineEdit/moc_LineEdit.cpp"
