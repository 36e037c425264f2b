#include "controls/ValidateLineEditPrivate.h"

#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include "foundation/ForbiddenCharacters.h"

namespace OrvaGUIToolkit {

CValidateLineEdit::CValidateLineEdit(QWidget* pParent)
    : CValidateLineEdit(*new CValidateLineEditPrivate, pParent)
{
}

CValidateLineEdit::CValidateLineEdit(CValidateLineEditPrivate& dd, QWidget* pParent)
    : CLineEdit(dd, pParent)
{
    Q_D(CValidateLineEdit);
    d->m_regExp = ForbiddenCharactersRegExp(false);
    connect(this, &QLineEdit::textChanged, this, &CValidateLineEdit::OnTextChanged);
}

CValidateLineEdit::~CValidateLineEdit() = default;

void CValidateLineEdit::SetRegExp(const QRegExp& regExp, const QString& strWarning)
{
    Q_D(CValidateLineEdit);
    d->m_regExp = regExp;
    d->m_strWarning = strWarning;
    d->m_bCustomWarning = true;
}

QRegExp CValidateLineEdit::GetRegExp() const
{
    Q_D(const CValidateLineEdit);
    return d->m_regExp;
}

QString CValidateLineEdit::GetWarningText() const
{
    Q_D(const CValidateLineEdit);
    if (d->m_bCustomWarning)
        return d->m_strWarning;
    return tr("Input cannot contain any of the following characters:") + ForbiddenCharactersList(false);
}

void CValidateLineEdit::OnTextChanged(const QString& strText)
{
    Q_D(CValidateLineEdit);
    if (d->m_regExp.indexIn(strText) < 0) {
        if (strText != d->m_strLastText) {
            d->m_strLastText = strText;
            Q_EMIT SignalTextChanged(strText);
        }
        return;
    }
    // Setting the text back re-enters this slot with the accepted text, which
    // changes nothing further. The cursor stays where the refused input began.
    const int iCursor = cursorPosition() - (strText.size() - d->m_strLastText.size());
    setText(d->m_strLastText);
    setCursorPosition(qBound(0, iCursor, d->m_strLastText.size()));
    CToolTip::ShowText(GetWarningText(), mapToGlobal(QPoint(0, 0)), this);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/LineEdit/moc_ValidateLineEdit.cpp"
