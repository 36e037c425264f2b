#include "BeginEndCalendarWidgetUi.h"

#include <OrvaGUIToolkit/Calendar/CalendarMonthWidget.h>
#include <OrvaGUIToolkit/Calendar/CalendarWidget.h>
#include <OrvaGUIToolkit/Calendar/TimeEdit.h>

#include <QtCore/QCoreApplication>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStyle>
#include <QtWidgets/QToolButton>

namespace OrvaGUIToolkit {

namespace {

QToolButton* CreateNavButton(QWidget* pParent, const QString& strName, QStyle::StandardPixmap enumIcon)
{
    auto* pButton = new QToolButton(pParent);
    pButton->setObjectName(strName);
    pButton->setAutoRaise(true);
    pButton->setFocusPolicy(Qt::NoFocus);
    pButton->setIcon(pParent->style()->standardIcon(enumIcon));
    return pButton;
}

QFrame* CreateFrame(QWidget* pParent, const QString& strName)
{
    auto* pFrame = new QFrame(pParent);
    pFrame->setObjectName(strName);
    pFrame->setFrameShape(QFrame::NoFrame);
    return pFrame;
}

} // namespace

void CBeginEndCalendarWidgetClassUi::SetupSide(QWidget* pWidget, struRangeSideUi& side, const QString& strSide,
                                               const QString& strNavBarName)
{
    side.m_pHeader = CreateFrame(pWidget, QStringLiteral("m_p%1Header").arg(strSide));
    side.m_pHeader->setFixedHeight(26);
    auto* pHeaderLayout = new QHBoxLayout(side.m_pHeader);
    pHeaderLayout->setContentsMargins(0, 0, 0, 0);
    pHeaderLayout->setSpacing(0);
    side.m_pSideLabel = new QLabel(side.m_pHeader);
    side.m_pSideLabel->setObjectName(QStringLiteral("m_p%1Label").arg(strSide));
    side.m_pNavBarFrame = CreateFrame(side.m_pHeader, strNavBarName);
    auto* pNavLayout = new QHBoxLayout(side.m_pNavBarFrame);
    pNavLayout->setContentsMargins(0, 0, 0, 0);
    pNavLayout->setSpacing(0);
    side.m_pPrevMonth = CreateNavButton(side.m_pNavBarFrame, QStringLiteral("m_pPrevMonth%1").arg(strSide),
                                        QStyle::SP_ArrowLeft);
    side.m_pMonthLabel = new QLabel(side.m_pNavBarFrame);
    side.m_pMonthLabel->setObjectName(QStringLiteral("m_pMonthLabel%1").arg(strSide));
    side.m_pMonthLabel->setAlignment(Qt::AlignCenter);
    side.m_pMonthLabel->setMinimumWidth(60);
    side.m_pNextMonth = CreateNavButton(side.m_pNavBarFrame, QStringLiteral("m_pNextMonth%1").arg(strSide),
                                        QStyle::SP_ArrowRight);
    pNavLayout->addWidget(side.m_pPrevMonth);
    pNavLayout->addWidget(side.m_pMonthLabel);
    pNavLayout->addWidget(side.m_pNextMonth);
    pHeaderLayout->addWidget(side.m_pSideLabel);
    pHeaderLayout->addStretch(1);
    pHeaderLayout->addWidget(side.m_pNavBarFrame);

    side.m_pMonthTableWidget = new CCalendarMonthWidget(pWidget);
    side.m_pMonthTableWidget->setObjectName(QStringLiteral("m_p%1MonthTableWidget").arg(strSide));
    side.m_pMonthTableWidget->setFixedSize(191, 60);

    side.m_pCalendarWidget = new CCalendarWidget(pWidget);
    side.m_pCalendarWidget->setObjectName(QStringLiteral("m_p%1CalendarWidget").arg(strSide));

    side.m_pTimeBgFrame = CreateFrame(pWidget, QStringLiteral("m_p%1TimeBgFrame").arg(strSide));
    auto* pTimeLayout = new QHBoxLayout(side.m_pTimeBgFrame);
    pTimeLayout->setContentsMargins(0, 2, 0, 2);
    pTimeLayout->setSpacing(6);
    side.m_pTimeLabel = new QLabel(side.m_pTimeBgFrame);
    side.m_pTimeLabel->setObjectName(QStringLiteral("m_p%1TimeLabel").arg(strSide));
    side.m_pTimeEdit = new CTimeEdit(side.m_pTimeBgFrame);
    side.m_pTimeEdit->setObjectName(QStringLiteral("m_p%1TimeEdit").arg(strSide));
    pTimeLayout->addWidget(side.m_pTimeLabel);
    pTimeLayout->addWidget(side.m_pTimeEdit, 1);
}

void CBeginEndCalendarWidgetClassUi::SetupUi(QWidget* pWidget)
{
    pWidget->setObjectName(QStringLiteral("CBeginEndCalendarWidgetClassUi"));
    SetupSide(pWidget, m_begin, QStringLiteral("Begin"), QStringLiteral("m_pNavBarFrame"));
    SetupSide(pWidget, m_end, QStringLiteral("End"), QStringLiteral("m_pNavBarFrame_2"));

    m_pBottomFrame = CreateFrame(pWidget, QStringLiteral("m_pBottomFrame"));
    auto* pBottomLayout = new QHBoxLayout(m_pBottomFrame);
    pBottomLayout->setContentsMargins(0, 4, 0, 0);
    pBottomLayout->setSpacing(6);
    m_pLabelToday = new QLabel(m_pBottomFrame);
    m_pLabelToday->setObjectName(QStringLiteral("m_pLabelToday"));
    m_pConfirmBtn = new QPushButton(m_pBottomFrame);
    m_pConfirmBtn->setObjectName(QStringLiteral("m_pConfirmBtn"));
    pBottomLayout->addWidget(m_pLabelToday);
    pBottomLayout->addStretch(1);
    pBottomLayout->addWidget(m_pConfirmBtn);

    // Two calendar columns with 10 pixels at the sides and between them: the
    // panel is twice a calendar wide plus 30.
    auto* pLayout = new QGridLayout(pWidget);
    pLayout->setContentsMargins(10, 6, 10, 8);
    pLayout->setHorizontalSpacing(10);
    pLayout->setVerticalSpacing(4);
    int iColumn = 0;
    for (const struRangeSideUi* pSide : {&m_begin, &m_end}) {
        pLayout->addWidget(pSide->m_pHeader, 0, iColumn);
        pLayout->addWidget(pSide->m_pMonthTableWidget, 1, iColumn);
        pLayout->addWidget(pSide->m_pCalendarWidget, 2, iColumn);
        pLayout->addWidget(pSide->m_pTimeBgFrame, 3, iColumn);
        ++iColumn;
    }
    pLayout->addWidget(m_pBottomFrame, 4, 0, 1, 2);
    RetranslateUi();
}

void CBeginEndCalendarWidgetClassUi::RetranslateUi()
{
    m_begin.m_pSideLabel->setText(QCoreApplication::translate("CBeginEndCalendarWidget", "Begin"));
    m_end.m_pSideLabel->setText(QCoreApplication::translate("CBeginEndCalendarWidget", "End"));
    m_begin.m_pTimeLabel->setText(QCoreApplication::translate("CBeginEndCalendarWidget", "Time:"));
    m_end.m_pTimeLabel->setText(QCoreApplication::translate("CBeginEndCalendarWidget", "Time:"));
    m_pConfirmBtn->setText(QCoreApplication::translate("CBeginEndCalendarWidget", "Confirm"));
}

} // namespace OrvaGUIToolkit
