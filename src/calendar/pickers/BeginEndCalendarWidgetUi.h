#ifndef ORVAGUITOOLKIT_CALENDAR_PICKERS_BEGINENDCALENDARWIDGETUI_H
#define ORVAGUITOOLKIT_CALENDAR_PICKERS_BEGINENDCALENDARWIDGETUI_H

#include <QtCore/QString>

QT_BEGIN_NAMESPACE
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CCalendarMonthWidget;
class CCalendarWidget;
class CTimeEdit;

// One side ("Begin" or "End") of the begin/end panel, top to bottom.
struct struRangeSideUi
{
    QFrame* m_pHeader = nullptr;
    QLabel* m_pSideLabel = nullptr;
    QFrame* m_pNavBarFrame = nullptr;
    QToolButton* m_pPrevMonth = nullptr;
    QLabel* m_pMonthLabel = nullptr;
    QToolButton* m_pNextMonth = nullptr;
    CCalendarMonthWidget* m_pMonthTableWidget = nullptr;
    CCalendarWidget* m_pCalendarWidget = nullptr;
    QFrame* m_pTimeBgFrame = nullptr;
    QLabel* m_pTimeLabel = nullptr;
    CTimeEdit* m_pTimeEdit = nullptr;
};

// The form of the begin/end panel ("CBeginEndCalendarWidgetClassUi"): the two
// sides next to each other, the "Today" line and the confirm button under them.
class CBeginEndCalendarWidgetClassUi
{
public:
    void SetupUi(QWidget* pWidget);
    void RetranslateUi();

    struRangeSideUi m_begin;
    struRangeSideUi m_end;
    QFrame* m_pBottomFrame = nullptr;
    QLabel* m_pLabelToday = nullptr;
    QPushButton* m_pConfirmBtn = nullptr;

private:
    // Builds one side; the names of its parts differ by side.
    static void SetupSide(QWidget* pWidget, struRangeSideUi& side, const QString& strSide,
                          const QString& strNavBarName);
};

} // namespace OrvaGUIToolkit

#endif
