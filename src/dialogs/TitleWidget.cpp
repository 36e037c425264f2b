#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Dialog/TitleWidget.h>

#include "dialogs/TitleWidgetPrivate.h"
#include "foundation/GuiFunctionsInternal.h"

#include <OrvaGUIToolkit/Dialog/TitleLabel.h>

#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>

namespace OrvaGUIToolkit {

CTitleWidgetPrivate::CTitleWidgetPrivate() = default;

CTitleWidgetPrivate::~CTitleWidgetPrivate() = default;

void CTitleWidgetPrivate::Init()
{
    Q_Q(CTitleWidget);
    m_pIconLabel = new QLabel(q);
    m_pIconLabel->setObjectName(QStringLiteral("pIconLabel"));
    m_pIconLabel->hide();
    m_pTitleLabel = new CTitleLabel(q);
    m_pTitleLabel->setObjectName(QStringLiteral("pTitleLabel"));
    m_pTitleLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    m_pLayout = new QHBoxLayout(q);
    m_pLayout->addWidget(m_pIconLabel);
    m_pLayout->addWidget(m_pTitleLabel, 1);
}

CTitleWidget::CTitleWidget(QWidget* pParent)
    : CTitleWidget(*new CTitleWidgetPrivate, pParent)
{
}

CTitleWidget::CTitleWidget(CTitleWidgetPrivate& dd, QWidget* pParent)
    : CFancyTitle(dd, pParent)
{
    Q_D(CTitleWidget);
    d->Init();
}

CTitleWidget::~CTitleWidget() = default;

void CTitleWidget::SetTitle(const QString& strTitle)
{
    Q_D(CTitleWidget);
    d->m_pTitleLabel->SetTitleText(strTitle);
}

QString CTitleWidget::GetTitle() const
{
    Q_D(const CTitleWidget);
    return d->m_pTitleLabel->GetTitleText();
}

void CTitleWidget::SetTitleIcon(const QPixmap& pixIcon)
{
    Q_D(CTitleWidget);
    d->m_pIconLabel->setVisible(!pixIcon.isNull());
    d->m_pIconLabel->setPixmap(pixIcon);
}

void CTitleWidget::SetTitlePixmap(const QPixmap& pixTitle)
{
    Q_D(CTitleWidget);
    d->m_pTitleLabel->setPixmap(pixTitle);
    d->m_pTitleLabel->updateGeometry();
}

void CTitleWidget::SetTitlePixmapAlignment(Qt::Alignment enumAlignment)
{
    Q_D(CTitleWidget);
    if (d->m_pTitleLabel->alignment() != enumAlignment)
        d->m_pTitleLabel->setAlignment(enumAlignment);
}

Qt::Alignment CTitleWidget::GetTitlePixmapAlignment() const
{
    Q_D(const CTitleWidget);
    return d->m_pTitleLabel->alignment();
}

void CTitleWidget::ResetTitlePixmapAlignment()
{
    SetTitlePixmapAlignment(Qt::AlignCenter);
}

void CTitleWidget::AddWidget(QWidget* pWidget)
{
    Q_D(CTitleWidget);
    if (!pWidget) {
        qCWarning(lcOrvaGUIToolkit, "CTitleWidget::AddWidget: pWidget == NULL");
        return;
    }
    if (IsSelfOrAncestor(pWidget, this)) {
        qCWarning(lcOrvaGUIToolkit, "CTitleWidget::AddWidget: pWidget is the title bar or one of its ancestors");
        return;
    }
    d->m_pLayout->addWidget(pWidget);
}

void CTitleWidget::AddLayout(QLayout* pLayout)
{
    Q_D(CTitleWidget);
    if (!pLayout) {
        qCWarning(lcOrvaGUIToolkit, "CTitleWidget::AddLayout: pLayout == NULL");
        return;
    }
    d->m_pLayout->addLayout(pLayout);
}

void CTitleWidget::SetLayoutContentsMargins(int iLeft, int iTop, int iRight, int iBottom)
{
    Q_D(CTitleWidget);
    d->m_pLayout->setContentsMargins(iLeft, iTop, iRight, iBottom);
}

void CTitleWidget::SetLayoutSpacing(int iSpacing)
{
    Q_D(CTitleWidget);
    d->m_pLayout->setSpacing(iSpacing);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Dialog/moc_TitleWidget.cpp"
