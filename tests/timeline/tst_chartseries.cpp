#include "ChartTestSupport.h"

#include "timeline/BackGroundSeries.h"
#include "timeline/GrooveSeries.h"
#include "timeline/LineSeries.h"
#include "timeline/MouseTextSeries.h"
#include "timeline/RectSeries.h"
#include "timeline/SelectRectSeries.h"

#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

namespace {

const QColor s_colorWhite(Qt::white);

// A chart from x = 10, 600 pixels for 600 units; the vertical axis in pixels
// (upright, unscaled) as the multi-track view sets it.
template <typename TSeries>
struct SFixture
{
    CAxisPanel panel;
    TSeries* pSeries = new TSeries;
    CChartStyleOption option;

    explicit SFixture(double dTop = 0.0)
    {
        panel.AddSeries(pSeries);
        panel.GetYAxis()->SetReversed(false);
        panel.GetYAxis()->SetScaled(false);
        panel.GetYAxis()->SetRange(dTop, dTop + 200.0);
        ChartTest::SetUp(panel, 10, 600, 200, 0.0, 600.0);
    }
    QImage Paint() { return ChartTest::Render(panel, option, QSize(630, 202)); }
};

int InkIn(const QImage& image, const QRect& rect)
{
    int iInk = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            iInk += image.pixelColor(x, y) != s_colorWhite ? 1 : 0;
    }
    return iInk;
}

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
    QCOMPARE(CBackGroundSeries().SeriesType(), 0);
    QCOMPARE(CMouseTextSeries().SeriesType(), 2);
    QCOMPARE(CLineSeries().SeriesType(), 5);
    QCOMPARE(CSelectRectSeries().SeriesType(), 6);
    QCOMPARE(CRectSeries().SeriesType(), 7);
    QCOMPARE(CGrooveSeries().SeriesType(), -1);
}

void TestChartSeries::backgroundAndRowNames()
{
    SFixture<CBackGroundSeries> fixture;
    fixture.option.colorLeftChartBackground = QColor(30, 30, 30);
    fixture.option.colorRightChartBackground = QColor(60, 60, 60);
    fixture.option.colorAxisName = QColor(255, 255, 0);
    fixture.pSeries->AddPoint(0, 50);
    fixture.pSeries->AddPoint(0, 74);
    fixture.pSeries->SetName(0, QStringLiteral("Main Gate Entry"));
    fixture.pSeries->SetName(5, QStringLiteral("No row yet"));
    fixture.pSeries->SetName(-1, QStringLiteral("ignored"));
    QCOMPARE(fixture.pSeries->GetName(5), QStringLiteral("No row yet"));
    QCOMPARE(fixture.pSeries->GetName(-1), QString());
    QImage image = fixture.Paint();
    QCOMPARE(image.pixelColor(12, 10), QColor(30, 30, 30));
    QCOMPARE(image.pixelColor(13, 10), QColor(60, 60, 60));
    QCOMPARE(image.pixelColor(616, 10), QColor(60, 60, 60));
    QCOMPARE(image.pixelColor(617, 10), QColor(30, 30, 30));
    QCOMPARE(image.pixelColor(20, 199), QColor(60, 60, 60));
    QCOMPARE(image.pixelColor(20, 200), QColor(30, 30, 30));
    // The name of row 0 sits in the 24 pixels from y = 50; row 1 has none.
    auto nameInk = [&image](int iTop) {
        int iInk = 0;
        for (int y = iTop; y < iTop + 24; ++y) {
            for (int x = 5; x < 117; ++x)
                iInk += image.pixelColor(x, y).red() > 200 && image.pixelColor(x, y).blue() < 100 ? 1 : 0;
        }
        return iInk;
    };
    QVERIFY(nameInk(50) > 20);
    QCOMPARE(nameInk(74), 0);

    // Scrolling the rows moves the names with them; unset colours paint nothing.
    fixture.pSeries->SetNames({QString(), QStringLiteral("Lobby Entrance")});
    fixture.panel.GetYAxis()->SetRange(24.0, 224.0);
    fixture.option.colorLeftChartBackground = QColor();
    fixture.option.colorRightChartBackground = QColor();
    image = fixture.Paint();
    QCOMPARE(image.pixelColor(300, 10), s_colorWhite);
    QCOMPARE(nameInk(26), 0);
    QVERIFY(nameInk(50) > 20);
}

