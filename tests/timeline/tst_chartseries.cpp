#include "ChartTestSupport.h"

#include "timeline/AxisSeries.h"
#include "timeline/BackGroundSeries.h"
#include "timeline/GrooveSeries.h"
#include "timeline/LineSeries.h"
#include "timeline/MouseTextSeries.h"
#include "timeline/RectSeries.h"
#include "timeline/SelectRectSeries.h"
#include "timeline/TagSeries.h"
#include "timeline/TimeRectSeries.h"

#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;
using ChartTest::ColouredSpan;
using ChartTest::InkIn;

namespace {

// A chart from x = 10, 600 pixels for 600 units, 200 high; the vertical axis
// in pixels (upright, unscaled) as the multi-track view sets it.
template <typename TSeries>
struct SFixture : ChartTest::SFixture<TSeries>
{
    SFixture()
        : ChartTest::SFixture<TSeries>(new TSeries, 0.0, 600.0, 200)
    {
        this->panel.GetYAxis()->SetReversed(false);
        this->panel.GetYAxis()->SetScaled(false);
        this->panel.GetYAxis()->SetRange(0.0, 200.0);
    }
    // Rows 24 pixels high from y = 50.
    void AddRows(int iCount)
    {
        for (int k = 0; k < iCount; ++k)
            this->pSeries->AddPoint(0, 50 + 24 * k);
    }
};

} // namespace

class TestChartSeries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void seriesTypes();
    void backgroundAndRowNames();
    void groove();
    void playMarks();
    void mouseText();
    void rowAt();
    void marqueeRanges();
    void marqueeDrawing();
    void topBand();
};

void TestChartSeries::seriesTypes()
{
    // Panels find their layers by these numbers.
    QCOMPARE(CBackGroundSeries().SeriesType(), 0);
    QCOMPARE(CAxisSeries(0).SeriesType(), 1);
    QCOMPARE(CMouseTextSeries().SeriesType(), 2);
    QCOMPARE(CTimeRectSeries().SeriesType(), 3);
    QCOMPARE(CLineSeries().SeriesType(), 5);
    QCOMPARE(CSelectRectSeries().SeriesType(), 6);
    QCOMPARE(CRectSeries().SeriesType(), 7);
    QCOMPARE(CTagSeries().SeriesType(), 8);
    QCOMPARE(CGrooveSeries().SeriesType(), -1);
}

void TestChartSeries::backgroundAndRowNames()
{
    SFixture<CBackGroundSeries> fixture;
    fixture.option.colorLeftChartBackground = QColor(30, 30, 30);
    fixture.option.colorRightChartBackground = QColor(60, 60, 60);
    fixture.option.colorAxisName = QColor(255, 255, 0);
    fixture.AddRows(2);
    fixture.pSeries->SetName(0, QStringLiteral("Main Gate Entry"));
    // A name may come before its row; a negative index is ignored.
    fixture.pSeries->SetName(5, QStringLiteral("No row yet"));
    fixture.pSeries->SetName(-1, QStringLiteral("ignored"));
    QCOMPARE(fixture.pSeries->GetName(5), QStringLiteral("No row yet"));
    QCOMPARE(fixture.pSeries->GetName(-1), QString());
    // The view in the left colour, the chart (from x = 13, 4 pixels wider) in the right one.
    QImage image = fixture.Paint();
    QCOMPARE(image.pixelColor(12, 10), QColor(30, 30, 30));
    QCOMPARE(ColouredSpan(image, 10, QColor(60, 60, 60)), qMakePair(13, 616));
    QCOMPARE(ColouredSpan(image, 20, QColor(60, 60, 60), Qt::Vertical), qMakePair(0, 199));
    // Unset colours paint nothing; the name of row 0 sits in the 24 pixels
    // from y = 50, row 1 has none.
    fixture.option.colorLeftChartBackground = QColor();
    fixture.option.colorRightChartBackground = QColor();
    image = fixture.Paint();
    QCOMPARE(InkIn(image, QRect(0, 0, 630, 50)), 0);
    QVERIFY(InkIn(image, QRect(5, 50, 112, 24)) > 20);
    QCOMPARE(InkIn(image, QRect(0, 75, 630, 127)), 0);
}

