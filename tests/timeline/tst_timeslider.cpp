#include "ChartTestSupport.h"
#include "TimeSliderTestSupport.h"

#include "timeline/AxisSeries.h"
#include "timeline/MouseTextSeries.h"
#include "timeline/SingleChartView.h"
#include "timeline/TagSeries.h"
#include "timeline/TimeRectSeries.h"

#include <OrvaGUIToolkit/Button/ToolButton.h>
#include <OrvaGUIToolkit/LineEdit/LineEdit.h>
#include <OrvaGUIToolkit/Timeline/SingleTimeSlider.h>
#include <OrvaGUIToolkit/Timeline/TagEditDialog.h>
#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;
using ChartTest::CTimeZoneScope;
using SliderTest::Centre;
using SliderTest::SendMouse;
using SliderTest::Span;

class TestTimeSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void levels_data();
    void levels();
    void zoomStopsAtTheEndLevels();
    void wheelKeepsTheTimeUnderTheMouse();
    void spanIsClampedToTheBrowsableRange();
    void rangeFollowsLocalMidnight_data();
    void rangeFollowsLocalMidnight();
    void badRangesAreIgnored();
    void playTimeCentresAndClamps();
    void playTimeIgnoredWhileMoving();
    void moveStepsByTheTickStep();
    void dragStopsAtTheSlack_data();
    void dragStopsAtTheSlack();
    void maxAndNormalSize();
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
    slider.SetTimeRange(QDate(2026, 5, 1), QDate(2026, 5, 7));
    slider.OnPlayTime(QDateTime(QDate(2026, 5, 4), QTime(12, 0)));
    slider.ShowZoomByType(iLevel);
    QCOMPARE(Span(slider), double(iSpan));
    QCOMPARE(slider.GetChartView()->FindSeries(ChartSeriesAxis)->GetInterval(), iStep);
}

void TestTimeSlider::zoomStopsAtTheEndLevels()
{
    CSingleTimeSlider slider;
    slider.ShowZoomByType(9);
    slider.OnSlotZoomIn();
    QCOMPARE(slider.GetZoomLevel(), 9);
    slider.OnSlotZoomOut();
    QCOMPARE(slider.GetZoomLevel(), 10);
    QCOMPARE(Span(slider), 43200.0);
    slider.OnSlotZoomIn();
    QCOMPARE(slider.GetZoomLevel(), 9);
    slider.ShowZoomByType(14);
    slider.OnSlotZoomOut();
    QCOMPARE(slider.GetZoomLevel(), 14);
    QCOMPARE(Span(slider), 720.0);
}

void TestTimeSlider::wheelKeepsTheTimeUnderTheMouse()
{
    CSingleTimeSlider slider;
    slider.resize(824, 60);
    slider.SetTimeRange(QDate(2026, 5, 1), QDate(2026, 5, 7));
    slider.ShowZoomByType(10);
    slider.OnPlayTime(QDateTime(QDate(2026, 5, 4), QTime(12, 0)));
    SliderTest::Settle(slider);
    CChartView* pView = slider.GetChartView();
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

void TestTimeSlider::spanIsClampedToTheBrowsableRange()
{
    CSingleTimeSlider slider;
    const QDate day(2026, 5, 4);
    slider.SetTimeRange(day, day);
    slider.ShowZoomByType(12);
    // Scrolled to the end of the one browsable day and its slack, a whole
    // day cannot stay centred.
    slider.OnPlayTime(QDateTime(day, QTime(23, 0)));
    for (int i = 0; i < 20; ++i)
        slider.MoveRight();
    slider.SetMinMaxBySpan(86400);
    double dMin = 0.0;
    double dMax = 0.0;
    slider.GetVisibleRange(dMin, dMax);
    QCOMPARE(dMax, double(slider.GetRangeMax()));
    QCOMPARE(dMin, double(slider.GetRangeMax()) - 86400);
    slider.SetMinMaxBySpan(7200);
    for (int i = 0; i < 200; ++i)
        slider.MoveLeft();
    slider.SetMinMaxBySpan(86400);
    slider.GetVisibleRange(dMin, dMax);
    QCOMPARE(dMin, double(slider.GetRangeMin()));
}

void TestTimeSlider::rangeFollowsLocalMidnight_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::newRow("Shanghai") << QByteArray("Asia/Shanghai");
    QTest::newRow("Kolkata") << QByteArray("Asia/Kolkata");
    QTest::newRow("New York") << QByteArray("America/New_York");
}

