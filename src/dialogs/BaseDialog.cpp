#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Dialog/BaseDialog.h>

#include "dialogs/BaseDialogPrivate.h"
#include "foundation/GuiFunctionsInternal.h"

#include <OrvaGUIToolkit/Dialog/TitleWidget.h>
#include <OrvaGUIToolkit/Foundation/WidgetMaximizeManager.h>

#include <QtCore/QPointer>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QStyle>
#include <QtWidgets/QToolButton>

namespace OrvaGUIToolkit {

namespace {

bool IsConfirmKey(int iKey)
{
    return iKey == Qt::Key_Return || iKey == Qt::Key_Enter || iKey == Qt::Key_Select;
}

} // namespace

CBaseDialogPrivate::CBaseDialogPrivate() = default;

CBaseDialogPrivate::~CBaseDialogPrivate() = default;

void CBaseDialogPrivate::Init()
{
    SetupForm();
    SetupTitleBar();
}

// Builds the dialog's form: title bar over the content frame, which holds the
// widget that receives the client's content.
void CBaseDialogPrivate::SetupForm()
{
    Q_Q(CBaseDialog);
    if (q->objectName().isEmpty())
        q->setObjectName(QStringLiteral("CBaseDialogClass"));
    m_pGridBaseDialog = new QGridLayout(q);
    m_pGridBaseDialog->setObjectName(QStringLiteral("m_pGridBaseDialog"));
    m_pGridBaseDialog->setContentsMargins(0, 0, 0, 0);
    m_pGridBaseDialog->setSpacing(0);

    m_pTitleWidget = new CTitleWidget(q);
    m_pTitleWidget->setObjectName(QStringLiteral("m_pTitleWidget"));
    m_pTitleWidget->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_pDialogCloseBtn = new QToolButton(m_pTitleWidget);
    m_pDialogCloseBtn->setObjectName(QStringLiteral("m_pDialogCloseBtn"));
    m_pDialogSizeBtn = new QToolButton(m_pTitleWidget);
    m_pDialogSizeBtn->setObjectName(QStringLiteral("m_pDialogSizeBtn"));
    for (QToolButton* pButton : {m_pDialogCloseBtn, m_pDialogSizeBtn}) {
        pButton->setFocusPolicy(Qt::NoFocus);
        pButton->setAutoRaise(true);
    }

    m_pContentFrame = new QFrame(q);
    m_pContentFrame->setObjectName(QStringLiteral("m_pContentFrame"));
    auto* pContentLayout = new QGridLayout(m_pContentFrame);
    pContentLayout->setContentsMargins(0, 0, 0, 0);
    pContentLayout->setSpacing(0);
    m_pSetUpUiWidget = new QWidget(m_pContentFrame);
    m_pSetUpUiWidget->setObjectName(QStringLiteral("m_pNoBottomWidget"));
    pContentLayout->addWidget(m_pSetUpUiWidget, 0, 0);

    m_pGridBaseDialog->addWidget(m_pTitleWidget, 0, 0);
    m_pGridBaseDialog->addWidget(m_pContentFrame, 1, 0);
    m_pGridBaseDialog->setRowStretch(1, 1);
}

// The dialog's own title layout, then the size and close buttons, both hidden
// until the client asks for them.
void CBaseDialogPrivate::SetupTitleBar()
{
    Q_Q(CBaseDialog);
    m_pTitleLayout = new QHBoxLayout;
    m_pTitleLayout->setContentsMargins(0, 0, 0, 0);
    m_pTitleLayout->setSpacing(1);
    m_pTitleWidget->SetLayoutContentsMargins(0, 0, 0, 0);
    m_pTitleWidget->SetLayoutSpacing(1);
    m_pTitleWidget->AddLayout(m_pTitleLayout);

    q->OnUpdateSizeBtnState();
    m_pTitleWidget->AddWidget(m_pDialogSizeBtn);
    m_pDialogSizeBtn->hide();
    QObject::connect(m_pDialogSizeBtn, &QToolButton::clicked, m_pTitleWidget, &CTitleWidget::OnImitateDoubleClick);

    m_pDialogCloseBtn->setIcon(q->style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_pDialogCloseBtn->setToolTip(CBaseDialog::tr("Close"));
    m_pTitleWidget->AddWidget(m_pDialogCloseBtn);
    m_pDialogCloseBtn->hide();
    QObject::connect(m_pDialogCloseBtn, &QToolButton::clicked, q, &CBaseDialog::close);

    QObject::connect(m_pTitleWidget, &CTitleWidget::SignalWndSizeStatusChanged, q,
                     &CBaseDialog::OnUpdateSizeBtnState);
}

CBaseDialog::CBaseDialog(QWidget* pParent)
    : CBaseDialog(*new CBaseDialogPrivate, pParent)
{
}

CBaseDialog::CBaseDialog(CBaseDialogPrivate& dd, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::FramelessWindowHint)
    , d_ptr(&dd)
{
    Q_D(CBaseDialog);
    d->q_ptr = this;
    d->Init();
}

CBaseDialog::~CBaseDialog() = default;

void CBaseDialog::SetTitle(const QString& strTitle)
{
    Q_D(CBaseDialog);
    d->m_pTitleWidget->SetTitle(strTitle);
    setWindowTitle(strTitle);
}

QString CBaseDialog::GetTitle() const
{
    Q_D(const CBaseDialog);
    return d->m_pTitleWidget->GetTitle();
}

void CBaseDialog::SetTitleAlignment(Qt::Alignment enumAlignment)
{
    Q_D(CBaseDialog);
    d->m_pTitleWidget->SetTitlePixmapAlignment(enumAlignment);
}

void CBaseDialog::HideTitle()
{
    Q_D(CBaseDialog);
    d->m_pTitleWidget->hide();
}

void CBaseDialog::SetContentsMargins(int iLeft, int iTop, int iRight, int iBottom)
{
    Q_D(CBaseDialog);
    d->m_pGridBaseDialog->setContentsMargins(iLeft, iTop, iRight, iBottom);
}

void CBaseDialog::SetContentWnd(QWidget* pWidget)
{
    Q_D(CBaseDialog);
    if (!pWidget) {
        qCWarning(lcOrvaGUIToolkit, "CBaseDialog::SetContentWnd: Attempt to insert null QWidget");
        return;
    }
    if (IsSelfOrAncestor(pWidget, d->m_pSetUpUiWidget)) {
        qCWarning(lcOrvaGUIToolkit, "CBaseDialog::SetContentWnd: pWidget is the content area or one of its ancestors");
        return;
    }
    // An earlier content widget stays the client's; it is only taken out of view.
    if (QLayout* pOldLayout = d->m_pSetUpUiWidget->layout()) {
        for (int i = 0; i < pOldLayout->count(); ++i) {
            if (QWidget* pOld = pOldLayout->itemAt(i)->widget())
                pOld->hide();
        }
        delete pOldLayout;
    }
    auto* pLayout = new QGridLayout(d->m_pSetUpUiWidget);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->addWidget(pWidget, 0, 0);
    pWidget->show();
}

QWidget* CBaseDialog::GetSetUpUiWidget() const
{
    Q_D(const CBaseDialog);
    return d->m_pSetUpUiWidget;
}

void CBaseDialog::AddTitleWidget(QWidget* pWidget)
{
    Q_D(CBaseDialog);
    if (!pWidget) {
        qCWarning(lcOrvaGUIToolkit, "CBaseDialog::AddTitleWidget: pWidget == NULL");
        return;
    }
    if (IsSelfOrAncestor(pWidget, d->m_pTitleWidget)) {
        qCWarning(lcOrvaGUIToolkit, "CBaseDialog::AddTitleWidget: pWidget is the title bar or one of its ancestors");
        return;
    }
    d->m_pTitleLayout->addWidget(pWidget);
}

void CBaseDialog::SetTitleDoubleClickEnable(bool bEnable)
{
    Q_D(CBaseDialog);
    d->m_pTitleWidget->SetOpenDoubleClickEnable(bEnable);
}

QToolButton* CBaseDialog::GetCloseBtn() const
{
    Q_D(const CBaseDialog);
    return d->m_pDialogCloseBtn;
}

void CBaseDialog::SetCloseBtnVisible(bool bVisible)
{
    Q_D(CBaseDialog);
    d->m_pDialogCloseBtn->setVisible(bVisible);
}

QToolButton* CBaseDialog::GetSizeBtn() const
{
    Q_D(const CBaseDialog);
    return d->m_pDialogSizeBtn;
}

void CBaseDialog::SetSizeBtnVisible(bool bVisible)
{
    Q_D(CBaseDialog);
    d->m_pDialogSizeBtn->setVisible(bVisible);
}

void CBaseDialog::Maximize()
{
    // A handler of the resize may delete the dialog.
    const QPointer<CBaseDialog> pGuard(this);
    if (CWidgetMaximizeManager::Instance().GetWidgetMaximizeMode() == CWidgetMaximizeManager::MaximizeToFullScreen)
        ShowFullScreen(this);
    else
        ShowMaximized(this);
    if (pGuard)
        OnUpdateSizeBtnState();
}

bool CBaseDialog::IsMaximize() const
{
    return IsFullScreen(this) || IsMaximized(this);
}

void CBaseDialog::OnUpdateSizeBtnState()
{
    Q_D(CBaseDialog);
    QToolButton* pButton = d->m_pDialogSizeBtn;
    const bool bMaximized = IsMaximize();
    const QString strName = bMaximized ? QStringLiteral("m_pNormalSizeBtn") : QStringLiteral("m_pFullSizeBtn");
    pButton->setToolTip(bMaximized ? tr("Restore") : tr("Maximize"));
    if (pButton->objectName() == strName)
        return;
    // Style sheets pick the button's picture by its object name.
    pButton->setObjectName(strName);
    pButton->style()->unpolish(pButton);
    pButton->style()->polish(pButton);
    pButton->update();
}

void CBaseDialog::keyPressEvent(QKeyEvent* pEvent)
{
    // Return and Enter must never trigger a default button of the content.
    if (IsConfirmKey(pEvent->key())) {
        pEvent->accept();
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

void CBaseDialog::resizeEvent(QResizeEvent* pEvent)
{
    QDialog::resizeEvent(pEvent);
    OnUpdateSizeBtnState();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Dialog/moc_BaseDialog.cpp"
