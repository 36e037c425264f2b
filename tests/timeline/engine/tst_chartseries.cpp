#include "ChartTestSupport.h"

#include "timeline/engine/BackGroundSeries.h"
#include "timeline/engine/GrooveSeries.h"
#include "timeline/engine/LineSeries.h"
#include "timeline/engine/RectSeries.h"
#include "timeline/engine/SelectRectSeries.h"
#include "timeline/engine/TagSeries.h"

#include <QtTest/QtTest>

#include <climits>
#include <limits>

using namespace OrvaGUIToolkit;
using ChartTest::Bounds;

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

// Tags with 16 x 16 red markers, 2 pixels above y = 20.
struct STagFixture : SFixture<CTagSeries>
{
    STagFixture()
    {
        QPixmap pixTag(16, 16);
        pixTag.fill(Qt::red);
        option.pixTag = pixTag;
    }
    void Add(int iTime, const QString& strName = QString(), int iEnd = INT_MIN)
    {
        pSeries->AddTag(QPoint(iTime, 20), QPoint(iEnd == INT_MIN ? iTime : iEnd, 0), strName);
    }
    // The time of the marker under the point, or -1.
    int TagAt(int iX, int iY) const
    {
        int iTime = -1;
        return pSeries->TagAt(QPoint(iX, iY), iTime) ? iTime : -1;
    }
};

} // namespace

