#ifndef ORVAGALLERY_STATISTICSPAGE_H
#define ORVAGALLERY_STATISTICSPAGE_H

#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QStandardItemModel;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {
class CLabel;
class CPieChartView;
}

// The statistics of the alarm center: today's alarms by type with value and
// percent labels, and the vehicles recognised today by colour (their labels
// are off: light text cannot be read on the white cars' slice). Clicking a
// slice names it below the chart; a right click switches the labels.
class StatisticsPage : public QWidget
{
    Q_OBJECT

public:
    explicit StatisticsPage(QWidget* pParent = nullptr);

private:
    QWidget* CreateChartBox(const QString& strTitle, QStandardItemModel* pModel,
                            OrvaGUIToolkit::CPieChartView*& pChart);
    void FillAlarms();
    void FillVehicleColours();
    void ShowPicked(OrvaGUIToolkit::CPieChartView* pChart, const QModelIndex& miIndex);

    QStandardItemModel* m_pAlarms = nullptr;
    QStandardItemModel* m_pVehicles = nullptr;
    OrvaGUIToolkit::CPieChartView* m_pAlarmChart = nullptr;
    OrvaGUIToolkit::CPieChartView* m_pVehicleChart = nullptr;
    OrvaGUIToolkit::CLabel* m_pPicked = nullptr;
};

#endif
