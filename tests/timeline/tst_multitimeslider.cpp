#include "engine/ChartTestSupport.h"
#include "TimeSliderTestSupport.h"

#include "timeline/engine/LineSeries.h"
#include "timeline/engine/MultiChartView.h"
#include "timeline/engine/TimeRectSeries.h"
#include "timeline/MultiTimeSliderPrivate.h"
#include "timeline/TimeSliderFilterPopup.h"

#include <OrvaGUIToolkit/CheckBox/CheckBox.h>
#include <OrvaGUIToolkit/Picture/PicLabel.h>
#include <OrvaGUIToolkit/ScrollBar/ScrollBar.h>
#include <OrvaGUIToolkit/Timeline/MultiTimeSlider.h>

#include <QtCore/QPointer>
#include <QtTest/QtTest>
#include <QtWidgets/QPushButton>

#include <climits>
#include <functional>
#include <limits>

using namespace OrvaGUIToolkit;
using namespace ChartTest;
using namespace SliderTest;
using Segments = QList<struTimeSliderData::TimeSegmentParam>;

namespace {

const QDate s_dayFirst(2026, 3, 2);
const QDate s_dayLast(2026, 3, 8);
const QDate s_day(2026, 3, 4);
const QDateTime s_dtNoon(s_day, QTime(12, 0));

struTimeSliderData::TimeSegmentParam Segment(const QDate& day, const QTime& begin, const QTime& end, int iLevel)
{
    return SliderTest::Segment(QDateTime(day, begin), QDateTime(day, end), iLevel);
}

const CMultiTimeSliderPrivate* Priv(const CMultiTimeSlider& slider)
{
    return CMultiTimeSliderPrivate::Get(&slider);
}

// A point inside track k's band, whatever the row geometry.
QPoint BandPoint(const CMultiTimeSlider& slider, int iTrack, int iX = 300)
{
    return QPoint(iX, Priv(slider)->BandTop(iTrack) + 5);
}

QList<CTimeRectSeries*> Tracks(const CMultiTimeSlider& slider)
{
    QList<CChartSeries*> listSeries;
    View(slider)->FindAllSeries(ChartSeriesTimeRect, listSeries);
    QList<CTimeRectSeries*> listTracks;
    for (CChartSeries* pSeries : listSeries)
        listTracks.append(static_cast<CTimeRectSeries*>(pSeries));
    return listTracks;
}

QList<double> YValues(const CChartSeries* pSeries)
{
    QList<double> listValues;
    for (int i = 0; i < pSeries->GetPointCount(); ++i)
        listValues.append(pSeries->GetYValue(i));
    return listValues;
}

QDateTime At(time_t tTime)
{
    return QDateTime::fromSecsSinceEpoch(qint64(tTime));
}

// A shown slider over a week with four tracks; tracks 0 and 2 record all
// day on every day, track 1 records mornings, track 3 nothing. The view is
// centred on dtPlay at the starting level.
void Fill(CMultiTimeSlider& slider, const QDateTime& dtPlay = s_dtNoon)
{
    slider.resize(815, 300);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    slider.SetTimeRange(s_dayFirst, s_dayLast);
    slider.SetTimeSliderCount(4);
    for (QDate day = s_dayFirst; day <= s_dayLast; day = day.addDays(1)) {
        slider.AddTime({Segment(day, QTime(0, 0), QTime(23, 59, 59), 1)}, 0);
        slider.AddTime({Segment(day, QTime(6, 0), QTime(12, 0), 1), Segment(day, QTime(8, 0), QTime(8, 5), 2)}, 1);
        slider.AddTime({Segment(day, QTime(0, 0), QTime(23, 59, 59), 1)}, 2);
    }
    slider.OnPlayTime(dtPlay);
    SliderTest::Settle(slider);
}

// Counts the warnings written while it lives; the test's own handler still
// sees them.
class CWarningCounter
{
public:
    CWarningCounter()
    {
        s_iCount = 0;
        s_pPrevious = qInstallMessageHandler(&CWarningCounter::Handler);
    }
    ~CWarningCounter() { qInstallMessageHandler(s_pPrevious); }
    int Count() const { return s_iCount; }

private:
    static void Handler(QtMsgType enumType, const QMessageLogContext& context, const QString& strMessage)
    {
        if (enumType == QtWarningMsg)
            ++s_iCount;
        s_pPrevious(enumType, context, strMessage);
    }
    static inline int s_iCount = 0;
    static inline QtMessageHandler s_pPrevious = nullptr;
};

} // namespace

class TestMultiTimeSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The count goes up and down between 0 and 64; the segment series only
    // grow, but the rows, the vertical range and the accepted indexes follow
    // the count. The selected row stays.
    void countIsClamped()
    {
        CMultiTimeSlider slider;
        slider.SetTimeRange(s_day, s_day);
        slider.SetTimeSliderCount(2);
        slider.SetSelectIndex(1);
        slider.SetTimeSliderCount(5);
        slider.SetTimeSliderCount(2);
        QCOMPARE(slider.GetTimeSliderCount(), 2u);
        QCOMPARE(Tracks(slider).size(), 5);
        CChartView* pView = View(slider);
        double dMin = -1.0;
        double dMax = -1.0;
        pView->GetYAxis()->GetRange(dMin, dMax);
        QCOMPARE(qMakePair(dMin, dMax), qMakePair(0.0, 98.0));
        QCOMPARE(YValues(pView->FindSeries(ChartSeriesBackGround)), QList<double>({50, 74}));
        QCOMPARE(YValues(pView->FindSeries(ChartSeriesLine)), QList<double>({50, 74}));
        QCOMPARE(YValues(pView->FindSeries(ChartSeriesSelectRect)), QList<double>({50, 74, 98}));
        // Track 3 still exists but is beyond the count.
        slider.AddTime({Segment(s_day, QTime(1, 0), QTime(2, 0), 1)}, 3);
        slider.AddTime({Segment(s_day, QTime(1, 0), QTime(2, 0), 1)}, 1);
        QCOMPARE(QList<int>({Tracks(slider).at(1)->GetRectCount(), Tracks(slider).at(3)->GetRectCount()}), QList<int>({1, 0}));
        QVERIFY(slider.GetTrackRect(3).isEmpty());
        QCOMPARE(slider.GetSelectIndex(), 1);

        // No track at all: only the time-scale band is left.
        slider.SetTimeSliderCount(0);
        QCOMPARE(slider.GetTimeSliderCount(), 0u);
        pView->GetYAxis()->GetRange(dMin, dMax);
        QCOMPARE(qMakePair(dMin, dMax), qMakePair(0.0, 50.0));
        slider.AddTime({Segment(s_day, QTime(3, 0), QTime(4, 0), 1)}, 0);
        QCOMPARE(Tracks(slider).at(0)->GetRectCount(), 0);

        // Above 64 the count stops there, without a complaint.
        int iWarnings = 0;
        {
            const CWarningCounter counter;
            slider.SetTimeSliderCount(100);
            iWarnings = counter.Count();
        }
        QCOMPARE(iWarnings, 0);
        QCOMPARE(Tracks(slider).size(), 64);
        QCOMPARE(slider.GetTimeSliderCount(), 64u);
        slider.SetTimeSliderCount(3);
        QCOMPARE(slider.GetTimeSliderCount(), 3u);
        QCOMPARE(YValues(pView->FindSeries(ChartSeriesLine)), QList<double>({50, 74, 98}));
        // The segment added to track 1 while it was counted is still there.
        QCOMPARE(Tracks(slider).at(1)->GetRectCount(), 1);
    }

    // The selected row is stored as given; 0xFFFFFFFF reads back as -1.
    void selectIndexIsStoredAsGiven()
    {
        CMultiTimeSlider slider;
        slider.SetSelectIndex(2);
        QCOMPARE(slider.GetSelectIndex(), 2);
        slider.SetTimeSliderCount(4);
        QCOMPARE(slider.GetSelectIndex(), 2);
        slider.SetSelectIndex(7);
        QCOMPARE(slider.GetSelectIndex(), 7);
        slider.ClearSelectTimeSlider();
        QCOMPARE(slider.GetSelectIndex(), -1);
        slider.SetSelectIndex(1);
        slider.SetSelectIndex(0xFFFFFFFFu);
        QCOMPARE(slider.GetSelectIndex(), -1);
    }

    // The span type is compared with the one set before (9 at first), not with
    // the zoom level the buttons change; Reset() goes back to it.
    void spanTypeIsComparedWithTheLastOne()
    {
        CMultiTimeSlider slider;
        slider.OnSlotZoomOut();
        QCOMPARE(slider.GetZoomLevel(), 10);
        slider.SetSpanType(TimeSliderOneScale(9));
        QCOMPARE(slider.GetZoomLevel(), 10);
        slider.SetSpanType(struTimeSliderData::Scale2HoursBy10Minutes);
        QCOMPARE(qMakePair(slider.GetZoomLevel(), Span(slider)), qMakePair(12, 7200.0));
        slider.OnSlotZoomIn();
        slider.SetSpanType(TimeSliderOneScale::Scale2HoursBy10Minutes);
        QCOMPARE(slider.GetZoomLevel(), 11);
        slider.Reset();
        QCOMPARE(slider.GetZoomLevel(), 12);
    }

    // With one track there is no row selection: the list is emptied and the
    // caller's index is left alone.
    void marqueeWithoutRowSelection()
    {
        CMultiTimeSlider slider;
        unsigned uIndex = 7;
        QList<struTimeSliderData::SelectedData> listData{{1.0, 2.0}};
        slider.GetMarqueeAreaRects(uIndex, listData);
        QCOMPARE(qMakePair(uIndex, int(listData.size())), qMakePair(7u, 0));
        listData = {{1.0, 2.0}};
        slider.GetValidMarqueeAreaRects(uIndex, listData);
        QCOMPARE(qMakePair(uIndex, int(listData.size())), qMakePair(7u, 0));
        slider.SetTimeSliderCount(2);
        slider.GetMarqueeAreaRects(uIndex, listData);
        QCOMPARE(uIndex, 0xFFFFFFFFu);
    }

    void segmentsAreClippedPerTrack()
    {
        CMultiTimeSlider slider;
        slider.SetTimeRange(s_dayFirst, s_dayLast);
        slider.SetTimeSliderCount(3);
        slider.AddTime({Segment(s_dayFirst, QTime(1, 0), QTime(2, 0), 1), Segment(s_dayLast, QTime(22, 0), QTime(23, 0), 2)}, 1);
        const QList<CTimeRectSeries*> listTracks = Tracks(slider);
        CTimeRectSeries* pTrack = listTracks.at(1);
        QCOMPARE(pTrack->GetRectCount(), 2);
        slider.AddTime(QMap<unsigned, Segments>{{2, {Segment(s_dayFirst, QTime(1, 0), QTime(2, 0), 1)}},
                                               {7, {Segment(s_dayFirst, QTime(1, 0), QTime(2, 0), 1)}}});
        QCOMPARE(listTracks.at(2)->GetRectCount(), 1);
        slider.RemoveTimeByTimeLevel(1, 2);
        QCOMPARE(pTrack->GetRectCount(), 1);
        slider.ClearTime(1);
        QCOMPARE(pTrack->GetRectCount(), 0);
        slider.ClearAllTimeRectSeries();
        QCOMPARE(listTracks.at(2)->GetRectCount(), 0);
    }

    void farDateRanges_data()
    {
        QTest::addColumn<QDate>("dayFirst");
        QTest::addColumn<QDate>("dayLast");
        QTest::addColumn<bool>("bAccepted");
        QTest::newRow("before the calendar") << QDate(-4713, 1, 2) << QDate(-4713, 1, 3) << true;
        QTest::newRow("invalid") << QDate() << QDate() << false;
        QTest::newRow("reversed") << QDate(2026, 3, 5) << QDate(2026, 3, 4) << false;
    }

    // Far or bad date ranges are taken or refused whole; zooming, stepping,
    // playing and adding segments over them keep the range finite.
    void farDateRanges()
    {
        QFETCH(QDate, dayFirst);
        QFETCH(QDate, dayLast);
        QFETCH(bool, bAccepted);
        CMultiTimeSlider slider;
        slider.SetTimeRange(s_day, s_day);
        slider.SetTimeRange(dayFirst, dayLast);
        QDateTime dtFirst;
        QDateTime dtLast;
        slider.GetTimeRange(dtFirst, dtLast);
        QCOMPARE(qMakePair(dtFirst.date(), dtLast.time()), qMakePair(bAccepted ? dayFirst : s_day, QTime(23, 59, 59)));
        slider.SetTimeSliderCount(2);
        slider.AddTime({SliderTest::Segment(QDateTime(dayFirst, QTime(1, 0)), QDateTime(dayLast, QTime(2, 0)), 1)}, 1);
        slider.ShowZoomByType(14);
        slider.MoveRight();
        slider.OnSlotReleaseMove();
        slider.OnPlayTime(QDateTime(dayLast, QTime(12, 0)));
        slider.ShowZoomByType(9);
        QCOMPARE(Span(slider), 86400.0);
        // The segment lies inside an accepted range and outside a refused one.
        QCOMPARE(Tracks(slider).at(1)->GetRectCount(), bAccepted ? 1 : 0);
    }

    void indexesOutOfRange_data()
    {
        QTest::addColumn<int>("iIndex");
        QTest::newRow("INT_MIN") << INT_MIN;
        QTest::newRow("count") << 3;
    }

    // Every operation that names a track or a row ignores one that does not exist.
    void indexesOutOfRange()
    {
        QFETCH(int, iIndex);
        const auto uIndex = unsigned(iIndex);
        CMultiTimeSlider slider;
        slider.resize(800, 100);
        slider.SetTimeRange(s_day, s_day);
        slider.SetTimeSliderCount(3);
        const Segments listSegments{Segment(s_day, QTime(1, 0), QTime(2, 0), 1)};
        slider.AddTime(listSegments, 0);
        slider.AddTime(listSegments, iIndex);
        slider.AddTime(QMap<unsigned, Segments>{{uIndex, listSegments}});
        slider.ClearTime(iIndex);
        slider.RemoveTimeByTimeLevel(iIndex, iIndex);
        slider.CloseSynTime();
        slider.SetPlayTime(uIndex, uIndex, true);
        slider.ClearSinglePlayLine(iIndex);
        slider.SetSelectIndex(uIndex);
        slider.SetShowIndex(uIndex);
        slider.SetChartName(uIndex, QString(1 << 20, QLatin1Char('x')));
        slider.OnScrollBarValueChanged(iIndex);
        slider.ShowZoomByType(iIndex);
        slider.SetSpanType(struTimeSliderData::TimeSliderOneScale(iIndex));
        QCOMPARE(slider.GetTimeSliderCount(), 3u);
        QVERIFY(slider.GetTrackRect(iIndex).isEmpty());
        const QList<CTimeRectSeries*> listTracks = Tracks(slider);
        QCOMPARE(QList<int>({listTracks.at(0)->GetRectCount(), listTracks.at(1)->GetRectCount(), listTracks.at(2)->GetRectCount()}),
                 QList<int>({1, 0, 0}));
        QCOMPARE(qMakePair(Priv(slider)->TrackAt(QPoint(300, INT_MAX)), Priv(slider)->TrackAt(QPoint(INT_MIN, INT_MIN))),
                 qMakePair(-1, -1));
    }

    void clickSelectAndDrag_data()
    {
        // Whole hours east, a half hour east and hours west of UTC: a slip
        // between UTC and local seconds shows in each of them.
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("Shanghai") << QByteArray("Asia/Shanghai");
        QTest::newRow("Kolkata") << QByteArray("Asia/Kolkata");
        QTest::newRow("New York") << QByteArray("America/New_York");
    }

    // Only a recorded part of a track is a hit: a click reports the track and the
    // local time under the mouse, a drag along a track selects from the press to
    // the release, an empty track or the right button report nothing. The day
    // from midnight spans 785 pixels from x = 15.
    void clickSelectAndDrag()
    {
        QFETCH(QByteArray, zone);
        CTimeZoneScope scope(zone);
        CMultiTimeSlider slider;
        Fill(slider);
        CChartView* pView = View(slider);
        QSignalSpy spyClicked(&slider, &CMultiTimeSlider::SignalClicked);
        QSignalSpy spyClick(&slider, QOverload<int, time_t>::of(&CMultiTimeSlider::SignalMouseClick));
        QSignalSpy spyClickTime(&slider, QOverload<time_t>::of(&CMultiTimeSlider::SignalMouseClick));
        QSignalSpy spySelect(&slider, &CMultiTimeSlider::SignalSelect);
        QCOMPARE(Priv(slider)->TrackAt(BandPoint(slider, 1)), 1);
        QCOMPARE(Priv(slider)->TrackAt(BandPoint(slider, 3)), -1);
        QCOMPARE(Priv(slider)->TrackAt(QPoint(300, 20)), -1);
        Click(pView, BandPoint(slider, 0));
        Drag(pView, BandPoint(slider, 2, 200), BandPoint(slider, 2, 320));
        Click(pView, BandPoint(slider, 3));
        Click(pView, BandPoint(slider, 0), Qt::RightButton);
        QCOMPARE(static_cast<QList<QVariantList>>(spyClicked), QList<QVariantList>({{0}, {2}}));
        QCOMPARE(spyClick.count() + spyClickTime.count() + spySelect.count(), 3);
        QCOMPARE(QList<QVariant>({spyClick.at(0).at(0), At(spyClick.at(0).at(1).value<time_t>()),
                                  At(spyClickTime.at(0).at(0).value<time_t>()), spySelect.at(0).at(0),
                                  At(spySelect.at(0).at(1).value<time_t>()), At(spySelect.at(0).at(2).value<time_t>())}),
                 QList<QVariant>({0, QDateTime(s_day, QTime(8, 42, 48)), QDateTime(s_day, QTime(8, 42, 48)), 2,
                                  QDateTime(s_day, QTime(5, 39, 21)), QDateTime(s_day, QTime(9, 19, 29))}));

        // Dragging the scale at two hours over 785 pixels, 100 pixels to the
        // left: the press lies 3531 s, the release 2614 s right of the left edge.
        slider.SetSpanType(struTimeSliderData::Scale2HoursBy10Minutes);
        QCOMPARE(slider.GetZoomLevel(), 12);
        SliderTest::Settle(slider);
        SendMouse(pView, QEvent::MouseButtonPress, QPoint(400, 20));
        QCOMPARE(pView->cursor().shape(), Qt::ClosedHandCursor);
        SendMouse(pView, QEvent::MouseMove, QPoint(300, 20));
        SendMouse(pView, QEvent::MouseButtonRelease, QPoint(300, 20));
        QCOMPARE(slider.CurrentTime(), QDateTime(s_day, QTime(12, 15, 17)));
    }

    // Only where the release lands decides: a press on the time scale ended on
    // a track selects from the press to the release, or clicks at one x. Any
    // press in the chart holds the view still until a release.
    void releaseOnATrack()
    {
        CMultiTimeSlider slider;
        Fill(slider);
        CChartView* pView = View(slider);
        QSignalSpy spyClickTime(&slider, QOverload<time_t>::of(&CMultiTimeSlider::SignalMouseClick));
        QSignalSpy spySelect(&slider, &CMultiTimeSlider::SignalSelect);
        SendMouse(pView, QEvent::MouseButtonPress, QPoint(400, 20));
        SendMouse(pView, QEvent::MouseButtonRelease, BandPoint(slider, 0));
        SendMouse(pView, QEvent::MouseButtonPress, QPoint(300, 20));
        SendMouse(pView, QEvent::MouseButtonRelease, BandPoint(slider, 0));
        QCOMPARE(QList<QVariant>({spySelect.count(), spySelect.at(0).at(0), At(spySelect.at(0).at(1).value<time_t>()),
                                  At(spySelect.at(0).at(2).value<time_t>())}),
                 QList<QVariant>({1, 0, QDateTime(s_day, QTime(11, 46, 14)), QDateTime(s_day, QTime(8, 42, 48))}));
        QCOMPARE(spyClickTime.count(), 1);
        QCOMPARE(At(spyClickTime.at(0).at(0).value<time_t>()), QDateTime(s_day, QTime(8, 42, 48)));

        // A step button holds the view; a click on an empty track ends that.
        slider.MoveRight();
        QVERIFY(Priv(slider)->m_bMoving);
        Click(pView, BandPoint(slider, 3));
        QVERIFY(!Priv(slider)->m_bMoving);
        // A press on a track holds it too, until its release.
        SendMouse(pView, QEvent::MouseButtonPress, BandPoint(slider, 3));
        QVERIFY(Priv(slider)->m_bMoving);
        slider.OnPlayTime(s_dtNoon.addDays(1));
        QCOMPARE(Centre(slider), slider.TimeToValue(s_dtNoon.toSecsSinceEpoch()) + 7200.0);
        SendMouse(pView, QEvent::MouseButtonRelease, BandPoint(slider, 3));
        slider.OnPlayTime(s_dtNoon.addDays(1));
        QCOMPARE(Centre(slider), slider.TimeToValue(s_dtNoon.addDays(1).toSecsSinceEpoch()));
    }

    // With the marquee open, each Shift drag adds one range on its track; the
    // valid ranges are those parts that cover recordings.
    void marqueeWithShiftDrag()
    {
        CMultiTimeSlider slider;
        Fill(slider);
        auto* pView = static_cast<CMultiChartView*>(View(slider));
        unsigned uIndex = 0;
        QList<struTimeSliderData::SelectedData> listData;
        // Closed marquee: a Shift drag is an ordinary selection.
        Drag(pView, BandPoint(slider, 1, 100), BandPoint(slider, 1, 400), Qt::ShiftModifier);
        slider.GetMarqueeAreaRects(uIndex, listData);
        QVERIFY(listData.isEmpty());

        pView->SetOpenSelectRect(true);
        SendMouse(pView, QEvent::MouseButtonPress, BandPoint(slider, 1, 100), Qt::LeftButton, Qt::ShiftModifier);
        for (int iX = 120; iX <= 600; iX += 40)
            SendMouse(pView, QEvent::MouseMove, BandPoint(slider, 1, iX), Qt::LeftButton, Qt::ShiftModifier);
        SendMouse(pView, QEvent::MouseButtonRelease, BandPoint(slider, 1, 600), Qt::LeftButton, Qt::ShiftModifier);
        // A second drag adds a range, over no recording.
        Drag(pView, BandPoint(slider, 1, 650), BandPoint(slider, 1, 700), Qt::ShiftModifier);
        slider.GetMarqueeAreaRects(uIndex, listData);
        QCOMPARE(uIndex, 1u);
        QCOMPARE(listData.size(), 2);
        // x 100 and 600 of the day from midnight: 02:35:55.4 and 17:53:07.3.
        const double dStart = slider.TimeToValue(QDateTime(s_day, QTime(2, 35, 55)).toSecsSinceEpoch());
        const double dEnd = slider.TimeToValue(QDateTime(s_day, QTime(17, 53, 7)).toSecsSinceEpoch());
        QCOMPARE(qMakePair(std::floor(listData.at(0).dStart - dStart), std::floor(listData.at(0).dEnd - dEnd)), qMakePair(0.0, 0.0));
        // Track 1 records 06:00-12:00 only: the valid part is that.
        QList<struTimeSliderData::SelectedData> listValid;
        slider.GetValidMarqueeAreaRects(uIndex, listValid);
        QCOMPARE(listValid.size(), 1);
        QCOMPARE(qMakePair(listValid.at(0).dStart, listValid.at(0).dEnd),
                 qMakePair(slider.TimeToValue(QDateTime(s_day, QTime(6, 0)).toSecsSinceEpoch()),
                           slider.TimeToValue(s_dtNoon.toSecsSinceEpoch())));

        // Without ranges the list comes back empty and the row reads "none".
        slider.ClearTime(1);
        slider.GetValidMarqueeAreaRects(uIndex, listValid);
        QVERIFY(listValid.isEmpty());
        QCOMPARE(uIndex, 0xFFFFFFFFu);
    }

    // Each track can mark its own play time only while sync time is off;
    // switching it on clears every mark.
    void playMarksAndSyncTime()
    {
        CMultiTimeSlider slider;
        Fill(slider, QDateTime(s_day, QTime(9, 0)));
        slider.ShowZoomByType(12);
        auto* pMarks = static_cast<CLineSeries*>(View(slider)->FindSeries(ChartSeriesLine));
        const unsigned uTime = unsigned(QDateTime(s_day, QTime(9, 30)).toSecsSinceEpoch());
        QVERIFY(slider.IsSyncTime());
        slider.SetPlayTime(1, uTime, false);
        QCOMPARE(pMarks->GetXValue(1), -1.0);
        slider.CloseSynTime();
        slider.SetPlayTime(1, uTime, false);
        QCOMPARE(pMarks->GetXValue(1), slider.TimeToValue(uTime));
        // Following a time outside the view re-centres it.
        const unsigned uLater = uTime + 6 * 3600;
        slider.SetPlayTime(0, uLater, true);
        QCOMPARE(Centre(slider), slider.TimeToValue(uLater));
        // Clamped to the browsable days.
        slider.SetPlayTime(2, unsigned(QDateTime(QDate(2026, 4, 1), QTime(0, 0)).toSecsSinceEpoch()), false);
        QCOMPARE(pMarks->GetXValue(2), slider.TimeToValue(QDateTime(s_dayLast.addDays(1), QTime(0, 0)).toSecsSinceEpoch()));
        slider.ClearSinglePlayLine(2);
        QCOMPARE(pMarks->GetXValue(2), -1.0);
        // A track without a mark still makes the view follow.
        const unsigned uEarly = uTime - 6 * 3600;
        slider.SetPlayTime(7, uEarly, true);
        QCOMPARE(Centre(slider), slider.TimeToValue(uEarly));
        QCOMPARE(pMarks->GetPointCount(), 4);
        QCOMPARE(QList<double>({pMarks->GetXValue(0), pMarks->GetXValue(3)}), QList<double>({slider.TimeToValue(uLater), -1.0}));
        slider.SetPlayTime(0, uLater, true);
        // Sync time is ignored while off, followed once on.
        slider.SetSyncTime(uTime);
        QCOMPARE(Centre(slider), slider.TimeToValue(uLater));
        slider.OpenSynTime();
        QCOMPARE(QList<double>({pMarks->GetXValue(0), pMarks->GetXValue(1)}), QList<double>({-1.0, -1.0}));
        slider.SetSyncTime(uTime);
        QCOMPARE(Centre(slider), slider.TimeToValue(uTime));
    }

    // Levels are listed once each; Cancel undoes unconfirmed changes.
    void filterPopup()
    {
        CTimeSliderFilterPopup popup;
        QSignalSpy spyFilter(&popup, &CTimeSliderFilterPopup::SignalFilter);
        for (const auto& level : {qMakePair(QStringLiteral("Continuous"), 1), qMakePair(QStringLiteral("Event & alarm"), 2),
                                  qMakePair(QStringLiteral("Command"), 3), qMakePair(QStringLiteral("Again"), 2)})
            popup.AddLevel(QIcon(), level.first, level.second);
        QCOMPARE(popup.GetLevels(), QList<int>({1, 2, 3}));
        // An ampersand in a name is text, not a shortcut.
        QCOMPARE(popup.GetLevelBox(2)->text(), QStringLiteral("Event && alarm"));
        popup.GetLevelBox(2)->click();
        QCOMPARE(popup.GetAllBox()->checkState(), Qt::PartiallyChecked);
        popup.OnClickOkBtn();
        QCOMPARE(spyFilter.at(0).at(0).value<QList<int>>(), QList<int>({1, 3}));
        popup.GetAllBox()->click();
        QVERIFY(popup.GetLevelBox(2)->isChecked());
        popup.GetAllBox()->click();
        QCOMPARE(popup.GetAllBox()->checkState(), Qt::Unchecked);
        popup.OnClickCancelBtn();
        QVERIFY(popup.GetLevelBox(1)->isChecked() && !popup.GetLevelBox(2)->isChecked());
        QCOMPARE(spyFilter.count(), 1);
        popup.SetFilteredLevels({2});
        QVERIFY(popup.GetLevelBox(2)->isChecked() && !popup.GetLevelBox(3)->isChecked());
    }

    void filterLevels()
    {
        CMultiTimeSlider slider;
        Fill(slider);
        slider.SetFilteredLevels({});
        QCOMPARE(slider.GetFilteredLevels(), QList<int>({-1}));
        slider.SetFilteredLevels({2});
        slider.AddTimeLevels({3, 4});
        QCOMPARE(Tracks(slider).at(0)->GetTypeFilter(), QList<int>({3, 4}));
        // Tracks added later follow the filter.
        slider.SetTimeSliderCount(6);
        QCOMPARE(Tracks(slider).at(5)->GetTypeFilter(), QList<int>({3, 4}));
        slider.AddTimeLevels({});
        QCOMPARE(slider.GetFilteredLevels(), QList<int>());
        slider.AddTimeLevel(QIcon(), QStringLiteral("Continuous"), 1);
        slider.OnFilterTriggered({1});
        QCOMPARE(Tracks(slider).at(0)->GetTypeFilter(), QList<int>({1}));
        slider.ClearTimeLevel();
        QCOMPARE(Tracks(slider).at(0)->GetTypeFilter(), QList<int>({-1}));
        // Emptying one track shows every level again on all of them.
        slider.SetFilteredLevels({2});
        slider.ClearTime(1);
        QCOMPARE(slider.GetFilteredLevels(), QList<int>({-1}));
        QCOMPARE(QList<QList<int>>({Tracks(slider).at(0)->GetTypeFilter(), Tracks(slider).at(3)->GetTypeFilter()}),
                 QList<QList<int>>({{-1}, {-1}}));
    }

    // The pop-up is still open while the levels are reported; it closes after.
    void filterIsReportedBeforeThePopupCloses()
    {
        CMultiTimeSlider slider;
        slider.AddTimeLevel(QIcon(), QStringLiteral("Continuous"), 1);
        auto* pPopup = slider.findChild<CTimeSliderFilterPopup*>();
        pPopup->show();
        QList<bool> listVisible;
        connect(&slider, &CMultiTimeSlider::SignalFilterTriggered, this, [&] { listVisible << pPopup->isVisible(); });
        pPopup->OnClickOkBtn();
        QCOMPARE(listVisible, QList<bool>({true}));
        QVERIFY(!pPopup->isVisible());
    }

    void hoverAsksForAThumbnail()
    {
        CMultiTimeSlider slider;
        Fill(slider);
        QSignalSpy spyThumbnail(&slider, QOverload<bool, time_t>::of(&CMultiTimeSlider::SignalThumbnail));
        QSignalSpy spyHide(&slider, QOverload<bool>::of(&CMultiTimeSlider::SignalThumbnail));
        SendMouse(View(slider), QEvent::MouseMove, BandPoint(slider, 2), Qt::NoButton);
        QVERIFY(spyThumbnail.wait(3000));
        QCOMPARE(qMakePair(spyThumbnail.at(0).at(0).toBool(), At(spyThumbnail.at(0).at(1).value<time_t>())),
                 qMakePair(true, QDateTime(s_day, QTime(8, 42, 48))));
        QPixmap pixmap(160, 90);
        pixmap.fill(Qt::darkGreen);
        slider.ShowThumbnail(pixmap);
        auto* pLabel = slider.findChild<CPicLabel*>();
        QVERIFY(pLabel && pLabel->isVisible() && pLabel->HasPicture());
        // Off the recordings the thumbnail goes.
        SendMouse(View(slider), QEvent::MouseMove, BandPoint(slider, 3), Qt::NoButton);
        QVERIFY(!pLabel->isVisible());
        QCOMPARE(spyHide.count(), 1);
    }

    // The rows span (0, 50 + 24 x count); the scroll bar appears only when that
    // exceeds the slider's height, with a maximum of content - height + 2.
    void scrollBarShowsOnlyWhenRowsOverflow_data()
    {
        QTest::addColumn<unsigned>("uCount");
        QTest::addColumn<int>("iHeight");
        QTest::addColumn<double>("dSpan");
        QTest::addColumn<int>("iMaximum"); // -1: hidden
        QTest::newRow("six tracks just fit") << 6u << 194 << 194.0 << -1;
        QTest::newRow("six tracks, one pixel short") << 6u << 193 << 194.0 << 3;
        QTest::newRow("sixteen tracks in 200") << 16u << 200 << 434.0 << 236;
    }

    void scrollBarShowsOnlyWhenRowsOverflow()
    {
        QFETCH(unsigned, uCount);
        QFETCH(int, iHeight);
        QFETCH(double, dSpan);
        QFETCH(int, iMaximum);
        CMultiTimeSlider slider;
        slider.resize(800, iHeight);
        slider.SetTimeSliderCount(uCount);
        double dMin = -1.0;
        double dMax = -1.0;
        View(slider)->GetYAxis()->GetRange(dMin, dMax);
        QCOMPARE(qMakePair(dMin, dMax), qMakePair(0.0, dSpan));
        auto* pScrollBar = slider.findChild<CScrollBar*>();
        QCOMPARE(pScrollBar->isHidden() ? -1 : pScrollBar->maximum(), iMaximum);
    }

    // Names, play marks and row boundaries sit on the row tops, 50 + 24 k; only
    // the segments are 10 pixels lower, 60 + 24 k to 84 + 24 k. Compact rows are
    // 10 high from y = 10: every segment moves to its track's slim band (track 2:
    // 31..41), in its order, and is hit where it is drawn.
    void rowsAndCompactRowsSitOnTheirPixels()
    {
        CMultiTimeSlider slider;
        slider.SetTimeRange(s_dayFirst, s_dayLast);
        slider.SetTimeSliderCount(3);
        slider.AddTime({Segment(s_dayFirst, QTime(1, 0), QTime(2, 0), 1), Segment(s_dayFirst, QTime(3, 0), QTime(4, 0), 2),
                        Segment(s_dayFirst, QTime(5, 0), QTime(6, 0), 1)}, 2);
        CChartView* pView = View(slider);
        QCOMPARE(YValues(pView->FindSeries(ChartSeriesBackGround)), QList<double>({50, 74, 98}));
        QCOMPARE(YValues(pView->FindSeries(ChartSeriesLine)), QList<double>({50, 74, 98}));
        QCOMPARE(YValues(pView->FindSeries(ChartSeriesSelectRect)), QList<double>({50, 74, 98, 122}));
        const STimeRect rect = Tracks(slider).at(2)->GetRects(1).constFirst();
        QCOMPARE(qMakePair(rect.begin.y(), rect.end.y()), qMakePair(108, 132));

        slider.SetShowSimplifyMode();
        QCOMPARE(slider.GetHintHeight(), 24);
        QCOMPARE(YValues(pView->FindSeries(ChartSeriesBackGround)), QList<double>({10, 20, 30}));
        QCOMPARE(YValues(pView->FindSeries(ChartSeriesSelectRect)), QList<double>({10, 20, 30, 40}));
        const QVector<STimeRect> vecLevel1 = Tracks(slider).at(2)->GetRects(1);
        QCOMPARE(vecLevel1.at(1).end.x() - vecLevel1.at(0).begin.x(), 5 * 3600);
        for (const STimeRect& rectSlim : vecLevel1 + Tracks(slider).at(2)->GetRects(2))
            QCOMPARE(qMakePair(rectSlim.begin.y(), rectSlim.end.y()), qMakePair(31, 41));
        Fill(slider);
        QCOMPARE(qMakePair(Priv(slider)->TrackAt(BandPoint(slider, 2)), Priv(slider)->TrackAt(BandPoint(slider, 3))), qMakePair(2, -1));
    }

    void scrollingTakesAnyPosition_data()
    {
        QTest::addColumn<int>("iValue");
        QTest::addColumn<double>("dMin");
        QTest::newRow("past the rows") << 1000 << 1000.0;
        QTest::newRow("above the rows") << -24 << -24.0;
        // Only absurd positions are limited.
        QTest::newRow("INT_MIN") << INT_MIN << -1000000.0;
    }

    // The vertical range is (v, v + 50 + 24 x count) for any scroll position.
    void scrollingTakesAnyPosition()
    {
        QFETCH(int, iValue);
        QFETCH(double, dMin);
        CMultiTimeSlider slider;
        slider.SetTimeSliderCount(4);
        slider.OnScrollBarValueChanged(iValue);
        double dRangeMin = 0.0;
        double dRangeMax = 0.0;
        View(slider)->GetYAxis()->GetRange(dRangeMin, dRangeMax);
        QCOMPARE(qMakePair(dRangeMin, dRangeMax), qMakePair(dMin, dMin + 146.0));
    }

    // The marquee's opacity is kept as set; the zoom buttons carry no tip.
    void viewProperties()
    {
        CMultiTimeSlider slider;
        auto* pView = static_cast<CMultiChartView*>(View(slider));
        QCOMPARE(pView->GetSelectRectOpacity(), 0.7);
        pView->SetSelectRectOpacity(1.5);
        pView->SetSelectRectOpacity(std::numeric_limits<qreal>::quiet_NaN());
        QCOMPARE(pView->GetSelectRectOpacity(), 1.5);
        QCOMPARE(pView->findChild<QWidget*>(QStringLiteral("ZoomInBtn"))->toolTip(), QString());
        QCOMPARE(pView->findChild<QWidget*>(QStringLiteral("ZoomOutBtn"))->toolTip(), QString());
    }

    // A client lines its own widgets up with the tracks: the band of each track,
    // moved up by the scrolling, reported once the scrolling is done.
    void trackRectsFollowTheScrolling()
    {
        CMultiTimeSlider slider;
        slider.resize(815, 200);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        slider.SetTimeSliderCount(16);
        QCOMPARE(slider.GetTrackRect(1), QRect(15, 84, slider.GetTrackRect(1).width(), 24));
        QVERIFY(slider.GetTrackRect(16).isEmpty());
        // The fourth row is visible already; rows that do not exist are ignored.
        auto* pScrollBar = slider.findChild<CScrollBar*>();
        slider.SetShowIndex(3);
        slider.SetShowIndex(30);
        QCOMPARE(pScrollBar->value(), 0);
        QSignalSpy spyScrolled(&slider, &CMultiTimeSlider::SignalVisibleRowsScrolled);
        slider.SetShowIndex(9);
        QCOMPARE(pScrollBar->value(), 6 * 24);
        QCOMPARE(slider.GetTrackRect(9).top(), 60 + 3 * 24);
        QCOMPARE(spyScrolled.count(), 0);
        QVERIFY(spyScrolled.wait(1000));
        QCOMPARE(spyScrolled.constFirst().constFirst().toInt(), 144);
    }

    // Receivers hear of a new date before the slider shows it: the slider's
    // current time and the calendar button still hold the old date-time.
    void dateChangeIsReportedBeforeItIsShown()
    {
        CMultiTimeSlider slider;
        slider.SetTimeRange(s_dayFirst, s_dayLast);
        slider.OnPlayTime(s_dtNoon);
        auto* pButton = View(slider)->findChild<QPushButton*>(QStringLiteral("CalendarBtn"));
        QList<QVariant> listSeen;
        connect(&slider, &CMultiTimeSlider::SignalCalendarDateChanged, this, [&](QDate date) {
            listSeen << date << slider.CurrentTime() << pButton->text();
        });
        const QDateTime dtNext(s_day.addDays(1), QTime(9, 30));
        slider.OnPlayTime(dtNext);
        QCOMPARE(listSeen, QList<QVariant>({s_day.addDays(1), s_dtNoon, QStringLiteral("2026/03/04 12:00:00")}));
        QCOMPARE(qMakePair(slider.CurrentTime(), pButton->text()), qMakePair(dtNext, QStringLiteral("2026/03/05 09:30:00")));
        // The same day again is no new date.
        slider.OnPlayTime(dtNext.addSecs(60));
        QCOMPARE(listSeen.size(), 3);
    }

    void deletingSlot_data()
    {
        QTest::addColumn<int>("iSignal");
        int iSignal = 0;
        for (const char* szSignal : {"SignalClicked", "SignalMouseClick(time_t)", "SignalMouseClick(int, time_t)",
                                     "SignalSelect", "SignalMouseEnter", "SignalMouseLeave", "SignalThumbnail(bool, time_t)",
                                     "SignalThumbnail(bool)", "SignalFilterTriggered", "SignalCalendarDateChanged",
                                     "SignalPopupCalendar", "SignalVisibleRowsScrolled",
                                     "SignalCalendarDateChanged by play time", "SignalCalendarDateChanged by a step",
                                     "SignalCalendarDateChanged by a followed play mark"})
            QTest::newRow(szSignal) << iSignal++;
    }

    // A receiver may delete the timeline from any signal it emits from its own
    // handlers; the timeline must not touch itself afterwards (the sanitizers
    // catch it when it does).
    void deletingSlot()
    {
        QFETCH(int, iSignal);
        auto* p = new CMultiTimeSlider;
        const QPointer<CMultiTimeSlider> guard(p);
        Fill(*p, QDateTime(s_day, QTime(0, 30)));
        QWidget* pView = View(*p);
        const auto kill = [p] { delete p; };
        QEvent enter(QEvent::Enter);
        QEvent leave(QEvent::Leave);
        const QPoint ptTrack0 = BandPoint(*p, 0);
        const std::function<void()> triggers[] = {
            [&] { connect(p, &CMultiTimeSlider::SignalClicked, kill); SendMouse(pView, QEvent::MouseButtonPress, ptTrack0); },
            [&] { connect(p, QOverload<time_t>::of(&CMultiTimeSlider::SignalMouseClick), kill); Click(pView, ptTrack0); },
            [&] { connect(p, QOverload<int, time_t>::of(&CMultiTimeSlider::SignalMouseClick), kill); Click(pView, ptTrack0); },
            [&] { connect(p, &CMultiTimeSlider::SignalSelect, kill); Drag(pView, ptTrack0, ptTrack0 + QPoint(50, 0)); },
            [&] { connect(p, &CTimeSlider::SignalMouseEnter, kill); QApplication::sendEvent(pView, &enter); },
            [&] { connect(p, &CTimeSlider::SignalMouseLeave, kill); QApplication::sendEvent(pView, &leave); },
            [&] { connect(p, QOverload<bool, time_t>::of(&CMultiTimeSlider::SignalThumbnail), kill);
                  SendMouse(pView, QEvent::MouseMove, ptTrack0, Qt::NoButton); },
            [&] { p->ShowThumbnail(QPixmap(16, 16)); connect(p, QOverload<bool>::of(&CMultiTimeSlider::SignalThumbnail), kill);
                  SendMouse(pView, QEvent::MouseMove, BandPoint(*p, 3), Qt::NoButton); },
            [&] { p->AddTimeLevel(QIcon(), QStringLiteral("Continuous"), 1); connect(p, &CMultiTimeSlider::SignalFilterTriggered, kill);
                  p->findChild<CTimeSliderFilterPopup*>()->OnClickOkBtn(); },
            // Dragging the scale from 00:30 to the right brings the day before.
            [&] { connect(p, &CMultiTimeSlider::SignalCalendarDateChanged, kill);
                  SendMouse(pView, QEvent::MouseButtonPress, QPoint(400, 20)); SendMouse(pView, QEvent::MouseMove, QPoint(600, 20)); },
            [&] { connect(p, &CMultiTimeSlider::SignalPopupCalendar, kill);
                  pView->findChild<QPushButton*>(QStringLiteral("CalendarBtn"))->click(); },
            [&] { p->SetTimeSliderCount(16); connect(p, &CMultiTimeSlider::SignalVisibleRowsScrolled, kill);
                  p->findChild<CScrollBar*>()->setValue(48); },
            [&] { connect(p, &CMultiTimeSlider::SignalCalendarDateChanged, kill); p->OnPlayTime(s_dtNoon.addDays(1)); },
            // A step back from 00:30 at level 9 (two hours) crosses midnight.
            [&] { connect(p, &CMultiTimeSlider::SignalCalendarDateChanged, kill); p->MoveLeft(); },
            [&] { p->CloseSynTime(); connect(p, &CMultiTimeSlider::SignalCalendarDateChanged, kill);
                  p->SetPlayTime(9, unsigned(s_dtNoon.addDays(2).toSecsSinceEpoch()), true); }};
        triggers[iSignal]();
        QTRY_VERIFY_WITH_TIMEOUT(!guard, 3000);
    }
};

QTEST_MAIN(TestMultiTimeSlider)
#include "tst_multitimeslider.moc"
