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

#include <QtCore/QPointer>
#include <QtTest/QtTest>

#include <climits>
#include <functional>
#include <limits>

using namespace OrvaGUIToolkit;
using namespace ChartTest;
using namespace SliderTest;

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
    void levels_data()
    {
        QTest::addColumn<int>("iLevel");
        QTest::addColumn<QList<int>>("listSpanStepSlack");
        QTest::newRow("7") << 7 << QList<int>{86400, 43200, 43200};
        QTest::newRow("14") << 14 << QList<int>{720, 60, 150};
        QTest::newRow("unknown") << 15 << QList<int>{86400, 0, 0};
    }

    // The level table and what the slider shows at each level must agree.
    void levels()
    {
        QFETCH(int, iLevel);
        QFETCH(QList<int>, listSpanStepSlack);
        QCOMPARE(QList<int>({CTimeSlider::GetShowSpan(iLevel), CTimeSlider::GetOneStepSpan(iLevel),
                             CTimeSlider::GetLeftSpace(iLevel)}), listSpanStepSlack);
        CSingleTimeSlider slider;
        Prepare(slider, iLevel, QDateTime(QDate(2026, 5, 4), QTime(12, 0)));
        QCOMPARE(Span(slider), double(listSpanStepSlack.at(0)));
        QCOMPARE(View(slider)->FindSeries(ChartSeriesAxis)->GetInterval(), listSpanStepSlack.at(1));
    }

    void zoomSlots_data()
    {
        QTest::addColumn<int>("iLevel");
        QTest::addColumn<int>("iAfterIn");
        QTest::addColumn<int>("iAfterOut");
        QTest::newRow("7") << 7 << 7 << 8;
        QTest::newRow("9") << 9 << 9 << 10;
        QTest::newRow("10") << 10 << 9 << 11;
        QTest::newRow("14") << 14 << 13 << 14;
        // Unknown levels move by one as well.
        QTest::newRow("3") << 3 << 3 << 4;
        QTest::newRow("20") << 20 << 19 << 21;
        QTest::newRow("INT_MAX") << INT_MAX << INT_MAX - 1 << INT_MAX;
        QTest::newRow("INT_MIN") << INT_MIN << INT_MIN << INT_MIN + 1;
    }

    // Zooming in stops above level 9, zooming out only at level 14.
    void zoomSlots()
    {
        QFETCH(int, iLevel);
        QFETCH(int, iAfterIn);
        QFETCH(int, iAfterOut);
        CSingleTimeSlider slider;
        slider.ShowZoomByType(iLevel);
        slider.OnSlotZoomIn();
        QCOMPARE(slider.GetZoomLevel(), iAfterIn);
        slider.ShowZoomByType(iLevel);
        slider.OnSlotZoomOut();
        QCOMPARE(slider.GetZoomLevel(), iAfterOut);
    }

    void wheelKeepsTheTimeUnderTheMouse()
    {
        CSingleTimeSlider slider;
        Prepare(slider, 10, QDateTime(QDate(2026, 5, 4), QTime(12, 0)), 824);
        CChartView* pView = View(slider);
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

    void playTimeCentres()
    {
        CTimeZoneScope scope("Europe/Berlin");
        CSingleTimeSlider slider;
        Prepare(slider, 12, QDateTime(QDate(2026, 5, 2), QTime(0, 0)));
        QSignalSpy spyDate(View(slider), &CChartView::SignalCalendarDateChanged);
        const QDateTime dtPlay(QDate(2026, 5, 3), QTime(8, 15, 30));
        slider.OnPlayTime(unsigned(dtPlay.toSecsSinceEpoch()));
        QCOMPARE(Centre(slider), slider.TimeToValue(dtPlay.toSecsSinceEpoch()));
        QCOMPARE(slider.CurrentTime(), dtPlay);
        // Another time of the same day is no new date.
        slider.OnPlayTime(dtPlay.addSecs(60));
        QCOMPARE(spyDate.count(), 1);
    }

    // A step moves by the level's tick; while the user moves, the player's
    // time must not pull the view back; at the ends the view is clamped.
    void movingStepsAndStaysInTheRange()
    {
        CSingleTimeSlider slider;
        const QDateTime dtPlay(QDate(2026, 5, 3), QTime(8, 0));
        Prepare(slider, 12, dtPlay);
        slider.MoveRight();
        QCOMPARE(slider.CurrentTime(), dtPlay.addSecs(600));
        slider.OnPlayTime(dtPlay.addDays(2));
        QCOMPARE(slider.CurrentTime(), dtPlay.addSecs(600));
        slider.OnSlotReleaseMove();
        slider.OnPlayTime(dtPlay.addDays(2));
        QCOMPARE(slider.CurrentTime(), dtPlay.addDays(2));

        // Only one day and its slack are browsable.
        const QDate day(2026, 5, 4);
        slider.SetTimeRange(day, day);
        slider.OnPlayTime(QDateTime(day, QTime(23, 0)));
        for (int i = 0; i < 100; ++i)
            slider.MoveRight();
        QCOMPARE(Visible(slider).dMax, double(Priv(slider)->m_iRangeMax));
        slider.SetMinMaxBySpan(86400);
        QCOMPARE(Visible(slider).dMin, double(Priv(slider)->m_iRangeMax) - 86400);
        for (int i = 0; i < 300; ++i)
            slider.MoveLeft();
        QCOMPARE(Visible(slider).dMin, double(Priv(slider)->m_iRangeMin));
    }

    void dragStopsAtTheSlack_data()
    {
        QTest::addColumn<int>("iLevel");
        QTest::addColumn<QTime>("tStart");
        QTest::addColumn<int>("iDx");
        QTest::addColumn<bool>("bPinned");
        QTest::newRow("small drag") << 12 << QTime(12, 0) << 40 << false;
        QTest::newRow("far left, level 14, late") << 14 << QTime(23, 50) << -5000 << true;
        QTest::newRow("to INT_MAX, level 14, early") << 14 << QTime(0, 10) << INT_MAX - 400 << true;
        QTest::newRow("to INT_MIN, level 9") << 9 << QTime(12, 0) << INT_MIN << true;
    }

    // A drag follows the mouse until the view reaches the level's slack
    // beyond the browsable day; a press/release pair that moved is no click.
    void dragStopsAtTheSlack()
    {
        QFETCH(int, iLevel);
        QFETCH(QTime, tStart);
        QFETCH(int, iDx);
        QFETCH(bool, bPinned);
        CSingleTimeSlider slider;
        const QDate day(2026, 5, 4);
        Prepare(slider, iLevel, QDateTime(day, tStart), 824, day, day);
        CChartView* pView = View(slider);
        const SliderTest::SRange before = Visible(slider);
        const double dSpan = before.dMax - before.dMin;
        const QRect rectChart = pView->GetChartRect();
        QSignalSpy spyClick(&slider, &CSingleTimeSlider::SignalMouseClick);
        SendMouse(pView, QEvent::MouseButtonPress, QPoint(400, 30));
        QVERIFY(Priv(slider)->m_bMoving);
        SendMouse(pView, QEvent::MouseMove, QPoint(400 + iDx, 30));
        const SliderTest::SRange after = Visible(slider);
        QCOMPARE(after.dMax - after.dMin, dSpan);
        auto valueAt = [&](int iX) { return int((iX - rectChart.left()) * dSpan / rectChart.width()); };
        if (!bPinned)
            QCOMPARE(after.dMin, before.dMin - (valueAt(400 + iDx) - valueAt(400)));
        else if (iDx > 0)
            QCOMPARE(after.dMin, double(Priv(slider)->m_iRangeMin + 43200 - CTimeSlider::GetLeftSpace(iLevel)));
        else
            QCOMPARE(after.dMax, double(Priv(slider)->m_iRangeMax - 43200 + CTimeSlider::GetLeftSpace(iLevel)));
        QCOMPARE(slider.CurrentTime().toSecsSinceEpoch(), slider.ValueToTime(std::round((after.dMin + after.dMax) / 2)));
        SendMouse(pView, QEvent::MouseButtonRelease, QPoint(400 + iDx, 30));
        QVERIFY(!Priv(slider)->m_bMoving);
        QCOMPARE(spyClick.count(), 0);
    }

    // Over ten thousand years at a span of three centuries, a 20-pixel drag
    // still moves the range (by 20 / 568 of the span: the chart is 568 wide).
    void hugeSpanStillDrags()
    {
        CSingleTimeSlider slider;
        slider.show();
        Prepare(slider, 7, QDateTime(s_dayFirst, QTime(12, 0)), 600, QDate(1, 1, 1), QDate(9999, 12, 31));
        slider.SetMinMaxBySpan(1e10);
        SliderTest::Settle(slider);
        const double dBefore = Visible(slider).dMin;
        SliderTest::Drag(View(slider), QPoint(300, 30), QPoint(320, 30));
        QCOMPARE(Span(slider), 1e10);
        QVERIFY(dBefore - Visible(slider).dMin > 3.51e8 && dBefore - Visible(slider).dMin < 3.53e8);
    }

    void spansAreTakenOrRefused_data()
    {
        QTest::addColumn<double>("dSpan");
        QTest::addColumn<double>("dShown");
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 7200.0;
        QTest::newRow("negative") << -1.0 << 7200.0;
        // Wider than the browsable day and its slack: taken as given, from
        // the start of the range.
        QTest::newRow("three days") << 259200.0 << 259200.0;
        QTest::newRow("huge") << 1e300 << 1e300;
    }

    // A refused span leaves the range as it was; the slider zooms as usual after.
    void spansAreTakenOrRefused()
    {
        QFETCH(double, dSpan);
        QFETCH(double, dShown);
        CSingleTimeSlider slider;
        slider.ShowZoomByType(12);
        if (dShown == 7200.0)
            QTest::ignoreMessage(QtWarningMsg, "CTimeSlider::SetMinMaxBySpan: dSpan is not a finite span");
        slider.SetMinMaxBySpan(dSpan);
        QCOMPARE(Span(slider), dShown);
        if (dShown != 7200.0)
            QCOMPARE(Visible(slider).dMin, double(Priv(slider)->m_iRangeMin));
        slider.ShowZoomByType(9);
        QCOMPARE(Span(slider), 86400.0);
    }

    void playTimesAreClamped_data()
    {
        QTest::addColumn<QDateTime>("dtPlay");
        QTest::addColumn<QDateTime>("dtShown");
        const QDateTime dtFirst(s_dayFirst, QTime(0, 0));
        const QDateTime dtEnd(s_dayFirst.addDays(1), QTime(0, 0));
        QTest::newRow("year 9999") << QDateTime(QDate(9999, 12, 31), QTime(23, 59)) << dtEnd;
        QTest::newRow("year 1") << QDateTime(QDate(1, 1, 1), QTime(0, 0)) << dtFirst;
    }

    // Playing times outside the browsable day show its first or last instant;
    // "no time" and an invalid date-time change nothing.
    void playTimesAreClamped()
    {
        QFETCH(QDateTime, dtPlay);
        QFETCH(QDateTime, dtShown);
        CSingleTimeSlider slider;
        slider.SetTimeRange(s_dayFirst, s_dayFirst);
        slider.OnPlayTime(dtPlay);
        QCOMPARE(slider.CurrentTime(), dtShown);
        slider.OnPlayTime(CTimeSlider::s_uNoTime);
        slider.OnPlayTime(QDateTime());
        QCOMPARE(slider.CurrentTime(), dtShown);
    }

    // Maximised, the zoom buttons and the detailed scale appear and the view
    // is never wider than level 9; back to normal it is the whole day. The
    // scale's ticks and labels stay on row 42 in both presentations.
    void maxAndNormalSize()
    {
        CSingleTimeSlider slider;
        slider.resize(600, 60);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        CChartView* pView = View(slider);
        auto* pAxis = static_cast<CAxisSeries*>(pView->FindSeries(ChartSeriesAxis));
        auto* pZoomIn = pView->findChild<CToolButton*>(QStringLiteral("ZoomInBtn"));
        auto* pZoomOut = pView->findChild<CToolButton*>(QStringLiteral("ZoomOutBtn"));
        QVERIFY(pZoomIn && pZoomOut && !pZoomIn->isVisible());
        // A new slider shows the detailed scale until it is made compact.
        QVERIFY(!pAxis->IsSimple());
        slider.ShowMaxsize();
        QCOMPARE(slider.GetZoomLevel(), 9);
        QVERIFY(pZoomIn->isVisible() && pZoomOut->isVisible());
        QCOMPARE(QList<int>({pAxis->IsSimple(), pAxis->GetTickTop(), pAxis->GetLabelTop()}), QList<int>({false, 42, 42}));
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
        slider.ShowNormalSize();
        QCOMPARE(slider.GetZoomLevel(), 7);
        QVERIFY(!pZoomIn->isVisible());
        QCOMPARE(QList<int>({pAxis->IsSimple(), pAxis->GetTickTop(), pAxis->GetLabelTop()}), QList<int>({true, 42, 42}));
    }

    // The groove starts at row 26 and segments span rows 29..36.
    void segmentsAreClippedToTheDays()
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
        QCOMPARE(View(slider)->GetSeries(0)->GetYValue(0), 26.0);
        auto* pSeries = static_cast<CTimeRectSeries*>(View(slider)->FindSeries(ChartSeriesTimeRect));
        QCOMPARE(pSeries->GetRectCount(), 2);
        const STimeRect first = pSeries->GetRects(1).constFirst();
        QCOMPARE(QList<int>({first.begin.y(), first.end.y(), first.end.x() - first.begin.x()}), QList<int>({29, 36, 3600}));
        QCOMPARE(first.begin.x(), int(Priv(slider)->m_iRangeMin + 43200));
        QCOMPARE(pSeries->GetRects(2).constFirst().end.x() - pSeries->GetRects(2).constFirst().begin.x(), 5400);
        // A tag with a huge name.
        slider.AddTag({{QDateTime(day, QTime(10, 30)), QDateTime(day, QTime(10, 30)), {}, 0, QString(1 << 20, QLatin1Char('t'))}});
        SliderTest::Settle(slider);
        QCOMPARE(static_cast<CTagSeries*>(View(slider)->FindSeries(ChartSeriesTag))->GetTagCount(), 1);
        slider.Reset();
        QCOMPARE(pSeries->GetRectCount(), 0);
    }

    void clickReportsTheTimeUnderTheMouse_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("day");
        QTest::newRow("2026") << QByteArray("Asia/Shanghai") << QDate(2026, 5, 3);
        // After 2038-01-19 and before 1901-12-14: beyond 32-bit seconds.
        QTest::newRow("2040") << QByteArray("UTC") << QDate(2040, 6, 1);
        QTest::newRow("1890") << QByteArray("UTC") << QDate(1890, 6, 1);
    }

    // The left edge of the chart is midnight, a quarter in is 06:00; a recording
    // straddling midnight is clipped to it, not dropped.
    void clickReportsTheTimeUnderTheMouse()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, day);
        CTimeZoneScope scope(zone);
        CSingleTimeSlider slider;
        slider.resize(824, 60);
        slider.SetTimeRange(day, day);
        slider.AddTime({Segment(QDateTime(day.addDays(-1), QTime(23, 0)), QDateTime(day, QTime(11, 0)), 1)});
        // Playing times are unsigned 32-bit seconds: the day is shown directly.
        Priv(slider)->SetVisibleRange(slider.TimeToValue(QDateTime(day, QTime(0, 0)).toSecsSinceEpoch()),
                                      slider.TimeToValue(QDateTime(day.addDays(1), QTime(0, 0)).toSecsSinceEpoch()));
        SliderTest::Settle(slider);
        CChartView* pView = View(slider);
        QCOMPARE(static_cast<const CTimeRectSeries*>(pView->FindSeries(ChartSeriesTimeRect))->GetBandTop(), 29);
        QSignalSpy spyClick(&slider, &CSingleTimeSlider::SignalMouseClick);
        const QRect rectChart = pView->GetChartRect();
        Click(pView, QPoint(rectChart.left(), 30));
        Click(pView, QPoint(rectChart.left() + rectChart.width() / 4, 30));
        // Outside the chart (in the left margin) nothing is reported.
        Click(pView, QPoint(3, 30));
        QCOMPARE(spyClick.count(), 2);
        QCOMPARE(QDateTime::fromSecsSinceEpoch(qint64(spyClick.at(0).at(0).value<time_t>())), QDateTime(day, QTime(0, 0)));
        QCOMPARE(QDateTime::fromSecsSinceEpoch(qint64(spyClick.at(1).at(0).value<time_t>())), QDateTime(day, QTime(6, 0)));
    }

    void releaseEndsMoving_data()
    {
        QTest::addColumn<QPoint>("ptPress");
        QTest::addColumn<int>("iButton");
        QTest::newRow("click in the chart") << QPoint(300, 30) << int(Qt::LeftButton);
        QTest::newRow("click in the left margin") << QPoint(3, 30) << int(Qt::LeftButton);
        QTest::newRow("right click") << QPoint(300, 30) << int(Qt::RightButton);
    }

    // A step button holds the view still; any release after it lets the
    // playing time move the view again.
    void releaseEndsMoving()
    {
        QFETCH(QPoint, ptPress);
        QFETCH(int, iButton);
        CSingleTimeSlider slider;
        const QDateTime dtPlay(QDate(2026, 5, 3), QTime(8, 0));
        Prepare(slider, 12, dtPlay, 600);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        slider.MoveRight();
        QVERIFY(Priv(slider)->m_bMoving);
        Click(View(slider), ptPress, Qt::MouseButton(iButton));
        QVERIFY(!Priv(slider)->m_bMoving);
        slider.OnPlayTime(dtPlay.addDays(1));
        QCOMPARE(slider.CurrentTime(), dtPlay.addDays(1));
    }

    // Moves after a press drag the scale from the first pixel, whatever
    // buttons they report; a drag shorter than the drag distance still clicks.
    void shortDragWithoutButtons()
    {
        CSingleTimeSlider slider;
        Prepare(slider, 12, QDateTime(QDate(2026, 5, 3), QTime(8, 0)), 824);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        SliderTest::Settle(slider);
        CChartView* pView = View(slider);
        QCOMPARE(pView->GetChartRect(), QRect(24, 0, 792, 58));
        QSignalSpy spyClick(&slider, &CSingleTimeSlider::SignalMouseClick);
        const double dBefore = Visible(slider).dMin;
        SendMouse(pView, QEvent::MouseButtonPress, QPoint(400, 30));
        // The chart is 792 wide from x = 24 at 7200 s: 3 pixels are 27 s.
        QMouseEvent move(QEvent::MouseMove, QPoint(403, 30), pView->mapToGlobal(QPoint(403, 30)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(pView, &move);
        QCOMPARE(Visible(slider).dMin, dBefore - 27.0);
        QCOMPARE(pView->cursor().shape(), Qt::ClosedHandCursor);
        SendMouse(pView, QEvent::MouseButtonRelease, QPoint(403, 30));
        QCOMPARE(spyClick.count(), 1);
    }

    // Passing over a child or the border briefly must not report a leave.
    void briefExitIsNoLeave()
    {
        CSingleTimeSlider slider;
        slider.resize(600, 60);
        QWidget* pView = View(slider);
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
        QApplication::sendEvent(pView, &enter);
        QCOMPARE(spyEnter.count(), 2);

        // The time under the mouse shows while inside and goes on leaving: the
        // chart's left edge is the midnight before the playing time.
        Prepare(slider, 7, QDateTime(QDate(2026, 5, 3), QTime(12, 0)));
        SendMouse(pView, QEvent::MouseMove, QPoint(View(slider)->GetChartRect().left(), 30), Qt::NoButton);
        auto* pText = static_cast<CMouseTextSeries*>(View(slider)->FindSeries(ChartSeriesMouseText));
        QCOMPARE(pText->GetText(), QStringLiteral("00:00:00"));
        QApplication::sendEvent(pView, &leave);
        QVERIFY(pText->GetText().isEmpty());
    }

    // A new tag needs a name without forbidden file-name characters; editing an
    // existing tag saves only a changed name, and cancelling saves nothing.
    void tagDialog()
    {
        CTagEditDialog dialog;
        dialog.SetTagTime(QStringLiteral("2026-05-04 10:30:00"));
        dialog.show();
        QSignalSpy spySave(&dialog, &CTagEditDialog::SignalSaveInput);
        QSignalSpy spyClosed(&dialog, &CTagEditDialog::SignalClosed);
        dialog.accept();
        QVERIFY(dialog.isVisible() && spySave.isEmpty() && spyClosed.isEmpty());
        QCOMPARE(CToolTip::GetText(), QStringLiteral("Tag name cannot be empty."));
        QTest::keyClicks(CTagEditDialogPrivate::Get(&dialog)->m_pNameEdit, QStringLiteral("Gate/2 tailgating"));
        dialog.accept();
        QVERIFY(!dialog.isVisible() && spyClosed.count() == 1);
        QCOMPARE(static_cast<QList<QVariantList>>(spySave),
                 QList<QVariantList>({{QStringLiteral("2026-05-04 10:30:00"), QStringLiteral("Gate2 tailgating")}}));

        CTagEditDialog edit(true);
        edit.SetInputText(QStringLiteral("Plate mismatch"));
        QSignalSpy spyEditSave(&edit, &CTagEditDialog::SignalSaveInput);
        QSignalSpy spyEditClosed(&edit, &CTagEditDialog::SignalClosed);
        auto* pNameEdit = CTagEditDialogPrivate::Get(&edit)->m_pNameEdit;
        for (const QString& strName : {QStringLiteral("Plate mismatch"), QStringLiteral("Plate mismatch, checked")}) {
            edit.show();
            pNameEdit->setText(strName);
            edit.accept();
        }
        edit.show();
        pNameEdit->clear();
        edit.reject();
        QCOMPARE(qMakePair(int(spyEditSave.count()), int(spyEditClosed.count())), qMakePair(1, 3));
    }

    void deletingSlot_data()
    {
        QTest::addColumn<int>("iSignal");
        int iSignal = 0;
        for (const char* szSignal : {"SignalMouseClick", "SignalMouseEnter", "SignalMouseLeave", "SignalSaveInput", "SignalClosed"})
            QTest::newRow(szSignal) << iSignal++;
    }

    // A receiver may delete the timeline or the tag dialog from any signal they
    // emit from their own handlers; the sanitizers catch a later touch.
    void deletingSlot()
    {
        QFETCH(int, iSignal);
        auto* pSlider = new CSingleTimeSlider;
        auto* pDialog = new CTagEditDialog;
        const QPointer<QObject> guardSlider(pSlider);
        const QPointer<QObject> guardDialog(pDialog);
        Prepare(*pSlider, 7, QDateTime(s_dayFirst, QTime(12, 0)), 600, s_dayFirst, s_dayFirst);
        pDialog->SetInputText(QStringLiteral("Barrier forced"));
        pDialog->show();
        const auto killSlider = [pSlider] { delete pSlider; };
        const auto killDialog = [pDialog] { delete pDialog; };
        QEvent event(iSignal == 1 ? QEvent::Enter : QEvent::Leave);
        const std::function<void()> triggers[] = {
            [&] { connect(pSlider, &CSingleTimeSlider::SignalMouseClick, killSlider); Click(View(*pSlider), QPoint(300, 30)); },
            [&] { connect(pSlider, &CTimeSlider::SignalMouseEnter, killSlider); QApplication::sendEvent(View(*pSlider), &event); },
            [&] { connect(pSlider, &CTimeSlider::SignalMouseLeave, killSlider); QApplication::sendEvent(View(*pSlider), &event); },
            [&] { connect(pDialog, &CTagEditDialog::SignalSaveInput, killDialog); pDialog->accept(); },
            [&] { connect(pDialog, &CTagEditDialog::SignalClosed, killDialog); pDialog->accept(); }};
        triggers[iSignal]();
        QTRY_VERIFY_WITH_TIMEOUT(!guardSlider || !guardDialog, 2000);
        delete guardSlider.data();
        delete guardDialog.data();
    }
};

QTEST_MAIN(TestTimeSlider)
#include "tst_timeslider.moc"
