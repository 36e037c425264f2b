#ifndef ORVAGUITOOLKIT_TIMELINE_TIMESLIDER_H
#define ORVAGUITOOLKIT_TIMELINE_TIMESLIDER_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>
#include <OrvaGUIToolkit/Timeline/TimeSliderData.h>

#include <QtCore/QDateTime>
#include <QtWidgets/QFrame>

#include <ctime>
#include <memory>

namespace OrvaGUIToolkit {

class CChartView;
class CTimeSliderPrivate;

// The base of every playback timeline: a frame around a chart view that keeps
// the browsable days, the zoom level and the visible time span. It follows the
// playing time by centring the view on it, scrolls by steps, zooms with the
// buttons and the wheel, lets the user drag the scale (a little beyond the
// browsable days, by the slack of the level) and repaints asynchronously.
//
// The horizontal axis is in local seconds relative to a base fixed at
// construction: value = time_t + GetLocalUtcOffset() - base, so whole axis
// days start at local midnight. TimeToValue() and ValueToTime() convert.
class ORVAGUITOOLKIT_EXPORT CTimeSlider : public QFrame
{
    Q_OBJECT

public:
    // The slider takes ownership of the view (a child of its layout in the
    // subclasses).
    explicit CTimeSlider(CChartView* pChartView, QWidget* pParent = nullptr);
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
    void SetMinMaxBySpan(double dSpan);
    int GetZoomLevel() const;

    // The view's current date-time (the time under the mid line).
    QDateTime CurrentTime() const;
    // The visible range as horizontal axis values.
    void GetVisibleRange(double& dMin, double& dMax) const;
    // Axis limits of the browsable range: its days plus half a day each side.
    qint64 GetRangeMin() const;
    qint64 GetRangeMax() const;
    int GetBase() const;
    // True while the user browses (buttons held, scale pressed): play times
    // are ignored then.
    bool IsMoving() const;

    double TimeToValue(qint64 iTime) const;
    qint64 ValueToTime(double dValue) const;

    // Posts one repaint to the chart view; the view rebuilds its picture when
    // the event arrives.
    void RepaintTimeSlider();
    // Empties every series of the chart.
    void Clear();
    virtual void Reset();

    CChartView* GetChartView() const;

    // Visible span, tick step (also the scroll step) and drag slack of a zoom
    // level, in seconds. Unknown levels: a span of 86400, step and slack 0.
    static int GetShowSpan(int iLevel);
    static int GetOneStepSpan(int iLevel);
    static int GetLeftSpace(int iLevel);

    // The playing-time value that means "no time".
    static constexpr unsigned s_uNoTime = 0xFFFFFFFFu;

public Q_SLOTS:
    // One level wider (down to level 9).
    void OnSlotZoomIn();
    // One level narrower (up to level 14).
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
    void wheelEvent(QWheelEvent* pEvent) override;

    // Scale dragging shared by the subclasses: BeginDrag() at the press (view
    // coordinates), DragTo() on each move.
    void BeginDrag(const QPoint& ptPress);
    void DragTo(const QPoint& ptMouse);
    void SetMoving(bool bMoving);
    void SetMousePos(const QPoint& ptMouse);
    QPoint GetMousePos() const;
    // The time under a view x: the chart's left edge maps to the visible
    // minimum, its right edge to the maximum.
    qint64 TimeAtX(int iX) const;
    // Makes the centre of the visible range the view's current date-time.
    void UpdateCurrentDateTimeFromCentre();
    // Scrolls one tick step later (iDirection > 0) or earlier.
    void MoveByStep(int iDirection);
    void StartUpdateTimer();
    void StopUpdateTimer();
    // Clears the text shown under the mouse.
    void ClearMouseText();
    // Sets the stored zoom level without changing the view.
    void SetZoomLevel(int iLevel);
    // Clips a segment to the browsable days and gives its ends as axis
    // values. False for an invalid or reversed segment, one outside the days,
    // or one whose values do not fit the int coordinates of the series.
    bool SegmentToValues(const QDateTime& dtBegin, const QDateTime& dtEnd, int& iBegin, int& iEnd) const;

private:
    std::unique_ptr<CTimeSliderPrivate> d;
};

} // namespace OrvaGUIToolkit

#endif
