#include "ChartTestSupport.h"

#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

namespace {

// Records what the panel asks of it.
class CProbeSeries : public CChartSeries
{
public:
    explicit CProbeSeries(int iType = -1, int* pDeleted = nullptr)
        : m_iType(iType), m_pDeleted(pDeleted) {}
    ~CProbeSeries() override
    {
        if (m_pDeleted)
            ++*m_pDeleted;
    }
    void Calculate() override { ++m_iCalculated; }
    void Paint(QPainter* pPainter, const CChartStyleOption&) override
    {
        ++m_iPainted;
        m_penSeen = pPainter->pen();
        // Leaves a changed painter behind; the panel must restore it.
        pPainter->setPen(QPen(Qt::red, 9));
    }
    int SeriesType() const override { return m_iType; }

    int m_iType;
    int* m_pDeleted;
    int m_iCalculated = 0;
    int m_iPainted = 0;
    QPen m_penSeen;
};

} // namespace

class TestChartAxis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueToPixel_data();
    void valueToPixel();
    void pixelToValueInvertsMapping_data();
    void pixelToValueInvertsMapping();
    void rangeTakesEffectOnPixelUpdate();
    void degenerateRanges();
    void seriesManagement();
    void removingAndClearingDeletes();
    void drawRecalculatesOnlyOnScaleChangeOrDirty();
    void drawRestoresPainterPerSeries();
    void seriesPointAccess();
};

void TestChartAxis::valueToPixel_data()
{
    QTest::addColumn<bool>("bHorizontal");
    QTest::addColumn<bool>("bReversed");
    QTest::addColumn<bool>("bScaled");
    QTest::addColumn<QRect>("rectChart");
    QTest::addColumn<double>("dMin");
    QTest::addColumn<double>("dMax");
    QTest::addColumn<double>("dValue");
    QTest::addColumn<int>("iPixel");

    const QRect rect(10, 5, 200, 100);
    QTest::newRow("left end") << true << false << true << rect << 0.0 << 100.0 << 0.0 << 10;
    QTest::newRow("middle") << true << false << true << rect << 0.0 << 100.0 << 50.0 << 110;
    QTest::newRow("right end") << true << false << true << rect << 0.0 << 100.0 << 100.0 << 210;
    QTest::newRow("outside left") << true << false << true << rect << 0.0 << 100.0 << -10.0 << -10;
    QTest::newRow("offset range") << true << false << true << rect << 1000.0 << 1400.0 << 1100.0 << 60;
    // 200 pixels over 80 units: 2.5 px per unit, halves round up.
    QTest::newRow("half rounds up") << true << false << true << rect << 0.0 << 80.0 << 1.0 << 13;
    QTest::newRow("negative half rounds up") << true << false << true << rect << 0.0 << 80.0 << -0.2 << 10;
    QTest::newRow("negative one and a half") << true << false << true << rect << 0.0 << 80.0 << -0.6 << 9;
    // The reversed vertical axis counts from the top of its range, from pixel 0.
    QTest::newRow("reversed top") << false << true << true << rect << 0.0 << 10.0 << 10.0 << 0;
    QTest::newRow("reversed value") << false << true << true << rect << 0.0 << 10.0 << 3.0 << 70;
    QTest::newRow("reversed bottom") << false << true << true << rect << 0.0 << 10.0 << 0.0 << 100;
    // Not scaled: one pixel per unit, starting at the chart's top.
    QTest::newRow("unscaled vertical") << false << false << false << rect << 30.0 << 40.0 << 74.0 << 49;
    QTest::newRow("unscaled horizontal") << true << false << false << rect << 0.0 << 1000.0 << 25.0 << 35;
}

void TestChartAxis::valueToPixel()
{
    QFETCH(bool, bHorizontal);
    QFETCH(bool, bReversed);
    QFETCH(bool, bScaled);
    QFETCH(QRect, rectChart);
    QFETCH(double, dMin);
    QFETCH(double, dMax);
    QFETCH(double, dValue);
    QFETCH(int, iPixel);

    CAxisPanel panel;
    panel.SetChartRect(rectChart.x(), rectChart.y(), rectChart.width(), rectChart.height());
    CChartAxis axis(&panel, bHorizontal, bReversed);
    axis.SetScaled(bScaled);
    axis.SetRange(dMin, dMax);
    axis.UpdatePixelRange();
    QCOMPARE(axis.ValueToPixel(dValue), iPixel);
}

void TestChartAxis::pixelToValueInvertsMapping_data()
{
    QTest::addColumn<bool>("bHorizontal");
    QTest::addColumn<bool>("bReversed");
    QTest::newRow("horizontal") << true << false;
    QTest::newRow("vertical reversed") << false << true;
    QTest::newRow("vertical upright") << false << false;
}