void TestChartSeries::groove()
{
    SFixture<CGrooveSeries> fixture;
    QPixmap pixGroove(20, 11);
    pixGroove.fill(Qt::darkCyan);
    fixture.option.pixGroove = pixGroove;
    // No point: nothing.
    QImage image = fixture.Paint();
    QCOMPARE(image.pixelColor(300, 30), s_colorWhite);
    fixture.pSeries->AddPoint(0, 26);
    image = fixture.Paint();
    QCOMPARE(fixture.pSeries->GrooveRect(), QRect(10, 26, 601, 11));
    QCOMPARE(ChartTest::ColouredSpan(image, 30, Qt::darkCyan), qMakePair(10, 610));
    QCOMPARE(image.pixelColor(300, 25), s_colorWhite);
    QCOMPARE(image.pixelColor(300, 26), QColor(Qt::darkCyan));
    QCOMPARE(image.pixelColor(300, 36), QColor(Qt::darkCyan));
    QCOMPARE(image.pixelColor(300, 37), s_colorWhite);
    fixture.option.pixGroove = QPixmap();
    image = fixture.Paint();
    QCOMPARE(image.pixelColor(300, 30), s_colorWhite);
}

void TestChartSeries::playMarks()
{
    SFixture<CLineSeries> fixture;
    fixture.option.colorMidLine = Qt::yellow;
    fixture.pSeries->AddPoint(-1, 50);   // parked: no mark
    fixture.pSeries->AddPoint(300, 50);
    fixture.pSeries->AddPoint(600, 74);  // right end: still drawn
    fixture.pSeries->AddPoint(601, 98);  // outside
    const QImage image = fixture.Paint();
    QCOMPARE(image.pixelColor(310, 60), QColor(Qt::yellow));
    QCOMPARE(image.pixelColor(309, 60), QColor(Qt::yellow));
    QCOMPARE(image.pixelColor(311, 60), s_colorWhite);
    QCOMPARE(image.pixelColor(310, 96), QColor(Qt::yellow));
    QCOMPARE(image.pixelColor(310, 100), s_colorWhite);
    QCOMPARE(image.pixelColor(610, 100), QColor(Qt::yellow));
    QCOMPARE(InkIn(image, QRect(0, 0, 9, 202)), 0);
    QCOMPARE(InkIn(image, QRect(612, 0, 18, 202)), 0);
}

void TestChartSeries::mouseText()
{
    SFixture<CMouseTextSeries> fixture;
    fixture.option.colorMouseText = Qt::black;
    fixture.pSeries->SetTime(300);
    QImage image = fixture.Paint();
    QCOMPARE(InkIn(image, image.rect()), 0);
    fixture.pSeries->SetText(QStringLiteral("16:42:07"));
    image = fixture.Paint();
    QVERIFY(InkIn(image, QRect(310, 10, 60, 20)) > 0);
    QCOMPARE(InkIn(image, QRect(0, 0, 309, 202)), 0);
    QCOMPARE(InkIn(image, QRect(310, 0, 60, 9)), 0);

    fixture.pSeries->SetTime(601);
    QCOMPARE(InkIn(fixture.Paint(), QRect(0, 0, 630, 202)), 0);
    fixture.pSeries->SetTime(300);
    fixture.pSeries->Clear();
    QVERIFY(fixture.pSeries->GetText().isEmpty());
    QCOMPARE(InkIn(fixture.Paint(), QRect(0, 0, 630, 202)), 0);
}

void TestChartSeries::rowAt()
{
    SFixture<CSelectRectSeries> fixture;
    for (int k = 0; k <= 3; ++k)
        fixture.pSeries->AddPoint(0, 50 + 24 * k);
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 49)), -1);
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 50)), 0);
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 73)), 0);
    // A boundary belongs to the row above it.
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 74)), 0);
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 75)), 1);
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 122)), 2);
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 123)), -1);

    fixture.pSeries->SelectRowAt(QPoint(0, 100));
    QCOMPARE(fixture.pSeries->GetSelectedRow(), 2);
    fixture.pSeries->SelectRowAt(QPoint(0, 10));
    QCOMPARE(fixture.pSeries->GetSelectedRow(), 2);
    // Scrolled by 24: the pixels move, the rows do not.
    fixture.panel.GetYAxis()->SetRange(24.0, 224.0);
    QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 30)), 0);
    fixture.pSeries->SetSelectedRow(-1);
    QCOMPARE(fixture.pSeries->GetSelectedRow(), -1);
}