void TestTimeSlider::rangeFollowsLocalMidnight()
{
    QFETCH(QByteArray, zone);
    CTimeZoneScope scope(zone);
    CSingleTimeSlider slider;
    const QDate first = QDate::currentDate().addDays(-2);
    slider.SetTimeRange(first, first.addDays(2));
    const qint64 iBegin = QDateTime(first, QTime(0, 0)).toSecsSinceEpoch();
    const int iOffset = QDateTime::currentDateTime().offsetFromUtc();
    QCOMPARE(slider.GetRangeMin(), iBegin - 43200 - slider.GetBase() + iOffset);
    QCOMPARE(slider.GetRangeMax(),
             QDateTime(first.addDays(3), QTime(0, 0)).toSecsSinceEpoch() + 43200 - slider.GetBase() + iOffset);
    // Base + value counts local seconds: today's midnight is a whole day.
    const qint64 iMidnight = QDateTime(QDate::currentDate(), QTime(0, 0)).toSecsSinceEpoch();
    QCOMPARE((slider.GetBase() + qint64(slider.TimeToValue(iMidnight))) % 86400, qint64(0));
    QCOMPARE(slider.ValueToTime(slider.TimeToValue(iMidnight + 1234)), iMidnight + 1234);

    QDateTime dtFirst;
    QDateTime dtLast;
    slider.GetTimeRange(dtFirst, dtLast);
    QCOMPARE(dtFirst, QDateTime(first, QTime(0, 0)));
    QCOMPARE(dtLast, QDateTime(first.addDays(2), QTime(23, 59, 59)));
}

void TestTimeSlider::badRangesAreIgnored()
{
    CSingleTimeSlider slider;
    const qint64 iMin = slider.GetRangeMin();
    slider.SetTimeRange(QDate(2026, 5, 7), QDate(2026, 5, 1));
    slider.SetTimeRange(QDate(), QDate(2026, 5, 1));
    QCOMPARE(slider.GetRangeMin(), iMin);
    QDateTime dtFirst;
    QDateTime dtLast;
    slider.GetTimeRange(dtFirst, dtLast);
    QCOMPARE(dtFirst.date(), QDate::currentDate());
}

void TestTimeSlider::playTimeCentresAndClamps()
{
    CTimeZoneScope scope("Europe/Berlin");
    CSingleTimeSlider slider;
    slider.SetTimeRange(QDate(2026, 5, 1), QDate(2026, 5, 7));
    slider.ShowZoomByType(12);
    QSignalSpy spyDate(slider.GetChartView(), &CChartView::SignalCalendarDateChanged);
    const QDateTime dtPlay(QDate(2026, 5, 3), QTime(8, 15, 30));
    slider.OnPlayTime(unsigned(dtPlay.toSecsSinceEpoch()));
    QCOMPARE(Centre(slider), slider.TimeToValue(dtPlay.toSecsSinceEpoch()));
    QCOMPARE(Span(slider), 7200.0);
    QCOMPARE(slider.CurrentTime(), dtPlay);
    QCOMPARE(spyDate.count(), 1);

    // A time after the last day is pinned to its end.
    slider.OnPlayTime(QDateTime(QDate(2026, 6, 1), QTime(0, 0)));
    QCOMPARE(slider.CurrentTime(), QDateTime(QDate(2026, 5, 8), QTime(0, 0)));
    // And "no time" changes nothing.
    slider.OnPlayTime(CTimeSlider::s_uNoTime);
    QCOMPARE(slider.CurrentTime(), QDateTime(QDate(2026, 5, 8), QTime(0, 0)));
    slider.OnPlayTime(QDateTime());
    QCOMPARE(slider.CurrentTime(), QDateTime(QDate(2026, 5, 8), QTime(0, 0)));
}

