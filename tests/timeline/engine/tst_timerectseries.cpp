#include "ChartTestSupport.h"

#include "timeline/engine/TimeRectSeries.h"

#include <QtTest/QtTest>

#include <climits>

using namespace OrvaGUIToolkit;
using ChartTest::Bounds;

namespace {

const QColor s_colorRed(Qt::red);
const QColor s_colorBlue(Qt::blue);

// A chart from x = 10, 600 pixels wide, with the horizontal range [dMin, dMax].
struct SFixture : ChartTest::SFixture<CTimeRectSeries>
{
    explicit SFixture(double dMin = 0.0, double dMax = 600.0)
        : ChartTest::SFixture<CTimeRectSeries>(new CTimeRectSeries, dMin, dMax) {}
    // By default a band from y = 29, 7 rows high.
    void Add(int iBegin, int iEnd, const QColor& color, int iType = 0, int iTop = 29, int iBottom = 36)
    {
        pSeries->AddRect(QPoint(iBegin, iTop), QPoint(iEnd, iBottom), color, iType);
    }
};

using SegmentList = QVector<QVector<int>>; // {type, begin, end}

// The painted runs of columns along row iY, as first and last x.
QVector<QPair<int, int>> Runs(const QImage& image, int iY)
{
    QVector<QPair<int, int>> vecRuns;
    for (int iX = 0; iX < image.width(); ++iX) {
        if (image.pixelColor(iX, iY) == QColor(Qt::white))
            continue;
        if (!vecRuns.isEmpty() && vecRuns.last().second == iX - 1)
            vecRuns.last().second = iX;
        else
            vecRuns.append({iX, iX});
    }
    return vecRuns;
}

} // namespace

