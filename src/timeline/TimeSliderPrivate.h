#ifndef ORVAGUITOOLKIT_TIMESLIDERPRIVATE_H
#define ORVAGUITOOLKIT_TIMESLIDERPRIVATE_H

#include <OrvaGUIToolkit/Timeline/TimeSlider.h>

#include <QtCore/QDateTime>
#include <QtCore/QPoint>
#include <QtGui/QMouseEvent>

QT_BEGIN_NAMESPACE
class QTimer;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CChartView;

// A position in whole pixels, saturated short of the int limits: a mouse
// reported far outside the window must not overflow the rounding.
inline QPoint SaturatedPoint(const QPointF& point)
{
    constexpr double dLimit = 2147483000.0;
    return QPoint(qRound(qBound(-dLimit, point.x(), dLimit)), qRound(qBound(-dLimit, point.y(), dLimit)));
}

// A mouse event's position in the receiver, saturated as above.
inline QPoint MousePos(const QMouseEvent* pEvent)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return SaturatedPoint(pEvent->position());
#else
    return SaturatedPoint(pEvent->localPos());
#endif
}

// The state of a timeline. The subclasses' private parts derive from it and
// create the chart view they draw through; the slider owns it from then on.
class CTimeSliderPrivate
{
    Q_DECLARE_PUBLIC(CTimeSlider)

public:
    explicit CTimeSliderPrivate(CChartView* pChartView);
    virtual ~CTimeSliderPrivate();

    // The private part of a slider, for the library's own code and tests.
    static CTimeSliderPrivate* Get(CTimeSlider* pSlider) { return pSlider->d_func(); }
    static const CTimeSliderPrivate* Get(const CTimeSlider* pSlider) { return pSlider->d_func(); }

    // Run by the slider's constructor once q_ptr is set.
    void Init();

    // Scale dragging shared by the subclasses: BeginDrag() at the press (view
    // coordinates), DragTo() on each move. DragTo() may report a new date;
    // the slider may be gone when it returns.
    void BeginDrag(const QPoint& ptPress);
    void DragTo(const QPoint& ptMouse);
    // Scrolls one tick step later (iDirection > 0) or earlier.
    void MoveByStep(int iDirection);
    // The time under a view x: the chart's left edge maps to the visible
    // minimum, its right edge to the maximum.
    qint64 TimeAtX(int iX) const;
    // Makes a time the view's current date-time, which reports a new date
    // before it is shown. False when a receiver of that report deleted the
    // slider: the caller must not touch it any more.
    bool ShowDateTime(qint64 iTime);
    // The same for the centre of the visible range.
    bool ShowCentreDateTime();
    // Clears the text shown under the mouse.
    void ClearMouseText();
    // What the mouse leaving the view undoes in every slider: the text under
    // it and its refresh, and the drag cursor; then repaints.
    void EndHover();
    // Clips a segment to the browsable days and gives its ends as axis
    // values. False for an invalid or reversed segment or one outside the days.
    bool SegmentToValues(const QDateTime& dtBegin, const QDateTime& dtEnd, qint64& iBegin, qint64& iEnd) const;
    // Sets the visible range, keeping it finite.
    void SetVisibleRange(double dMin, double dMax);

    // The view's mouse and hover events, handed over by the slider's event
    // filter. A handler emits last, or checks that the slider still exists
    // after an emit: a receiver may delete it.
    virtual void OnViewPress(QMouseEvent* pEvent) = 0;
    virtual void OnViewMove(QMouseEvent* pEvent) = 0;
    virtual void OnViewRelease(QMouseEvent* pEvent) = 0;
    virtual void OnViewEnter() = 0;
    virtual void OnViewLeave() = 0;

    // The hover text is refreshed this often while the mouse is inside.
    static constexpr int s_iUpdateInterval = 5000;

    CTimeSlider* q_ptr = nullptr;
    CChartView* m_pChartView = nullptr;
    // Set by MoveLeft(), MoveRight() and a press on the scale; play times are
    // ignored while it is set.
    bool m_bMoving = false;
    int m_iBase = 0;
    QDateTime m_dtBegin;
    QDateTime m_dtEnd;
    // The same as time_t, for converting segments without date-time arithmetic.
    qint64 m_iBeginSecs = 0;
    qint64 m_iEndSecs = 0;
    qint64 m_iRangeMin = 0;
    qint64 m_iRangeMax = 0;
    int m_iLevel = struTimeSliderData::ScaleDayBy12Hours;
    qint64 m_iPressOffset = 0;
    QPoint m_ptMouse;
    bool m_bZoomAtMouse = false;
    double m_dPressMin = 0.0;
    double m_dPressMax = 0.0;
    QTimer* m_pUpdateTimer = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
