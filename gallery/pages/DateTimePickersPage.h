#ifndef ORVAGALLERY_DATETIMEPICKERSPAGE_H
#define ORVAGALLERY_DATETIMEPICKERSPAGE_H

#include <QtCore/QDateTime>
#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLabel;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {
class CDateTimeEdit;
class CLabel;
class CRangeDateEdit;
class CRangeDateTimeEdit;
class CYearMonthDayEdit;
}

// The playback search form of the client: a camera, the recorded period as a
// begin/end range with times, the months of a monthly export as a month
// range, a moment to jump to and a day to review. The page shows the chosen
// range and what the camera recorded in it.
class DateTimePickersPage : public QWidget
{
    Q_OBJECT

public:
    explicit DateTimePickersPage(QWidget* pParent = nullptr);

    // Opens the recorded-period pop-up for the gallery's screenshot.
    Q_INVOKABLE void OpenScreenshotPopup();

private Q_SLOTS:
    void OnSearch();

private:
    QWidget* CreateSearchBox();
    QWidget* CreateResultBox();
    void ShowRange(const QDateTime& dtBegin, const QDateTime& dtEnd);
    void Log(const QString& strText);

    QComboBox* m_pCameras = nullptr;
    OrvaGUIToolkit::CRangeDateTimeEdit* m_pPeriod = nullptr;
    OrvaGUIToolkit::CRangeDateEdit* m_pMonths = nullptr;
    OrvaGUIToolkit::CDateTimeEdit* m_pJumpTo = nullptr;
    OrvaGUIToolkit::CYearMonthDayEdit* m_pDay = nullptr;
    QLabel* m_pRangeText = nullptr;
    QLabel* m_pResultText = nullptr;
    OrvaGUIToolkit::CLabel* m_pLogLine = nullptr;
};

#endif
