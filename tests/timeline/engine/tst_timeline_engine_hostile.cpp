#include "ChartTestSupport.h"

#include "timeline/engine/AxisSeries.h"
#include "timeline/engine/BackGroundSeries.h"
#include "timeline/engine/LineSeries.h"
#include "timeline/engine/MouseTextSeries.h"
#include "timeline/engine/MultiChartView.h"
#include "timeline/engine/SelectRectSeries.h"
#include "timeline/engine/TagSeries.h"
#include "timeline/engine/TimeRectSeries.h"

#include <QtCore/QPointer>
#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>

#include <cfloat>
#include <climits>
#include <cmath>

using namespace OrvaGUIToolkit;
using ChartTest::Bounds;
using ChartTest::SFixture;

namespace {

const double s_dInf = std::numeric_limits<double>::infinity();
const double s_dNaN = std::numeric_limits<double>::quiet_NaN();
const QColor s_colorBand(0, 0, 200);

QPixmap TagPixmap()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::black);
    return pixmap;
}

} // namespace

class TestTimelineEngineHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nonFiniteRangesAreRefused_data();
    void nonFiniteRangesAreRefused();
    void chartRectAndMarginsAtExtremes();
    void segmentsBeyond32Bits_data();
    void segmentsBeyond32Bits();
    void farScrollAtOneScale();
    void trackHitTestAfterScrolling_data();
    void trackHitTestAfterScrolling();
    void tagsBeyond32Bits_data();
    void tagsBeyond32Bits();
    void tagsAddedOneByOneOntoMany();
    void timeScaleWithHostileBase_data();
    void timeScaleWithHostileBase();
    void nanMarksAndTextsAreNotDrawn();
    void hugeRowNameStaysInItsRow();
    void extremeTopsAreBounded();
    void deletingSlot_data();
    void deletingSlot();
};

void TestTimelineEngineHostile::nonFiniteRangesAreRefused_data()
{
    QTest::addColumn<double>("dMin");
    QTest::addColumn<double>("dMax");
    QTest::newRow("NaN minimum") << s_dNaN << 100.0;
    QTest::newRow("infinite maximum") << 0.0 << s_dInf;
    QTest::newRow("span beyond DBL_MAX") << -DBL_MAX << DBL_MAX;
}

void TestTimelineEngineHostile::nonFiniteRangesAreRefused()
{
    QFETCH(double, dMin);
    QFETCH(double, dMax);
    CChartAxis axis(nullptr, true, false);
    axis.SetRange(1000.0, 1600.0);
    QTest::ignoreMessage(QtWarningMsg, "CChartAxis::SetRange: !std::isfinite(dMax - dMin)");
    axis.SetRange(dMin, dMax);
    QCOMPARE(qMakePair(axis.GetMin(), axis.GetMax()), qMakePair(1000.0, 1600.0));
}

void TestTimelineEngineHostile::chartRectAndMarginsAtExtremes()
{
    SFixture<CTimeRectSeries> fixture(new CTimeRectSeries);
    fixture.pSeries->AddRect(100, 200, 29, 36, s_colorBand, 1);
    fixture.panel.SetChartRect(INT_MAX, INT_MIN, INT_MAX, INT_MAX);
    QCOMPARE(fixture.panel.GetChartRect(), QRect(1000000000, -1000000000, 1000000000, 1000000000));
    // Drawing such a chart shows nothing of the band, without overflowing.
    QCOMPARE(Bounds(fixture.Paint(), s_colorBand), QRect());

    CMultiChartView view;
    view.resize(400, 100);
    view.SetMargins(INT_MAX, INT_MIN);
    view.UpdateChart();
    QCOMPARE(view.GetChartRect(), QRect(QWIDGETSIZE_MAX, 0, 400 - QWIDGETSIZE_MAX, 98));
}

void TestTimelineEngineHostile::segmentsBeyond32Bits_data()
{
    QTest::addColumn<double>("dMin");
    QTest::addColumn<qint64>("iBegin");
    QTest::addColumn<qint64>("iEnd");
    QTest::addColumn<QRect>("rectFirst");
    QTest::addColumn<qint64>("iValidStart");
    QTest::addColumn<qint64>("iValidEnd");
    // Each range is 600 seconds over 600 pixels from x = 10; the segment lies
    // 100..200 seconds into it, a later one of the group 400..450.
    QTest::newRow("crosses INT_MAX") << 2147483497.0 << Q_INT64_C(2147483597) << Q_INT64_C(2147483697)
                                     << QRect(110, 29, 101, 7) << Q_INT64_C(2147483597) << Q_INT64_C(2147483697);
    // Clipped to the chart, not dropped; the valid range is the asked one.
    QTest::newRow("spans every time") << 2208988800.0 << Q_INT64_C(-4611686018427387904)
                                      << Q_INT64_C(4611686018427387903) << QRect(10, 29, 601, 7)
                                      << Q_INT64_C(2208988850) << Q_INT64_C(2208989050);
}

