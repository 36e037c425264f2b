#include "TimeSliderTestSupport.h"

#include "timeline/MultiTimeSliderPrivate.h"
#include "timeline/TimeSliderFilterPopup.h"
#include "timeline/engine/TimeRectSeries.h"

#include <OrvaGUIToolkit/ScrollBar/ScrollBar.h>
#include <OrvaGUIToolkit/Timeline/MultiTimeSlider.h>
#include <OrvaGUIToolkit/Timeline/SingleTimeSlider.h>
#include <OrvaGUIToolkit/Timeline/TagEditDialog.h>

#include <QtCore/QPointer>
#include <QtTest/QtTest>
#include <QtWidgets/QPushButton>

#include <climits>
#include <cmath>
#include <limits>

using namespace OrvaGUIToolkit;
using SliderTest::SendMouse;
using SliderTest::View;
using Segments = QList<struTimeSliderData::TimeSegmentParam>;

namespace {

const QDate s_day(2026, 3, 4);
const char s_szSpanRefused[] = "CTimeSlider::SetMinMaxBySpan: dSpan is not a finite span";

// A shown multi-track slider over a week, four tracks: track 0 records all
// day, track 3 nothing; the view shows the day of s_day around dtPlay.
void Fill(CMultiTimeSlider& slider, const QTime& timePlay = QTime(12, 0))
{
    slider.resize(815, 300);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    slider.SetTimeRange(s_day.addDays(-3), s_day.addDays(3));
    slider.SetTimeSliderCount(4);
    for (QDate day = s_day.addDays(-3); day <= s_day.addDays(3); day = day.addDays(1))
        slider.AddTime({SliderTest::Segment(QDateTime(day, QTime(0, 0)), QDateTime(day, QTime(23, 59, 59)), 1)}, 0);
    slider.OnPlayTime(QDateTime(s_day, timePlay));
    SliderTest::Settle(slider);
}

// Deletes the slider from a slot connected to one of its signals.
template <typename Signal>
void DeleteOn(QWidget* pSlider, const typename QtPrivate::FunctionPointer<Signal>::Object* pSender, Signal signal)
{
    QObject::connect(pSender, signal, pSlider, [pSlider] { delete pSlider; });
}

// A point on track 0's band (rows 60..84) and one on the empty track 3.
const QPoint s_ptTrack0(300, 70);
const QPoint s_ptTrack3(300, 142);

} // namespace

class TestTimelineHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void spansAreRefused_data();
    void spansAreRefused();
    void playTimesAreClamped_data();
    void playTimesAreClamped();
    void farDateRanges_data();
    void farDateRanges();
    void recordingsBeyond32BitTimes_data();
    void recordingsBeyond32BitTimes();
    void indexesOutOfRange_data();
    void indexesOutOfRange();
    void dragsFarOutside_data();
    void dragsFarOutside();
    void hugeSpanStillDrags();
    void manySegmentsAndHugeTexts();
    void deletingSlotMulti_data();
    void deletingSlotMulti();
    void deletingSlotSingle_data();
    void deletingSlotSingle();
};

void TestTimelineHostile::spansAreRefused_data()
{
    QTest::addColumn<double>("dSpan");
    QTest::addColumn<bool>("bRefused");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << true;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << true;
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << true;
    QTest::newRow("negative") << -1.0 << true;
    QTest::newRow("huge") << 1e300 << false;
    QTest::newRow("zero") << 0.0 << false;
}

// A refused span leaves the range as it was; after any span the slider zooms
// and resets as usual.
void TestTimelineHostile::spansAreRefused()
{
    QFETCH(double, dSpan);
    QFETCH(bool, bRefused);
    CMultiTimeSlider slider;
    slider.ShowZoomByType(12);
    const SliderTest::SRange before = SliderTest::Visible(slider);
    if (bRefused)
        QTest::ignoreMessage(QtWarningMsg, s_szSpanRefused);
    slider.SetMinMaxBySpan(dSpan);
    const SliderTest::SRange after = SliderTest::Visible(slider);
    QVERIFY(std::isfinite(after.dMin) && std::isfinite(after.dMax));
    // Refused spans leave the range; a huge one is cut to the browsable day
    // and its slack.
    QCOMPARE(after.dMax - after.dMin, bRefused ? before.dMax - before.dMin : qMin(dSpan, 172800.0));
    slider.ShowZoomByType(9);
    QCOMPARE(SliderTest::Span(slider), 86400.0);
    slider.Reset();
    QCOMPARE(SliderTest::Span(slider), 86400.0);
}