class TestTimeRectSeries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void laterSegmentsMoveWithTheFirst()
    {
        // 600 pixels over 400 units: 1.5 pixels per unit.
        SFixture fixture(0.0, 400.0);
        fixture.Add(10, 10, s_colorRed);
        fixture.Add(11, 11, s_colorBlue);
        // Drawn from the group's top (29), two rows high.
        fixture.Add(40, 60, s_colorBlue, 0, 40, 42);
        fixture.Paint();
        // Cached from the scale of the last calculation: x = qRound(16.5) from the
        // chart's left, width = pixel of the end - pixel of the begin + 1.
        const QVector<STimeRect> vecRects = fixture.pSeries->GetRects(0);
        QCOMPARE(QList<int>({vecRects.at(1).pixelX, vecRects.at(2).pixelX, vecRects.at(2).pixelWidth}), QList<int>({27, 70, 31}));

        // A quarter unit to the right, same span: no recalculation. The first
        // segment lands exactly (qRound(14.625) = 15, no shift); the second keeps
        // its cached pixel, one right of its exact one (qRound(16.125) = 16).
        fixture.SetRange(0.25, 400.25);
        const QImage image = fixture.Paint();
        QCOMPARE(QList<QRect>({Bounds(image, s_colorRed), Bounds(image, s_colorBlue, QRect(0, 0, 60, 62)),
                               Bounds(image, s_colorBlue, QRect(60, 0, 570, 62))}),
                 QList<QRect>({QRect(25, 29, 1, 7), QRect(27, 29, 1, 7), QRect(70, 29, 31, 2)}));

        // A new scale recalculates: every segment is exact again (3 pixels a
        // unit: 10.75 units from the start are 32.25 pixels, from x = 10).
        fixture.SetRange(0.25, 200.25);
        fixture.Paint();
        QCOMPARE(fixture.pSeries->GetRects(0).at(1).pixelX, 42);
    }

    void typeFilter_data()
    {
        QTest::addColumn<QList<int>>("listFilter");
        QTest::addColumn<QList<int>>("listDrawn");
        QTest::newRow("two types") << QList<int>{2, 5} << QList<int>{2, 5};
        QTest::newRow("-1 among others") << QList<int>{7, -1} << QList<int>{1, 2, 5};
        QTest::newRow("empty") << QList<int>{} << QList<int>{};
    }

    void typeFilter()
    {
        QFETCH(QList<int>, listFilter);
        QFETCH(QList<int>, listDrawn);
        SFixture fixture;
        // Type k covers [100 k, 100 k + 20].
        for (int iType : {1, 2, 5})
            fixture.Add(100 * iType, 100 * iType + 20, s_colorRed, iType);
        // A filter set between two paints at the same range shows at the second.
        fixture.Paint();
        fixture.pSeries->SetTypeFilter(listFilter);
        QCOMPARE(fixture.pSeries->GetTypeFilter(), listFilter);
        const QImage image = fixture.Paint();
        for (int iType : {1, 2, 5})
            QCOMPARE(image.pixelColor(100 * iType + 20, 32) == s_colorRed, listDrawn.contains(iType));
        // Filtered-out groups leave no band to hit.
        QCOMPARE(fixture.pSeries->HitTest(QPoint(0, 32)), !listDrawn.isEmpty());
    }

    void hitTest_data()
    {
        QTest::addColumn<bool>("bMapY");
        QTest::addColumn<int>("iTop");
        QTest::addColumn<int>("iBottom");
        QTest::newRow("band in pixels") << false << 29 << 36;
        // Rows in pixels of an unscaled, upright vertical axis scrolled by 24:
        // values 60 to 84 are drawn from 36 to 60.
        QTest::newRow("mapped rows") << true << 36 << 60;
    }

    void hitTest()
    {
        QFETCH(bool, bMapY);
        QFETCH(int, iTop);
        QFETCH(int, iBottom);
        SFixture fixture;
        CChartAxis* pYAxis = fixture.panel.GetYAxis();
        if (bMapY) {
            pYAxis->SetReversed(false);
            pYAxis->SetScaled(false);
            pYAxis->SetRange(24.0, 84.0);
            fixture.pSeries->SetMapY(true);
        }
        fixture.Add(100, 200, s_colorRed, 0, bMapY ? 60 : 29, bMapY ? 84 : 36);
        // The point's y goes through the vertical axis like the band's, so a mouse
        // pixel is turned into a value first. The band is a row: any x hits.
        auto hits = [&](int iY) {
            return fixture.pSeries->HitTest(QPoint(5000, bMapY ? iY + 24 : iY));
        };
        // Nothing painted yet, not even where the unset band would be.
        QVERIFY(!hits(-1));
        QCOMPARE(Bounds(fixture.Paint()), QRect(110, iTop, 101, iBottom - iTop));
        QCOMPARE(qMakePair(fixture.pSeries->GetBandTop(), fixture.pSeries->GetBandBottom()), qMakePair(iTop, iBottom));
        for (int iY = iTop - 1; iY <= iBottom + 1; ++iY)
            QCOMPARE(hits(iY), iY >= iTop && iY <= iBottom);
        // A paint that shows no segment forgets the band.
        fixture.SetRange(1000.0, 1600.0);
        fixture.Paint();
        QVERIFY(!hits(iTop));
    }

    void validRange_data()
    {
        QTest::addColumn<SegmentList>("segments");
        QTest::addColumn<qint64>("iTime1");
        QTest::addColumn<qint64>("iTime2");
        QTest::addColumn<qint64>("iStart"); // -1: no valid range
        QTest::addColumn<qint64>("iEnd");

        const SegmentList two{{1, 100, 200}, {1, 400, 500}, {2, 250, 300}, {2, 700, 800}};
        QTest::newRow("both ends covered") << two << qint64(150) << qint64(450) << qint64(150) << qint64(450);
        QTest::newRow("inside one gap") << two << qint64(310) << qint64(390) << qint64(-1) << qint64(-1);
        QTest::newRow("touches an end") << two << qint64(300) << qint64(350) << qint64(300) << qint64(300);
        // A group with nothing after the start must not pull the start back to it.
        QTest::newRow("group without later segment")
            << SegmentList{{1, 100, 200}, {2, 250, 300}} << qint64(210) << qint64(650) << qint64(250) << qint64(300);
        QTest::newRow("group without earlier segment")
            << SegmentList{{1, 600, 700}, {2, 250, 300}} << qint64(210) << qint64(450) << qint64(250) << qint64(300);
        // Groups filled out of order still give the earliest begin and latest end.
        QTest::newRow("out of order")
            << SegmentList{{1, 400, 420}, {1, 300, 320}, {1, 600, 610}, {1, 500, 510}} << qint64(250) << qint64(550)
            << qint64(300) << qint64(510);
    }

    void validRange()
    {
        QFETCH(SegmentList, segments);
        QFETCH(qint64, iTime1);
        QFETCH(qint64, iTime2);
        QFETCH(qint64, iStart);
        QFETCH(qint64, iEnd);
        const bool bValid = iStart >= 0;
        SFixture fixture;
        for (const QVector<int>& segment : segments)
            fixture.Add(segment.at(1), segment.at(2), s_colorRed, segment.at(0));
        // Ranges depend on the data only, not on what was painted.
        for (bool bPainted : {false, true}) {
            if (bPainted) {
                fixture.SetRange(250.0, 260.0);
                fixture.Paint();
            }
            QCOMPARE(fixture.pSeries->HasTimeIn(iTime1, iTime2), bValid);
            qint64 iGotStart = -7;
            qint64 iGotEnd = -7;
            QCOMPARE(fixture.pSeries->GetValidRange(iTime1, iTime2, iGotStart, iGotEnd), bValid);
            if (bValid)
                QCOMPARE(qMakePair(iGotStart, iGotEnd), qMakePair(iStart, iEnd));
        }
    }

    // Segments added out of order, nested and straddling either end of the
    // chart, drawn at one pixel a unit from x = 10, then scrolled at that scale.
    void unorderedAndNestedSegments()
    {
        SFixture fixture;
        for (const QPair<int, int>& segment : {qMakePair(300, 320), qMakePair(100, 150), qMakePair(590, 700),
                                               qMakePair(120, 130), qMakePair(-50, 20), qMakePair(500, 560)})
            fixture.Add(segment.first, segment.second, s_colorRed);
        using RunList = QVector<QPair<int, int>>;
        QCOMPARE(Runs(fixture.Paint(), 32), (RunList{{10, 30}, {110, 160}, {310, 330}, {510, 570}, {600, 610}}));
        fixture.SetRange(50.0, 650.0);
        QCOMPARE(Runs(fixture.Paint(), 32), (RunList{{60, 110}, {260, 280}, {460, 520}, {550, 610}}));
    }

    void badInput()
    {
        // Rows at the ends of the int range overflow nothing: the first band ends
        // above the image, the upside-down second one covers it all.
        SFixture fixture;
        fixture.Add(100, 200, s_colorBlue, 1, INT_MIN, INT_MAX);
        fixture.Add(300, 400, s_colorBlue, 2, INT_MAX, INT_MIN);
        QCOMPARE(Bounds(fixture.Paint(), s_colorBlue), QRect(310, 0, 101, 62));
        fixture.pSeries->PlaceInBand(29, 36);
        QCOMPARE(Bounds(fixture.Paint(), s_colorBlue), QRect(110, 29, 301, 7));

        // Placed in 1970, then scrolled to 2040 at one scale: the cached pixels
        // of 1970 would lie beyond the pixel limit. A segment spanning every
        // time is clipped to the chart.
        fixture.pSeries->Clear();
        fixture.pSeries->AddRect(Q_INT64_C(-4611686018427387904), Q_INT64_C(4611686018427387903), 29, 36, s_colorBlue, 1);
        fixture.pSeries->AddRect(Q_INT64_C(2208989200), Q_INT64_C(2208989250), 29, 36, s_colorRed, 1);
        QCOMPARE(Bounds(fixture.Paint(), s_colorBlue), QRect(10, 29, 601, 7));
        fixture.SetRange(2208988850.0, 2208989450.0);
        QCOMPARE(Bounds(fixture.Paint(), s_colorRed), QRect(360, 29, 51, 7));

        // Rows scrolled to INT_MIN lie far below the view: pinned, and never hit.
        SFixture rows;
        rows.pSeries->SetMapY(true);
        rows.panel.GetYAxis()->SetReversed(false);
        rows.panel.GetYAxis()->SetScaled(false);
        rows.panel.GetYAxis()->SetRange(double(INT_MIN), double(INT_MIN) + 60.0);
        rows.Add(100, 200, s_colorRed, 0, 60, 84);
        rows.Paint();
        QCOMPARE(qMakePair(rows.pSeries->GetBandTop(), rows.pSeries->GetBandBottom()), qMakePair(1000000000, 1000000000));
        QVERIFY(!rows.pSeries->HitTestPixelRow(1000000000) && !rows.pSeries->HitTest(QPoint(0, INT_MIN)));

        // A huge series: a week of 200 000 segments.
        fixture.pSeries->Clear();
        for (int i = 0; i < 200000; ++i)
            fixture.Add(i * 3, i * 3 + 2, s_colorRed);
        fixture.SetRange(300000.0, 386400.0);
        QCOMPARE(Bounds(fixture.Paint()), QRect(10, 29, 601, 7));
        qint64 iStart = 0;
        qint64 iEnd = 0;
        QVERIFY(fixture.pSeries->GetValidRange(1, 600001, iStart, iEnd));
        QCOMPARE(qMakePair(iStart, iEnd), qMakePair(qint64(1), qint64(599999)));

        // A series outside any panel draws nothing and hits nothing.
        CTimeRectSeries orphan;
        orphan.AddRect(QPoint(0, 0), QPoint(10, 10), Qt::red, 0);
        orphan.Calculate();
        QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        orphan.Paint(&painter, CChartStyleOption());
        QVERIFY(!orphan.HitTest(QPoint(5, 5)));
    }
};

QTEST_MAIN(TestTimeRectSeries)
#include "tst_timerectseries.moc"
