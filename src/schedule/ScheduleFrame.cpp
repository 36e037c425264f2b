#include "schedule/ScheduleFrame.h"

#include "foundation/ToolkitLogging.h"
#include "schedule/GraphicsView.h"
#include "schedule/ScheduleDayScene.h"
#include "schedule/ScheduleTimeItem.h"

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>
#include <OrvaGUIToolkit/LineEdit/LineEdit.h>

#include <QtWidgets/QFormLayout>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStyle>
#include <QtWidgets/QVBoxLayout>

namespace OrvaGUIToolkit {

namespace {

constexpr int DayWidth = 576;
constexpr int DayHeight = 14;

void Repolish(QWidget* pWidget)
{
    pWidget->style()->unpolish(pWidget);
    pWidget->style()->polish(pWidget);
    pWidget->update();
}

} // namespace

ScheduleFrame::ScheduleFrame(QWidget* pParent)
    : QFrame(pParent)
{
    setMouseTracking(true);
    m_pLayout = new QFormLayout(this);
    m_pLayout->setHorizontalSpacing(0);
    m_pLayout->setVerticalSpacing(9);
    m_pLayout->setContentsMargins(8, 15, 10, 15);

    m_pTimeTip = new CLineEdit(this);
    m_pTimeTip->setObjectName(QStringLiteral("m_pTimeTip"));
    m_pTimeTip->setReadOnly(true);
    m_pTimeTip->setFixedSize(80, 22);
    m_pTimeTip->setAlignment(Qt::AlignCenter);
    m_pTimeTip->hide();

    for (int iRow = 0; iRow < DayCount; ++iRow)
        AddDayRow(iRow);
}

void ScheduleFrame::AddHolidayRow()
{
    if (m_lstScenes.size() > HolidayRow) {
        qCWarning(lcOrvaGUIToolkit, "ScheduleFrame::AddHolidayRow: holiday row exists");
        return;
    }
    AddDayRow(HolidayRow);
}

void ScheduleFrame::AddDayRow(int iRow)
{
    auto* pButton = new QPushButton(this);
    pButton->setFixedSize(50, 34);
    pButton->setText(iRow == HolidayRow ? tr("Holiday") : GetGuiLocale().dayName(iRow + 1, QLocale::ShortFormat));
    connect(pButton, SIGNAL(clicked()), this, SLOT(OnBtnClickedDay()));
    m_lstDayButtons.append(pButton);

    auto* pLabelCell = new QWidget(this);
    auto* pLabelBox = new QVBoxLayout(pLabelCell);
    pLabelBox->setContentsMargins(0, 0, 0, 0);
    pLabelBox->setSpacing(0);
    pLabelBox->addSpacerItem(new QSpacerItem(10, 13, QSizePolicy::Minimum, QSizePolicy::Fixed));
    pLabelBox->addWidget(pButton);

    // The margin above the view leaves room for the hour labels that the
    // style sheet paints on the row.
    auto* pOuter = new QWidget(this);
    pOuter->setObjectName(QStringLiteral("pScheduleOuter"));
    pOuter->setAttribute(Qt::WA_StyledBackground);
    pOuter->setFixedSize(635, 44);
    auto* pGrid = new QGridLayout(pOuter);
    pGrid->setContentsMargins(9, 26, 50, 4);
    auto* pScene = new ScheduleDayScene(0, 0, DayWidth, DayHeight, this);
    auto* pView = new CGraphicsView(pScene, pOuter);
    pView->setFixedSize(DayWidth, DayHeight);
    pView->setFrameShape(QFrame::NoFrame);
    pView->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pGrid->addWidget(pView, 0, 0);
    m_pLayout->addRow(pLabelCell, pOuter);

    pScene->SetMaxItemNum(m_iMaxItemNum);
    pScene->SetEditable(m_bEditable);
    pScene->SetMoveStep(m_iMoveStep);
    pScene->SetResizeStep(m_iResizeStep);
    pView->SetLocked(m_bViewLocked);
    m_lstScenes.append(pScene);
    m_lstViews.append(pView);

    connect(pScene, SIGNAL(SignalScenceSelect(bool)), this, SLOT(OnSceneSelectChaned(bool)));
    connect(pScene, SIGNAL(SignalTimeItemChange(QTime, QTime, QPoint)), this,
            SLOT(OnTimeItemChange(QTime, QTime, QPoint)));
    connect(this, SIGNAL(SignalDeleteSelectItem()), pScene, SLOT(DeleteSelectItem()));
    connect(pScene, SIGNAL(SignalTimeItemDeleteSelect()), this, SLOT(OnTimeItemDeleteSelect()));
    connect(this, SIGNAL(SignalTypeChange(ScheduleData::ScheduleItemType)), pScene,
            SLOT(OnTypeChange(ScheduleData::ScheduleItemType)));
}

int ScheduleFrame::GetRowCount() const
{
    return m_lstScenes.size();
}

ScheduleDayScene* ScheduleFrame::GetScene(int iRow) const
{
    return m_lstScenes.value(iRow);
}

CGraphicsView* ScheduleFrame::GetView(int iRow) const
{
    return m_lstViews.value(iRow);
}

QPushButton* ScheduleFrame::GetDayButton(int iRow) const
{
    return m_lstDayButtons.value(iRow);
}

QLineEdit* ScheduleFrame::GetTimeTip() const
{
    return m_pTimeTip;
}

void ScheduleFrame::SetData(const QMap<int, std::vector<ScheduleData>>& mapData)
{
    for (auto it = mapData.cbegin(); it != mapData.cend(); ++it) {
        if (it.key() < 0 || it.key() >= m_lstScenes.size())
            qCWarning(lcOrvaGUIToolkit, "ScheduleFrame::SetData: no day row %d", it.key());
    }
    for (int iRow = 0; iRow < m_lstScenes.size(); ++iRow) {
        ScheduleDayScene* pScene = m_lstScenes.at(iRow);
        pScene->SetModified(false);
        pScene->ClearItems();
        pScene->SetEditable(m_bEditable);
        const std::vector<ScheduleData> vecDay = mapData.value(iRow);
        const int iCount = qMax(0, qMin(int(vecDay.size()), m_iMaxItemNum));
        if (iCount < int(vecDay.size()))
            qCWarning(lcOrvaGUIToolkit, "ScheduleFrame::SetData: day %d holds more than %d spans", iRow, m_iMaxItemNum);
        for (int i = 0; i < iCount; ++i) {
            const ScheduleData& data = vecDay.at(size_t(i));
            if (data.GetStartTime() != data.GetStopTime())
                pScene->AddTimeItem(data.GetStartTime(), data.GetStopTime(), data.GetType());
        }
    }
    m_pTimeTip->hide();
}

QMap<int, std::vector<ScheduleData>> ScheduleFrame::GetData() const
{
    QMap<int, std::vector<ScheduleData>> mapData;
    for (int iRow = 0; iRow < m_lstScenes.size(); ++iRow) {
        std::vector<ScheduleData> vecDay;
        const auto lstItems = m_lstScenes.at(iRow)->GetItemsInOrder();
        for (const ScheduleTimeItem* pItem : lstItems) {
            QTime timeStart;
            QTime timeStop;
            pItem->GetTime(&timeStart, &timeStop);
            vecDay.emplace_back(timeStart, timeStop, ScheduleData::ScheduleItemType(pItem->GetItemType()));
        }
        mapData.insert(iRow, vecDay);
    }
    return mapData;
}

void ScheduleFrame::SetMaxItemNum(int iNum)
{
    // The frame keeps any value for loading; the rows take only 0 to 8.
    if (iNum == m_iMaxItemNum)
        return;
    m_iMaxItemNum = iNum;
    for (ScheduleDayScene* pScene : qAsConst(m_lstScenes))
        pScene->SetMaxItemNum(iNum);
}

void ScheduleFrame::SetEditable(bool bEditable)
{
    if (bEditable == m_bEditable)
        return;
    m_bEditable = bEditable;
    for (ScheduleDayScene* pScene : qAsConst(m_lstScenes))
        pScene->SetEditable(bEditable);
}

void ScheduleFrame::SetViewLocked(bool bLocked)
{
    m_bViewLocked = bLocked;
    for (CGraphicsView* pView : qAsConst(m_lstViews))
        pView->SetLocked(bLocked);
}

void ScheduleFrame::SetMoveStep(int iValue)
{
    m_iMoveStep = iValue;
    for (ScheduleDayScene* pScene : qAsConst(m_lstScenes))
        pScene->SetMoveStep(iValue);
}

void ScheduleFrame::SetResizeStep(int iValue)
{
    m_iResizeStep = iValue;
    for (ScheduleDayScene* pScene : qAsConst(m_lstScenes))
        pScene->SetResizeStep(iValue);
}

void ScheduleFrame::SetCursor(const QCursor& cursor)
{
    for (CGraphicsView* pView : qAsConst(m_lstViews))
        pView->SetCursor(cursor);
}

bool ScheduleFrame::IsModified() const
{
    for (const ScheduleDayScene* pScene : m_lstScenes) {
        if (pScene->IsModified())
            return true;
    }
    return false;
}

void ScheduleFrame::DeleteAll()
{
    for (ScheduleDayScene* pScene : qAsConst(m_lstScenes)) {
        pScene->SetModified(true);
        pScene->ClearItems();
    }
    m_pTimeTip->hide();
}

void ScheduleFrame::ClearDaySelection()
{
    SelectRow(nullptr);
    m_pTimeTip->hide();
}

int ScheduleFrame::GetCurrentDay() const
{
    return m_iCurrentDay + 1;
}

void ScheduleFrame::SetDayButtonSelected(int iRow, bool bSelected)
{
    QPushButton* pButton = m_lstDayButtons.at(iRow);
    QFont font = pButton->font();
    font.setUnderline(bSelected);
    pButton->setFont(font);
    pButton->setObjectName(bSelected ? QStringLiteral("SelectedDayBtn") : QString());
    Repolish(pButton);
}

void ScheduleFrame::SelectRow(ScheduleDayScene* pScene)
{
    for (int iRow = 0; iRow < m_lstScenes.size(); ++iRow) {
        ScheduleDayScene* pRow = m_lstScenes.at(iRow);
        if (pRow == pScene) {
            SetDayButtonSelected(iRow, true);
            pRow->SetSelected(true);
            m_iCurrentDay = iRow;
            Q_EMIT SignalScenceSelected(true);
        } else if (pRow->IsSelected()) {
            SetDayButtonSelected(iRow, false);
            pRow->SetSelected(false);
        }
    }
    // Without a row the last chosen day stays current: Copy to still copies it.
}

void ScheduleFrame::OnCheckdDay(int iDay)
{
    OnCopy(m_iCurrentDay, iDay);
}

void ScheduleFrame::OnTimeItemDeleteSelect()
{
    m_pTimeTip->hide();
}

void ScheduleFrame::OnTimeItemChange(QTime timeStart, QTime timeStop, QPoint ptMouse)
{
    const int iRow = m_lstScenes.indexOf(qobject_cast<ScheduleDayScene*>(sender()));
    if (iRow < 0)
        return;
    SelectRow(m_lstScenes.at(iRow));
    const QPoint ptFrame = mapFromGlobal(ptMouse);
    const QWidget* pOuter = m_lstViews.at(iRow)->parentWidget();
    m_pTimeTip->move(ptFrame.x() - 10, pOuter->y() + 45);
    m_pTimeTip->setText(timeStart.toString(QStringLiteral("hh:mm")) + QLatin1Char('-')
                        + timeStop.toString(QStringLiteral("hh:mm")));
    m_pTimeTip->raise();
    m_pTimeTip->show();
    update();
}

void ScheduleFrame::OnCopy(int iForm, int iTo)
{
    if (iForm < 0 || iForm >= m_lstScenes.size() || iForm == iTo - 1 || iTo - 1 < 0 || iTo - 1 >= m_lstScenes.size())
        return;
    ScheduleDayScene* pTarget = m_lstScenes.at(iTo - 1);
    pTarget->ClearItems();
    const auto lstItems = m_lstScenes.at(iForm)->GetItemsInOrder();
    for (const ScheduleTimeItem* pItem : lstItems) {
        QTime timeStart;
        QTime timeStop;
        pItem->GetTime(&timeStart, &timeStop);
        pTarget->AddTimeItem(timeStart, timeStop, pItem->GetItemType());
    }
    pTarget->SetModified(true);
}

void ScheduleFrame::OnBtnClickedDay()
{
    const int iClicked = m_lstDayButtons.indexOf(qobject_cast<QPushButton*>(sender()));
    if (iClicked < 0)
        return;
    for (int iRow = 0; iRow < m_lstScenes.size(); ++iRow) {
        ScheduleDayScene* pScene = m_lstScenes.at(iRow);
        SetDayButtonSelected(iRow, iRow == iClicked);
        pScene->SetSelected(iRow == iClicked);
    }
    m_iCurrentDay = iClicked;
    m_pTimeTip->hide();
    // Clicking a day selects the whole day, ready for Remove or Copy to.
    ScheduleDayScene* pScene = m_lstScenes.at(iClicked);
    const auto lstItems = pScene->GetItemsInOrder();
    for (ScheduleTimeItem* pItem : lstItems)
        pItem->setSelected(true);
    Q_EMIT SignalScenceSelected(!lstItems.isEmpty());
}

void ScheduleFrame::OnSceneSelectChaned(bool bSel)
{
    Q_EMIT SignalScenceSelected(bSel);
    if (!bSel)
        m_pTimeTip->hide();
}

} // namespace OrvaGUIToolkit

#include "moc_ScheduleFrame.cpp"