void TestTimelineHostile::playTimesAreClamped_data()
{
    QTest::addColumn<QDateTime>("dtPlay");
    QTest::addColumn<QDateTime>("dtShown");
    const QDateTime dtFirst(s_day, QTime(0, 0));
    const QDateTime dtEnd(s_day.addDays(1), QTime(0, 0));
    QTest::newRow("epoch") << QDateTime::fromSecsSinceEpoch(0) << dtFirst;
    QTest::newRow("last 32-bit second") << QDateTime::fromSecsSinceEpoch(0xFFFFFFFEll) << dtEnd;
    QTest::newRow("year 9999") << QDateTime(QDate(9999, 12, 31), QTime(23, 59)) << dtEnd;
    QTest::newRow("year 1") << QDateTime(QDate(1, 1, 1), QTime(0, 0)) << dtFirst;
    QTest::newRow("before 1901") << QDateTime(QDate(1900, 6, 1), QTime(0, 0)) << dtFirst;
    QTest::newRow("after 2038") << QDateTime(QDate(2040, 6, 1), QTime(0, 0)) << dtEnd;
}

// Playing times outside the browsable day show its first or last instant.
void TestTimelineHostile::playTimesAreClamped()
{
    QFETCH(QDateTime, dtPlay);
    QFETCH(QDateTime, dtShown);
    CSingleTimeSlider slider;
    slider.SetTimeRange(s_day, s_day);
    slider.OnPlayTime(dtPlay);
    QCOMPARE(slider.CurrentTime(), dtShown);
    // "No time" and an invalid date-time change nothing.
    slider.OnPlayTime(CTimeSlider::s_uNoTime);
    slider.OnPlayTime(QDateTime());
    QCOMPARE(slider.CurrentTime(), dtShown);
}

void TestTimelineHostile::farDateRanges_data()
{
    QTest::addColumn<QDate>("dayFirst");
    QTest::addColumn<QDate>("dayLast");
    QTest::addColumn<bool>("bAccepted");
    QTest::newRow("year 1 to 9999") << QDate(1, 1, 1) << QDate(9999, 12, 31) << true;
    QTest::newRow("across 2038") << QDate(2038, 1, 18) << QDate(2038, 1, 20) << true;
    QTest::newRow("across 1901") << QDate(1901, 12, 13) << QDate(1901, 12, 15) << true;
    QTest::newRow("invalid") << QDate() << QDate() << false;
    QTest::newRow("reversed") << QDate(2026, 3, 5) << QDate(2026, 3, 4) << false;
    QTest::newRow("before the calendar") << QDate(-4713, 1, 2) << QDate(-4713, 1, 3) << true;
}

// Far or bad date ranges are taken or refused whole; zooming, stepping,
// playing and adding segments over them keep the range finite.
void TestTimelineHostile::farDateRanges()
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
    QCOMPARE(dtFirst.date(), bAccepted ? dayFirst : s_day);
    QCOMPARE(dtLast.time(), QTime(23, 59, 59));

    slider.SetTimeSliderCount(2);
    slider.AddTime({SliderTest::Segment(QDateTime(dayFirst, QTime(1, 0)), QDateTime(dayLast, QTime(2, 0)), 1)}, 1);
    for (int iLevel : {14, 7, 9}) {
        slider.ShowZoomByType(iLevel);
        slider.MoveRight();
        slider.MoveLeft();
        slider.OnSlotReleaseMove();
        slider.OnPlayTime(QDateTime(dayLast, QTime(12, 0)));
    }
    const SliderTest::SRange range = SliderTest::Visible(slider);
    QVERIFY(std::isfinite(range.dMin) && std::isfinite(range.dMax));
    QCOMPARE(range.dMax - range.dMin, 86400.0);
    // The segment lies inside an accepted range and outside a refused one.
    QCOMPARE(CMultiTimeSliderPrivate::Get(&slider)->m_vecTracks.at(1)->GetRectCount(), bAccepted ? 1 : 0);
}

