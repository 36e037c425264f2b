#ifndef ORVAGUITOOLKIT_SCHEDULE_SCHEDULEDAYSELECT_H
#define ORVAGUITOOLKIT_SCHEDULE_SCHEDULEDAYSELECT_H

#include <QtWidgets/QFrame>

QT_BEGIN_NAMESPACE
class QButtonGroup;
class QCheckBox;
class QPushButton;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// The "Copy to" popup: day check boxes (Monday 1 ... Sunday 7, Holiday 8)
// with an "All" box. The source day is checked and cannot be unchecked; OK
// reports every other checked day.
class ScheduleDaySelect : public QFrame
{
    Q_OBJECT

public:
    ScheduleDaySelect(QWidget* pParent, bool bHoliday);

    void SetCurrentDay(int iId);
    int GetCurrentDay() const;
    QButtonGroup* GetButtonGroup() const;
    QCheckBox* GetAllCheckBox() const;
    QPushButton* GetOkButton() const;

Q_SIGNALS:
    void SignalCheckedDay(int iDay);

public Q_SLOTS:
    void OnClickOkBtn();
    void OnStateChanged(int iState);
    void OnAllChkStateChanged(int iState);

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;

private:
    void SetupForm(bool bHoliday);

    QCheckBox* m_pAllChkBox = nullptr;
    QButtonGroup* m_pButtonGroup = nullptr;
    QPushButton* m_pOkBtn = nullptr;
    QPushButton* m_pCancelBtn = nullptr;
    int m_iCurrentDay = 0;
};

} // namespace OrvaGUIToolkit

#endif
