#include <OrvaGUIToolkit/Timeline/TagEditDialog.h>

#include <OrvaGUIToolkit/LineEdit/LineEdit.h>
#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>
#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include <QtWidgets/QFormLayout>
#include <QtWidgets/QLabel>

namespace OrvaGUIToolkit {

CTagEditDialog::CTagEditDialog(QWidget* pParent)
    : CTagEditDialog(false, pParent)
{
}

CTagEditDialog::CTagEditDialog(bool bEditing, QWidget* pParent)
    : CBaseDialogWithBottom(pParent)
    , m_bEditing(bEditing)
{
    Init();
}

CTagEditDialog::~CTagEditDialog() = default;

void CTagEditDialog::Init()
{
    if (m_pNameEdit)
        return;
    setObjectName(QStringLiteral("CTagEditDialog"));
    SetTitle(tr("Edit Tag"));
    SetCloseBtnVisible(true);

    auto* pContent = new QWidget(this);
    auto* pForm = new QFormLayout(pContent);
    pForm->setContentsMargins(20, 16, 20, 8);
    pForm->setHorizontalSpacing(12);
    pForm->setVerticalSpacing(10);
    m_pTimeLabel = new QLabel(pContent);
    m_pTimeLabel->setObjectName(QStringLiteral("m_pTagTimeLabel"));
    m_pNameEdit = new CLineEdit(pContent);
    m_pNameEdit->setObjectName(QStringLiteral("m_pTagNameEdit"));
    m_pNameEdit->setMinimumWidth(220);
    // File-name characters are refused: tags are exported with the clips.
    m_pNameEdit->setValidator(new CRegExpValidator(s_iMaxNameBytes, QRegExp(QStringLiteral("[\\\\/:*?\"<>|]")),
                                                   m_pNameEdit));
    pForm->addRow(tr("Tag Time:"), m_pTimeLabel);
    pForm->addRow(tr("Tag Name:"), m_pNameEdit);
    SetContentWnd(pContent);
    m_pNameEdit->setFocus();
}

void CTagEditDialog::SetTagTime(const QString& strTime)
{
    m_pTimeLabel->setText(strTime);
}

QString CTagEditDialog::GetTagTime() const
{
    return m_pTimeLabel->text();
}

void CTagEditDialog::SetInputText(const QString& strText)
{
    m_pNameEdit->setText(strText);
    if (m_bEditing)
        m_strOldName = strText;
}

QString CTagEditDialog::GetInputText() const
{
    return m_pNameEdit->text();
}

bool CTagEditDialog::IsEditing() const
{
    return m_bEditing;
}

CLineEdit* CTagEditDialog::GetNameEdit() const
{
    return m_pNameEdit;
}

void CTagEditDialog::done(int iResult)
{
    if (iResult == QDialog::Accepted) {
        const QString strName = m_pNameEdit->text();
        if (strName.isEmpty()) {
            CToolTip::ShowText(tr("Tag name cannot be empty."),
                               m_pNameEdit->mapToGlobal(QPoint(0, m_pNameEdit->height())), m_pNameEdit);
            m_pNameEdit->setFocus();
            return;
        }
        if (!m_bEditing || strName != m_strOldName)
            Q_EMIT SignalSaveInput(m_pTimeLabel->text(), strName);
    }
    Q_EMIT SignalClosed();
    CBaseDialogWithBottom::done(iResult);
}

} // namespace OrvaGUIToolkit