void TestTimelineHostile::recordingsBeyond32BitTimes_data()
{
    QTest::addColumn<QDate>("day");
    QTest::newRow("2040") << QDate(2040, 6, 1);
    QTest::newRow("1890") << QDate(1890, 6, 1);
}

// Recordings after 2038-01-19 and before 1901-12-14 are drawn and clicked
// like any other; the clicked time is the wall-clock time under the mouse.
void TestTimelineHostile::recordingsBeyond32BitTimes()
{
    QFETCH(QDate, day);
    CSingleTimeSlider slider;
    slider.resize(600, 60);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    slider.SetTimeRange(day, day);
    // Straddles the day's start: clipped to its midnight, not dropped.
    slider.AddTime({SliderTest::Segment(QDateTime(day.addDays(-1), QTime(23, 0)), QDateTime(day, QTime(11, 0)), 1)});
    // Playing times are unsigned 32-bit seconds: the day is shown directly.
    SliderTest::Priv(slider)->SetVisibleRange(slider.TimeToValue(QDateTime(day, QTime(0, 0)).toSecsSinceEpoch()),
                                              slider.TimeToValue(QDateTime(day.addDays(1), QTime(0, 0)).toSecsSinceEpoch()));
    SliderTest::Settle(slider);
    const auto* pSeries = static_cast<const CTimeRectSeries*>(View(slider)->FindSeries(ChartSeriesTimeRect));
    QCOMPARE(pSeries->GetRectCount(), 1);
    QCOMPARE(pSeries->GetBandTop(), 29);
    QSignalSpy spyClick(&slider, &CSingleTimeSlider::SignalMouseClick);
    SliderTest::Click(View(slider), QPoint(View(slider)->GetChartRect().left(), 30));
    QCOMPARE(spyClick.count(), 1);
    QCOMPARE(QDateTime::fromSecsSinceEpoch(qint64(spyClick.constFirst().constFirst().value<time_t>())),
             QDateTime(day, QTime(0, 0)));
}

void TestTimelineHostile::indexesOutOfRange_data()
{
    QTest::addColumn<int>("iIndex");
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("-1") << -1;
    QTest::newRow("count") << 3;
    QTest::newRow("64") << 64;
    QTest::newRow("INT_MAX") << INT_MAX;
}

// Every operation that names a track or a row ignores one that does not exist.
void TestTimelineHostile::indexesOutOfRange()
{
    QFETCH(int, iIndex);
    const auto uIndex = unsigned(iIndex);
    CMultiTimeSlider slider;
    slider.resize(800, 100);
    slider.SetTimeRange(s_day, s_day);
    slider.SetTimeSliderCount(3);
    const Segments listSegments{SliderTest::Segment(QDateTime(s_day, QTime(1, 0)), QDateTime(s_day, QTime(2, 0)), 1)};
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
    QCOMPARE(slider.GetSelectIndex(), -1);
    QVERIFY(slider.GetTrackRect(iIndex).isEmpty());
    const CMultiTimeSliderPrivate* d = CMultiTimeSliderPrivate::Get(&slider);
    QCOMPARE(d->m_vecTracks.at(0)->GetRectCount(), 1);
    QCOMPARE(d->m_vecTracks.at(1)->GetRectCount() + d->m_vecTracks.at(2)->GetRectCount(), 0);
    // The scroll position stays inside the rows: hit tests keep working.
    double dMin = 0.0;
    double dMax = 0.0;
    View(slider)->GetYAxis()->GetRange(dMin, dMax);
    QVERIFY(dMin >= 0.0 && dMin <= 50 + 3 * 24);
    QCOMPARE(d->TrackAt(QPoint(300, INT_MAX)), -1);
    QCOMPARE(d->TrackAt(QPoint(INT_MIN, INT_MIN)), -1);
}