void TestTimeSlider::playTimeIgnoredWhileMoving()
{
    CSingleTimeSlider slider;
    slider.SetTimeRange(QDate(2026, 5, 1), QDate(2026, 5, 7));
    slider.ShowZoomByType(12);
    slider.OnPlayTime(QDateTime(QDate(2026, 5, 3), QTime(8, 0)));
    const double dCentre = Centre(slider);
    slider.MoveLeft();
    QVERIFY(slider.IsMoving());
    slider.OnPlayTime(QDateTime(QDate(2026, 5, 5), QTime(8, 0)));
    QCOMPARE(Centre(slider), dCentre - 600);
    slider.OnSlotReleaseMove();
    slider.OnPlayTime(QDateTime(QDate(2026, 5, 5), QTime(8, 0)));
    QCOMPARE(slider.CurrentTime(), QDateTime(QDate(2026, 5, 5), QTime(8, 0)));
}

void TestTimeSlider::moveStepsByTheTickStep()
{
    CSingleTimeSlider slider;
    slider.SetTimeRange(QDate(2026, 5, 1), QDate(2026, 5, 7));
    slider.ShowZoomByType(12);
    const QDateTime dtPlay(QDate(2026, 5, 3), QTime(8, 0));
    slider.OnPlayTime(dtPlay);
    slider.MoveRight();
    QCOMPARE(Centre(slider), slider.TimeToValue(dtPlay.toSecsSinceEpoch()) + 600);
    QCOMPARE(slider.CurrentTime(), dtPlay.addSecs(600));
    QCOMPARE(Span(slider), 7200.0);
    // At the end of the range the step is cut short.
    slider.OnSlotReleaseMove();
    slider.OnPlayTime(QDateTime(QDate(2026, 5, 8), QTime(0, 0)));
    for (int i = 0; i < 100; ++i)
        slider.MoveRight();
    double dMin = 0.0;
    double dMax = 0.0;
    slider.GetVisibleRange(dMin, dMax);
    QCOMPARE(dMax, double(slider.GetRangeMax()));
    QCOMPARE(dMax - dMin, 7200.0);
}

void TestTimeSlider::dragStopsAtTheSlack_data()
{
    QTest::addColumn<int>("iLevel");
    QTest::addColumn<QTime>("tStart");
    QTest::addColumn<int>("iDx");
    QTest::addColumn<bool>("bPinned");
    QTest::newRow("small drag right") << 12 << QTime(12, 0) << 40 << false;
    QTest::newRow("small drag left") << 12 << QTime(12, 0) << -40 << false;
    QTest::newRow("far right, level 12") << 12 << QTime(12, 0) << 5000 << true;
    QTest::newRow("far left, level 12") << 12 << QTime(12, 0) << -5000 << true;
    QTest::newRow("far left, level 14, noon") << 14 << QTime(12, 0) << -5000 << false;
    QTest::newRow("far left, level 14, late") << 14 << QTime(23, 50) << -5000 << true;
    QTest::newRow("far right, level 14, early") << 14 << QTime(0, 10) << 5000 << true;
    QTest::newRow("far right, level 7") << 7 << QTime(12, 0) << 5000 << true;
}

