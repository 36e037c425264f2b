#include "ChartTestSupport.h"

#include "timeline/TagSeries.h"

#include <QtTest/QtTest>

#include <climits>

using namespace OrvaGUIToolkit;
using ChartTest::ColouredSpan;

namespace {

// A chart from x = 10, 600 pixels for 600 units, with 16 x 16 red markers.
struct SFixture : ChartTest::SFixture<CTagSeries>
{
    SFixture()
        : ChartTest::SFixture<CTagSeries>(new CTagSeries)
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

class TestTagSeries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markerPlacement();
    void crowdedTagsAreSkipped_data();
    void crowdedTagsAreSkipped();
    void tagAt();
    void clippedTagIsKeyedByTheChartStart();
    void namesAndRemoval();
    void badInput();
};

void TestTagSeries::markerPlacement()
{
    SFixture fixture;
    fixture.Add(100);
    fixture.Add(700);
    const QImage image = fixture.Paint();
    // Centred on x = 110, 2 pixels above the tag's top; the one outside is not drawn.
    QCOMPARE(ColouredSpan(image, 25, Qt::red), qMakePair(102, 117));
    QCOMPARE(ColouredSpan(image, 110, Qt::red, Qt::Vertical), qMakePair(18, 33));
    QCOMPARE(fixture.pSeries->GetTagRects(), (QMap<int, QRect>{{100, QRect(102, 18, 16, 16)}}));
}

void TestTagSeries::crowdedTagsAreSkipped_data()
{
    QTest::addColumn<int>("iGap");
    QTest::addColumn<bool>("bSecondDrawn");
    QTest::newRow("3 pixels apart") << 3 << false;
    QTest::newRow("markers touch") << 16 << false;
    QTest::newRow("one pixel between") << 17 << true;
    QTest::newRow("same time") << 0 << false;
}

void TestTagSeries::crowdedTagsAreSkipped()
{
    QFETCH(int, iGap);
    QFETCH(bool, bSecondDrawn);
    SFixture fixture;
    fixture.Add(100);
    fixture.Add(100 + iGap);
    const QImage image = fixture.Paint();
    QCOMPARE(fixture.pSeries->GetTagRects().size(), bSecondDrawn ? 2 : 1);
    QCOMPARE(ColouredSpan(image, 25, Qt::red).second, bSecondDrawn ? 117 + iGap : 117);
    // Where only the skipped marker would be, nothing is found.
    if (iGap > 0)
        QCOMPARE(fixture.TagAt(117 + iGap, 25), bSecondDrawn ? 100 + iGap : -1);
    QCOMPARE(fixture.TagAt(103, 25), 100);
}

void TestTagSeries::tagAt()
{
    SFixture fixture;
    fixture.Add(100);
    fixture.Add(400);
    // Markers are laid out in insertion order: one added later but left of the
    // previous marker is not drawn.
    fixture.Add(300);
    // Nothing painted yet.
    QCOMPARE(fixture.TagAt(110, 25), -1);
    fixture.Paint();
    QCOMPARE(fixture.TagAt(102, 18), 100);
    QCOMPARE(fixture.TagAt(417, 33), 400);
    QCOMPARE(fixture.TagAt(101, 25), -1);
    QCOMPARE(fixture.TagAt(110, 34), -1);
    QCOMPARE(fixture.TagAt(250, 25), -1);
    QCOMPARE(fixture.TagAt(310, 25), -1);
    // Hit tests follow the last paint: scrolled away, the tag is gone.
    fixture.SetRange(1000.0, 1600.0);
    fixture.Paint();
    QCOMPARE(fixture.TagAt(110, 25), -1);
}

void TestTagSeries::clippedTagIsKeyedByTheChartStart()
{
    SFixture fixture;
    fixture.SetRange(50.5, 650.5);
    // A tag spanning the chart's left end is drawn there, keyed by the
    // range's start truncated to whole seconds.
    fixture.Add(20, QString(), 80);
    QCOMPARE(ColouredSpan(fixture.Paint(), 25, Qt::red), qMakePair(2, 17));
    QCOMPARE(fixture.TagAt(5, 25), 50);
}

void TestTagSeries::namesAndRemoval()
{
    SFixture fixture;
    fixture.Add(100, QStringLiteral("Barrier up"));
    fixture.Add(300, QStringLiteral("Plate AB-12 345"));
    fixture.Add(100, QStringLiteral("Duplicate"));
    // The first tag at a time answers for it and is the one removed.
    QCOMPARE(fixture.pSeries->GetTagName(100), QStringLiteral("Barrier up"));
    QCOMPARE(fixture.pSeries->GetTagName(200), QString());
    fixture.pSeries->RemoveTag(100);
    QCOMPARE(fixture.pSeries->GetTagCount(), 2);
    QCOMPARE(fixture.pSeries->GetTagName(100), QStringLiteral("Duplicate"));
    fixture.pSeries->RemoveTag(12345);
    QCOMPARE(fixture.pSeries->GetTagCount(), 2);
    // Clearing forgets the painted markers too.
    fixture.Paint();
    fixture.pSeries->Clear();
    QCOMPARE(fixture.pSeries->GetTagCount(), 0);
    QCOMPARE(fixture.TagAt(110, 25), -1);
}

void TestTagSeries::badInput()
{
    SFixture fixture;
    fixture.Add(100);
    fixture.Paint();
    QCOMPARE(fixture.TagAt(110, 25), 100);
    // No picture: nothing drawn, nothing to hit.
    fixture.option.pixTag = QPixmap();
    QCOMPARE(ColouredSpan(fixture.Paint(), 25, Qt::red), qMakePair(-1, -1));
    QCOMPARE(fixture.TagAt(110, 25), -1);
    // Extreme times neither crash nor wrap around: both land mid-chart, so
    // the second is crowded out.
    fixture.option.pixTag = QPixmap(16, 16);
    fixture.pSeries->Clear();
    fixture.Add(INT_MIN, QString(), INT_MAX);
    fixture.Add(INT_MAX);
    fixture.SetRange(-1.0e12, 1.0e12);
    fixture.Paint();
    QCOMPARE(fixture.pSeries->GetTagRects().keys(), (QList<int>{INT_MIN}));
}

QTEST_MAIN(TestTagSeries)
#include "tst_tagseries.moc"
