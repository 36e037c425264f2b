#include "controls/PlaceholdLineEditPrivate.h"

namespace OrvaGUIToolkit {

CPlaceholdLineEdit::CPlaceholdLineEdit(QWidget* pParent)
    : CPlaceholdLineEdit(*new CPlaceholdLineEditPrivate, pParent)
{
}

CPlaceholdLineEdit::CPlaceholdLineEdit(CPlaceholdLineEditPrivate& dd, QWidget* pParent)
    : CLineEdit(dd, pParent)
{
}

CPlaceholdLineEdit::~CPlaceholdLineEdit() = default;

void CPlaceholdLineEdit::setPlaceholderText(const QString& strText)
{
    QLineEdit::setPlaceholderText(strText);
    setToolTip(strText);
}

void CPlaceholdLineEdit::SetToolTips(const QString& strToolTips)
{
    Q_D(CPlaceholdLineEdit);
    d->m_strToolTips = strToolTips;
}

void CPlaceholdLineEdit::focusInEvent(QFocusEvent* pEvent)
{
    Q_D(CPlaceholdLineEdit);
    setToolTip(d->m_strToolTips);
    CLineEdit::focusInEvent(pEvent);
}

// Once the field is left empty its placeholder may be cut off by a narrow
// field; the tool tip keeps it readable.
void CPlaceholdLineEdit::focusOutEvent(QFocusEvent* pEvent)
{
    if (text().isEmpty() && !placeholderText().isEmpty())
        setToolTip(placeholderText());
    CLineEdit::focusOutEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/LineEdit/moc_PlaceholdLineEdit.cpp"
