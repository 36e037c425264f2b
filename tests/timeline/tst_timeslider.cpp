#include "engine/ChartTestSupport.h"
#include "TimeSliderTestSupport.h"

#include "timeline/TagEditDialogPrivate.h"
#include "timeline/engine/AxisSeries.h"
#include "timeline/engine/MouseTextSeries.h"
#include "timeline/engine/SingleChartView.h"
#include "timeline/engine/TagSeries.h"
#include "timeline/engine/TimeRectSeries.h"

#include <OrvaGUIToolkit/Button/ToolButton.h>
#include <OrvaGUIToolkit/LineEdit/LineEdit.h>
#include <OrvaGUIToolkit/Timeline/SingleTimeSlider.h>
#include <OrvaGUIToolkit/Timeline/TagEditDialog.h>
#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;
using ChartTest::CTimeZoneScope;
using SliderTest::Centre;
using SliderTest::Click;
using SliderTest::Segment;
using SliderTest::SendMouse;
using SliderTest::Span;
using SliderTest::Visible;

namespace {

const QDate s_dayFirst(2026, 5, 1);
const QDate s_dayLast(2026, 5, 7);

// The browsable days (the week by default) shown at a zoom level around a
// playing time; a width is given only when the test maps pixels to times.
void Prepare(CSingleTimeSlider& slider, int iLevel, const QDateTime& dtPlay, int iWidth = 0,
             const QDate& dayFirst = s_dayFirst, const QDate& dayLast = s_dayLast)
{
    if (iWidth > 0)
        slider.resize(iWidth, 60);
    slider.SetTimeRange(dayFirst, dayLast);
    slider.ShowZoomByType(iLevel);
    slider.OnPlayTime(dtPlay);
    SliderTest::Settle(slider);
}

} // namespace

class TestTimeSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void levels_data();
    void levels();
    void wheelKeepsTheTimeUnderTheMouse();
    void rangeFollowsLocalMidnight_data();
    void rangeFollowsLocalMidnight();
    void playTimeCentres();
    void movingStepsAndStaysInTheRange();
    void dragStopsAtTheSlack_data();
    void dragStopsAtTheSlack();
    void maxAndNormalSize();
    void scaleAndGrooveRows();
    void segmentsAreClippedToTheDays();
    void clickReportsTheTimeUnderTheMouse();
    void briefExitIsNoLeave();
    void tagDialogRefusesAnEmptyName();
    void tagDialogReportsOnlyChangedNames();
};

void TestTimeSlider::levels_data()
{
    QTest::addColumn<int>("iLevel");
    QTest::addColumn<int>("iSpan");
    QTest::addColumn<int>("iStep");
    QTest::addColumn<int>("iSlack");
    QTest::newRow("7") << 7 << 86400 << 43200 << 43200;
    QTest::newRow("8") << 8 << 86400 << 21600 << 43200;
    QTest::newRow("9") << 9 << 86400 << 7200 << 43200;
    QTest::newRow("10") << 10 << 43200 << 3600 << 21600;
    QTest::newRow("11") << 11 << 21600 << 1800 << 10800;
    QTest::newRow("12") << 12 << 7200 << 600 << 3600;
    QTest::newRow("13") << 13 << 3600 << 300 << 1800;
    QTest::newRow("14") << 14 << 720 << 60 << 150;
    QTest::newRow("unknown") << 15 << 86400 << 0 << 0;
    QTest::newRow("negative") << -1 << 86400 << 0 << 0;
}

// The level table and what the slider shows at each level must agree.
void TestTimeSlider::levels()
{
    QFETCH(int, iLevel);
    QFETCH(int, iSpan);
    QFETCH(int, iStep);
    QFETCH(int, iSlack);
    QCOMPARE(CTimeSlider::GetShowSpan(iLevel), iSpan);
    QCOMPARE(CTimeSlider::GetOneStepSpan(iLevel), iStep);
    QCOMPARE(CTimeSlider::GetLeftSpace(iLevel), iSlack);

    CSingleTimeSlider slider;
    Prepare(slider, iLevel, QDateTime(QDate(2026, 5, 4), QTime(12, 0)));
    QCOMPARE(Span(slider), double(iSpan));
    QCOMPARE(SliderTest::View(slider)->FindSeries(ChartSeriesAxis)->GetInterval(), iStep);
}

