#include "TagEditDialogPrivate.h"

#include <OrvaGUIToolkit/LineEdit/LineEdit.h>
#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>
#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include <QtCore/QPointer>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QLabel>

namespace OrvaGUIToolkit {

CTagEditDialogPrivate::CTagEditDialogPrivate(bool bEditing)
    : m_bEditing(bEditing)
{
}

CTagEditDialogPrivate::~CTagEditDialogPrivate() = default;

CTagEditDialog::CTagEditDialog(QWidget* pParent)
    : CTagEditDialog(false, pParent)
{
}

CTagEditDialog::CTagEditDialog(bool bEditing, QWidget* pParent)
    : CBaseDialogWithBottom(*new CTagEditDialogPrivate(bEditing), pParent)
{
    Init();
}

CTagEditDialog::~CTagEditDialog() = default;

void CTagEditDialog::Init()
{
    Q_D(CTagEditDialog);
    if (d->m_pNameEdit)
        return;
    setObjectName(QStringLiteral("CTagEditDialog"));
    SetTitle(tr("Edit Tag"));
    SetCloseBtnVisible(true);

    auto* pContent = new QWidget(this);
    auto* pForm = new QFormLayout(pContent);
    pForm->setContentsMargins(20, 16, 20, 8);
    pForm->setHorizontalSpacing(12);
    pForm->setVerticalSpacing(10);
    d->m_pTimeLabel = new QLabel(pContent);
    d->m_pTimeLabel->setObjectName(QStringLiteral("m_pTagTimeLabel"));
    d->m_pNameEdit = new CLineEdit(pContent);
    d->m_pNameEdit->setObjectName(QStringLiteral("m_pTagNameEdit"));
    d->m_pNameEdit->setMinimumWidth(220);
    // File-name characters are refused: tags are exported with the clips.
    d->m_pNameEdit->setValidator(new CRegExpValidator(CTagEditDialogPrivate::s_iMaxNameBytes, QRegExp(QStringLiteral("[\\\\/:*?\"<>|]")),
                                                   d->m_pNameEdit));
    pForm->addRow(tr("Tag Time:"), d->m_pTimeLabel);
    pForm->addRow(tr("Tag Name:"), d->m_pNameEdit);
    SetContentWnd(pContent);
    d->m_pNameEdit->setFocus();
}

void CTagEditDialog::SetTagTime(const QString& strTime)
{
    Q_D(CTagEditDialog);
    d->m_pTimeLabel->setText(strTime);
}

QString CTagEditDialog::GetTagTime() const
{
    Q_D(const CTagEditDialog);
    return d->m_pTimeLabel->text();
}

void CTagEditDialog::SetInputText(const QString& strText)
{
    Q_D(CTagEditDialog);
    d->m_pNameEdit->setText(strText);
    if (d->m_bEditing)
        d->m_strOldName = strText;
}

QString CTagEditDialog::GetInputText() const
{
    Q_D(const CTagEditDialog);
    return d->m_pNameEdit->text();
}

bool CTagEditDialog::IsEditing() const
{
    Q_D(const CTagEditDialog);
    return d->m_bEditing;
}

void CTagEditDialog::done(int iResult)
{
    Q_D(CTagEditDialog);
    if (iResult == QDialog::Accepted && d->m_pNameEdit->text().isEmpty()) {
        CToolTip::ShowText(tr("Tag name cannot be empty."),
                           d->m_pNameEdit->mapToGlobal(QPoint(0, d->m_pNameEdit->height())), d->m_pNameEdit);
        d->m_pNameEdit->setFocus();
        return;
    }
    // A receiver may delete the dialog: nothing more is done then.
    const QPointer<CTagEditDialog> guard(this);
    const QString strName = d->m_pNameEdit->text();
    if (iResult == QDialog::Accepted && (!d->m_bEditing || strName != d->m_strOldName))
        Q_EMIT SignalSaveInput(d->m_pTimeLabel->text(), strName);
    if (guard)
        Q_EMIT SignalClosed();
    if (guard)
        CBaseDialogWithBottom::done(iResult);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Timeline/moc_TagEditDialog.cpp"
