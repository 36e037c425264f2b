#ifndef ORVAGUITOOLKIT_TIMESLIDERTESTSUPPORT_H
#define ORVAGUITOOLKIT_TIMESLIDERTESTSUPPORT_H

#include "timeline/TimeSliderPrivate.h"
#include "timeline/engine/ChartView.h"

#include <OrvaGUIToolkit/Timeline/TimeSlider.h>

#include <QtGui/QMouseEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>

#include <cmath>

namespace SliderTest {

// The state and the chart view of a slider, reached through its private part.
inline OrvaGUIToolkit::CTimeSliderPrivate* Priv(const OrvaGUIToolkit::CTimeSlider& slider)
{
    return const_cast<OrvaGUIToolkit::CTimeSliderPrivate*>(OrvaGUIToolkit::CTimeSliderPrivate::Get(&slider));
}

inline OrvaGUIToolkit::CChartView* View(const OrvaGUIToolkit::CTimeSlider& slider)
{
    return Priv(slider)->m_pChartView;
}

// Sends a mouse event straight to the view, as the window system would,
// with the buttons held during a move.
inline void SendMouse(QWidget* pView, QEvent::Type enumType, const QPoint& point,
                      Qt::MouseButton enumButton = Qt::LeftButton,
                      Qt::KeyboardModifiers enumModifiers = Qt::NoModifier)
{
    const Qt::MouseButtons buttons = enumType == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(enumButton);
    QMouseEvent event(enumType, point, pView->mapToGlobal(point),
                      enumType == QEvent::MouseMove ? Qt::NoButton : enumButton, buttons, enumModifiers);
    QApplication::sendEvent(pView, &event);
}

// A press and a release at one point: a click.
inline void Click(QWidget* pView, const QPoint& point, Qt::MouseButton enumButton = Qt::LeftButton)
{
    SendMouse(pView, QEvent::MouseButtonPress, point, enumButton);
    SendMouse(pView, QEvent::MouseButtonRelease, point, enumButton);
}

// A press, one move and a release: a drag from one point to another.
inline void Drag(QWidget* pView, const QPoint& ptFrom, const QPoint& ptTo,
                 Qt::KeyboardModifiers enumModifiers = Qt::NoModifier)
{
    SendMouse(pView, QEvent::MouseButtonPress, ptFrom, Qt::LeftButton, enumModifiers);
    SendMouse(pView, QEvent::MouseMove, ptTo, Qt::LeftButton, enumModifiers);
    SendMouse(pView, QEvent::MouseButtonRelease, ptTo, Qt::LeftButton, enumModifiers);
}

inline OrvaGUIToolkit::struTimeSliderData::TimeSegmentParam Segment(const QDateTime& dtBegin, const QDateTime& dtEnd,
                                                                    int iLevel)
{
    return {dtBegin, dtEnd, QBrush(QColor(93, 128, 248)), iLevel, {}};
}

// The visible axis range as one value, for tests that check both ends.
struct SRange
{
    double dMin = 0.0;
    double dMax = 0.0;
};

inline SRange Visible(const OrvaGUIToolkit::CTimeSlider& slider)
{
    SRange range;
    slider.GetVisibleRange(range.dMin, range.dMax);
    return range;
}

// Lets the posted repaint arrive, so that hit tests see the current picture.
inline void Settle(OrvaGUIToolkit::CTimeSlider& slider)
{
    QCoreApplication::sendPostedEvents();
    View(slider)->UpdateChart();
}

inline double Centre(const OrvaGUIToolkit::CTimeSlider& slider)
{
    const SRange range = Visible(slider);
    return (range.dMin + range.dMax) / 2.0;
}

inline double Span(const OrvaGUIToolkit::CTimeSlider& slider)
{
    const SRange range = Visible(slider);
    return range.dMax - range.dMin;
}

} // namespace SliderTest

#endif