void TestChartSeries::groove()
{
    SFixture<CGrooveSeries> fixture;
    QPixmap pixGroove(20, 11);
    pixGroove.fill(Qt::darkCyan);
    fixture.option.pixGroove = pixGroove;
    // Without a point or without a picture there is nothing to draw.
    QCOMPARE(InkIn(fixture.Paint(), QRect(0, 0, 630, 202)), 0);
    fixture.pSeries->AddPoint(0, 26);
    // The whole chart width, 11 pixels high from the point's y.
    const QImage image = fixture.Paint();
    QCOMPARE(ColouredSpan(image, 30, Qt::darkCyan), qMakePair(10, 610));
    QCOMPARE(ColouredSpan(image, 300, Qt::darkCyan, Qt::Vertical), qMakePair(26, 36));
    fixture.option.pixGroove = QPixmap();
    QCOMPARE(InkIn(fixture.Paint(), QRect(0, 0, 630, 202)), 0);
}

void TestChartSeries::playMarks()
{
    SFixture<CLineSeries> fixture;
    fixture.option.colorMidLine = Qt::yellow;
    fixture.pSeries->AddPoint(-1, 50);   // parked: no mark
    fixture.pSeries->AddPoint(300, 50);
    fixture.pSeries->AddPoint(600, 100); // right end: still drawn
    fixture.pSeries->AddPoint(601, 98);  // outside
    const QImage image = fixture.Paint();
    // Two pixels wide, ending at the point's x, 48 pixels down from its y.
    QCOMPARE(ColouredSpan(image, 60, Qt::yellow), qMakePair(309, 310));
    QCOMPARE(ColouredSpan(image, 310, Qt::yellow, Qt::Vertical), qMakePair(49, 98));
    QCOMPARE(ColouredSpan(image, 120, Qt::yellow), qMakePair(609, 610));
    QCOMPARE(InkIn(image, QRect(0, 0, 308, 202)) + InkIn(image, QRect(612, 0, 18, 202)), 0);
}

void TestChartSeries::mouseText()
{
    SFixture<CMouseTextSeries> fixture;
    fixture.option.colorMouseText = Qt::black;
    fixture.pSeries->SetTime(300);
    QCOMPARE(InkIn(fixture.Paint(), QRect(0, 0, 630, 202)), 0);
    // Drawn right of the time's pixel, from y = 10.
    fixture.pSeries->SetText(QStringLiteral("16:42:07"));
    const QImage image = fixture.Paint();
    QVERIFY(InkIn(image, QRect(310, 10, 60, 20)) > 0);
    QCOMPARE(InkIn(image, QRect(0, 0, 630, 202)), InkIn(image, QRect(310, 10, 320, 192)));
    // Outside the range: nothing.
    fixture.pSeries->SetTime(601);
    QCOMPARE(InkIn(fixture.Paint(), QRect(0, 0, 630, 202)), 0);
}

void TestChartSeries::rowAt()
{
    SFixture<CSelectRectSeries> fixture;
    fixture.AddRows(4);
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 49)), -1);
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 50)), 0);
    // A boundary belongs to the row above it.
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 74)), 0);
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 75)), 1);
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 122)), 2);
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 123)), -1);
    // A click outside the rows keeps the selection.
    fixture.pSeries->SelectRowAt(QPoint(0, 100));
    QCOMPARE(fixture.pSeries->GetSelectedRow(), 2);
    fixture.pSeries->SelectRowAt(QPoint(0, 10));
    QCOMPARE(fixture.pSeries->GetSelectedRow(), 2);
    // Scrolled by 24: the pixels move, the rows do not.
    fixture.panel.GetYAxis()->SetRange(24.0, 224.0);
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 30)), 0);
}

