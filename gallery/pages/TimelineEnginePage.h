#ifndef ORVAGALLERY_TIMELINEENGINEPAGE_H
#define ORVAGALLERY_TIMELINEENGINEPAGE_H

#include <QtWidgets/QWidget>

namespace OrvaGUIToolkit {
class CLabel;
}

class EngineChartView;

// The chart engine behind the playback timelines, driven directly: a week of
// recordings of four cameras (continuous and event segments), tags, a play
// mark, a selected row with a marquee range and the mid line. The zoom buttons
// and the wheel change the visible span, a click moves the play mark.
class TimelineEnginePage : public QWidget
{
    Q_OBJECT

public:
    explicit TimelineEnginePage(QWidget* pParent = nullptr);

private:
    QWidget* CreateLegend();
    void LoadSeries();
    void LoadRecordings();
    void Zoom(int iDirection);
    void Log(const QString& strMessage);

    EngineChartView* m_pView = nullptr;
    OrvaGUIToolkit::CLabel* m_pLogLine = nullptr;
    int m_iLevel = 0;
};

#endif