void TestTimeSlider::wheelKeepsTheTimeUnderTheMouse()
{
    CSingleTimeSlider slider;
    Prepare(slider, 10, QDateTime(QDate(2026, 5, 4), QTime(12, 0)), 824);
    CChartView* pView = SliderTest::View(slider);
    const QPoint ptMouse(200, 30);
    const double dBefore = pView->GetXAxis()->PixelToValue(ptMouse.x());

    // Turning the wheel down narrows the span (zoom out of the level list).
    QWheelEvent wheel(QPointF(ptMouse), QPointF(pView->mapToGlobal(ptMouse)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&slider, &wheel);
    QCOMPARE(slider.GetZoomLevel(), 11);
    QCOMPARE(Span(slider), 21600.0);
    SliderTest::Settle(slider);
    QVERIFY(qAbs(pView->GetXAxis()->PixelToValue(ptMouse.x()) - dBefore) < 1.0);
}

void TestTimeSlider::rangeFollowsLocalMidnight_data()
{
    SliderTest::AddZoneRows();
}

// Axis values count local seconds; a UTC-based base would shift every day
// boundary by the zone offset.
void TestTimeSlider::rangeFollowsLocalMidnight()
{
    QFETCH(QByteArray, zone);
    CTimeZoneScope scope(zone);
    CSingleTimeSlider slider;
    const QDate first = QDate::currentDate().addDays(-2);
    slider.SetTimeRange(first, first.addDays(2));
    const qint64 iLocal = QDateTime::currentDateTime().offsetFromUtc() - SliderTest::Priv(slider)->m_iBase;
    QCOMPARE(SliderTest::Priv(slider)->m_iRangeMin, QDateTime(first, QTime(0, 0)).toSecsSinceEpoch() - 43200 + iLocal);
    QCOMPARE(SliderTest::Priv(slider)->m_iRangeMax, QDateTime(first.addDays(3), QTime(0, 0)).toSecsSinceEpoch() + 43200 + iLocal);
    const qint64 iMidnight = QDateTime(QDate::currentDate(), QTime(0, 0)).toSecsSinceEpoch();
    QCOMPARE((SliderTest::Priv(slider)->m_iBase + qint64(slider.TimeToValue(iMidnight))) % 86400, qint64(0));
    QCOMPARE(slider.ValueToTime(slider.TimeToValue(iMidnight + 1234)), iMidnight + 1234);

    QDateTime dtFirst;
    QDateTime dtLast;
    slider.GetTimeRange(dtFirst, dtLast);
    QCOMPARE(dtFirst, QDateTime(first, QTime(0, 0)));
    QCOMPARE(dtLast, QDateTime(first.addDays(2), QTime(23, 59, 59)));
}

void TestTimeSlider::playTimeCentres()
{
    CTimeZoneScope scope("Europe/Berlin");
    CSingleTimeSlider slider;
    Prepare(slider, 12, QDateTime(QDate(2026, 5, 2), QTime(0, 0)));
    QSignalSpy spyDate(SliderTest::View(slider), &CChartView::SignalCalendarDateChanged);
    const QDateTime dtPlay(QDate(2026, 5, 3), QTime(8, 15, 30));
    slider.OnPlayTime(unsigned(dtPlay.toSecsSinceEpoch()));
    QCOMPARE(Centre(slider), slider.TimeToValue(dtPlay.toSecsSinceEpoch()));
    QCOMPARE(Span(slider), 7200.0);
    QCOMPARE(slider.CurrentTime(), dtPlay);
    QCOMPARE(spyDate.count(), 1);
    // Another time of the same day is no new date.
    slider.OnPlayTime(dtPlay.addSecs(60));
    QCOMPARE(spyDate.count(), 1);

}

// A step moves by the level's tick; while the user moves, the player's
// time must not pull the view back; at the ends the view is clamped.
void TestTimeSlider::movingStepsAndStaysInTheRange()
{
    CSingleTimeSlider slider;
    const QDateTime dtPlay(QDate(2026, 5, 3), QTime(8, 0));
    Prepare(slider, 12, dtPlay);
    slider.MoveRight();
    QVERIFY(SliderTest::Priv(slider)->m_bMoving);
    QCOMPARE(Centre(slider), slider.TimeToValue(dtPlay.toSecsSinceEpoch()) + 600);
    QCOMPARE(slider.CurrentTime(), dtPlay.addSecs(600));
    slider.OnPlayTime(dtPlay.addDays(2));
    QCOMPARE(slider.CurrentTime(), dtPlay.addSecs(600));
    slider.OnSlotReleaseMove();
    slider.OnPlayTime(dtPlay.addDays(2));
    QCOMPARE(slider.CurrentTime(), dtPlay.addDays(2));

    // Only one day and its slack are browsable: a whole day cannot stay
    // centred near either end.
    const QDate day(2026, 5, 4);
    slider.SetTimeRange(day, day);
    slider.OnPlayTime(QDateTime(day, QTime(23, 0)));
    for (int i = 0; i < 100; ++i)
        slider.MoveRight();
    QCOMPARE(Visible(slider).dMax, double(SliderTest::Priv(slider)->m_iRangeMax));
    QCOMPARE(Span(slider), 7200.0);
    slider.SetMinMaxBySpan(86400);
    QCOMPARE(Visible(slider).dMax, double(SliderTest::Priv(slider)->m_iRangeMax));
    QCOMPARE(Visible(slider).dMin, double(SliderTest::Priv(slider)->m_iRangeMax) - 86400);
    slider.SetMinMaxBySpan(7200);
    for (int i = 0; i < 300; ++i)
        slider.MoveLeft();
    QCOMPARE(Visible(slider).dMin, double(SliderTest::Priv(slider)->m_iRangeMin));
    slider.SetMinMaxBySpan(86400);
    QCOMPARE(Visible(slider).dMin, double(SliderTest::Priv(slider)->m_iRangeMin));
}

void TestTimeSlider::dragStopsAtTheSlack_data()
{
    QTest::addColumn<int>("iLevel");
    QTest::addColumn<QTime>("tStart");
    QTest::addColumn<int>("iDx");
    QTest::addColumn<bool>("bPinned");
    QTest::newRow("small drag") << 12 << QTime(12, 0) << 40 << false;
    QTest::newRow("far right, level 12") << 12 << QTime(12, 0) << 5000 << true;
    QTest::newRow("far left, level 14, noon") << 14 << QTime(12, 0) << -5000 << false;
    QTest::newRow("far left, level 14, late") << 14 << QTime(23, 50) << -5000 << true;
    QTest::newRow("far right, level 14, early") << 14 << QTime(0, 10) << 5000 << true;
}

// A drag follows the mouse until the view reaches the level's slack
// beyond the browsable day; only the press/release pair is no click.
void TestTimeSlider::dragStopsAtTheSlack()
{
    QFETCH(int, iLevel);
    QFETCH(QTime, tStart);
    QFETCH(int, iDx);
    QFETCH(bool, bPinned);
    CSingleTimeSlider slider;
    const QDate day(2026, 5, 4);
    Prepare(slider, iLevel, QDateTime(day, tStart), 824, day, day);
    CChartView* pView = SliderTest::View(slider);
    const SliderTest::SRange before = Visible(slider);
    const double dSpan = before.dMax - before.dMin;
    const QRect rectChart = pView->GetChartRect();
    const QPoint ptPress(400, 30);

    QSignalSpy spyClick(&slider, &CSingleTimeSlider::SignalMouseClick);
    SendMouse(pView, QEvent::MouseButtonPress, ptPress);
    QVERIFY(SliderTest::Priv(slider)->m_bMoving);
    SendMouse(pView, QEvent::MouseMove, ptPress + QPoint(iDx, 0));
    const SliderTest::SRange after = Visible(slider);
    QCOMPARE(after.dMax - after.dMin, dSpan);
    auto valueAt = [&](int iX) { return int((iX - rectChart.left()) * dSpan / rectChart.width()); };
    if (!bPinned)
        QCOMPARE(after.dMin, before.dMin - (valueAt(ptPress.x() + iDx) - valueAt(ptPress.x())));
    else if (iDx > 0)
        QCOMPARE(after.dMin, double(SliderTest::Priv(slider)->m_iRangeMin + 43200 - CTimeSlider::GetLeftSpace(iLevel)));
    else
        QCOMPARE(after.dMax, double(SliderTest::Priv(slider)->m_iRangeMax - 43200 + CTimeSlider::GetLeftSpace(iLevel)));
    QCOMPARE(slider.CurrentTime().toSecsSinceEpoch(), slider.ValueToTime(std::round((after.dMin + after.dMax) / 2)));
    SendMouse(pView, QEvent::MouseButtonRelease, ptPress + QPoint(iDx, 0));
    QVERIFY(!SliderTest::Priv(slider)->m_bMoving);
    QCOMPARE(spyClick.count(), 0);
}

// Maximised, the zoom buttons and the detailed scale appear and the view
// is never wider than level 9; back to normal it is the whole day.
void TestTimeSlider::maxAndNormalSize()
{
    CSingleTimeSlider slider;
    slider.resize(600, 60);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    CChartView* pView = SliderTest::View(slider);
    auto* pZoomIn = pView->findChild<CToolButton*>(QStringLiteral("ZoomInBtn"));
    auto* pZoomOut = pView->findChild<CToolButton*>(QStringLiteral("ZoomOutBtn"));
    QVERIFY(pZoomIn && pZoomOut);
    QVERIFY(!pZoomIn->isVisible());
    QVERIFY(pView->FindSeries(ChartSeriesAxis)->IsSimple());

    slider.ShowMaxsize();
    QCOMPARE(slider.GetZoomLevel(), 9);
    QVERIFY(pZoomIn->isVisible() && pZoomOut->isVisible());
    QVERIFY(!pView->FindSeries(ChartSeriesAxis)->IsSimple());
    // Zooming stops at levels 9 and 14.
    QTest::mouseClick(pZoomIn, Qt::LeftButton);
    QCOMPARE(slider.GetZoomLevel(), 9);
    QTest::mouseClick(pZoomOut, Qt::LeftButton);
    QCOMPARE(slider.GetZoomLevel(), 10);
    slider.ShowMaxsize();
    QCOMPARE(slider.GetZoomLevel(), 10);
    slider.ShowZoomByType(14);
    QTest::mouseClick(pZoomOut, Qt::LeftButton);
    QCOMPARE(slider.GetZoomLevel(), 14);
    QCOMPARE(Span(slider), 720.0);

    slider.ShowNormalSize();
    QCOMPARE(slider.GetZoomLevel(), 7);
    QVERIFY(!pZoomIn->isVisible());
    QVERIFY(pView->FindSeries(ChartSeriesAxis)->IsSimple());
}

// The groove spans 26..36 with segments in 29..36; the time scale's ticks
// and labels stay on row 42 in both presentations.
void TestTimeSlider::scaleAndGrooveRows()
{
    CSingleTimeSlider slider;
    const QDate day(2026, 5, 4);
    slider.SetTimeRange(day, day);
    slider.AddTime({Segment(QDateTime(day, QTime(10, 0)), QDateTime(day, QTime(11, 0)), 1)});
    CChartView* pView = SliderTest::View(slider);
    QCOMPARE(pView->GetSeries(0)->GetYValue(0), 26.0);
    const STimeRect rect = static_cast<CTimeRectSeries*>(pView->FindSeries(ChartSeriesTimeRect))->GetRects(1).constFirst();
    QCOMPARE(rect.begin.y(), 29);
    QCOMPARE(rect.end.y(), 36);
    auto* pAxis = static_cast<CAxisSeries*>(pView->FindSeries(ChartSeriesAxis));
    for (bool bMax : {false, true, false}) {
        if (bMax)
            slider.ShowMaxsize();
        else
            slider.ShowNormalSize();
        QCOMPARE(pAxis->IsSimple(), !bMax);
        QCOMPARE(pAxis->GetTickTop(), 42);
        QCOMPARE(pAxis->GetLabelTop(), 42);
    }
}

void TestTimeSlider::segmentsAreClippedToTheDays()
{
    CSingleTimeSlider slider;
    const QDate day(2026, 5, 4);
    slider.SetTimeRange(day, day.addDays(1));
    slider.AddTime({
        // Straddles the start: clipped to midnight of the first day.
        Segment(QDateTime(day.addDays(-1), QTime(22, 0)), QDateTime(day, QTime(1, 0)), 1),
        Segment(QDateTime(day, QTime(10, 0)), QDateTime(day, QTime(11, 30)), 2),
        // Outside, reversed, invalid: skipped.
        Segment(QDateTime(day.addDays(3), QTime(1, 0)), QDateTime(day.addDays(3), QTime(2, 0)), 1),
        Segment(QDateTime(day, QTime(9, 0)), QDateTime(day, QTime(8, 0)), 1),
        Segment(QDateTime(), QDateTime(day, QTime(8, 0)), 1),
    });

    auto* pSeries = static_cast<CTimeRectSeries*>(SliderTest::View(slider)->FindSeries(ChartSeriesTimeRect));
    QCOMPARE(pSeries->GetRectCount(), 2);
    const STimeRect first = pSeries->GetRects(1).constFirst();
    QCOMPARE(first.begin.x(), int(SliderTest::Priv(slider)->m_iRangeMin + 43200));
    QCOMPARE(first.end.x() - first.begin.x(), 3600);
    const STimeRect second = pSeries->GetRects(2).constFirst();
    QCOMPARE(double(second.begin.x()), slider.TimeToValue(QDateTime(day, QTime(10, 0)).toSecsSinceEpoch()));
    QCOMPARE(second.end.x() - second.begin.x(), 5400);

    slider.AddTag({Segment(QDateTime(day, QTime(10, 30)), QDateTime(day, QTime(10, 30)), 0)});
    auto* pTags = static_cast<CTagSeries*>(SliderTest::View(slider)->FindSeries(ChartSeriesTag));
    QVERIFY(pTags);
    QCOMPARE(pTags->GetTagCount(), 1);
    slider.Reset();
    QCOMPARE(pSeries->GetRectCount(), 0);
}

void TestTimeSlider::clickReportsTheTimeUnderTheMouse()
{
    CTimeZoneScope scope("Asia/Shanghai");
    CSingleTimeSlider slider;
    Prepare(slider, 7, QDateTime(QDate(2026, 5, 3), QTime(12, 0)), 824);
    CChartView* pView = SliderTest::View(slider);
    QSignalSpy spyClick(&slider, &CSingleTimeSlider::SignalMouseClick);
    // The left edge of the chart is midnight, a quarter in is 06:00.
    const QRect rectChart = pView->GetChartRect();
    Click(pView, QPoint(rectChart.left(), 30));
    QCOMPARE(spyClick.count(), 1);
    QCOMPARE(spyClick.at(0).at(0).value<time_t>(),
             time_t(QDateTime(QDate(2026, 5, 3), QTime(0, 0)).toSecsSinceEpoch()));
    const int iX = rectChart.left() + rectChart.width() / 4;
    Click(pView, QPoint(iX, 30));
    QCOMPARE(spyClick.count(), 2);
    QCOMPARE(QDateTime::fromSecsSinceEpoch(spyClick.at(1).at(0).value<time_t>()).time(), QTime(6, 0));
    // Outside the chart (in the left margin) nothing is reported.
    Click(pView, QPoint(3, 30));
    QCOMPARE(spyClick.count(), 2);
}

// Passing over a child or the border briefly must not report a leave.
void TestTimeSlider::briefExitIsNoLeave()
{
    CSingleTimeSlider slider;
    slider.resize(600, 60);
    QWidget* pView = SliderTest::View(slider);
    QSignalSpy spyEnter(&slider, &CTimeSlider::SignalMouseEnter);
    QSignalSpy spyLeave(&slider, &CTimeSlider::SignalMouseLeave);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(pView, &enter);
    QApplication::sendEvent(pView, &leave);
    QApplication::sendEvent(pView, &enter);
    QCOMPARE(spyEnter.count(), 1);
    QTest::qWait(650);
    QCOMPARE(spyLeave.count(), 0);
    QApplication::sendEvent(pView, &leave);
    QVERIFY(spyLeave.wait(2000));
    QCOMPARE(spyLeave.count(), 1);
    QApplication::sendEvent(pView, &enter);
    QCOMPARE(spyEnter.count(), 2);

    // The time under the mouse shows while inside and goes on leaving: the
    // chart's left edge is the midnight before the playing time.
    Prepare(slider, 7, QDateTime(QDate(2026, 5, 3), QTime(12, 0)));
    SendMouse(pView, QEvent::MouseMove, QPoint(SliderTest::View(slider)->GetChartRect().left(), 30), Qt::NoButton);
    auto* pText = static_cast<CMouseTextSeries*>(SliderTest::View(slider)->FindSeries(ChartSeriesMouseText));
    QCOMPARE(pText->GetText(), QStringLiteral("00:00:00"));
    QApplication::sendEvent(pView, &leave);
    QVERIFY(pText->GetText().isEmpty());
}

void TestTimeSlider::tagDialogRefusesAnEmptyName()
{
    CTagEditDialog dialog;
    dialog.SetTagTime(QStringLiteral("2026-05-04 10:30:00"));
    dialog.show();
    QSignalSpy spySave(&dialog, &CTagEditDialog::SignalSaveInput);
    QSignalSpy spyClosed(&dialog, &CTagEditDialog::SignalClosed);
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(spySave.count() + spyClosed.count(), 0);
    QCOMPARE(CToolTip::GetText(), QStringLiteral("Tag name cannot be empty."));

    // Forbidden file-name characters never get in.
    QTest::keyClicks(CTagEditDialogPrivate::Get(&dialog)->m_pNameEdit, QStringLiteral("Gate/2 tailgating"));
    dialog.accept();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(spySave.count(), 1);
    QCOMPARE(spySave.at(0).at(0).toString(), QStringLiteral("2026-05-04 10:30:00"));
    QCOMPARE(spySave.at(0).at(1).toString(), QStringLiteral("Gate2 tailgating"));
    QCOMPARE(spyClosed.count(), 1);
}

// Editing an existing tag: an unchanged name or a cancel saves nothing.
void TestTimeSlider::tagDialogReportsOnlyChangedNames()
{
    CTagEditDialog dialog(true);
    dialog.SetInputText(QStringLiteral("Plate mismatch"));
    QSignalSpy spySave(&dialog, &CTagEditDialog::SignalSaveInput);
    QSignalSpy spyClosed(&dialog, &CTagEditDialog::SignalClosed);
    dialog.show();
    dialog.accept();
    QCOMPARE(spySave.count(), 0);
    QCOMPARE(spyClosed.count(), 1);
    dialog.show();
    CTagEditDialogPrivate::Get(&dialog)->m_pNameEdit->setText(QStringLiteral("Plate mismatch, checked"));
    dialog.accept();
    QCOMPARE(spySave.count(), 1);
    dialog.show();
    CTagEditDialogPrivate::Get(&dialog)->m_pNameEdit->clear();
    dialog.reject();
    QCOMPARE(spySave.count(), 1);
    QCOMPARE(spyClosed.count(), 3);
}

QTEST_MAIN(TestTimeSlider)
#include "tst_timeslider.moc"
