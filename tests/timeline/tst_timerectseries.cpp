#include "ChartTestSupport.h"

#include "timeline/TimeRectSeries.h"

#include <QtCore/QRandomGenerator>
#include <QtTest/QtTest>

#include <climits>

using namespace OrvaGUIToolkit;

namespace {

const QColor s_colorRed(Qt::red);
const QColor s_colorBlue(Qt::blue);
const QColor s_colorGreen(Qt::green);
const QColor s_colorWhite(Qt::white);

// A chart from x = 10, 600 pixels wide, with the horizontal range [dMin, dMax].
struct SFixture
{
    CAxisPanel panel;
    CTimeRectSeries* pSeries = new CTimeRectSeries;

    explicit SFixture(double dMin = 0.0, double dMax = 600.0)
    {
        panel.AddSeries(pSeries);
        ChartTest::SetUp(panel, 10, 600, 60, dMin, dMax);
    }
    void Add(int iBegin, int iEnd, const QColor& color, int iType = 0, int iTop = 29, int iBottom = 36)
    {
        pSeries->AddRect(QPoint(iBegin, iTop), QPoint(iEnd, iBottom), color, iType);
    }
    void SetRange(double dMin, double dMax) { panel.GetXAxis()->SetRange(dMin, dMax); }
    QImage Paint() { return ChartTest::Render(panel, CChartStyleOption(), QSize(630, 62)); }
};

using SegmentList = QVector<QVector<int>>; // {type, begin, end}

// What the series must draw, computed segment by segment without shortcuts:
// the first visible segment of each group exactly, the others from their
// cached pixels moved by the first one's shift.
QImage ReferencePaint(CTimeRectSeries& series, const CChartAxis& axis, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    const double dMin = axis.GetMin();
    const double dMax = axis.GetMax();
    const int iPixelMin = axis.ValueToPixel(dMin);
    const int iPixelMax = axis.ValueToPixel(dMax);
    const QList<int> listFilter = series.GetTypeFilter();
    for (int iType : series.GetTypes()) {
        if (!listFilter.contains(-1) && !listFilter.contains(iType))
            continue;
        bool bFirst = true;
        int iShift = 0;
        int iTop = 0;
        for (const STimeRect& rect : series.GetRects(iType)) {
            const int iBegin = rect.begin.x();
            const int iEnd = rect.end.x();
            const int iHeight = rect.end.y() - rect.begin.y();
            if (bFirst) {
                const bool bVisible = (iBegin >= dMin && iBegin <= dMax) || (iEnd >= dMin && iEnd <= dMax)
                                   || (iBegin <= dMin && iEnd >= dMax);
                if (!bVisible)
                    continue;
                iTop = rect.begin.y();
                const int iX1 = axis.ValueToPixel(qMax<double>(iBegin, dMin));
                const int iX2 = axis.ValueToPixel(qMin<double>(iEnd, dMax));
                painter.fillRect(QRect(iX1, iTop, iX2 - iX1 + 1, iHeight), rect.brush);
                iShift = axis.ValueToPixel(iBegin) - rect.pixelX;
                bFirst = false;
                continue;
            }
            const int iX = rect.pixelX + iShift;
            const int iX2 = iX + rect.pixelWidth - 1;
            if (iX > iPixelMax || iX2 < iPixelMin)
                continue;
            const int iLeft = qMax(iX, iPixelMin);
            const int iRight = qMin(iX2, iPixelMax);
            painter.fillRect(QRect(iLeft, iTop, iRight - iLeft + 1, iHeight), rect.brush);
        }
    }
    return image;
}

} // namespace

class TestTimeRectSeries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstVisibleSegmentIsExact();
    void laterSegmentsMoveWithTheFirst();
    void calculateCachesPixels();
    void typeFilter_data();
    void typeFilter();
    void hitTest();
    void hitTestWithMappedRows();
    void validRange_data();
    void validRange();
    void groupsAndClearing();
    void sameDrawingAsSegmentBySegment_data();
    void sameDrawingAsSegmentBySegment();
    void badInput();
};

