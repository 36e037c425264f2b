#ifndef ORVAGUITOOLKIT_CALENDAR_PICKERS_TIMEEDITPOPUPS_H
#define ORVAGUITOOLKIT_CALENDAR_PICKERS_TIMEEDITPOPUPS_H

#include <QtCore/qglobal.h>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CHourTimeEditPopup;
class CMinuteTimeEditPopup;
class CTimeEdit;

// The hour and minute grids of one time field of a panel. They are children
// of the panel, created when first needed, and open over the field with their
// bottom-right corner on the field's top-right corner.
class CTimeEditPopups
{
public:
    // Opens the grid of the field's current section: hours for the hour,
    // minutes for the minute or the second. False, with nothing opened, for
    // any other section.
    bool Open(CTimeEdit* pEdit, QWidget* pOwner);
    void Hide();

    CHourTimeEditPopup* HourPopup() const { return m_pHourPopup; }
    CMinuteTimeEditPopup* MinutePopup() const { return m_pMinutePopup; }

private:
    void OpenHour(CTimeEdit* pEdit, QWidget* pOwner);
    void OpenMinute(CTimeEdit* pEdit, QWidget* pOwner, int iValue);

    CHourTimeEditPopup* m_pHourPopup = nullptr;
    CMinuteTimeEditPopup* m_pMinutePopup = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