void TestTimeSlider::dragStopsAtTheSlack()
{
    QFETCH(int, iLevel);
    QFETCH(QTime, tStart);
    QFETCH(int, iDx);
    QFETCH(bool, bPinned);
    CSingleTimeSlider slider;
    slider.resize(824, 60);
    const QDate day(2026, 5, 4);
    slider.SetTimeRange(day, day);
    slider.ShowZoomByType(iLevel);
    slider.OnPlayTime(QDateTime(day, tStart));
    SliderTest::Settle(slider);
    CChartView* pView = slider.GetChartView();
    double dPressMin = 0.0;
    double dPressMax = 0.0;
    slider.GetVisibleRange(dPressMin, dPressMax);
    const double dSpan = dPressMax - dPressMin;
    const int iWidth = pView->GetChartRect().width();
    const QPoint ptPress(400, 30);

    SendMouse(pView, QEvent::MouseButtonPress, ptPress);
    QVERIFY(slider.IsMoving());
    SendMouse(pView, QEvent::MouseMove, ptPress + QPoint(iDx, 0));
    double dMin = 0.0;
    double dMax = 0.0;
    slider.GetVisibleRange(dMin, dMax);
    QCOMPARE(dMax - dMin, dSpan);
    const int iLeft = pView->GetChartRect().left();
    const int iDelta = int((ptPress.x() + iDx - iLeft) * dSpan / iWidth) - int((ptPress.x() - iLeft) * dSpan / iWidth);
    if (!bPinned) {
        QCOMPARE(dMin, dPressMin - iDelta);
    } else if (iDx > 0) {
        QCOMPARE(dMin, double(slider.GetRangeMin() + 43200 - CTimeSlider::GetLeftSpace(iLevel)));
    } else {
        QCOMPARE(dMax, double(slider.GetRangeMax() - 43200 + CTimeSlider::GetLeftSpace(iLevel)));
    }
    QCOMPARE(slider.CurrentTime().toSecsSinceEpoch(), slider.ValueToTime(std::round((dMin + dMax) / 2)));
    QSignalSpy spyClick(&slider, &CSingleTimeSlider::SignalMouseClick);
    SendMouse(pView, QEvent::MouseButtonRelease, ptPress + QPoint(iDx, 0));
    QVERIFY(!slider.IsMoving());
    QCOMPARE(spyClick.count(), 0);
}

void TestTimeSlider::maxAndNormalSize()
{
    CSingleTimeSlider slider;
    slider.resize(600, 60);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    auto* pView = static_cast<CSingleChartView*>(slider.GetChartView());
    auto* pZoomIn = pView->findChild<CToolButton*>(QStringLiteral("ZoomInBtn"));
    auto* pZoomOut = pView->findChild<CToolButton*>(QStringLiteral("ZoomOutBtn"));
    QVERIFY(pZoomIn && pZoomOut);
    QVERIFY(!pZoomIn->isVisible());
    QVERIFY(pView->FindSeries(ChartSeriesAxis)->IsSimple());

    slider.ShowMaxsize();
    QCOMPARE(slider.GetZoomLevel(), 9);
    QVERIFY(pZoomIn->isVisible() && pZoomOut->isVisible());
    QVERIFY(!pView->FindSeries(ChartSeriesAxis)->IsSimple());
    int iLeft = 0;
    int iRight = 0;
    pView->GetMargins(iLeft, iRight);
    QCOMPARE(iRight, 100);
    QCOMPARE(pZoomOut->geometry(), QRect(600 - 100 + 2, 17, 32, 26));
    QCOMPARE(pZoomIn->pos(), QPoint(600 - 100 + 2 + 35, 17));

    // Maximised, a narrower level stays; the zoom buttons work.
    QTest::mousePress(pZoomOut, Qt::LeftButton);
    QTest::mouseRelease(pZoomOut, Qt::LeftButton);
    QCOMPARE(slider.GetZoomLevel(), 10);
    slider.ShowMaxsize();
    QCOMPARE(slider.GetZoomLevel(), 10);

    slider.ShowNormalSize();
    QCOMPARE(slider.GetZoomLevel(), 7);
    QVERIFY(!pZoomIn->isVisible());
    pView->GetMargins(iLeft, iRight);
    QCOMPARE(iLeft, 24);
    QCOMPARE(iRight, 8);
}