void TestTimeRectSeries::firstVisibleSegmentIsExact()
{
    SFixture fixture;
    fixture.Add(-200, -100, s_colorGreen);
    fixture.Add(-90, -10, s_colorGreen);
    fixture.Add(-50, 30, s_colorRed);   // straddles the left end: clipped to it
    fixture.Add(100, 150, s_colorBlue);
    fixture.Add(580, 700, s_colorBlue); // straddles the right end
    const QImage image = fixture.Paint();
    QCOMPARE(ChartTest::ColouredSpan(image, 32, s_colorRed), qMakePair(10, 40));
    QCOMPARE(ChartTest::ColouredSpan(image, 32, s_colorGreen), qMakePair(-1, -1));
    QCOMPARE(image.pixelColor(109, 32), s_colorWhite);
    QCOMPARE(image.pixelColor(110, 32), s_colorBlue);
    QCOMPARE(image.pixelColor(160, 32), s_colorBlue);
    QCOMPARE(image.pixelColor(161, 32), s_colorWhite);
    QCOMPARE(image.pixelColor(589, 32), s_colorWhite);
    QCOMPARE(image.pixelColor(590, 32), s_colorBlue);
    QCOMPARE(image.pixelColor(610, 32), s_colorBlue);
    QCOMPARE(image.pixelColor(611, 32), s_colorWhite);
    // Band from y = 29, end.y - begin.y = 7 rows high.
    QCOMPARE(image.pixelColor(20, 28), s_colorWhite);
    QCOMPARE(image.pixelColor(20, 29), s_colorRed);
    QCOMPARE(image.pixelColor(20, 35), s_colorRed);
    QCOMPARE(image.pixelColor(20, 36), s_colorWhite);
    QCOMPARE(fixture.pSeries->GetBandTop(), 29);
    QCOMPARE(fixture.pSeries->GetBandBottom(), 36);
}

void TestTimeRectSeries::laterSegmentsMoveWithTheFirst()
{
    // 600 pixels over 400 units: 1.5 pixels per unit.
    SFixture fixture(0.0, 400.0);
    fixture.Add(10, 10, s_colorRed);
    fixture.Add(11, 11, s_colorBlue);
    fixture.Add(40, 60, s_colorBlue, 0, 29, 31); // a lower band keeps the group's top
    fixture.Paint();
    const int iCachedX = fixture.pSeries->GetRects(0).at(1).pixelX;
    QCOMPARE(iCachedX, 10 + 17); // qRound(16.5)

    // A quarter unit to the right, same span: no recalculation. The first
    // segment lands exactly (qRound(14.625) = 15, no shift); the second keeps
    // its cached pixel, one right of its exact one (qRound(16.125) = 16).
    fixture.SetRange(0.25, 400.25);
    const QImage image = fixture.Paint();
    QCOMPARE(fixture.pSeries->GetRects(0).at(1).pixelX, iCachedX);
    QCOMPARE(ChartTest::ColouredSpan(image, 32, s_colorRed), qMakePair(25, 25));
    QCOMPARE(image.pixelColor(26, 32), s_colorWhite);
    QCOMPARE(image.pixelColor(27, 32), s_colorBlue);
    QCOMPARE(image.pixelColor(28, 32), s_colorWhite);
    QCOMPARE(image.pixelColor(80, 29), s_colorBlue);
    QCOMPARE(image.pixelColor(80, 30), s_colorBlue);
    QCOMPARE(image.pixelColor(80, 31), s_colorWhite);

    // A new scale recalculates: every segment is exact again.
    fixture.SetRange(0.25, 200.25);
    fixture.Paint();
    QCOMPARE(fixture.pSeries->GetRects(0).at(1).pixelX, 10 + qRound(10.75 * 3));
}

void TestTimeRectSeries::calculateCachesPixels()
{
    SFixture fixture(0.0, 400.0);
    fixture.Add(100, 200, s_colorRed, 3);
    fixture.Add(-20, -20, s_colorRed, 3);
    QVERIFY(fixture.pSeries->IsDirty());
    fixture.Paint();
    QVERIFY(!fixture.pSeries->IsDirty());
    const QVector<STimeRect> vecRects = fixture.pSeries->GetRects(3);
    QCOMPARE(vecRects.at(0).pixelX, 160);
    QCOMPARE(vecRects.at(0).pixelWidth, 151);
    QCOMPARE(vecRects.at(0).type, 3);
    QCOMPARE(vecRects.at(1).pixelX, -20);
    QCOMPARE(vecRects.at(1).pixelWidth, 1);
}

