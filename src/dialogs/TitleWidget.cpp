#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Dialog/TitleWidget.h>

#include <OrvaGUIToolkit/Dialog/TitleLabel.h>

#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>

namespace OrvaGUIToolkit {

CTitleWidget::CTitleWidget(QWidget* pParent)
    : CFancyTitle(pParent)
{
    m_pIconLabel = new QLabel(this);
    m_pIconLabel->setObjectName(QStringLiteral("pIconLabel"));
    m_pIconLabel->hide();
    m_pTitleLabel = new CTitleLabel(this);
    m_pTitleLabel->setObjectName(QStringLiteral("pTitleLabel"));
    m_pTitleLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    m_pLayout = new QHBoxLayout(this);
    m_pLayout->addWidget(m_pIconLabel);
    m_pLayout->addWidget(m_pTitleLabel, 1);
}

CTitleWidget::~CTitleWidget() = default;

void CTitleWidget::SetTitle(const QString& strTitle)
{
    m_pTitleLabel->SetTitleText(strTitle);
}

QString CTitleWidget::GetTitle() const
{
    return m_pTitleLabel->GetTitleText();
}

void CTitleWidget::SetTitleIcon(const QPixmap& pixIcon)
{
    m_pIconLabel->setVisible(!pixIcon.isNull());
    m_pIconLabel->setPixmap(pixIcon);
}

void CTitleWidget::SetTitlePixmap(const QPixmap& pixTitle)
{
    m_pTitleLabel->setPixmap(pixTitle);
    m_pTitleLabel->updateGeometry();
}

void CTitleWidget::SetTitlePixmapAlignment(Qt::Alignment enumAlignment)
{
    if (m_pTitleLabel->alignment() != enumAlignment)
        m_pTitleLabel->setAlignment(enumAlignment);
}

Qt::Alignment CTitleWidget::GetTitlePixmapAlignment() const
{
    return m_pTitleLabel->alignment();
}

void CTitleWidget::ResetTitlePixmapAlignment()
{
    SetTitlePixmapAlignment(Qt::AlignCenter);
}

void CTitleWidget::AddWidget(QWidget* pWidget)
{
    if (!pWidget) {
        qCWarning(lcOrvaGUIToolkit, "CTitleWidget::AddWidget: pWidget == NULL");
        return;
    }
    m_pLayout->addWidget(pWidget);
}

void CTitleWidget::AddLayout(QLayout* pLayout)
{
    if (!pLayout) {
        qCWarning(lcOrvaGUIToolkit, "CTitleWidget::AddLayout: pLayout == NULL");
        return;
    }
    m_pLayout->addLayout(pLayout);
}

void CTitleWidget::SetLayoutContentsMargins(int iLeft, int iTop, int iRight, int iBottom)
{
    m_pLayout->setContentsMargins(iLeft, iTop, iRight, iBottom);
}

void CTitleWidget::SetLayoutSpacing(int iSpacing)
{
    m_pLayout->setSpacing(iSpacing);
}

} // namespace OrvaGUIToolkit