void TestTimelineEngineHostile::segmentsBeyond32Bits()
{
    QFETCH(double, dMin);
    QFETCH(qint64, iBegin);
    QFETCH(qint64, iEnd);
    QFETCH(QRect, rectFirst);
    QFETCH(qint64, iValidStart);
    QFETCH(qint64, iValidEnd);
    SFixture<CTimeRectSeries> fixture(new CTimeRectSeries, dMin, dMin + 600.0);
    fixture.pSeries->AddRect(iBegin, iEnd, 29, 36, s_colorBand, 1);
    const QImage image = fixture.Paint();
    QCOMPARE(Bounds(image, s_colorBand), rectFirst);

    // A later segment of the group is placed from its cached pixels.
    const qint64 iLater = qint64(dMin) + 400;
    fixture.pSeries->AddRect(iLater, iLater + 50, 29, 36, QColor(Qt::red), 1);
    fixture.Paint();
    fixture.SetRange(dMin + 50.0, dMin + 650.0);
    QCOMPARE(Bounds(fixture.Paint(), QColor(Qt::red)), QRect(360, 29, 51, 7));

    qint64 iStart = 0;
    qint64 iFinish = 0;
    QVERIFY(fixture.pSeries->GetValidRange(qint64(dMin) + 50, qint64(dMin) + 250, iStart, iFinish));
    QCOMPARE(qMakePair(iStart, iFinish), qMakePair(iValidStart, iValidEnd));
}

void TestTimelineEngineHostile::farScrollAtOneScale()
{
    // Placed at 1970, then scrolled to 2040 at the same scale: the cached
    // pixels of 1970 would lie beyond the pixel limit.
    SFixture<CTimeRectSeries> fixture(new CTimeRectSeries);
    fixture.pSeries->AddRect(Q_INT64_C(-4611686018427387904), Q_INT64_C(4611686018427387903), 29, 36, s_colorBand, 1);
    fixture.pSeries->AddRect(Q_INT64_C(2208989200), Q_INT64_C(2208989250), 29, 36, QColor(Qt::red), 1);
    QCOMPARE(Bounds(fixture.Paint(), s_colorBand), QRect(10, 29, 601, 7));
    fixture.SetRange(2208988850.0, 2208989450.0);
    QCOMPARE(Bounds(fixture.Paint(), QColor(Qt::red)), QRect(360, 29, 51, 7));
}

void TestTimelineEngineHostile::trackHitTestAfterScrolling_data()
{
    QTest::addColumn<double>("dScroll");
    QTest::addColumn<int>("iBandTop");
    QTest::addColumn<int>("iBandBottom");
    QTest::newRow("not scrolled") << 0.0 << 60 << 84;
    QTest::newRow("scrolled by 30") << 30.0 << 30 << 54;
    // The band lies far below the view: pinned, and no row of it is hit.
    QTest::newRow("scrolled to INT_MIN") << double(INT_MIN) << 1000000000 << 1000000000;
}

void TestTimelineEngineHostile::trackHitTestAfterScrolling()
{
    QFETCH(double, dScroll);
    QFETCH(int, iBandTop);
    QFETCH(int, iBandBottom);
    // Rows in pixels shifted by the scroll position, as the multi-track
    // timeline sets them up: top 50, rows of 24, the band 10 below its row.
    SFixture<CTimeRectSeries> track(new CTimeRectSeries, 0.0, 600.0, 200);
    track.pSeries->SetMapY(true);
    track.panel.GetYAxis()->SetReversed(false);
    track.panel.GetYAxis()->SetScaled(false);
    track.pSeries->AddRect(100, 200, 60, 84, s_colorBand, 1);
    track.panel.GetYAxis()->SetRange(dScroll, dScroll + 194.0);
    track.Paint();
    QCOMPARE(qMakePair(track.pSeries->GetBandTop(), track.pSeries->GetBandBottom()), qMakePair(iBandTop, iBandBottom));
    // Rows at the pixel limit stand for what lies beyond it and never hit.
    for (int iRow : {INT_MIN, -1000000000, 29, 30, 54, 55, 59, 60, 84, 85, 1000000000}) {
        const bool bInside = iBandTop <= iRow && iRow <= iBandBottom && qAbs(iRow) < 1000000000;
        QCOMPARE(track.pSeries->HitTestPixelRow(iRow), bInside);
    }
    // Vertical values at the ends of the int range go through the axis safely.
    QVERIFY(!track.pSeries->HitTest(QPoint(0, INT_MIN)));
    QVERIFY(!track.pSeries->HitTest(QPoint(0, INT_MAX)));
}

