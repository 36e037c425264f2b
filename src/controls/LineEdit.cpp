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
    QLineEdit::focusOutEvent(pEvent);
    Q_EMIT SignalFousOut(text());
}

void CLineEdit::OnEditingFinished()
{
    Q_EMIT SignalEditingFinished(text());
}

} // namespace OrvaGUIToolkit
