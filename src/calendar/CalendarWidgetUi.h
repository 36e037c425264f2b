#ifndef ORVAGUITOOLKIT_CALENDAR_CALENDARWIDGETUI_H
#define ORVAGUITOOLKIT_CALENDAR_CALENDARWIDGETUI_H

#include <QtCore/qglobal.h>

QT_BEGIN_NAMESPACE
class QFrame;
class QGridLayout;
class QLabel;
class QToolButton;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CCalendarView;

// The form of the month calendar ("CCalendarWidgetUi"): the navigation bar
// over the day grid, every part named as style sheets address it.
class CCalendarWidgetUi
{
public:
    // Builds the form into pWidget, which becomes a fixed 191 x 200 frame.
    void SetupUi(QFrame* pWidget);

    QGridLayout* m_pGridLayout = nullptr;
    QFrame* m_pNavBarFrame = nullptr;
    QToolButton* m_pPrevMonth = nullptr;
    QLabel* m_pMonthLabel = nullptr;
    QToolButton* m_pNextMonth = nullptr;
    QToolButton* m_pPrevYear = nullptr;
    QLabel* m_pYearLabel = nullptr;
    QToolButton* m_pNextYear = nullptr;
    CCalendarView* m_pView = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