void TestChartAxis::pixelToValueInvertsMapping()
{
    QFETCH(bool, bHorizontal);
    QFETCH(bool, bReversed);
    CAxisPanel panel;
    panel.SetChartRect(0, 0, 400, 400);
    CChartAxis axis(&panel, bHorizontal, bReversed);
    axis.SetRange(-200.0, 600.0);
    axis.UpdatePixelRange();
    for (int iPixel : {0, 1, 57, 200, 399, 400}) {
        const double dValue = axis.PixelToValue(iPixel);
        QCOMPARE(axis.ValueToPixel(dValue), iPixel);
    }
    QCOMPARE(axis.PixelToValue(100), bReversed ? 400.0 : 0.0);
}

void TestChartAxis::rangeTakesEffectOnPixelUpdate()
{
    CAxisPanel panel;
    panel.SetChartRect(0, 0, 100, 20);
    CChartAxis axis(&panel, true, false);
    axis.SetRange(0.0, 50.0);
    axis.UpdatePixelRange();
    QCOMPARE(axis.GetScale(), 2.0);
    axis.SetRange(0.0, 200.0);
    QCOMPARE(axis.GetScale(), 2.0);
    QCOMPARE(axis.ValueToPixel(10.0), 20);
    axis.UpdatePixelRange();
    QCOMPARE(axis.GetScale(), 0.5);
    QCOMPARE(axis.GetSpan(), 200.0);
    QCOMPARE(axis.GetPixelStart(), 0);
    QCOMPARE(axis.GetPixelEnd(), 100);
    QCOMPARE(axis.GetPixelLength(), 100);
}

void TestChartAxis::degenerateRanges()
{
    CAxisPanel panel;
    panel.SetChartRect(15, 0, 300, 20);
    CChartAxis axis(&panel, true, false);
    // Zero width: every value maps to the chart's left edge.
    axis.SetRange(500.0, 500.0);
    axis.UpdatePixelRange();
    QCOMPARE(axis.GetScale(), 0.0);
    QCOMPARE(axis.ValueToPixel(-1.0e12), 15);
    QCOMPARE(axis.ValueToPixel(1.0e12), 15);
    // Values far outside stay far outside, without overflowing.
    axis.SetRange(0.0, 1.0);
    axis.UpdatePixelRange();
    QVERIFY(axis.ValueToPixel(1.0e300) > 1000000);
    QVERIFY(axis.ValueToPixel(-1.0e300) < -1000000);
    QCOMPARE(axis.ValueToPixel(std::nan("")), 15);
    // A chart without width maps pixels back to the start of the range.
    panel.SetChartRect(15, 0, 0, 0);
    axis.UpdatePixelRange();
    QCOMPARE(axis.PixelToValue(40), 0.0);
    // An axis without an owner has no pixels at all.
    CChartAxis orphan(nullptr, true, false);
    orphan.UpdatePixelRange();
    QCOMPARE(orphan.ValueToPixel(50.0), 0);
}

void TestChartAxis::seriesManagement()
{
    CAxisPanel panel;
    QTest::ignoreMessage(QtWarningMsg, "CAxisPanel::AddSeries: pSeries == NULL");
    panel.AddSeries(nullptr);
    QCOMPARE(panel.GetSeriesCount(), 0);

    auto* pFirstLine = new CProbeSeries(5);
    auto* pAxis = new CProbeSeries(1);
    auto* pSecondLine = new CProbeSeries(5);
    panel.AddSeries(pFirstLine);
    panel.AddSeries(pAxis);
    panel.AddSeries(pSecondLine);
    QTest::ignoreMessage(QtWarningMsg, "CAxisPanel::AddSeries: pSeries->GetPanel() != NULL");
    panel.AddSeries(pAxis);

    QCOMPARE(panel.GetSeriesCount(), 3);
    QCOMPARE(pAxis->GetPanel(), &panel);
    QCOMPARE(pAxis->GetXAxis(), panel.GetXAxis());
    QCOMPARE(pAxis->GetYAxis(), panel.GetYAxis());
    QVERIFY(panel.GetXAxis()->IsHorizontal() && !panel.GetXAxis()->IsReversed());
    QVERIFY(!panel.GetYAxis()->IsHorizontal() && panel.GetYAxis()->IsReversed());

    QCOMPARE(panel.GetSeries(1), pAxis);
    QCOMPARE(panel.GetSeries(-1), nullptr);
    QCOMPARE(panel.GetSeries(3), nullptr);
    QCOMPARE(panel.FindSeries(5), pFirstLine);
    QCOMPARE(panel.FindSeries(8), nullptr);

    QList<CChartSeries*> listFound{pAxis};
    panel.FindAllSeries(5, listFound);
    QCOMPARE(listFound, (QList<CChartSeries*>{pAxis, pFirstLine, pSecondLine}));
}

void TestChartAxis::removingAndClearingDeletes()
{
    int iDeleted = 0;
    {
        CAxisPanel panel;
        for (int i = 0; i < 4; ++i)
            panel.AddSeries(new CProbeSeries(i, &iDeleted));
        panel.RemoveSeries(-1);
        panel.RemoveSeries(4);
        QCOMPARE(iDeleted, 0);
        panel.RemoveSeries(1);
        QCOMPARE(iDeleted, 1);
        QCOMPARE(panel.GetSeriesCount(), 3);
        QCOMPARE(panel.GetSeries(1)->SeriesType(), 2);
        panel.ClearSeries();
        QCOMPARE(iDeleted, 4);
        QCOMPARE(panel.GetSeriesCount(), 0);
        panel.AddSeries(new CProbeSeries(0, &iDeleted));
    }
    QCOMPARE(iDeleted, 5);
}

