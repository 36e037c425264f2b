#ifndef ORVAGUITOOLKIT_SCHEDULE_SCHEDULEFRAME_H
#define ORVAGUITOOLKIT_SCHEDULE_SCHEDULEFRAME_H

#include <OrvaGUIToolkit/Schedule/ScheduleData.h>

#include <QtCore/QMap>
#include <QtCore/QPoint>
#include <QtCore/QTime>
#include <QtWidgets/QFrame>

#include <vector>

QT_BEGIN_NAMESPACE
class QFormLayout;
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CGraphicsView;
class ScheduleDayScene;

// The week grid: one row per day with its day button and day scene, a tip
// with the span under the mouse, copying of a day onto others, and loading
// and reading a week schedule.
class ScheduleFrame : public QFrame
{
    Q_OBJECT

public:
    // Day rows of a week; the holiday row follows Sunday.
    static constexpr int DayCount = 7;
    static constexpr int HolidayRow = 7;

    explicit ScheduleFrame(QWidget* pParent = nullptr);

    void AddHolidayRow();
    int GetRowCount() const;
    ScheduleDayScene* GetScene(int iRow) const;
    CGraphicsView* GetView(int iRow) const;
    QPushButton* GetDayButton(int iRow) const;
    QLineEdit* GetTimeTip() const;

    void SetData(const QMap<int, std::vector<ScheduleData>>& mapData);
    QMap<int, std::vector<ScheduleData>> GetData() const;

    void SetMaxItemNum(int iNum);
    void SetEditable(bool bEditable);
    void SetViewLocked(bool bLocked);
    void SetMoveStep(int iValue);
    void SetResizeStep(int iValue);
    void SetCursor(const QCursor& cursor);
    bool IsModified() const;
    void DeleteAll();
    void ClearDaySelection();
    // The 1-based id of the last chosen day, 0 before any day was chosen.
    int GetCurrentDay() const;

Q_SIGNALS:
    void SignalTypeChange(ScheduleData::ScheduleItemType enumType);
    void SignalDeleteSelectItem();
    void SignalScenceSelected(bool bSel);

public Q_SLOTS:
    void OnCheckdDay(int iDay);
    void OnTimeItemDeleteSelect();
    void OnTimeItemChange(QTime timeStart, QTime timeStop, QPoint ptMouse);
    void OnCopy(int iForm, int iTo);
    void OnBtnClickedDay();
    void OnSceneSelectChaned(bool bSel);

private:
    void AddDayRow(int iRow);
    void SelectRow(ScheduleDayScene* pScene);
    void SetDayButtonSelected(int iRow, bool bSelected);

    QList<ScheduleDayScene*> m_lstScenes;
    QList<CGraphicsView*> m_lstViews;
    QLineEdit* m_pTimeTip = nullptr;
    int m_iCurrentDay = -1;
    int m_iMaxItemNum = 8;
    bool m_bViewLocked = false;
    bool m_bEditable = false;
    QFormLayout* m_pLayout = nullptr;
    QList<QPushButton*> m_lstDayButtons;
    int m_iMoveStep = 1800;
    int m_iResizeStep = 1800;
};

} // namespace OrvaGUIToolkit

#endif