void TestTimeRectSeries::typeFilter_data()
{
    QTest::addColumn<QList<int>>("listFilter");
    QTest::addColumn<QList<int>>("listDrawn");
    QTest::newRow("default draws all") << QList<int>{-1} << QList<int>{1, 2, 5};
    QTest::newRow("two types") << QList<int>{2, 5} << QList<int>{2, 5};
    QTest::newRow("-1 among others") << QList<int>{7, -1} << QList<int>{1, 2, 5};
    QTest::newRow("unknown type") << QList<int>{9} << QList<int>{};
    QTest::newRow("empty") << QList<int>{} << QList<int>{};
}

void TestTimeRectSeries::typeFilter()
{
    QFETCH(QList<int>, listFilter);
    QFETCH(QList<int>, listDrawn);
    SFixture fixture;
    const QMap<int, int> mapX{{1, 100}, {2, 200}, {5, 300}};
    for (auto it = mapX.cbegin(); it != mapX.cend(); ++it)
        fixture.Add(it.value(), it.value() + 20, s_colorRed, it.key());
    if (listFilter != QList<int>{-1})
        fixture.pSeries->SetTypeFilter(listFilter);
    QCOMPARE(fixture.pSeries->GetTypeFilter(), listFilter);
    const QImage image = fixture.Paint();
    for (auto it = mapX.cbegin(); it != mapX.cend(); ++it)
        QCOMPARE(image.pixelColor(it.value() + 20, 32) == s_colorRed, listDrawn.contains(it.key()));
    QCOMPARE(fixture.pSeries->HitTest(QPoint(0, 32)), !listDrawn.isEmpty());
}

void TestTimeRectSeries::hitTest()
{
    SFixture fixture;
    fixture.Add(100, 200, s_colorRed);
    // Nothing painted yet.
    QVERIFY(!fixture.pSeries->HitTest(QPoint(150, 30)));
    QVERIFY(!fixture.pSeries->HitTest(QPoint(150, -1)));
    fixture.Paint();
    QVERIFY(!fixture.pSeries->HitTest(QPoint(150, 28)));
    QVERIFY(fixture.pSeries->HitTest(QPoint(150, 29)));
    QVERIFY(fixture.pSeries->HitTest(QPoint(150, 36)));
    QVERIFY(!fixture.pSeries->HitTest(QPoint(150, 37)));
    // The band is a row: any x inside it hits.
    QVERIFY(fixture.pSeries->HitTest(QPoint(5000, 30)));

    // A paint that shows no segment forgets the band.
    fixture.SetRange(1000.0, 1600.0);
    fixture.Paint();
    QVERIFY(!fixture.pSeries->HitTest(QPoint(150, 30)));
    QCOMPARE(fixture.pSeries->GetBandTop(), -1);
}

void TestTimeRectSeries::hitTestWithMappedRows()
{
    // Rows in pixels of an unscaled, upright vertical axis scrolled by 24.
    SFixture fixture;
    fixture.panel.GetYAxis()->SetReversed(false);
    fixture.panel.GetYAxis()->SetScaled(false);
    fixture.panel.GetYAxis()->SetRange(24.0, 84.0);
    fixture.pSeries->SetMapY(true);
    fixture.Add(100, 200, s_colorRed, 0, 60, 84);
    const QImage image = fixture.Paint();
    QCOMPARE(fixture.pSeries->GetBandTop(), 36);
    QCOMPARE(fixture.pSeries->GetBandBottom(), 60);
    // Drawn from the mapped top, as high as the values say.
    QCOMPARE(image.pixelColor(150, 35), s_colorWhite);
    QCOMPARE(image.pixelColor(150, 36), s_colorRed);
    QCOMPARE(image.pixelColor(150, 59), s_colorRed);
    QCOMPARE(image.pixelColor(150, 60), s_colorWhite);
    // The point's y goes through the vertical axis too.
    QVERIFY(!fixture.pSeries->HitTest(QPoint(0, 59)));
    QVERIFY(fixture.pSeries->HitTest(QPoint(0, 60)));
    QVERIFY(fixture.pSeries->HitTest(QPoint(0, 84)));
    QVERIFY(!fixture.pSeries->HitTest(QPoint(0, 85)));
}