void TestTimeSlider::segmentsAreClippedToTheDays()
{
    CSingleTimeSlider slider;
    const QDate day(2026, 5, 4);
    slider.SetTimeRange(day, day.addDays(1));
    const QBrush brush(QColor(93, 128, 248));
    QList<struTimeSliderData::TimeSegmentParam> listSegments;
    // Straddles the start: clipped to midnight of the first day.
    listSegments.append({QDateTime(day.addDays(-1), QTime(22, 0)), QDateTime(day, QTime(1, 0)), brush, 1, {}});
    listSegments.append({QDateTime(day, QTime(10, 0)), QDateTime(day, QTime(11, 30)), brush, 2, {}});
    // Outside, reversed, invalid: skipped.
    listSegments.append({QDateTime(day.addDays(3), QTime(1, 0)), QDateTime(day.addDays(3), QTime(2, 0)), brush, 1, {}});
    listSegments.append({QDateTime(day, QTime(9, 0)), QDateTime(day, QTime(8, 0)), brush, 1, {}});
    listSegments.append({QDateTime(), QDateTime(day, QTime(8, 0)), brush, 1, {}});
    slider.AddTime(listSegments);

    auto* pSeries = static_cast<CTimeRectSeries*>(slider.GetChartView()->FindSeries(ChartSeriesTimeRect));
    QCOMPARE(pSeries->GetRectCount(), 2);
    const STimeRect first = pSeries->GetRects(1).constFirst();
    QCOMPARE(first.begin, QPoint(int(slider.GetRangeMin() + 43200), 29));
    QCOMPARE(first.end, QPoint(int(slider.GetRangeMin() + 43200 + 3600), 36));
    const STimeRect second = pSeries->GetRects(2).constFirst();
    QCOMPARE(double(second.begin.x()), slider.TimeToValue(QDateTime(day, QTime(10, 0)).toSecsSinceEpoch()));
    QCOMPARE(second.end.x() - second.begin.x(), 5400);

    slider.AddTag({{QDateTime(day, QTime(10, 30)), QDateTime(day, QTime(10, 30)), QBrush(), 0, QStringLiteral("Tailgating")}});
    auto* pTags = static_cast<CTagSeries*>(slider.GetChartView()->FindSeries(ChartSeriesTag));
    QVERIFY(pTags);
    QCOMPARE(pTags->GetTagCount(), 1);
    QCOMPARE(pTags->GetTags().constFirst().name, QStringLiteral("Tailgating"));

    slider.Reset();
    QCOMPARE(pSeries->GetRectCount(), 0);
    QCOMPARE(slider.GetChartView()->GetSeries(0)->GetPointCount(), 1);
}

void TestTimeSlider::clickReportsTheTimeUnderTheMouse()
{
    CTimeZoneScope scope("Asia/Shanghai");
    CSingleTimeSlider slider;
    slider.resize(824, 60);
    slider.SetTimeRange(QDate(2026, 5, 1), QDate(2026, 5, 7));
    slider.ShowZoomByType(7);
    slider.OnPlayTime(QDateTime(QDate(2026, 5, 3), QTime(12, 0)));
    SliderTest::Settle(slider);
    CChartView* pView = slider.GetChartView();
    QSignalSpy spyClick(&slider, &CSingleTimeSlider::SignalMouseClick);
    // The left edge of the chart is midnight, the middle is noon.
    const QRect rectChart = pView->GetChartRect();
    SendMouse(pView, QEvent::MouseButtonPress, QPoint(rectChart.left(), 30));
    SendMouse(pView, QEvent::MouseButtonRelease, QPoint(rectChart.left(), 30));
    QCOMPARE(spyClick.count(), 1);
    QCOMPARE(spyClick.at(0).at(0).value<time_t>(),
             time_t(QDateTime(QDate(2026, 5, 3), QTime(0, 0)).toSecsSinceEpoch()));
    const int iX = rectChart.left() + rectChart.width() / 4;
    SendMouse(pView, QEvent::MouseButtonPress, QPoint(iX, 30));
    SendMouse(pView, QEvent::MouseButtonRelease, QPoint(iX, 30));
    QCOMPARE(spyClick.count(), 2);
    QCOMPARE(qint64(spyClick.at(1).at(0).value<time_t>()), SliderTest::ExpectedTimeAt(slider, iX));
    QCOMPARE(QDateTime::fromSecsSinceEpoch(spyClick.at(1).at(0).value<time_t>()).time(), QTime(6, 0));
    // Outside the chart (in the left margin) nothing is reported.
    SendMouse(pView, QEvent::MouseButtonPress, QPoint(3, 30));
    SendMouse(pView, QEvent::MouseButtonRelease, QPoint(3, 30));
    QCOMPARE(spyClick.count(), 2);
}

