#ifndef ORVAGUITOOLKIT_TIMELINE_SINGLETIMESLIDER_H
#define ORVAGUITOOLKIT_TIMELINE_SINGLETIMESLIDER_H

#include <OrvaGUIToolkit/Timeline/TimeSlider.h>

#include <QtCore/QList>

QT_BEGIN_NAMESPACE
class QTimer;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CSingleChartView;

// The one-track playback timeline under a player: a groove bar with the
// recorded segments (a band 29..36 pixels from the top) and tags, the time
// scale and the time under the mouse. Compact (level 7, no zoom buttons) or
// maximised (level 9 or narrower, zoom buttons right of the chart).
//
// A left click in the chart emits SignalMouseClick() with the time under the
// mouse; a press and drag moves the scale instead.
class ORVAGUITOOLKIT_EXPORT CSingleTimeSlider : public CTimeSlider
{
    Q_OBJECT

public:
    explicit CSingleTimeSlider(QWidget* pParent = nullptr);
    ~CSingleTimeSlider() override;

    // Adds the groove, segment, time-scale and mouse-text series.
    void LoadChartView();
    // Adds the tag series (once).
    virtual void LoadTagSeries();

    // Adds one segment, clipped to the browsable days; nothing for a segment
    // outside them, a reversed one or invalid date-times. No repaint.
    void AddTime(const QDateTime& dtBegin, const QDateTime& dtEnd, const QBrush& brush, int iLevel);
    // Adds every segment, then repaints.
    void AddTime(const QList<struTimeSliderData::TimeSegmentParam>& listSegments);
    // Adds tags (their begin, end and name) above the groove, then repaints.
    void AddTag(const QList<struTimeSliderData::TimeSegmentParam>& listTags);
    void ClearTag();

    void ShowMaxsize();
    void ShowNormalSize();
    bool IsMaxsize() const;
    void Reset() override;

    static constexpr int s_iGrooveTop = 26;
    static constexpr int s_iBandTop = 29;
    static constexpr int s_iBandBottom = 36;
    static constexpr int s_iTagTop = 14;
    // Ticks hang from the groove; labels sit under them (the compact scale
    // raises its labels by 6 pixels itself).
    static constexpr int s_iTickTop = 37;
    static constexpr int s_iLabelTop = 45;
    static constexpr int s_iSimpleLabelTop = 51;

Q_SIGNALS:
    void SignalMouseClick(time_t tTime);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private Q_SLOTS:
    void OnLeaveTimerOut();

private:
    void OnViewPress(QMouseEvent* pEvent);
    void OnViewMove(QMouseEvent* pEvent);
    void OnViewRelease(QMouseEvent* pEvent);
    void OnViewEnter();
    void OnViewLeave();

    CSingleChartView* m_pView;
    QTimer* m_pLeaveTimer;
    QPoint m_ptPress;
    bool m_bPressed = false;
    bool m_bDragged = false;
    bool m_bMaxsize = false;
};

} // namespace OrvaGUIToolkit

#endif
