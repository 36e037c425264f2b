#include <OrvaGUIToolkit/LineEdit/ValidateLineEdit.h>

#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include "foundation/ForbiddenCharacters.h"

namespace OrvaGUIToolkit {

CValidateLineEdit::CValidateLineEdit(QWidget* pParent)
    : CLineEdit(pParent)
    , m_regExp(ForbiddenCharactersRegExp(false))
{
    connect(this, &QLineEdit::textChanged, this, &CValidateLineEdit::OnTextChanged);
}

CValidateLineEdit::~CValidateLineEdit() = default;

void CValidateLineEdit::SetRegExp(const QRegExp& regExp, const QString& strWarning)
{
    m_regExp = regExp;
    m_strWarning = strWarning;
    m_bCustomWarning = true;
}

QRegExp CValidateLineEdit::GetRegExp() const
{
    return m_regExp;
}

QString CValidateLineEdit::GetWarningText() const
{
    if (m_bCustomWarning)
        return m_strWarning;
    return tr("Input cannot contain any of the following characters:") + ForbiddenCharactersList(false);
}

void CValidateLineEdit::OnTextChanged(const QString& strText)
{
    if (m_regExp.indexIn(strText) < 0) {
        if (strText != m_strLastText) {
            m_strLastText = strText;
            Q_EMIT SignalTextChanged(strText);
        }
        return;
    }
    // Setting the text back re-enters this slot with the accepted text, which
    // changes nothing further. The cursor stays where the refused input began.
    const int iCursor = cursorPosition() - (strText.size() - m_strLastText.size());
    setText(m_strLastText);
    setCursorPosition(qBound(0, iCursor, m_strLastText.size()));
    CToolTip::ShowText(GetWarningText(), mapToGlobal(QPoint(0, 0)), this);
}

} // namespace OrvaGUIToolkit
