#include <OrvaGUIToolkit/LineEdit/LineEdit.h>

#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>

namespace OrvaGUIToolkit {

CLineEdit::CLineEdit(QWidget* pParent)
    : CLineEdit(QString(), pParent)
{
}

CLineEdit::CLineEdit(const QString& strText, QWidget* pParent)
    : QLineEdit(strText, pParent)
{
    connect(this, &QLineEdit::editingFinished, this, &CLineEdit::OnEditingFinished);
}

CLineEdit::~CLineEdit() = default;

void CLineEdit::SetMaxLineEditLength(int iMaxLength, QObject* pParent)
{
    CRegExpValidator* pOld = m_pByteValidator;
    m_pByteValidator = new CRegExpValidator(iMaxLength, pParent ? pParent : this);
    setValidator(m_pByteValidator);
    if (pOld && pOld->parent() == this)
        delete pOld;
}

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