void TestTimelineHostile::dragsFarOutside_data()
{
    QTest::addColumn<int>("iX");
    QTest::addColumn<int>("iLevel");
    QTest::newRow("INT_MIN, level 9") << INT_MIN << 9;
    QTest::newRow("INT_MAX, level 9") << INT_MAX << 9;
    QTest::newRow("-2e9, level 14") << -2000000000 << 14;
    QTest::newRow("2e9, level 14") << 2000000000 << 14;
}

// The scale dragged to a mouse far outside the window stops at the slack of
// the level, with the span unchanged, on both timelines.
void TestTimelineHostile::dragsFarOutside()
{
    QFETCH(int, iX);
    QFETCH(int, iLevel);
    CMultiTimeSlider multi;
    Fill(multi);
    multi.ShowZoomByType(iLevel);
    SendMouse(View(multi), QEvent::MouseButtonPress, QPoint(400, 20));
    SendMouse(View(multi), QEvent::MouseMove, QPoint(iX, 20));
    SendMouse(View(multi), QEvent::MouseButtonRelease, QPoint(iX, 20));
    SendMouse(View(multi), QEvent::MouseMove, QPoint(iX, iX));
    const SliderTest::SRange range = SliderTest::Visible(multi);
    QCOMPARE(range.dMax - range.dMin, double(CTimeSlider::GetShowSpan(iLevel)));
    // Dragged left, the range ends at the last day's end plus the slack.
    const double dLastEnd = multi.TimeToValue(QDateTime(s_day.addDays(4), QTime(0, 0)).toSecsSinceEpoch());
    const double dFirstBegin = multi.TimeToValue(QDateTime(s_day.addDays(-3), QTime(0, 0)).toSecsSinceEpoch());
    if (iX < 0)
        QCOMPARE(range.dMax, dLastEnd + CTimeSlider::GetLeftSpace(iLevel));
    else
        QCOMPARE(range.dMin, dFirstBegin - CTimeSlider::GetLeftSpace(iLevel));

    CSingleTimeSlider single;
    single.resize(600, 60);
    single.SetTimeRange(s_day, s_day);
    single.ShowZoomByType(iLevel);
    single.OnPlayTime(QDateTime(s_day, QTime(12, 0)));
    SliderTest::Settle(single);
    SendMouse(View(single), QEvent::MouseButtonPress, QPoint(300, 30));
    SendMouse(View(single), QEvent::MouseMove, QPoint(iX, 30));
    SendMouse(View(single), QEvent::MouseButtonRelease, QPoint(iX, 30));
    const SliderTest::SRange rangeSingle = SliderTest::Visible(single);
    QCOMPARE(rangeSingle.dMax - rangeSingle.dMin, double(CTimeSlider::GetShowSpan(iLevel)));
}

// Over ten thousand years at a span of three centuries, a 20-pixel drag
// still moves the range (by 20 / 568 of the span: the chart is 568 wide).
void TestTimelineHostile::hugeSpanStillDrags()
{
    CSingleTimeSlider slider;
    slider.resize(600, 60);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    slider.SetTimeRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    slider.OnPlayTime(QDateTime(s_day, QTime(12, 0)));
    slider.SetMinMaxBySpan(1e10);
    SliderTest::Settle(slider);
    const SliderTest::SRange before = SliderTest::Visible(slider);
    SendMouse(View(slider), QEvent::MouseButtonPress, QPoint(300, 30));
    SendMouse(View(slider), QEvent::MouseMove, QPoint(320, 30));
    SendMouse(View(slider), QEvent::MouseButtonRelease, QPoint(320, 30));
    const SliderTest::SRange after = SliderTest::Visible(slider);
    QCOMPARE(after.dMax - after.dMin, 1e10);
    QVERIFY(before.dMin - after.dMin > 3.51e8 && before.dMin - after.dMin < 3.53e8);
}