void TestTimeRectSeries::validRange_data()
{
    QTest::addColumn<SegmentList>("segments");
    QTest::addColumn<qint64>("iTime1");
    QTest::addColumn<qint64>("iTime2");
    QTest::addColumn<bool>("bValid");
    QTest::addColumn<qint64>("iStart");
    QTest::addColumn<qint64>("iEnd");

    const SegmentList two{{1, 100, 200}, {1, 400, 500}, {2, 250, 300}, {2, 700, 800}};
    QTest::newRow("both ends covered") << two << qint64(150) << qint64(450) << true << qint64(150) << qint64(450);
    QTest::newRow("starts in a gap") << two << qint64(210) << qint64(480) << true << qint64(250) << qint64(480);
    QTest::newRow("both ends in gaps") << two << qint64(210) << qint64(650) << true << qint64(250) << qint64(500);
    QTest::newRow("around everything") << two << qint64(0) << qint64(1000) << true << qint64(100) << qint64(800);
    QTest::newRow("inside one gap") << two << qint64(310) << qint64(390) << false << qint64(-7) << qint64(-7);
    QTest::newRow("before everything") << two << qint64(0) << qint64(99) << false << qint64(-7) << qint64(-7);
    QTest::newRow("touches an end") << two << qint64(300) << qint64(350) << true << qint64(300) << qint64(300);
    QTest::newRow("single instant") << two << qint64(120) << qint64(120) << true << qint64(120) << qint64(120);
    QTest::newRow("empty series") << SegmentList{} << qint64(0) << qint64(1000) << false << qint64(-7) << qint64(-7);
    // A group with nothing after the start must not pull the start back to it.
    QTest::newRow("group without later segment")
        << SegmentList{{1, 100, 200}, {2, 250, 300}} << qint64(210) << qint64(650) << true << qint64(250) << qint64(300);
    QTest::newRow("group without earlier segment")
        << SegmentList{{1, 600, 700}, {2, 250, 300}} << qint64(210) << qint64(450) << true << qint64(250) << qint64(300);
    // Groups filled out of order still give the earliest begin and latest end.
    QTest::newRow("out of order")
        << SegmentList{{1, 400, 420}, {1, 300, 320}, {1, 600, 610}, {1, 500, 510}} << qint64(250) << qint64(550)
        << true << qint64(300) << qint64(510);
}

void TestTimeRectSeries::validRange()
{
    QFETCH(SegmentList, segments);
    QFETCH(qint64, iTime1);
    QFETCH(qint64, iTime2);
    QFETCH(bool, bValid);
    QFETCH(qint64, iStart);
    QFETCH(qint64, iEnd);
    SFixture fixture;
    for (const QVector<int>& segment : segments)
        fixture.Add(segment.at(1), segment.at(2), s_colorRed, segment.at(0));
    QCOMPARE(fixture.pSeries->HasTimeIn(iTime1, iTime2), bValid);
    qint64 iGotStart = -7;
    qint64 iGotEnd = -7;
    QCOMPARE(fixture.pSeries->GetValidRange(iTime1, iTime2, iGotStart, iGotEnd), bValid);
    if (bValid) {
        QCOMPARE(iGotStart, iStart);
        QCOMPARE(iGotEnd, iEnd);
    }
}

void TestTimeRectSeries::groupsAndClearing()
{
    SFixture fixture;
    QVERIFY(!fixture.pSeries->HasRects());
    fixture.Paint();
    fixture.pSeries->ClearType(4);
    QVERIFY(!fixture.pSeries->IsDirty());
    QVERIFY(!fixture.pSeries->HasRects());

    fixture.Add(100, 110, s_colorRed, 4);
    fixture.Add(200, 210, s_colorBlue, 6);
    QCOMPARE(fixture.pSeries->GetTypes(), (QList<int>{4, 6}));
    fixture.Paint();
    fixture.pSeries->ClearType(4);
    QVERIFY(fixture.pSeries->IsDirty());
    // The emptied group still exists.
    QVERIFY(fixture.pSeries->HasRects());
    QCOMPARE(fixture.pSeries->GetRectCount(), 1);
    QImage image = fixture.Paint();
    QCOMPARE(image.pixelColor(115, 32), s_colorWhite);
    QCOMPARE(image.pixelColor(215, 32), s_colorBlue);

    fixture.pSeries->Clear();
    QVERIFY(fixture.pSeries->IsDirty());
    QVERIFY(!fixture.pSeries->HasRects());
    image = fixture.Paint();
    QCOMPARE(image.pixelColor(215, 32), s_colorWhite);
    QCOMPARE(fixture.pSeries->SeriesType(), 3);
}

