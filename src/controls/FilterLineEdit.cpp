#include <OrvaGUIToolkit/LineEdit/FilterLineEdit.h>

#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include "foundation/ForbiddenCharacters.h"

#include <QtGui/QIcon>

namespace OrvaGUIToolkit {

namespace {

const int s_iClearIconSize = 24;

} // namespace

CFilterLineEdit::CFilterLineEdit(QWidget* pParent)
    : CFancyLineEdit(pParent)
    , m_regExp(ForbiddenCharactersRegExp(true))
{
    const QIcon iconClear = QIcon::fromTheme(
        QStringLiteral("edit-clear"),
        QIcon(QStringLiteral(":/OrvaDesk/LineEdit/Images/Public/Control/LineEdit/EditClear.png")));
    SetButtonPixmap(Right, iconClear.pixmap(s_iClearIconSize));
    SetButtonVisible(Right, true);
    SetAutoHideButton(Right, true);
    SetButtonToolTip(Right, tr("Clear Text"));
    setPlaceholderText(tr("Filter"));
    m_strWarning = DefaultWarning();
    connect(this, &CFancyLineEdit::SignalRightButtonClicked, this, &QLineEdit::clear);
    connect(this, &QLineEdit::textChanged, this, &CFilterLineEdit::OnCheckFilter);
}

CFilterLineEdit::~CFilterLineEdit() = default;

void CFilterLineEdit::SetRegExp(const QRegExp& regExp, const QString& strWarning)
{
    m_regExp = regExp;
    m_strWarning = strWarning;
    m_bValidate = true;
}

void CFilterLineEdit::SetDefaultRegExp(bool bOn)
{
    m_regExp = ForbiddenCharactersRegExp(true);
    m_strWarning = DefaultWarning();
    m_bValidate = bOn;
}

bool CFilterLineEdit::IsValidating() const
{
    return m_bValidate;
}

QString CFilterLineEdit::GetFilterText() const
{
    return m_strLastFilter;
}

void CFilterLineEdit::OnCheckFilter(const QString& strText)
{
    if (m_bValidate && m_regExp.indexIn(strText) >= 0) {
        // Re-enters this slot with the last filter, which changes nothing.
        const int iCursor = cursorPosition() - (strText.size() - m_strLastFilter.size());
        setText(m_strLastFilter);
        setCursorPosition(qBound(0, iCursor, m_strLastFilter.size()));
        CToolTip::ShowText(m_strWarning, mapToGlobal(QPoint(0, 0)), this);
        return;
    }
    if (strText == m_strLastFilter)
        return;
    const QString strOld = m_strLastFilter;
    m_strLastFilter = strText;
    Q_EMIT SignalFilterChanged(strText, strOld);
}

QString CFilterLineEdit::DefaultWarning() const
{
    return tr("Input cannot contain any of the following characters:") + ForbiddenCharactersList(true);
}

} // namespace OrvaGUIToolkit