void TestTimelineEngineHostile::tagsBeyond32Bits_data()
{
    QTest::addColumn<double>("dMin");
    QTest::addColumn<qint64>("iTag");
    QTest::addColumn<int>("iSaturated");
    QTest::newRow("in 2040") << 2208988800.0 << Q_INT64_C(2208988900) << INT_MAX;
    QTest::newRow("in 1900") << -2208988800.0 << Q_INT64_C(-2208988700) << INT_MIN;
}

void TestTimelineEngineHostile::tagsBeyond32Bits()
{
    QFETCH(double, dMin);
    QFETCH(qint64, iTag);
    QFETCH(int, iSaturated);
    SFixture<CTagSeries> fixture(new CTagSeries, dMin, dMin + 600.0);
    fixture.option.pixTag = TagPixmap();
    fixture.pSeries->AddTag(iTag, iTag, 20, QStringLiteral("Gate 3 opened"));
    QCOMPARE(Bounds(fixture.Paint()), QRect(102, 18, 16, 16));
    qint64 iFound = 0;
    QVERIFY(fixture.pSeries->TagAt(QPoint(110, 25), iFound));
    QCOMPARE(iFound, iTag);
    int iFoundInt = 0;
    QVERIFY(fixture.pSeries->TagAt(QPoint(110, 25), iFoundInt));
    QCOMPARE(iFoundInt, iSaturated);
}

void TestTimelineEngineHostile::tagsAddedOneByOneOntoMany()
{
    // 200 000 tags a minute apart, then 2 000 more one at a time, each
    // followed by a repaint as a timeline does it.
    SFixture<CTagSeries> fixture(new CTagSeries, 0.0, 600.0);
    fixture.option.pixTag = TagPixmap();
    for (qint64 i = 0; i < 200000; ++i)
        fixture.pSeries->AddTag(i * 60 - 11990000, i * 60 - 11990000, 20, QString());
    for (qint64 i = 0; i < 2000; ++i) {
        fixture.pSeries->AddTag(10000 + i * 60, 10000 + i * 60, 20, QString());
        fixture.Paint();
    }
    // In view: the old tags at 40, 100, ..., 580 seconds, 60 pixels apart.
    const QMap<qint64, QRect> mapRects = fixture.pSeries->GetTagRects();
    QCOMPARE(QList<qint64>({mapRects.size(), mapRects.firstKey(), mapRects.lastKey()}), QList<qint64>({10, 40, 580}));
    // A row that scrolls moves every marker, those added later too.
    fixture.pSeries->SetMarkerTop(INT_MIN);
    fixture.pSeries->AddTag(590, 590, 20, QString());
    QCOMPARE(Bounds(fixture.Paint()), QRect());
    fixture.pSeries->SetMarkerTop(40);
    // The tag at 590 is crowded out by the one at 580.
    QCOMPARE(Bounds(fixture.Paint()), QRect(42, 38, 556, 16));
}

void TestTimelineEngineHostile::timeScaleWithHostileBase_data()
{
    QTest::addColumn<qint64>("iBase");
    QTest::addColumn<int>("iInterval");
    QTest::addColumn<int>("iLabelEvery");
    QTest::addColumn<int>("iTicks");
    QTest::addColumn<int>("iFirstX");
    // LLONG_MAX mod 86400 = 55807: ticks 100 seconds apart fall on values
    // that end in 93; their times lie beyond any date, so they carry no label.
    QTest::newRow("base LLONG_MAX") << LLONG_MAX << 100 << 1 << 6 << 103;
    // LLONG_MIN mod 86400 = 30592: ticks on values ending in 08.
    QTest::newRow("base LLONG_MIN") << LLONG_MIN << 100 << 1 << 6 << 18;
    QTest::newRow("interval INT_MAX") << Q_INT64_C(0) << INT_MAX << 1 << 1 << 11;
    QTest::newRow("label every INT_MIN") << Q_INT64_C(0) << 100 << INT_MIN << 7 << 11;
}

void TestTimelineEngineHostile::timeScaleWithHostileBase()
{
    QFETCH(qint64, iBase);
    QFETCH(int, iInterval);
    QFETCH(int, iLabelEvery);
    QFETCH(int, iTicks);
    QFETCH(int, iFirstX);
    ChartTest::CTimeZoneScope scope("UTC");
    SFixture<CAxisSeries> fixture(new CAxisSeries(iBase));
    fixture.pSeries->SetInterval(iInterval);
    fixture.pSeries->SetLabelEvery(iLabelEvery);
    const QVector<CAxisSeries::STick> vecTicks = fixture.pSeries->GetTicks();
    QCOMPARE(vecTicks.size(), iTicks);
    QCOMPARE(vecTicks.constFirst().iX, iFirstX);
    fixture.Paint();
    if (iBase != 0)
        QCOMPARE(vecTicks.constFirst().strLabel, QString());
}

