#include "CalendarWidgetUi.h"

#include "CalendarView.h"

#include <QtWidgets/QFrame>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QToolButton>

namespace OrvaGUIToolkit {

namespace {

QToolButton* CreateNavButton(QWidget* pParent, const QString& strName)
{
    auto* pButton = new QToolButton(pParent);
    pButton->setObjectName(strName);
    pButton->setAutoRaise(true);
    // Keyboard focus stays in the grid, where the arrow keys move the day.
    pButton->setFocusPolicy(Qt::NoFocus);
    return pButton;
}

QLabel* CreateNavLabel(QWidget* pParent, const QString& strName)
{
    auto* pLabel = new QLabel(pParent);
    pLabel->setObjectName(strName);
    pLabel->setAlignment(Qt::AlignCenter);
    return pLabel;
}

} // namespace

void CCalendarWidgetUi::SetupUi(QFrame* pWidget)
{
    if (pWidget->objectName().isEmpty())
        pWidget->setObjectName(QStringLiteral("CCalendarWidgetUi"));
    pWidget->setFixedSize(191, 200);
    m_pGridLayout = new QGridLayout(pWidget);
    m_pGridLayout->setObjectName(QStringLiteral("m_pGridLayout"));
    m_pGridLayout->setSpacing(0);
    m_pGridLayout->setContentsMargins(0, 0, 0, 0);

    m_pNavBarFrame = new QFrame(pWidget);
    m_pNavBarFrame->setObjectName(QStringLiteral("m_pNavBarFrame"));
    m_pNavBarFrame->setFrameShape(QFrame::NoFrame);
    m_pNavBarFrame->setFixedHeight(26);
    auto* pNavLayout = new QHBoxLayout(m_pNavBarFrame);
    pNavLayout->setSpacing(0);
    pNavLayout->setContentsMargins(0, 0, 0, 0);

    m_pPrevMonth = CreateNavButton(m_pNavBarFrame, QStringLiteral("m_pPrevMonth"));
    m_pMonthLabel = CreateNavLabel(m_pNavBarFrame, QStringLiteral("m_pMonthLabel"));
    m_pMonthLabel->setMinimumWidth(30);
    m_pNextMonth = CreateNavButton(m_pNavBarFrame, QStringLiteral("m_pNextMonth"));
    m_pPrevYear = CreateNavButton(m_pNavBarFrame, QStringLiteral("m_pPrevYear"));
    m_pYearLabel = CreateNavLabel(m_pNavBarFrame, QStringLiteral("m_pYearLabel"));
    m_pYearLabel->setFixedWidth(30);
    m_pNextYear = CreateNavButton(m_pNavBarFrame, QStringLiteral("m_pNextYear"));
    pNavLayout->addWidget(m_pPrevMonth);
    pNavLayout->addWidget(m_pMonthLabel);
    pNavLayout->addWidget(m_pNextMonth);
    pNavLayout->addStretch(1);
    pNavLayout->addWidget(m_pPrevYear);
    pNavLayout->addWidget(m_pYearLabel);
    pNavLayout->addWidget(m_pNextYear);

    m_pView = new CCalendarView(pWidget);
    m_pView->setObjectName(QStringLiteral("m_pView"));

    m_pGridLayout->addWidget(m_pNavBarFrame, 0, 0);
    m_pGridLayout->addWidget(m_pView, 1, 0);
}

} // namespace OrvaGUIToolkit