class TestChartSeries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void backgroundAndRowNames()
    {
        SFixture<CBackGroundSeries> fixture;
        fixture.option.colorLeftChartBackground = QColor(30, 30, 30);
        fixture.option.colorRightChartBackground = QColor(60, 60, 60);
        fixture.option.colorAxisName = QColor(255, 255, 0);
        fixture.AddRows(2);
        fixture.pSeries->SetName(0, QString(1 << 20, QLatin1Char('W')));
        // A name may come before its row; a negative index is ignored.
        fixture.pSeries->SetName(5, QStringLiteral("No row yet"));
        fixture.pSeries->SetName(-1, QStringLiteral("ignored"));
        QCOMPARE(fixture.pSeries->GetName(5) + fixture.pSeries->GetName(-1), QStringLiteral("No row yet"));
        // The view rectangle in the left colour, the chart (from x = 13, 4 pixels
        // wider) in the right one.
        QImage image = fixture.Paint();
        QCOMPARE(Bounds(image, QColor(30, 30, 30)), QRect(0, 0, 620, 202));
        QCOMPARE(Bounds(image, QColor(60, 60, 60)), QRect(13, 0, 604, 200));
        // Unset colours paint nothing; the (huge) name of row 0 is cut to the 24
        // pixels from y = 50 and 112 from x = 5, row 1 has none.
        fixture.option.colorLeftChartBackground = QColor();
        fixture.option.colorRightChartBackground = QColor();
        const QRect rectName = Bounds(fixture.Paint());
        QVERIFY(QRect(5, 50, 112, 24).contains(rectName) && rectName.width() > 100);
    }

    // Each layer paints only in its own band, and nothing while its picture or
    // colour is unset.
    void layersPaintInTheirBands()
    {
        // The groove: the whole chart width, 11 pixels high from the point's y.
        SFixture<CGrooveSeries> groove;
        groove.pSeries->AddPoint(0, 26);
        QCOMPARE(Bounds(groove.Paint()), QRect());
        QPixmap pixGroove(20, 11);
        pixGroove.fill(Qt::darkCyan);
        groove.option.pixGroove = pixGroove;
        QCOMPARE(Bounds(groove.Paint()), QRect(10, 26, 601, 11));

        SFixture<CRectSeries> top;
        top.pSeries->SetHeight(50);
        QCOMPARE(Bounds(top.Paint()), QRect());
        top.option.colorTopBackground = Qt::black;
        QCOMPARE(Bounds(top.Paint()), QRect(0, 0, 620, 50));

        // Play marks: two pixels wide, ending at the point's x, 48 pixels down
        // from its y; a parked (-1), NaN or outside point has none.
        SFixture<CLineSeries> marks;
        marks.option.colorMidLine = Qt::yellow;
        marks.pSeries->AddPoint(-1, 50);
        marks.pSeries->AddPoint(std::numeric_limits<double>::quiet_NaN(), 50);
        marks.pSeries->AddPoint(300, 50);
        marks.pSeries->AddPoint(600, 100); // right end: still drawn
        marks.pSeries->AddPoint(601, 98);
        const QImage image = marks.Paint();
        QCOMPARE(Bounds(image, Qt::yellow, QRect(0, 0, 400, 202)), QRect(309, 49, 2, 50));
        QCOMPARE(Bounds(image), QRect(309, 49, 302, 100));
    }

    void rowAt()
    {
        SFixture<CSelectRectSeries> fixture;
        fixture.AddRows(4);
        // A boundary belongs to the row above it.
        QList<int> listRows;
        for (int iY : {49, 50, 74, 75, 122, 123})
            listRows << fixture.pSeries->RowAt(QPoint(5, iY));
        QCOMPARE(listRows, QList<int>({-1, 0, 0, 1, 2, -1}));
        // A click outside the rows keeps the selection.
        fixture.pSeries->SelectRowAt(QPoint(0, 100));
        fixture.pSeries->SelectRowAt(QPoint(0, 10));
        QCOMPARE(fixture.pSeries->GetSelectedRow(), 2);
        // Scrolled by 24: the pixels move, the rows do not.
        fixture.panel.GetYAxis()->SetRange(24.0, 224.0);
        QCOMPARE(fixture.pSeries->RowAt(QPoint(5, 30)), 0);
    }

    // Ranges are stored low to high, in order; the last row given wins for all.
    // Drawn, they are clipped to the chart, x2 - x1 pixels wide, 22 high from
    // one below the row's top; the opacity applies to them only.
    void marquee()
    {
        SFixture<CSelectRectSeries> fixture;
        fixture.AddRows(4);
        fixture.option.colorSelectGridLine = Qt::red;
        fixture.option.colorSelectRect = QColor(0, 0, 255);
        int iRow = 7;
        QList<QPair<double, double>> listRanges;
        fixture.pSeries->AddRange(1, 200.0, 100.0);
        fixture.pSeries->AddRange(2, 300.0, 700.0);
        fixture.pSeries->GetRanges(iRow, listRanges);
        QCOMPARE(qMakePair(iRow, listRanges), qMakePair(2, QList<QPair<double, double>>{{100.0, 200.0}, {300.0, 700.0}}));
        fixture.pSeries->SetSelectedRow(0);
        // Row 0 outlined: (0, 50, view width - 1, 24). Marquee drawing is off by default.
        QCOMPARE(Bounds(fixture.Paint()), QRect(0, 50, 620, 25));
        fixture.option.openSelectRect = true;
        fixture.option.selectRectOpacity = 0.5;
        const QImage image = fixture.Paint();
        const QColor colorHalf(128, 128, 255);
        QCOMPARE(QList<QRect>({Bounds(image, colorHalf), Bounds(image, colorHalf, QRect(0, 0, 300, 202)), Bounds(image, Qt::red)}),
                 QList<QRect>({QRect(110, 99, 500, 22), QRect(110, 99, 100, 22), QRect(0, 50, 620, 25)}));
        // Clearing another row keeps them.
        fixture.pSeries->ClearRow(1);
        QCOMPARE(fixture.pSeries->GetMarqueeRow(), 2);
        fixture.pSeries->ClearRow(2);
        QCOMPARE(fixture.pSeries->GetMarqueeRow(), -1);
        // Clear() forgets the marquee only: the rows and their outline stay.
        fixture.pSeries->AddRange(3, 100.0, 200.0);
        fixture.pSeries->Clear();
        fixture.pSeries->GetRanges(iRow, listRanges);
        QCOMPARE(qMakePair(iRow, int(listRanges.size())), qMakePair(-1, 0));
        QCOMPARE(qMakePair(fixture.pSeries->GetPointCount(), fixture.pSeries->RowAt(QPoint(5, 60))), qMakePair(4, 0));
        QCOMPARE(Bounds(fixture.Paint()), QRect(0, 50, 620, 25));
    }

    void crowdedTagsAreSkipped_data()
    {
        QTest::addColumn<int>("iGap");
        QTest::addColumn<bool>("bSecondDrawn");
        QTest::newRow("markers touch") << 16 << false;
        QTest::newRow("one pixel between") << 17 << true;
    }

    void crowdedTagsAreSkipped()
    {
        QFETCH(int, iGap);
        QFETCH(bool, bSecondDrawn);
        STagFixture fixture;
        fixture.Add(100);
        fixture.Add(100 + iGap);
        QCOMPARE(Bounds(fixture.Paint()).right(), bSecondDrawn ? 117 + iGap : 117);
        // Where only the skipped marker would be, nothing is found.
        QCOMPARE(fixture.TagAt(117 + iGap, 25), bSecondDrawn ? 100 + iGap : -1);
    }

    // A marker is centred on its tag's x, 2 pixels above the tag's top. Markers
    // are laid out in insertion order: one added later but left of the previous
    // marker is not drawn, nor is one outside the chart. Hit tests follow the
    // last paint: without a picture the marker is gone; clearing forgets it at once.
    void tagAt()
    {
        STagFixture fixture;
        for (int iTime : {100, 400, 300, 700})
            fixture.Add(iTime);
        QCOMPARE(fixture.TagAt(110, 25), -1);
        fixture.Paint();
        QCOMPARE(fixture.pSeries->GetTagRects().keys(), (QList<qint64>{100, 400}));
        QList<int> listFound;
        for (const QPoint& point : {QPoint(102, 18), QPoint(417, 33), QPoint(101, 25), QPoint(110, 34), QPoint(310, 25)})
            listFound << fixture.TagAt(point.x(), point.y());
        QCOMPARE(listFound, QList<int>({100, 400, -1, -1, -1}));
        // A tag spanning the chart's left end is drawn there, keyed by the
        // range's start truncated to whole seconds.
        fixture.pSeries->Clear();
        fixture.SetRange(50.5, 650.5);
        fixture.Add(20, QString(), 80);
        QCOMPARE(Bounds(fixture.Paint()), QRect(2, 18, 16, 16));
        QCOMPARE(fixture.TagAt(5, 25), 50);
        fixture.option.pixTag = QPixmap();
        QCOMPARE(Bounds(fixture.Paint()), QRect());
        QCOMPARE(fixture.TagAt(5, 25), -1);
        fixture.option.pixTag = QPixmap(16, 16);
        fixture.Paint();
        fixture.pSeries->Clear();
        QCOMPARE(fixture.TagAt(5, 25), -1);
    }

    void tagNamesAndExtremes()
    {
        STagFixture fixture;
        fixture.Add(100, QStringLiteral("Barrier up"));
        fixture.Add(300, QStringLiteral("Plate AB-12 345"));
        fixture.Add(100, QStringLiteral("Duplicate"));
        // The first tag at a time answers for it and is the one removed.
        QCOMPARE(fixture.pSeries->GetTagName(100), QStringLiteral("Barrier up"));
        QCOMPARE(fixture.pSeries->GetTagName(200), QString());
        fixture.pSeries->RemoveTag(100);
        fixture.pSeries->RemoveTag(12345);
        QCOMPARE(fixture.pSeries->GetTagName(100), QStringLiteral("Duplicate"));
        // Times beyond 32 bits keep their key; the int lookup saturates.
        fixture.pSeries->Clear();
        fixture.SetRange(2208988800.0, 2208989400.0);
        fixture.pSeries->AddTag(Q_INT64_C(2208988900), Q_INT64_C(2208988900), 20, QString());
        QCOMPARE(Bounds(fixture.Paint()), QRect(102, 18, 16, 16));
        QCOMPARE(fixture.pSeries->GetTagRects().keys(), (QList<qint64>{Q_INT64_C(2208988900)}));
        QCOMPARE(fixture.TagAt(110, 25), INT_MAX);
        // A common top moves every marker, those added later too.
        fixture.pSeries->SetMarkerTop(INT_MIN);
        fixture.pSeries->AddTag(Q_INT64_C(2208989000), Q_INT64_C(2208989000), 20, QString());
        QCOMPARE(Bounds(fixture.Paint()), QRect());
        fixture.pSeries->SetMarkerTop(40);
        QCOMPARE(Bounds(fixture.Paint()), QRect(102, 38, 116, 16));
    }
};

QTEST_MAIN(TestChartSeries)
#include "tst_chartseries.moc"