void TestTimelineEngineHostile::nanMarksAndTextsAreNotDrawn()
{
    SFixture<CLineSeries> marks(new CLineSeries);
    marks.option.colorMidLine = Qt::red;
    // The vertical axis is reversed: value 95 of 0..100 over 60 pixels is pixel 3.
    marks.pSeries->AddPoint(s_dNaN, 95.0);
    marks.pSeries->AddPoint(-1.0, 95.0);
    QCOMPARE(Bounds(marks.Paint()), QRect());
    marks.pSeries->AddPoint(300.0, 95.0);
    QCOMPARE(Bounds(marks.Paint()), QRect(309, 2, 2, 50));

    SFixture<CMouseTextSeries> text(new CMouseTextSeries);
    text.option.colorMouseText = Qt::black;
    text.pSeries->SetText(QStringLiteral("12:00:00"));
    text.pSeries->SetTime(s_dNaN);
    QCOMPARE(Bounds(text.Paint()), QRect());
}

void TestTimelineEngineHostile::hugeRowNameStaysInItsRow()
{
    SFixture<CBackGroundSeries> fixture(new CBackGroundSeries, 0.0, 600.0, 100);
    fixture.option.colorAxisName = Qt::black;
    fixture.pSeries->AddPoint(0.0, 40.0);
    fixture.pSeries->SetName(0, QString(1 << 20, QLatin1Char('W')));
    fixture.pSeries->SetName(INT_MAX, QStringLiteral("never drawn"));
    fixture.pSeries->SetName(INT_MIN, QStringLiteral("ignored"));
    // The vertical axis is reversed: value 40 of 0..100 is pixel 60.
    const QRect rectName = Bounds(fixture.Paint());
    QVERIFY(QRect(4, 59, 114, 26).contains(rectName) && rectName.width() > 100);
}

void TestTimelineEngineHostile::extremeTopsAreBounded()
{
    CAxisSeries axis(0);
    axis.SetLabelTop(INT_MIN);
    axis.SetTickTop(INT_MAX);
    CMouseTextSeries text;
    text.SetTextTop(INT_MAX);
    QCOMPARE(QList<int>({axis.GetLabelTop(), axis.GetTickTop(), text.GetTextTop()}),
             QList<int>({-1000000000, 1000000000, 1000000000}));

    // Unmapped rows at the ends of the int range overflow nothing: the first
    // band ends above the image, the upside-down second one covers it all.
    SFixture<CTimeRectSeries> fixture(new CTimeRectSeries);
    fixture.pSeries->AddRect(100, 200, INT_MIN, INT_MAX, s_colorBand, 1);
    fixture.pSeries->AddRect(300, 400, INT_MAX, INT_MIN, s_colorBand, 2);
    QCOMPARE(Bounds(fixture.Paint(), s_colorBand), QRect(310, 0, 101, 62));
    fixture.pSeries->PlaceInBand(29, 36);
    QCOMPARE(Bounds(fixture.Paint(), s_colorBand), QRect(110, 29, 301, 7));
}

void TestTimelineEngineHostile::deletingSlot_data()
{
    QTest::addColumn<QString>("strSource");
    QTest::newRow("ZoomInBtn pressed") << QStringLiteral("ZoomInBtn");
    QTest::newRow("ZoomOutBtn pressed") << QStringLiteral("ZoomOutBtn");
    QTest::newRow("CalendarBtn clicked") << QStringLiteral("CalendarBtn");
    QTest::newRow("FilterBtn clicked") << QStringLiteral("FilterBtn");
    QTest::newRow("date changed") << QString();
}

void TestTimelineEngineHostile::deletingSlot()
{
    QFETCH(QString, strSource);
    QPointer<CMultiChartView> pView = new CMultiChartView;
    pView->resize(600, 200);
    const auto deleteView = [&pView]() { delete pView.data(); };
    connect(pView.data(), &CChartView::SignalZoomIn, deleteView);
    connect(pView.data(), &CChartView::SignalZoomOut, deleteView);
    connect(pView.data(), &CChartView::SignalCalendarBtnClicked, deleteView);
    connect(pView.data(), &CMultiChartView::SignalFilterBtnClicked, deleteView);
    connect(pView.data(), &CChartView::SignalCalendarDateChanged, deleteView);
    if (strSource.isEmpty())
        pView->SetCurrentDateTime(QDateTime(QDate(2026, 12, 6), QTime(8, 30)));
    else
        pView->findChild<QAbstractButton*>(strSource)->click();
    QVERIFY(pView.isNull());
}

QTEST_MAIN(TestTimelineEngineHostile)
#include "tst_timeline_engine_hostile.moc"