void TestTimeSlider::briefExitIsNoLeave()
{
    CSingleTimeSlider slider;
    slider.resize(600, 60);
    QWidget* pView = slider.GetChartView();
    QSignalSpy spyEnter(&slider, &CTimeSlider::SignalMouseEnter);
    QSignalSpy spyLeave(&slider, &CTimeSlider::SignalMouseLeave);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(pView, &enter);
    QCOMPARE(spyEnter.count(), 1);
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

    // The time under the mouse shows while inside and goes on leaving.
    SliderTest::Settle(static_cast<CTimeSlider&>(slider));
    SendMouse(pView, QEvent::MouseMove, QPoint(300, 30), Qt::NoButton);
    auto* pText = static_cast<CMouseTextSeries*>(slider.GetChartView()->FindSeries(ChartSeriesMouseText));
    QCOMPARE(pText->GetText(), QDateTime::fromSecsSinceEpoch(SliderTest::ExpectedTimeAt(slider, 300))
                                   .toString(QStringLiteral("hh:mm:ss")));
    QApplication::sendEvent(pView, &leave);
    QVERIFY(pText->GetText().isEmpty());
}

void TestTimeSlider::tagDialogRefusesAnEmptyName()
{
    CTagEditDialog dialog;
    QCOMPARE(dialog.GetTitle(), QStringLiteral("Edit Tag"));
    dialog.SetTagTime(QStringLiteral("2026-05-04 10:30:00"));
    dialog.show();
    QSignalSpy spySave(&dialog, &CTagEditDialog::SignalSaveInput);
    QSignalSpy spyClosed(&dialog, &CTagEditDialog::SignalClosed);
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(spySave.count(), 0);
    QCOMPARE(spyClosed.count(), 0);
    QCOMPARE(CToolTip::GetText(), QStringLiteral("Tag name cannot be empty."));

    // Forbidden file-name characters never get in.
    QTest::keyClicks(dialog.GetNameEdit(), QStringLiteral("Gate/2 tailgating"));
    QCOMPARE(dialog.GetInputText(), QStringLiteral("Gate2 tailgating"));
    dialog.accept();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(spySave.count(), 1);
    QCOMPARE(spySave.at(0).at(0).toString(), QStringLiteral("2026-05-04 10:30:00"));
    QCOMPARE(spySave.at(0).at(1).toString(), QStringLiteral("Gate2 tailgating"));
    QCOMPARE(spyClosed.count(), 1);
}

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
    dialog.GetNameEdit()->setText(QStringLiteral("Plate mismatch, checked"));
    dialog.accept();
    QCOMPARE(spySave.count(), 1);
    dialog.show();
    dialog.GetNameEdit()->clear();
    dialog.reject();
    QCOMPARE(spySave.count(), 1);
    QCOMPARE(spyClosed.count(), 3);
}

QTEST_MAIN(TestTimeSlider)
#include "tst_timeslider.moc"
