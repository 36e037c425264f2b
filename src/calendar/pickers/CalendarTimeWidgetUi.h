#ifndef ORVAGUITOOLKIT_CALENDAR_PICKERS_CALENDARTIMEWIDGETUI_H
#define ORVAGUITOOLKIT_CALENDAR_PICKERS_CALENDARTIMEWIDGETUI_H

#include <QtCore/qglobal.h>

QT_BEGIN_NAMESPACE
class QFrame;
class QLabel;
class QPushButton;
class QWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CCalendarWidget;
class CTimeEdit;

// The form of the date-and-time panel ("CCalendarTimeWidgetClassUi"): the
// calendar over the time row, and the two buttons under them.
class CCalendarTimeWidgetClassUi
{
public:
    // Builds the form into pWidget, as wide as the calendar.
    void SetupUi(QWidget* pWidget);
    void RetranslateUi();

    CCalendarWidget* m_pCalendarWidget = nullptr;
    QFrame* m_pTimeBgFrame = nullptr;
    QLabel* m_pTimeLabel = nullptr;
    CTimeEdit* m_pTimeEdit = nullptr;
    QFrame* m_pBottomFrame = nullptr;
    QPushButton* m_pCurTimeBtn = nullptr;
    QPushButton* m_pConfirmBtn = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