void TestTimeRectSeries::sameDrawingAsSegmentBySegment_data()
{
    QTest::addColumn<bool>("bOrdered");
    QTest::addColumn<int>("iCount");
    QTest::newRow("chronological") << true << 3000;
    QTest::newRow("shuffled") << false << 3000;
    QTest::newRow("chronological, sparse") << true << 40;
}

void TestTimeRectSeries::sameDrawingAsSegmentBySegment()
{
    QFETCH(bool, bOrdered);
    QFETCH(int, iCount);
    QRandomGenerator generator(4242 + iCount + (bOrdered ? 1 : 0));
    const int iWeek = 7 * 86400;
    SFixture fixture;
    const QColor colors[] = {s_colorRed, s_colorBlue, s_colorGreen};
    QVector<QVector<int>> vecSegments;
    int iTime = 0;
    for (int i = 0; i < iCount; ++i) {
        iTime += generator.bounded(iWeek / iCount * 2);
        const int iLength = generator.bounded(1, iWeek / iCount * 3);
        // Overlapping and nested segments included.
        vecSegments.append({int(generator.bounded(3)), iTime, iTime + iLength});
    }
    if (!bOrdered)
        std::shuffle(vecSegments.begin(), vecSegments.end(), generator);
    for (const QVector<int>& segment : vecSegments)
        fixture.Add(segment.at(1), segment.at(2), colors[segment.at(0)], segment.at(0), 20 + 5 * segment.at(0),
                    25 + 5 * segment.at(0));

    const QSize size(630, 62);
    double dMin = 86400.0;
    double dSpan = 86400.0;
    for (int iStep = 0; iStep < 24; ++iStep) {
        if (iStep % 6 == 0)
            dSpan = 3600.0 * generator.bounded(1, 30) + generator.bounded(7) * 0.25;
        else
            dMin += (generator.bounded(2001) - 1000) * 7.25; // a pure scroll
        fixture.SetRange(dMin, dMin + dSpan);
        const QImage image = fixture.Paint();
        QCOMPARE(image, ReferencePaint(*fixture.pSeries, *fixture.panel.GetXAxis(), size));
    }
}

void TestTimeRectSeries::badInput()
{
    SFixture fixture;
    // An empty series paints nothing.
    QImage image = fixture.Paint();
    QCOMPARE(ChartTest::ColouredSpan(image, 32, s_colorRed), qMakePair(-1, -1));

    // Extreme coordinates and reversed segments.
    fixture.Add(INT_MIN, INT_MAX, s_colorRed, 0, INT_MIN, INT_MAX);
    fixture.Add(INT_MAX - 1, INT_MAX, s_colorRed);
    fixture.Add(500, 100, s_colorBlue, 1);
    fixture.Add(550, 560, s_colorBlue, 1);
    image = fixture.Paint();
    fixture.SetRange(-1.0e300, 1.0e300);
    fixture.Paint();
    fixture.SetRange(1.0e9, 1.0e9);
    image = fixture.Paint();
    // Zero width: everything sits on the chart's left edge.
    QCOMPARE(image.pixelColor(11, 32), s_colorWhite);

    // A series outside any panel draws nothing and hits nothing.
    CTimeRectSeries orphan;
    orphan.AddRect(QPoint(0, 0), QPoint(10, 10), Qt::red, 0);
    orphan.Calculate();
    QImage blank(20, 20, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::white);
    QPainter painter(&blank);
    orphan.Paint(&painter, CChartStyleOption());
    painter.end();
    QCOMPARE(blank.pixelColor(5, 5), s_colorWhite);
    QVERIFY(!orphan.HitTest(QPoint(5, 5)));
}

QTEST_MAIN(TestTimeRectSeries)
#include "tst_timerectseries.moc"