void TestChartAxis::drawRecalculatesOnlyOnScaleChangeOrDirty()
{
    CAxisPanel panel;
    auto* pFirst = new CProbeSeries;
    auto* pSecond = new CProbeSeries;
    panel.AddSeries(pFirst);
    panel.AddSeries(pSecond);
    panel.SetChartRect(9, 0, 400, 60);
    panel.GetXAxis()->SetRange(0.0, 86400.0);
    CChartStyleOption option;
    QImage image(420, 62, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);

    // Newly added series are dirty.
    panel.Draw(&painter, option);
    QCOMPARE(pFirst->m_iCalculated, 1);
    QCOMPARE(pSecond->m_iCalculated, 1);
    QVERIFY(!pFirst->IsDirty());

    // Same scale, shifted range: a pure scroll recalculates nothing.
    panel.GetXAxis()->SetRange(3600.0, 90000.0);
    panel.Draw(&painter, option);
    QCOMPARE(pFirst->m_iCalculated, 1);
    QCOMPARE(pFirst->m_iPainted, 2);

    // A dirty series alone is recalculated.
    pSecond->SetDirty(true);
    panel.Draw(&painter, option);
    QCOMPARE(pFirst->m_iCalculated, 1);
    QCOMPARE(pSecond->m_iCalculated, 2);

    // A new span, a new chart width or a new vertical scale recalculates all.
    panel.GetXAxis()->SetRange(3600.0, 46800.0);
    panel.Draw(&painter, option);
    QCOMPARE(pFirst->m_iCalculated, 2);
    panel.SetChartRect(9, 0, 300, 60);
    panel.Draw(&painter, option);
    QCOMPARE(pFirst->m_iCalculated, 3);
    panel.GetYAxis()->SetRange(0.0, 50.0);
    panel.Draw(&painter, option);
    QCOMPARE(pFirst->m_iCalculated, 4);
    QCOMPARE(pSecond->m_iCalculated, 5);

    QTest::ignoreMessage(QtWarningMsg, "CAxisPanel::Draw: pPainter == NULL");
    panel.Draw(nullptr, option);
}

void TestChartAxis::drawRestoresPainterPerSeries()
{
    CAxisPanel panel;
    auto* pFirst = new CProbeSeries;
    auto* pSecond = new CProbeSeries;
    panel.AddSeries(pFirst);
    panel.AddSeries(pSecond);
    QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::blue, 3));
    panel.Draw(&painter, CChartStyleOption());
    QCOMPARE(pSecond->m_penSeen.color(), QColor(Qt::blue));
    QCOMPARE(painter.pen().width(), 3);
}

void TestChartAxis::seriesPointAccess()
{
    CProbeSeries series;
    QCOMPARE(series.ValueToX(10.0), 0);
    series.AddPoint(10.0, 1.0);
    series.AddPoint(20.0, 2.0);
    QCOMPARE(series.GetXPixel(0), 0);

    series.SetXValue(5, 99.0);
    series.SetXValue(-1, 99.0);
    series.SetPoint(2, 99.0, 99.0);
    series.SetPoint(1, 30.0, 3.0);
    series.SetXValue(0, 15.0);
    QCOMPARE(series.GetPointCount(), 2);
    QCOMPARE(series.GetXValue(0), 15.0);
    QCOMPARE(series.GetYValue(0), 1.0);
    QCOMPARE(series.GetXValue(1), 30.0);
    QCOMPARE(series.GetYValue(1), 3.0);
    QCOMPARE(series.GetXValue(7), 0.0);

    CAxisPanel panel;
    auto* pSeries = new CProbeSeries;
    panel.AddSeries(pSeries);
    ChartTest::SetUp(panel, 10, 100, 100, 0.0, 50.0);
    panel.GetYAxis()->SetRange(0.0, 10.0);
    panel.GetYAxis()->UpdatePixelRange();
    pSeries->AddPoint(25.0, 4.0);
    QCOMPARE(pSeries->GetXPixel(0), 60);
    QCOMPARE(pSeries->GetYPixel(0), 60);
    QCOMPARE(pSeries->GetXPixel(1), 0);
    QCOMPARE(pSeries->GetYPixel(-1), 0);
    pSeries->SetDirty(false);
    pSeries->Clear();
    QCOMPARE(pSeries->GetPointCount(), 0);
    QVERIFY(pSeries->IsDirty());
    QCOMPARE(pSeries->SeriesType(), -1);
    QCOMPARE(pSeries->GetInterval(), -1);
    QVERIFY(!pSeries->IsSimple());
}

QTEST_MAIN(TestChartAxis)
#include "tst_chartaxis.moc"
