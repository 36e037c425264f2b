#include <OrvaGUIToolkit/Dialog/WarningDlg.h>

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtCore/QPointer>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>

namespace OrvaGUIToolkit {

CWarningDlg::CWarningDlg(const QString& strText, const QString& strTitle, QWidget* pParent)
    : CBaseDialogWithBottom(pParent)
    , m_strText(strText)
{
    setObjectName(QStringLiteral("CWarningDlg"));
    SetTitle(strTitle.isEmpty() ? tr("Warning") : strTitle);
    SetCloseBtnVisible(true);

    auto* pContent = new QWidget(this);
    auto* pLayout = new QHBoxLayout(pContent);
    pLayout->setSpacing(14);
    auto* pIconLabel = new QLabel(pContent);
    pIconLabel->setObjectName(QStringLiteral("m_pIconLabel"));
    const QPixmap pixIcon = QStringCovertPixmap(QStringLiteral(":/OrvaDesk/Dialog/Images/Public/Control/Dialog/Warning.png"));
    pIconLabel->setPixmap(pixIcon);
    pIconLabel->setVisible(!pixIcon.isNull());
    auto* pTextLabel = new QLabel(strText, pContent);
    pTextLabel->setObjectName(QStringLiteral("m_pTextLabel"));
    pTextLabel->setWordWrap(true);
    pTextLabel->setMinimumWidth(260);
    pLayout->addWidget(pIconLabel, 0, Qt::AlignTop);
    pLayout->addWidget(pTextLabel, 1);
    SetContentWnd(pContent);
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
    return m_strText;
}

} // namespace OrvaGUIToolkit
