#include "controls/FilterLineEditPrivate.h"

#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include "foundation/ForbiddenCharacters.h"

#include <QtGui/QIcon>

namespace OrvaGUIToolkit {

namespace {

const int s_iClearIconSize = 24;

} // namespace

QString CFilterLineEditPrivate::DefaultWarning()
{
    return CFilterLineEdit::tr("Input cannot contain any of the following characters:") + ForbiddenCharactersList(true);
}

void CFilterLineEditPrivate::OnCheckFilter(const QString& strText)
{
    Q_Q(CFilterLineEdit);
    if (m_bValidate && m_regExp.indexIn(strText) >= 0) {
        // Re-enters this slot with the last filter, which changes nothing.
        const int iCursor = q->cursorPosition() - (strText.size() - m_strLastFilter.size());
        q->setText(m_strLastFilter);
        q->setCursorPosition(qBound(0, iCursor, m_strLastFilter.size()));
        CToolTip::ShowText(m_strWarning, q->mapToGlobal(QPoint(0, 0)), q);
        return;
    }
    if (strText == m_strLastFilter)
        return;
    const QString strOld = m_strLastFilter;
    m_strLastFilter = strText;
    Q_EMIT q->SignalFilterChanged(strText, strOld);
}

CFilterLineEdit::CFilterLineEdit(QWidget* pParent)
    : CFilterLineEdit(*new CFilterLineEditPrivate, pParent)
{
}

CFilterLineEdit::CFilterLineEdit(CFilterLineEditPrivate& dd, QWidget* pParent)
    : CFancyLineEdit(dd, pParent)
{
    Q_D(CFilterLineEdit);
    d->m_regExp = ForbiddenCharactersRegExp(true);
    d->m_strWarning = CFilterLineEditPrivate::DefaultWarning();
    const QIcon iconClear = QIcon::fromTheme(
        QStringLiteral("edit-clear"),
        QIcon(QStringLiteral(":/OrvaDesk/LineEdit/Images/Public/Control/LineEdit/EditClear.png")));
    SetButtonPixmap(Right, iconClear.pixmap(s_iClearIconSize));
    SetButtonVisible(Right, true);
    SetAutoHideButton(Right, true);
    SetButtonToolTip(Right, tr("Clear Text"));
    setPlaceholderText(tr("Filter"));
    connect(this, &CFancyLineEdit::SignalRightButtonClicked, this, &QLineEdit::clear);
    connect(this, &QLineEdit::textChanged, this, [d](const QString& strText) { d->OnCheckFilter(strText); });
}

CFilterLineEdit::~CFilterLineEdit() = default;

void CFilterLineEdit::SetRegExp(const QRegExp& regExp, const QString& strWarning)
{
    Q_D(CFilterLineEdit);
    d->m_regExp = regExp;
    d->m_strWarning = strWarning;
    d->m_bValidate = true;
}

void CFilterLineEdit::SetDefaultRegExp(bool bOn)
{
    Q_D(CFilterLineEdit);
    d->m_regExp = ForbiddenCharactersRegExp(true);
    d->m_strWarning = CFilterLineEditPrivate::DefaultWarning();
    d->m_bValidate = bOn;
}

bool CFilterLineEdit::IsValidating() const
{
    Q_D(const CFilterLineEdit);
    return d->m_bValidate;
}

QString CFilterLineEdit::GetFilterText() const
{
    Q_D(const CFilterLineEdit);
    return d->m_strLastFilter;
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/LineEdit/moc_FilterLineEdit.cpp"
