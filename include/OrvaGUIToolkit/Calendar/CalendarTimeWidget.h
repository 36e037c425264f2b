#ifndef ORVAGUITOOLKIT_CALENDAR_CALENDARTIMEWIDGET_H
#define ORVAGUITOOLKIT_CALENDAR_CALENDARTIMEWIDGET_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QDateTime>
#include <QtWidgets/QWidget>

#include <memory>

namespace OrvaGUIToolkit {

class CCalendarTimeWidgetPrivate;

// A date and a time picked on one panel: the month calendar, a time field
// (a click on its hours or minutes opens a grid of values over it), a
// "Current Time" button and a "Confirm" button. Confirming reports the picked
// date and time when it differs from the one the panel was given.
//
// Style sheets address the panel as "CCalendarTimeWidgetClassUi" and its parts
// as "m_pCalendarWidget", "m_pTimeBgFrame" (with "m_pTimeLabel" and
// "m_pTimeEdit"), "m_pCurTimeBtn" and "m_pConfirmBtn".
class ORVAGUITOOLKIT_EXPORT CCalendarTimeWidget : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CCalendarTimeWidget)

public:
    explicit CCalendarTimeWidget(QWidget* pParent = nullptr, Qt::WindowFlags enumFlags = Qt::WindowFlags());
    ~CCalendarTimeWidget() override;

    // Shows dtTime's date and time; confirming the same value reports nothing.
    void SetDateTime(const QDateTime& dtTime);
    // The date and time on the panel now, confirmed or not.
    void GetDateTime(QDateTime& dtTime) const;
    // Bounds of the calendar's selectable days.
    void SetDateRange(const QDate& dtMin, const QDate& dtMax);

Q_SIGNALS:
    void SignalDateChanged(QDateTime dtTime);
    // The confirm button was clicked, whether or not a change was reported.
    void SignalClickedConfirmBtn();

public Q_SLOTS:
    void OnClickedTimeEdit();
    void OnClickedConfirmBtn();
    void OnHidePopupTimeWnd();
    void OnClickedCurTimeBtn();

protected:
    CCalendarTimeWidget(CCalendarTimeWidgetPrivate& dd, QWidget* pParent, Qt::WindowFlags enumFlags);
    void mousePressEvent(QMouseEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;

    const std::unique_ptr<CCalendarTimeWidgetPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
