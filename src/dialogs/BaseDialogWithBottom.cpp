#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Dialog/BaseDialogWithBottom.h>

#include "BaseDialogPrivate.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QPushButton>

namespace OrvaGUIToolkit {

// The bottom form ("BaseDialogBottomUi"): a frame with the left, confirm and
// cancel buttons. Its texts are translated in the form's own context.
class CBaseDialogWithBottomPrivate
{
public:
    void SetupForm(QWidget* pParent)
    {
        m_pBottomFrame = new QFrame(pParent);
        m_pBottomFrame->setObjectName(QStringLiteral("m_pBottomFrame"));
        auto* pLayout = new QHBoxLayout(m_pBottomFrame);
        m_pLeftBtn = new QPushButton(m_pBottomFrame);
        m_pLeftBtn->setObjectName(QStringLiteral("m_pLeftBtn"));
        m_pConfirmBtn = new QPushButton(QCoreApplication::translate("BaseDialogBottomUi", "Confirm"), m_pBottomFrame);
        m_pConfirmBtn->setObjectName(QStringLiteral("m_pConfirmBtn"));
        m_pCancelBtn = new QPushButton(QCoreApplication::translate("BaseDialogBottomUi", "Cancel"), m_pBottomFrame);
        m_pCancelBtn->setObjectName(QStringLiteral("m_pCancelBtn"));
        for (QPushButton* pButton : {m_pLeftBtn, m_pConfirmBtn, m_pCancelBtn})
            pButton->setAutoDefault(false);
        pLayout->addWidget(m_pLeftBtn);
        pLayout->addStretch(1);
        pLayout->addWidget(m_pConfirmBtn);
        pLayout->addWidget(m_pCancelBtn);
    }

    QFrame* m_pBottomFrame = nullptr;
    QPushButton* m_pLeftBtn = nullptr;
    QPushButton* m_pConfirmBtn = nullptr;
    QPushButton* m_pCancelBtn = nullptr;
};

namespace {

bool IsConfirmKey(int iKey)
{
    return iKey == Qt::Key_Return || iKey == Qt::Key_Enter || iKey == Qt::Key_Select;
}

} // namespace

CBaseDialogWithBottom::CBaseDialogWithBottom(QWidget* pParent)
    : CBaseDialog(pParent)
    , dBottom(new CBaseDialogWithBottomPrivate)
{
    CBaseDialog::d->m_pSetUpUiWidget->setObjectName(QStringLiteral("m_pWithBottomWidget"));
    dBottom->SetupForm(this);
    CBaseDialog::d->m_pGridBaseDialog->addWidget(dBottom->m_pBottomFrame, 2, 0, 1, 1);
    dBottom->m_pLeftBtn->hide();
    connect(dBottom->m_pConfirmBtn, &QPushButton::clicked, this, &CBaseDialogWithBottom::accept);
    connect(dBottom->m_pCancelBtn, &QPushButton::clicked, this, &CBaseDialogWithBottom::reject);
}

CBaseDialogWithBottom::~CBaseDialogWithBottom() = default;

QPushButton* CBaseDialogWithBottom::GetLeftBtn() const
{
    return dBottom->m_pLeftBtn;
}

QPushButton* CBaseDialogWithBottom::GetConfirmBtn() const
{
    return dBottom->m_pConfirmBtn;
}

QPushButton* CBaseDialogWithBottom::GetCancelBtn() const
{
    return dBottom->m_pCancelBtn;
}

void CBaseDialogWithBottom::SetLeftBtnVisible(bool bVisible)
{
    dBottom->m_pLeftBtn->setVisible(bVisible);
}

void CBaseDialogWithBottom::SetConfirmBtnVisible(bool bVisible)
{
    dBottom->m_pConfirmBtn->setVisible(bVisible);
}

void CBaseDialogWithBottom::SetCancelBtnVisible(bool bVisible)
{
    dBottom->m_pCancelBtn->setVisible(bVisible);
}

void CBaseDialogWithBottom::SetConfirmBtnText(const QString& strText)
{
    dBottom->m_pConfirmBtn->setText(strText);
}

void CBaseDialogWithBottom::SetCancelBtnText(const QString& strText)
{
    dBottom->m_pCancelBtn->setText(strText);
}

void CBaseDialogWithBottom::SetConfirmBtnMinimumSize(const QSize& size)
{
    dBottom->m_pConfirmBtn->setMinimumSize(size);
}

void CBaseDialogWithBottom::SetCancelBtnMinimumSize(const QSize& size)
{
    dBottom->m_pCancelBtn->setMinimumSize(size);
}

void CBaseDialogWithBottom::SetYesAndNoText()
{
    SetConfirmBtnText(tr("Yes"));
    SetCancelBtnText(tr("No"));
}

bool CBaseDialogWithBottom::ReConnect(const QObject* pSender, const char* szSignal, const QObject* pReceiver,
                                      const char* szMethod, Qt::ConnectionType enumType)
{
    if (!pSender || !szSignal || !pReceiver || !szMethod) {
        qCWarning(lcOrvaGUIToolkit, "CBaseDialogWithBottom::ReConnect: pSender == NULL || szSignal == NULL || pReceiver == NULL "
                 "|| szMethod == NULL");
        return false;
    }
    QObject::disconnect(pSender, szSignal, nullptr, nullptr);
    return static_cast<bool>(QObject::connect(pSender, szSignal, pReceiver, szMethod, enumType));
}

void CBaseDialogWithBottom::HideBottom()
{
    CBaseDialog::d->m_pSetUpUiWidget->setObjectName(QStringLiteral("m_pNoBottomWidget"));
    dBottom->m_pBottomFrame->hide();
}

void CBaseDialogWithBottom::keyPressEvent(QKeyEvent* pEvent)
{
    if (!IsConfirmKey(pEvent->key())) {
        CBaseDialog::keyPressEvent(pEvent);
        return;
    }
    pEvent->accept();
    if (dBottom->m_pConfirmBtn->isVisibleTo(this))
        dBottom->m_pConfirmBtn->click();
}

} // namespace OrvaGUIToolkit
