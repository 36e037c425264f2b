#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Dialog/BaseDialog.h>

#include "BaseDialogPrivate.h"

#include <OrvaGUIToolkit/Dialog/TitleWidget.h>
#include <OrvaGUIToolkit/Foundation/WidgetMaximizeManager.h>

#include <QtGui/QKeyEvent>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QStyle>
#include <QtWidgets/QToolButton>

namespace OrvaGUIToolkit {

namespace {

// Builds the dialog's form: title bar over the content frame, which holds the
// widget that receives the client's content.
void SetupForm(CBaseDialogPrivate& form, QDialog* pDialog)
{
    if (pDialog->objectName().isEmpty())
        pDialog->setObjectName(QStringLiteral("CBaseDialogClass"));
    form.m_pGridBaseDialog = new QGridLayout(pDialog);
    form.m_pGridBaseDialog->setObjectName(QStringLiteral("m_pGridBaseDialog"));
    form.m_pGridBaseDialog->setContentsMargins(0, 0, 0, 0);
    form.m_pGridBaseDialog->setSpacing(0);

    form.m_pTitleWidget = new CTitleWidget(pDialog);
    form.m_pTitleWidget->setObjectName(QStringLiteral("m_pTitleWidget"));
    form.m_pTitleWidget->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    form.m_pDialogCloseBtn = new QToolButton(form.m_pTitleWidget);
    form.m_pDialogCloseBtn->setObjectName(QStringLiteral("m_pDialogCloseBtn"));
    form.m_pDialogSizeBtn = new QToolButton(form.m_pTitleWidget);
    form.m_pDialogSizeBtn->setObjectName(QStringLiteral("m_pDialogSizeBtn"));
    for (QToolButton* pButton : {form.m_pDialogCloseBtn, form.m_pDialogSizeBtn}) {
        pButton->setFocusPolicy(Qt::NoFocus);
        pButton->setAutoRaise(true);
    }

    form.m_pContentFrame = new QFrame(pDialog);
    form.m_pContentFrame->setObjectName(QStringLiteral("m_pContentFrame"));
    auto* pContentLayout = new QGridLayout(form.m_pContentFrame);
    pContentLayout->setContentsMargins(0, 0, 0, 0);
    pContentLayout->setSpacing(0);
    form.m_pSetUpUiWidget = new QWidget(form.m_pContentFrame);
    form.m_pSetUpUiWidget->setObjectName(QStringLiteral("m_pNoBottomWidget"));
    pContentLayout->addWidget(form.m_pSetUpUiWidget, 0, 0);

    form.m_pGridBaseDialog->addWidget(form.m_pTitleWidget, 0, 0);
    form.m_pGridBaseDialog->addWidget(form.m_pContentFrame, 1, 0);
    form.m_pGridBaseDialog->setRowStretch(1, 1);
}

bool IsConfirmKey(int iKey)
{
    return iKey == Qt::Key_Return || iKey == Qt::Key_Enter || iKey == Qt::Key_Select;
}

} // namespace

CBaseDialog::CBaseDialog(QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::FramelessWindowHint)
    , d(new CBaseDialogPrivate)
{
    SetupForm(*d, this);

    d->m_pTitleLayout = new QHBoxLayout;
    d->m_pTitleLayout->setContentsMargins(0, 0, 0, 0);
    d->m_pTitleLayout->setSpacing(1);
    d->m_pTitleWidget->SetLayoutContentsMargins(0, 0, 0, 0);
    d->m_pTitleWidget->SetLayoutSpacing(1);
    d->m_pTitleWidget->AddLayout(d->m_pTitleLayout);

    OnUpdateSizeBtnState();
    d->m_pTitleWidget->AddWidget(d->m_pDialogSizeBtn);
    d->m_pDialogSizeBtn->hide();
    connect(d->m_pDialogSizeBtn, &QToolButton::clicked, d->m_pTitleWidget, &CTitleWidget::OnImitateDoubleClick);

    d->m_pDialogCloseBtn->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    d->m_pDialogCloseBtn->setToolTip(tr("Close"));
    d->m_pTitleWidget->AddWidget(d->m_pDialogCloseBtn);
    d->m_pDialogCloseBtn->hide();
    connect(d->m_pDialogCloseBtn, &QToolButton::clicked, this, &CBaseDialog::close);

    connect(d->m_pTitleWidget, &CTitleWidget::SignalWndSizeStatusChanged, this, &CBaseDialog::OnUpdateSizeBtnState);
}

CBaseDialog::~CBaseDialog() = default;

void CBaseDialog::SetTitle(const QString& strTitle)
{
    d->m_pTitleWidget->SetTitle(strTitle);
    setWindowTitle(strTitle);
}

QString CBaseDialog::GetTitle() const
{
    return d->m_pTitleWidget->GetTitle();
}

void CBaseDialog::SetTitleAlignment(Qt::Alignment enumAlignment)
{
    d->m_pTitleWidget->SetTitlePixmapAlignment(enumAlignment);
}

void CBaseDialog::HideTitle()
{
    d->m_pTitleWidget->hide();
}

void CBaseDialog::SetContentsMargins(int iLeft, int iTop, int iRight, int iBottom)
{
    d->m_pGridBaseDialog->setContentsMargins(iLeft, iTop, iRight, iBottom);
}

void CBaseDialog::SetContentWnd(QWidget* pWidget)
{
    if (!pWidget) {
        qCWarning(lcOrvaGUIToolkit, "CBaseDialog::SetContentWnd: Attempt to insert null QWidget");
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
    return d->m_pSetUpUiWidget;
}

void CBaseDialog::AddTitleWidget(QWidget* pWidget)
{
    if (!pWidget) {
        qCWarning(lcOrvaGUIToolkit, "CBaseDialog::AddTitleWidget: pWidget == NULL");
        return;
    }
    d->m_pTitleLayout->addWidget(pWidget);
}

void CBaseDialog::SetTitleDoubleClickEnable(bool bEnable)
{
    d->m_pTitleWidget->SetOpenDoubleClickEnable(bEnable);
}

QToolButton* CBaseDialog::GetCloseBtn() const
{
    return d->m_pDialogCloseBtn;
}

void CBaseDialog::SetCloseBtnVisible(bool bVisible)
{
    d->m_pDialogCloseBtn->setVisible(bVisible);
}

QToolButton* CBaseDialog::GetSizeBtn() const
{
    return d->m_pDialogSizeBtn;
}

void CBaseDialog::SetSizeBtnVisible(bool bVisible)
{
    d->m_pDialogSizeBtn->setVisible(bVisible);
}

void CBaseDialog::Maximize()
{
    if (CWidgetMaximizeManager::Instance().GetWidgetMaximizeMode() == CWidgetMaximizeManager::MaximizeToFullScreen)
        ShowFullScreen(this);
    else
        ShowMaximized(this);
    OnUpdateSizeBtnState();
}

bool CBaseDialog::IsMaximize() const
{
    return IsFullScreen(this) || IsMaximized(this);
}

void CBaseDialog::OnUpdateSizeBtnState()
{
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