void TestChartSeries::marqueeRanges()
{
    CSelectRectSeries series;
    int iRow = 7;
    QList<QPair<double, double>> listRanges{{1.0, 2.0}};
    series.GetRanges(iRow, listRanges);
    QCOMPARE(iRow, -1);
    QVERIFY(listRanges.isEmpty());
    // Each range is stored low to high, in order; the last row given wins for all.
    series.AddRange(1, 500.0, 200.0);
    series.AddRange(1, 600.0, 700.0);
    series.AddRange(2, 900.0, 800.0);
    series.GetRanges(iRow, listRanges);
    QCOMPARE(iRow, 2);
    QCOMPARE(listRanges, (QList<QPair<double, double>>{{200.0, 500.0}, {600.0, 700.0}, {800.0, 900.0}}));
    // Clearing another row keeps them.
    series.ClearRow(1);
    QCOMPARE(series.GetMarqueeRow(), 2);
    series.ClearRow(2);
    series.GetRanges(iRow, listRanges);
    QCOMPARE(iRow, -1);
    QVERIFY(listRanges.isEmpty());
    series.AddRange(0, 1.0, 2.0);
    series.Clear();
    QCOMPARE(series.GetMarqueeRow(), -1);
}

void TestChartSeries::marqueeDrawing()
{
    SFixture<CSelectRectSeries> fixture;
    fixture.AddRows(4);
    fixture.option.colorSelectGridLine = Qt::red;
    fixture.option.colorSelectRect = QColor(0, 0, 255);
    fixture.option.selectRectOpacity = 1.0;
    fixture.pSeries->AddRange(2, 100.0, 200.0);
    fixture.pSeries->AddRange(2, 300.0, 700.0);
    fixture.pSeries->SetSelectedRow(0);
    // Row 0 outlined: (0, 50, view width - 1, 24). Marquee drawing is off by default.
    QImage image = fixture.Paint();
    QCOMPARE(ColouredSpan(image, 50, Qt::red), qMakePair(0, 619));
    QCOMPARE(ColouredSpan(image, 300, Qt::red, Qt::Vertical), qMakePair(50, 74));
    QCOMPARE(InkIn(image, QRect(0, 75, 630, 127)), 0);

    // Ranges clipped to the chart, x2 - x1 pixels wide, 22 high from one
    // below the row's top; opacity applies to them only.
    fixture.option.openSelectRect = true;
    fixture.option.selectRectOpacity = 0.5;
    image = fixture.Paint();
    const QColor colorHalf(128, 128, 255);
    QCOMPARE(ColouredSpan(image, 110, colorHalf), qMakePair(110, 609));
    QCOMPARE(ColouredSpan(image.copy(0, 0, 300, 202), 110, colorHalf), qMakePair(110, 209));
    QCOMPARE(ColouredSpan(image, 150, colorHalf, Qt::Vertical), qMakePair(99, 120));
    QCOMPARE(image.pixelColor(310, 110), colorHalf);
    QCOMPARE(image.pixelColor(300, 50), QColor(Qt::red));
}

void TestChartSeries::topBand()
{
    SFixture<CRectSeries> fixture;
    // An unset colour paints nothing.
    QCOMPARE(InkIn(fixture.Paint(), QRect(0, 0, 630, 202)), 0);
    fixture.option.colorTopBackground = Qt::black;
    fixture.pSeries->SetHeight(50);
    const QImage image = fixture.Paint();
    QCOMPARE(ColouredSpan(image, 49, Qt::black), qMakePair(0, 619));
    QCOMPARE(ColouredSpan(image, 5, Qt::black, Qt::Vertical), qMakePair(0, 49));
}

QTEST_MAIN(TestChartSeries)
#include "tst_chartseries.moc"
