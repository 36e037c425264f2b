#ifndef ORVAGUITOOLKIT_TIMELINE_TIMESLIDER_H
#define ORVAGUITOOLKIT_TIMELINE_TIMESLIDER_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>
#include <OrvaGUIToolkit/Timeline/TimeSliderData.h>

#include <QtCore/QDateTime>
#include <QtWidgets/QFrame>

#include <ctime>
#include <memory>

namespace OrvaGUIToolkit {

class CTimeSliderPrivate;

// The base of every playback timeline: a frame around a chart view that keeps
// the browsable days, the zoom level and the visible time span. It follows the
// playing time by centring the view on it, scrolls by steps, zooms with the
// buttons and the wheel, lets the user drag the scale (a little beyond the
// browsable days, by the slack of the level) and repaints asynchronously.
// CSingleTimeSlider and CMultiTimeSlider are the timelines a client creates.
//
// The horizontal axis is in local seconds relative to a base fixed at
// construction: value = time_t + GetLocalUtcOffset() - base, so whole axis
// days start at local midnight. TimeToValue() and ValueToTime() convert.
class ORVAGUITOOLKIT_EXPORT CTimeSlider : public QFrame
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CTimeSlider)

public:
    ~CTimeSlider() override;

    // The browsable days, first and last included. Nothing when dtFirst >
    // dtLast or either is invalid. The visible range follows on the next zoom,
    // move, drag or play time.
    void SetTimeRange(const QDate& dtFirst, const QDate& dtLast);
    // dtFirst at 00:00 of the first day, dtLast one second before the
    // midnight after the last day.
    void GetTimeRange(QDateTime& dtFirst, QDateTime& dtLast) const;

    // Shows the span of the level around the centre (or the mouse while the
    // wheel turns) and gives the time scale the level's tick step.
    void ShowZoomByType(int iLevel);
    // Sets the visible span, kept inside the browsable range and its slack.
    // A span that is negative, infinite or not a number is refused.
    void SetMinMaxBySpan(double dSpan);
    int GetZoomLevel() const;

    // The view's current date-time (the time under the mid line).
    QDateTime CurrentTime() const;
    // The visible range as horizontal axis values.
    void GetVisibleRange(double& dMin, double& dMax) const;

    double TimeToValue(qint64 iTime) const;
    // Whole seconds; 0 for a value that is not finite.
    qint64 ValueToTime(double dValue) const;

    // Posts one repaint to the chart view; the view rebuilds its picture when
    // the event arrives.
    void RepaintTimeSlider();
    // Empties every series of the chart.
    void Clear();
    virtual void Reset();

    // Visible span, tick step (also the scroll step) and drag slack of a zoom
    // level, in seconds. Unknown levels: a span of 86400, step and slack 0.
    static int GetShowSpan(int iLevel);
    static int GetOneStepSpan(int iLevel);
    static int GetLeftSpace(int iLevel);

    // The playing-time value that means "no time".
    static constexpr unsigned s_uNoTime = 0xFFFFFFFFu;

public Q_SLOTS:
    // One level wider from any level above 9.
    void OnSlotZoomIn();
    // One level narrower from any level but 14.
    void OnSlotZoomOut();
    void MoveRight();
    void MoveLeft();
    void OnSlotReleaseMove();
    // Centres the view on the playing time, clamped to the browsable days.
    // Ignored for s_uNoTime and while the user is browsing.
    void OnPlayTime(unsigned uTime);
    void OnPlayTime(const QDateTime& dtTime);
    // Refreshes the time shown under the mouse and repaints.
    void OnUpdateTimeSlider();

Q_SIGNALS:
    void SignalMouseEnter();
    void SignalMouseLeave();

protected:
    // The subclasses hand in their private part, which owns the chart view.
    CTimeSlider(CTimeSliderPrivate& dd, QWidget* pParent);

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;

    const std::unique_ptr<CTimeSliderPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