void TestTimelineHostile::manySegmentsAndHugeTexts()
{
    CSingleTimeSlider slider;
    slider.SetTimeRange(s_day, s_day);
    Segments listSegments;
    const QDateTime dtMidnight(s_day, QTime(0, 0));
    for (int i = 0; i < 43200; ++i)
        listSegments.append(SliderTest::Segment(dtMidnight.addSecs(2 * i), dtMidnight.addSecs(2 * i + 1), i % 3));
    slider.AddTime(listSegments);
    slider.AddTag({{dtMidnight, dtMidnight, {}, 0, QString(1 << 20, QLatin1Char('t'))}});
    const auto* pSeries = static_cast<const CTimeRectSeries*>(View(slider)->FindSeries(ChartSeriesTimeRect));
    QCOMPARE(pSeries->GetRectCount(), 43200);
    slider.resize(600, 60);
    SliderTest::Settle(slider);
    QVERIFY(!View(slider)->GetChartPixmap().isNull());
}

void TestTimelineHostile::deletingSlotMulti_data()
{
    QTest::addColumn<QString>("strSignal");
    for (const char* szSignal : {"SignalClicked", "SignalMouseClick(time_t)", "SignalMouseClick(int, time_t)",
                                 "SignalSelect", "SignalMouseEnter", "SignalMouseLeave", "SignalThumbnail(bool, time_t)",
                                 "SignalThumbnail(bool)", "SignalFilterTriggered", "SignalCalendarDateChanged",
                                 "SignalPopupCalendar", "SignalVisibleRowsScrolled"})
        QTest::newRow(szSignal) << QString::fromLatin1(szSignal);
}

// A receiver may delete the timeline from any signal it emits from its own
// handlers; the timeline must not touch itself afterwards (the sanitizers
// catch it when it does).
void TestTimelineHostile::deletingSlotMulti()
{
    QFETCH(QString, strSignal);
    auto* pSlider = new CMultiTimeSlider;
    const QPointer<CMultiTimeSlider> guard(pSlider);
    Fill(*pSlider, QTime(0, 30));
    QWidget* pView = View(*pSlider);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    if (strSignal == QLatin1String("SignalClicked")) {
        DeleteOn(pSlider, pSlider, &CMultiTimeSlider::SignalClicked);
        SendMouse(pView, QEvent::MouseButtonPress, s_ptTrack0);
    } else if (strSignal == QLatin1String("SignalMouseClick(time_t)")) {
        DeleteOn(pSlider, pSlider, QOverload<time_t>::of(&CMultiTimeSlider::SignalMouseClick));
        SliderTest::Click(pView, s_ptTrack0);
    } else if (strSignal == QLatin1String("SignalMouseClick(int, time_t)")) {
        DeleteOn(pSlider, pSlider, QOverload<int, time_t>::of(&CMultiTimeSlider::SignalMouseClick));
        SliderTest::Click(pView, s_ptTrack0);
    } else if (strSignal == QLatin1String("SignalSelect")) {
        DeleteOn(pSlider, pSlider, &CMultiTimeSlider::SignalSelect);
        SliderTest::Drag(pView, s_ptTrack0, s_ptTrack0 + QPoint(50, 0));
    } else if (strSignal == QLatin1String("SignalMouseEnter")) {
        DeleteOn(pSlider, pSlider, &CTimeSlider::SignalMouseEnter);
        QApplication::sendEvent(pView, &enter);
    } else if (strSignal == QLatin1String("SignalMouseLeave")) {
        DeleteOn(pSlider, pSlider, &CTimeSlider::SignalMouseLeave);
        QApplication::sendEvent(pView, &leave);
    } else if (strSignal == QLatin1String("SignalThumbnail(bool, time_t)")) {
        DeleteOn(pSlider, pSlider, QOverload<bool, time_t>::of(&CMultiTimeSlider::SignalThumbnail));
        SendMouse(pView, QEvent::MouseMove, s_ptTrack0, Qt::NoButton);
        QTRY_VERIFY_WITH_TIMEOUT(!guard, 3000);
    } else if (strSignal == QLatin1String("SignalThumbnail(bool)")) {
        pSlider->ShowThumbnail(QPixmap(16, 16));
        DeleteOn(pSlider, pSlider, QOverload<bool>::of(&CMultiTimeSlider::SignalThumbnail));
        SendMouse(pView, QEvent::MouseMove, s_ptTrack3, Qt::NoButton);
    } else if (strSignal == QLatin1String("SignalFilterTriggered")) {
        pSlider->AddTimeLevel(QIcon(), QStringLiteral("Continuous"), 1);
        DeleteOn(pSlider, pSlider, &CMultiTimeSlider::SignalFilterTriggered);
        pSlider->findChild<CTimeSliderFilterPopup*>()->OnClickOkBtn();
    } else if (strSignal == QLatin1String("SignalCalendarDateChanged")) {
        // Dragging the scale from 00:30 to the right brings the day before.
        DeleteOn(pSlider, pSlider, &CMultiTimeSlider::SignalCalendarDateChanged);
        SendMouse(pView, QEvent::MouseButtonPress, QPoint(400, 20));
        SendMouse(pView, QEvent::MouseMove, QPoint(600, 20));
    } else if (strSignal == QLatin1String("SignalPopupCalendar")) {
        DeleteOn(pSlider, pSlider, &CMultiTimeSlider::SignalPopupCalendar);
        pView->findChild<QPushButton*>(QStringLiteral("CalendarBtn"))->click();
    } else {
        pSlider->SetTimeSliderCount(16);
        DeleteOn(pSlider, pSlider, &CMultiTimeSlider::SignalVisibleRowsScrolled);
        pSlider->findChild<CScrollBar*>()->setValue(48);
        QTRY_VERIFY_WITH_TIMEOUT(!guard, 1000);
    }
    QVERIFY(!guard);
}

