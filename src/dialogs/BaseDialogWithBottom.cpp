#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Dialog/BaseDialogWithBottom.h>

#include "dialogs/BaseDialogWithBottomPrivate.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QPushButton>

namespace OrvaGUIToolkit {

CBaseDialogWithBottomPrivate::CBaseDialogWithBottomPrivate() = default;

CBaseDialogWithBottomPrivate::~CBaseDialogWithBottomPrivate() = default;

void CBaseDialogWithBottomPrivate::InitBottom()
{
    Q_Q(CBaseDialogWithBottom);
    m_pSetUpUiWidget->setObjectName(QStringLiteral("m_pWithBottomWidget"));
    SetupBottomForm();
    m_pGridBaseDialog->addWidget(m_pBottomFrame, 2, 0, 1, 1);
    m_pLeftBtn->hide();
    QObject::connect(m_pConfirmBtn, &QPushButton::clicked, q, &CBaseDialogWithBottom::accept);
    QObject::connect(m_pCancelBtn, &QPushButton::clicked, q, &CBaseDialogWithBottom::reject);
}

void CBaseDialogWithBottomPrivate::SetupBottomForm()
{
    Q_Q(CBaseDialogWithBottom);
    m_pBottomFrame = new QFrame(q);
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

namespace {

bool IsConfirmKey(int iKey)
{
    return iKey == Qt::Key_Return || iKey == Qt::Key_Enter || iKey == Qt::Key_Select;
}

} // namespace

CBaseDialogWithBottom::CBaseDialogWithBottom(QWidget* pParent)
    : CBaseDialogWithBottom(*new CBaseDialogWithBottomPrivate, pParent)
{
}

CBaseDialogWithBottom::CBaseDialogWithBottom(CBaseDialogWithBottomPrivate& dd, QWidget* pParent)
    : CBaseDialog(dd, pParent)
{
    Q_D(CBaseDialogWithBottom);
    d->InitBottom();
}

CBaseDialogWithBottom::~CBaseDialogWithBottom() = default;

QPushButton* CBaseDialogWithBottom::GetLeftBtn() const
{
    Q_D(const CBaseDialogWithBottom);
    return d->m_pLeftBtn;
}

QPushButton* CBaseDialogWithBottom::GetConfirmBtn() const
{
    Q_D(const CBaseDialogWithBottom);
    return d->m_pConfirmBtn;
}

QPushButton* CBaseDialogWithBottom::GetCancelBtn() const
{
    Q_D(const CBaseDialogWithBottom);
    return d->m_pCancelBtn;
}

void CBaseDialogWithBottom::SetLeftBtnVisible(bool bVisible)
{
    Q_D(CBaseDialogWithBottom);
    d->m_pLeftBtn->setVisible(bVisible);
}

void CBaseDialogWithBottom::SetConfirmBtnVisible(bool bVisible)
{
    Q_D(CBaseDialogWithBottom);
    d->m_pConfirmBtn->setVisible(bVisible);
}

void CBaseDialogWithBottom::SetCancelBtnVisible(bool bVisible)
{
    Q_D(CBaseDialogWithBottom);
    d->m_pCancelBtn->setVisible(bVisible);
}

void CBaseDialogWithBottom::SetConfirmBtnText(const QString& strText)
{
    Q_D(CBaseDialogWithBottom);
    d->m_pConfirmBtn->setText(strText);
}

void CBaseDialogWithBottom::SetCancelBtnText(const QString& strText)
{
    Q_D(CBaseDialogWithBottom);
    d->m_pCancelBtn->setText(strText);
}

void CBaseDialogWithBottom::SetConfirmBtnMinimumSize(const QSize& size)
{
    Q_D(CBaseDialogWithBottom);
    d->m_pConfirmBtn->setMinimumSize(size);
}

void CBaseDialogWithBottom::SetCancelBtnMinimumSize(const QSize& size)
{
    Q_D(CBaseDialogWithBottom);
    d->m_pCancelBtn->setMinimumSize(size);
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
    Q_D(CBaseDialogWithBottom);
    d->m_pSetUpUiWidget->setObjectName(QStringLiteral("m_pNoBottomWidget"));
    d->m_pBottomFrame->hide();
}

void CBaseDialogWithBottom::keyPressEvent(QKeyEvent* pEvent)
{
    Q_D(CBaseDialogWithBottom);
    if (!IsConfirmKey(pEvent->key())) {
        CBaseDialog::keyPressEvent(pEvent);
        return;
    }
    pEvent->accept();
    if (d->m_pConfirmBtn->isVisibleTo(this))
        d->m_pConfirmBtn->click();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Dialog/moc_BaseDialogWithBottom.cpp"
