#include "schedule/ScheduleDaySelect.h"

#include "foundation/EventPosition.h"

#include <QtCore/QPointer>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace OrvaGUIToolkit {

ScheduleDaySelect::ScheduleDaySelect(QWidget* pParent, bool bHoliday)
    : QFrame(pParent, Qt::Popup)
{
    SetupForm(bHoliday);
    connect(m_pOkBtn, SIGNAL(clicked()), this, SLOT(OnClickOkBtn()));
    connect(m_pCancelBtn, SIGNAL(clicked()), this, SLOT(hide()));
    const auto lstBoxes = m_pButtonGroup->buttons();
    for (QAbstractButton* pBox : lstBoxes)
        connect(pBox, SIGNAL(stateChanged(int)), this, SLOT(OnStateChanged(int)));
    connect(m_pAllChkBox, SIGNAL(stateChanged(int)), this, SLOT(OnAllChkStateChanged(int)));
}

void ScheduleDaySelect::SetupForm(bool bHoliday)
{
    setObjectName(QStringLiteral("ScheduleDaySelect"));
    setWindowTitle(tr("Form"));
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(12, 10, 12, 10);
    m_pAllChkBox = new QCheckBox(tr("All"), this);
    m_pAllChkBox->setObjectName(QStringLiteral("pAllChkBox"));
    pLayout->addWidget(m_pAllChkBox);

    m_pButtonGroup = new QButtonGroup(this);
    m_pButtonGroup->setObjectName(QStringLiteral("buttonGroup"));
    m_pButtonGroup->setExclusive(false);
    const char* const aszNames[] = {"pMonChkBox", "pTueChkBox", "pWedChkBox", "pThuChkBox",
                                    "pFriChkBox", "pSatChkBox", "pSunChkBox", "pHolidayChkBox"};
    const QString astrTexts[] = {tr("Monday"), tr("Tuesday"), tr("Wednesday"), tr("Thursday"),
                                 tr("Friday"), tr("Saturday"), tr("Sunday"), tr("Holiday")};
    auto* pDays = new QGridLayout;
    pDays->setHorizontalSpacing(16);
    for (int i = 0; i < 8; ++i) {
        auto* pBox = new QCheckBox(astrTexts[i], this);
        pBox->setObjectName(QLatin1String(aszNames[i]));
        pDays->addWidget(pBox, i / 2, i % 2);
        m_pButtonGroup->addButton(pBox, i + 1);
    }
    pLayout->addLayout(pDays);
    if (!bHoliday) {
        QAbstractButton* pHoliday = m_pButtonGroup->button(8);
        m_pButtonGroup->removeButton(pHoliday);
        pHoliday->hide();
    }

    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch(1);
    m_pOkBtn = new QPushButton(tr("OK"), this);
    m_pOkBtn->setObjectName(QStringLiteral("pOkBtn"));
    m_pCancelBtn = new QPushButton(tr("Cancel"), this);
    m_pCancelBtn->setObjectName(QStringLiteral("pCancelBtn"));
    pButtons->addWidget(m_pOkBtn);
    pButtons->addWidget(m_pCancelBtn);
    pLayout->addLayout(pButtons);
}

void ScheduleDaySelect::SetCurrentDay(int iId)
{
    if (iId == m_iCurrentDay)
        return;
    m_iCurrentDay = iId;
    const auto lstBoxes = m_pButtonGroup->buttons();
    for (QAbstractButton* pBox : lstBoxes) {
        const bool bSource = m_pButtonGroup->id(pBox) == iId;
        pBox->setChecked(bSource);
        pBox->setEnabled(!bSource);
    }
    OnStateChanged(0);
}

int ScheduleDaySelect::GetCurrentDay() const
{
    return m_iCurrentDay;
}

QButtonGroup* ScheduleDaySelect::GetButtonGroup() const
{
    return m_pButtonGroup;
}

QCheckBox* ScheduleDaySelect::GetAllCheckBox() const
{
    return m_pAllChkBox;
}

QPushButton* ScheduleDaySelect::GetOkButton() const
{
    return m_pOkBtn;
}

void ScheduleDaySelect::OnClickOkBtn()
{
    // A slot may delete the popup; the remaining days are then not reported.
    QPointer<ScheduleDaySelect> pGuard(this);
    const auto lstBoxes = m_pButtonGroup->buttons();
    for (QAbstractButton* pBox : lstBoxes) {
        const int iId = m_pButtonGroup->id(pBox);
        if (iId != m_iCurrentDay && pBox->isChecked()) {
            Q_EMIT SignalCheckedDay(iId);
            if (!pGuard)
                return;
        }
    }
    hide();
}

void ScheduleDaySelect::OnStateChanged(int)
{
    bool bAll = true;
    const auto lstBoxes = m_pButtonGroup->buttons();
    for (const QAbstractButton* pBox : lstBoxes)
        bAll = bAll && pBox->isChecked();
    disconnect(m_pAllChkBox, SIGNAL(stateChanged(int)), this, SLOT(OnAllChkStateChanged(int)));
    m_pAllChkBox->setChecked(bAll);
    connect(m_pAllChkBox, SIGNAL(stateChanged(int)), this, SLOT(OnAllChkStateChanged(int)));
}

void ScheduleDaySelect::OnAllChkStateChanged(int iState)
{
    const auto lstBoxes = m_pButtonGroup->buttons();
    for (QAbstractButton* pBox : lstBoxes) {
        if (m_pButtonGroup->id(pBox) == m_iCurrentDay)
            continue;
        disconnect(pBox, SIGNAL(stateChanged(int)), this, SLOT(OnStateChanged(int)));
        pBox->setChecked(iState == Qt::Checked);
        connect(pBox, SIGNAL(stateChanged(int)), this, SLOT(OnStateChanged(int)));
    }
}

void ScheduleDaySelect::mousePressEvent(QMouseEvent* pEvent)
{
    // A click outside closes the popup without reaching what lies below it.
    if (!geometry().contains(EventGlobalPos(pEvent))) {
        setAttribute(Qt::WA_NoMouseReplay);
        hide();
        return;
    }
    QFrame::mousePressEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "moc_ScheduleDaySelect.cpp"
