#include <OrvaGUIToolkit/Tab/TabWidget.h>

#include <OrvaGUIToolkit/Tab/TabBar.h>

#include "foundation/ToolkitLogging.h"

#include <QtGui/QResizeEvent>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QSpacerItem>

namespace OrvaGUIToolkit {

namespace {

// Room between the last tab and the corner area.
constexpr int s_iCornerGap = 30;

} // namespace

class CTabWidgetPrivate
{
    Q_DECLARE_PUBLIC(CTabWidget)

public:
    virtual ~CTabWidgetPrivate() = default;

    void InitCorner();

    CTabWidget* q_ptr = nullptr;
    QWidget* m_pCornerWidget = nullptr;
    QGridLayout* m_pCornerLayout = nullptr;
    QSpacerItem* m_pSpacer = nullptr;
};

void CTabWidgetPrivate::InitCorner()
{
    Q_Q(CTabWidget);
    m_pCornerWidget = new QWidget(q);
    m_pCornerWidget->setObjectName(QStringLiteral("m_pCornerWidget"));
    m_pCornerLayout = new QGridLayout(m_pCornerWidget);
    m_pCornerLayout->setContentsMargins(0, 0, 0, 0);
    m_pCornerLayout->setHorizontalSpacing(0);
    m_pCornerLayout->setVerticalSpacing(0);
    m_pCornerLayout->setSpacing(0);
    m_pSpacer = new QSpacerItem(150, 14, QSizePolicy::Expanding, QSizePolicy::Minimum);
    m_pCornerLayout->addItem(m_pSpacer, 0, 0);
}

CTabWidget::CTabWidget(QWidget* pParent)
    : CTabWidget(*new CTabWidgetPrivate, pParent)
{
}

CTabWidget::CTabWidget(CTabWidgetPrivate& dd, QWidget* pParent)
    : QTabWidget(pParent)
    , d_ptr(&dd)
{
    Q_D(CTabWidget);
    d->q_ptr = this;
    auto* pBar = new CTabBar(this);
    setTabBar(pBar);
    // Attaching a bar makes it expand again; tabs keep the width of their texts.
    pBar->setExpanding(false);
    d->InitCorner();
}

CTabWidget::~CTabWidget() = default;

void CTabWidget::SetCornerWidget(QWidget* pWidget)
{
    Q_D(CTabWidget);
    if (!pWidget) {
        qCWarning(lcOrvaGUIToolkit, "CTabWidget::SetCornerWidget: pWidget == NULL");
        return;
    }
    d->m_pCornerLayout->addWidget(pWidget, 0, 1);
}

void CTabWidget::resizeEvent(QResizeEvent* pEvent)
{
    Q_D(CTabWidget);
    QTabBar* pBar = tabBar();
    if (pEvent)
        pBar->resize(pBar->sizeHint());
    const int iLeft = pBar->width() + s_iCornerGap;
    d->m_pCornerWidget->move(iLeft, pBar->y());
    d->m_pCornerWidget->setFixedSize(qMax(0, width() - pBar->width() - s_iCornerGap), pBar->height());
    QTabWidget::resizeEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Tab/moc_TabWidget.cpp"