void TestChartSeries::marqueeRanges()
{
    CSelectRectSeries series;
    int iRow = 7;
    QList<QPair<double, double>> listRanges{{1.0, 2.0}};
    series.GetRanges(iRow, listRanges);
    QCOMPARE(iRow, -1);
    QVERIFY(listRanges.isEmpty());

    series.AddRange(1, 500.0, 200.0);
    series.AddRange(1, 600.0, 700.0);
    series.AddRange(2, 900.0, 800.0);
    series.GetRanges(iRow, listRanges);
    QCOMPARE(iRow, 2);
    QCOMPARE(listRanges, (QList<QPair<double, double>>{{200.0, 500.0}, {600.0, 700.0}, {800.0, 900.0}}));

    series.ClearRow(1);
    QCOMPARE(series.GetMarqueeRow(), 2);
    series.ClearRow(2);
    series.GetRanges(iRow, listRanges);
    QCOMPARE(iRow, -1);
    QVERIFY(listRanges.isEmpty());

    series.AddRange(0, 1.0, 2.0);
    series.AddPoint(0, 0);
    series.SetSelectedRow(0);
    series.Clear();
    QCOMPARE(series.GetMarqueeRow(), -1);
    QCOMPARE(series.GetPointCount(), 0);
}

void TestChartSeries::marqueeDrawing()
{
    SFixture<CSelectRectSeries> fixture;
    for (int k = 0; k <= 3; ++k)
        fixture.pSeries->AddPoint(0, 50 + 24 * k);
    fixture.option.colorSelectGridLine = Qt::red;
    fixture.option.colorSelectRect = QColor(0, 0, 255);
    fixture.option.selectRectOpacity = 1.0;
    // Row 1 held ranges; adding one to row 2 moves them all to row 2.
    fixture.pSeries->AddRange(1, 100.0, 200.0);
    fixture.pSeries->AddRange(2, 300.0, 700.0);
    fixture.pSeries->AddRange(2, 650.0, 800.0);
    fixture.pSeries->SetSelectedRow(0);

    QImage image = fixture.Paint();
    // Marquee drawing is off by default.
    QCOMPARE(image.pixelColor(150, 110), s_colorWhite);
    // Row 0 outlined: (0, 50, view width - 1, 24).
    QCOMPARE(image.pixelColor(300, 50), QColor(Qt::red));
    QCOMPARE(image.pixelColor(300, 74), QColor(Qt::red));
    QCOMPARE(image.pixelColor(0, 60), QColor(Qt::red));
    QCOMPARE(image.pixelColor(619, 60), QColor(Qt::red));
    QCOMPARE(image.pixelColor(300, 60), s_colorWhite);

    fixture.option.openSelectRect = true;
    image = fixture.Paint();
    // [100, 200] and [300, 700] clipped to the chart; x2 - x1 pixels wide.
    QCOMPARE(ChartTest::ColouredSpan(image, 110, QColor(0, 0, 255)), qMakePair(110, 609));
    QCOMPARE(image.pixelColor(209, 110), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(210, 110), s_colorWhite);
    QCOMPARE(image.pixelColor(309, 110), s_colorWhite);
    QCOMPARE(image.pixelColor(310, 110), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(150, 98), s_colorWhite);
    QCOMPARE(image.pixelColor(150, 99), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(150, 120), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(150, 121), s_colorWhite);
    QCOMPARE(image.pixelColor(150, 86), s_colorWhite);

    // Opacity applies to the marquee only.
    fixture.option.selectRectOpacity = 0.5;
    image = fixture.Paint();
    QCOMPARE(image.pixelColor(150, 110), QColor(128, 128, 255));
    QCOMPARE(image.pixelColor(300, 50), QColor(Qt::red));
}

void TestChartSeries::topBand()
{
    SFixture<CRectSeries> fixture;
    QCOMPARE(fixture.pSeries->GetHeight(), 28);
    QImage image = fixture.Paint();
    QCOMPARE(image.pixelColor(5, 5), s_colorWhite);
    fixture.option.colorTopBackground = Qt::black;
    fixture.pSeries->SetHeight(50);
    fixture.pSeries->SetBrush(Qt::green);
    image = fixture.Paint();
    QCOMPARE(ChartTest::ColouredSpan(image, 49, Qt::black), qMakePair(0, 619));
    QCOMPARE(image.pixelColor(5, 50), s_colorWhite);
    QCOMPARE(fixture.pSeries->GetBrush().color(), QColor(Qt::green));
}

QTEST_MAIN(TestChartSeries)
#include "tst_chartseries.moc"
