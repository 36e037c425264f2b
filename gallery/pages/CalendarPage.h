#ifndef ORVAGALLERY_CALENDARPAGE_H
#define ORVAGALLERY_CALENDARPAGE_H

#include "GalleryData.h"

#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLabel;
class QListWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {
class CCalendarMonthWidget;
class CCalendarWidget;
class CLabel;
}

// The day picker of playback: the last 90 days of a camera on the month
// calendar, each day flagged by what it holds (continuous recording, event
// clips, or nothing), the range bounded to those days, a drag selecting a
// run of days to export, and a month picker beside it to jump through the
// year. A second calendar shows the same days as a client running in Chinese
// sees them.
class CalendarPage : public QWidget
{
    Q_OBJECT

public:
    explicit CalendarPage(QWidget* pParent = nullptr);

private Q_SLOTS:
    void OnCameraChanged(int iCamera);
    void OnDateChanged(const QDate& dtBegin, const QDate& dtEnd);
    void OnYearMonthChanged(int iYear, int iMonth);
    void OnMonthPicked();
    void OnStepPickerYear(int iYears);

private:
    QWidget* CreateCalendarBox();
    QWidget* CreatePickerBox();
    QWidget* CreateLocaleBox();
    QWidget* CreateDaysBox();
    void MarkDays(OrvaGUIToolkit::CCalendarWidget* pCalendar) const;
    void ShowDays(const QDate& dtBegin, const QDate& dtEnd);
    void Log(const QString& strText);

    OrvaGUIToolkit::CCalendarWidget* m_pCalendar = nullptr;
    OrvaGUIToolkit::CCalendarWidget* m_pLocaleCalendar = nullptr;
    OrvaGUIToolkit::CCalendarMonthWidget* m_pMonthPicker = nullptr;
    QLabel* m_pPickerYear = nullptr;
    QComboBox* m_pCameras = nullptr;
    QLabel* m_pDaysTitle = nullptr;
    QListWidget* m_pDays = nullptr;
    OrvaGUIToolkit::CLabel* m_pLogLine = nullptr;
    QList<GalleryData::RecordingDay> m_listDays;
};

#endif
