#include <OrvaGUIToolkit/Dialog/WarningDlg.h>

#include "dialogs/WarningDlgPrivate.h"

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtCore/QPointer>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>

namespace OrvaGUIToolkit {

CWarningDlgPrivate::CWarningDlgPrivate() = default;

CWarningDlgPrivate::~CWarningDlgPrivate() = default;

void CWarningDlgPrivate::InitQuestion(const QString& strText, const QString& strTitle)
{
    Q_Q(CWarningDlg);
    m_strText = strText;
    q->setObjectName(QStringLiteral("CWarningDlg"));
    q->SetTitle(strTitle.isEmpty() ? CWarningDlg::tr("Warning") : strTitle);
    q->SetCloseBtnVisible(true);

    auto* pContent = new QWidget(q);
    auto* pLayout = new QHBoxLayout(pContent);
    pLayout->setSpacing(14);
    m_pIconLabel = new QLabel(pContent);
    m_pIconLabel->setObjectName(QStringLiteral("m_pIconLabel"));
    q->SetIcon(QStringCovertPixmap(QStringLiteral(":/OrvaDesk/Dialog/Images/Public/Control/Dialog/Warning.png")));
    auto* pTextLabel = new QLabel(strText, pContent);
    pTextLabel->setObjectName(QStringLiteral("m_pTextLabel"));
    pTextLabel->setWordWrap(true);
    pTextLabel->setMinimumWidth(260);
    pLayout->addWidget(m_pIconLabel, 0, Qt::AlignTop);
    pLayout->addWidget(pTextLabel, 1);
    q->SetContentWnd(pContent);
}

CWarningDlg::CWarningDlg(const QString& strText, const QString& strTitle, QWidget* pParent)
    : CWarningDlg(*new CWarningDlgPrivate, strText, strTitle, pParent)
{
}

CWarningDlg::CWarningDlg(CWarningDlgPrivate& dd, const QString& strText, const QString& strTitle, QWidget* pParent)
    : CBaseDialogWithBottom(dd, pParent)
{
    Q_D(CWarningDlg);
    d->InitQuestion(strText, strTitle);
}

CWarningDlg::~CWarningDlg() = default;

int CWarningDlg::CheckMessageInfo(const QString& strText, const QString& strTitle, QWidget* pParent)
{
    // On the heap: a parent deleted while the question is open takes the
    // dialog with it.
    QPointer<CWarningDlg> pDialog = new CWarningDlg(strText, strTitle, pParent);
    const int iResult = pDialog->exec() == QDialog::Accepted ? 1 : 0;
    delete pDialog.data();
    return iResult;
}

QString CWarningDlg::GetText() const
{
    Q_D(const CWarningDlg);
    return d->m_strText;
}

QPixmap CWarningDlg::GetIcon() const
{
    Q_D(const CWarningDlg);
    return d->m_pIconLabel->pixmap(Qt::ReturnByValue);
}

void CWarningDlg::SetIcon(const QPixmap& pixIcon)
{
    Q_D(CWarningDlg);
    d->m_pIconLabel->setPixmap(pixIcon);
    d->m_pIconLabel->setVisible(!pixIcon.isNull());
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Dialog/moc_WarningDlg.cpp"