void TestTimelineHostile::deletingSlotSingle_data()
{
    QTest::addColumn<QString>("strSignal");
    for (const char* szSignal : {"SignalMouseClick", "SignalMouseEnter", "SignalMouseLeave", "SignalSaveInput",
                                 "SignalClosed"})
        QTest::newRow(szSignal) << QString::fromLatin1(szSignal);
}

// The single-track timeline and the tag dialog deleted from their signals.
void TestTimelineHostile::deletingSlotSingle()
{
    QFETCH(QString, strSignal);
    if (strSignal.startsWith(QLatin1String("SignalS")) || strSignal == QLatin1String("SignalClosed")) {
        auto* pDialog = new CTagEditDialog;
        const QPointer<CTagEditDialog> guard(pDialog);
        pDialog->SetTagTime(QStringLiteral("2026-03-04 10:30:00"));
        pDialog->SetInputText(QStringLiteral("Barrier forced"));
        pDialog->show();
        if (strSignal == QLatin1String("SignalSaveInput"))
            DeleteOn(pDialog, pDialog, &CTagEditDialog::SignalSaveInput);
        else
            DeleteOn(pDialog, pDialog, &CTagEditDialog::SignalClosed);
        pDialog->accept();
        QVERIFY(!guard);
        return;
    }
    auto* pSlider = new CSingleTimeSlider;
    const QPointer<CSingleTimeSlider> guard(pSlider);
    pSlider->resize(600, 60);
    pSlider->SetTimeRange(s_day, s_day);
    pSlider->OnPlayTime(QDateTime(s_day, QTime(12, 0)));
    SliderTest::Settle(*pSlider);
    QWidget* pView = View(*pSlider);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    if (strSignal == QLatin1String("SignalMouseClick")) {
        DeleteOn(pSlider, pSlider, &CSingleTimeSlider::SignalMouseClick);
        SliderTest::Click(pView, QPoint(300, 30));
    } else if (strSignal == QLatin1String("SignalMouseEnter")) {
        DeleteOn(pSlider, pSlider, &CTimeSlider::SignalMouseEnter);
        QApplication::sendEvent(pView, &enter);
    } else {
        DeleteOn(pSlider, pSlider, &CTimeSlider::SignalMouseLeave);
        QApplication::sendEvent(pView, &leave);
        QTRY_VERIFY_WITH_TIMEOUT(!guard, 2000);
    }
    QVERIFY(!guard);
}

QTEST_MAIN(TestTimelineHostile)
#include "tst_timeline_hostile.moc"
