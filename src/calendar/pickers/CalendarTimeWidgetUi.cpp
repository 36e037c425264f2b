#include "CalendarTimeWidgetUi.h"

#include <OrvaGUIToolkit/Calendar/CalendarWidget.h>
#include <OrvaGUIToolkit/Calendar/TimeEdit.h>

#include <QtCore/QCoreApplication>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace OrvaGUIToolkit {

void CCalendarTimeWidgetClassUi::SetupUi(QWidget* pWidget)
{
    pWidget->setObjectName(QStringLiteral("CCalendarTimeWidgetClassUi"));
    auto* pLayout = new QVBoxLayout(pWidget);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);

    m_pCalendarWidget = new CCalendarWidget(pWidget);
    m_pCalendarWidget->setObjectName(QStringLiteral("m_pCalendarWidget"));
    pLayout->addWidget(m_pCalendarWidget);

    m_pTimeBgFrame = new QFrame(pWidget);
    m_pTimeBgFrame->setObjectName(QStringLiteral("m_pTimeBgFrame"));
    auto* pTimeLayout = new QHBoxLayout(m_pTimeBgFrame);
    pTimeLayout->setContentsMargins(8, 4, 8, 4);
    pTimeLayout->setSpacing(6);
    m_pTimeLabel = new QLabel(m_pTimeBgFrame);
    m_pTimeLabel->setObjectName(QStringLiteral("m_pTimeLabel"));
    m_pTimeEdit = new CTimeEdit(m_pTimeBgFrame);
    m_pTimeEdit->setObjectName(QStringLiteral("m_pTimeEdit"));
    pTimeLayout->addWidget(m_pTimeLabel);
    pTimeLayout->addWidget(m_pTimeEdit, 1);
    pLayout->addWidget(m_pTimeBgFrame);

    m_pBottomFrame = new QFrame(pWidget);
    m_pBottomFrame->setObjectName(QStringLiteral("m_pBottomFrame"));
    auto* pBottomLayout = new QHBoxLayout(m_pBottomFrame);
    pBottomLayout->setContentsMargins(8, 2, 8, 6);
    pBottomLayout->setSpacing(6);
    m_pCurTimeBtn = new QPushButton(m_pBottomFrame);
    m_pCurTimeBtn->setObjectName(QStringLiteral("m_pCurTimeBtn"));
    m_pConfirmBtn = new QPushButton(m_pBottomFrame);
    m_pConfirmBtn->setObjectName(QStringLiteral("m_pConfirmBtn"));
    pBottomLayout->addWidget(m_pCurTimeBtn);
    pBottomLayout->addStretch(1);
    pBottomLayout->addWidget(m_pConfirmBtn);
    pLayout->addWidget(m_pBottomFrame);

    RetranslateUi();
    pWidget->resize(m_pCalendarWidget->width(), pLayout->sizeHint().height());
}

void CCalendarTimeWidgetClassUi::RetranslateUi()
{
    m_pTimeLabel->setText(QCoreApplication::translate("CCalendarTimeWidget", "Time:"));
    m_pCurTimeBtn->setText(QCoreApplication::translate("CCalendarTimeWidget", "Current Time"));
    m_pConfirmBtn->setText(QCoreApplication::translate("CCalendarTimeWidget", "Confirm"));
}

} // namespace OrvaGUIToolkit
