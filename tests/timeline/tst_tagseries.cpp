#include "ChartTestSupport.h"

#include "timeline/TagSeries.h"

#include <QtTest/QtTest>

#include <climits>

using namespace OrvaGUIToolkit;

namespace {

// A chart from x = 10, 600 pixels for 600 units, with 16 x 16 tag markers.
struct SFixture
{
    CAxisPanel panel;
    CTagSeries* pSeries = new CTagSeries;
    CChartStyleOption option;

    SFixture()
    {
        panel.AddSeries(pSeries);
        ChartTest::SetUp(panel, 10, 600, 60, 0.0, 600.0);
        QPixmap pixTag(16, 16);
        pixTag.fill(Qt::red);
        option.pixTag = pixTag;
    }
    void Add(int iTime, const QString& strName, int iEnd = INT_MIN, int iTop = 20)
    {
        pSeries->AddTag(QPoint(iTime, iTop), QPoint(iEnd == INT_MIN ? iTime : iEnd, 0), strName);
    }
    QImage Paint() { return ChartTest::Render(panel, option, QSize(630, 62)); }
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
    void nothingWithoutPicture();
};

void TestTagSeries::markerPlacement()
{
    SFixture fixture;
    fixture.Add(100, QStringLiteral("Gate opened"));
    fixture.Add(700, QStringLiteral("Outside"));
    const QImage image = fixture.Paint();
    // Centred on x = 110, 2 pixels above the tag's top.
    QCOMPARE(ChartTest::ColouredSpan(image, 25, Qt::red), qMakePair(102, 117));
    QCOMPARE(image.pixelColor(110, 17), QColor(Qt::white));
    QCOMPARE(image.pixelColor(110, 18), QColor(Qt::red));
    QCOMPARE(image.pixelColor(110, 33), QColor(Qt::red));
    QCOMPARE(image.pixelColor(110, 34), QColor(Qt::white));
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
    fixture.Add(100, QStringLiteral("first"));
    fixture.Add(100 + iGap, QStringLiteral("second"));
    const QImage image = fixture.Paint();
    QCOMPARE(fixture.pSeries->GetTagRects().size(), bSecondDrawn ? 2 : 1);
    QCOMPARE(ChartTest::ColouredSpan(image, 25, Qt::red).second, bSecondDrawn ? 117 + iGap : 117);
    // Where only the second marker would be, nothing is found.
    int iTime = -1;
    if (iGap > 0) {
        QCOMPARE(fixture.pSeries->TagAt(QPoint(117 + iGap, 25), iTime), bSecondDrawn);
        if (bSecondDrawn)
            QCOMPARE(iTime, 100 + iGap);
    }
    QVERIFY(fixture.pSeries->TagAt(QPoint(103, 25), iTime));
    QCOMPARE(iTime, 100);
}

void TestTagSeries::tagAt()
{
    SFixture fixture;
    fixture.Add(100, QStringLiteral("early"));
    fixture.Add(400, QStringLiteral("late"));
    // Markers are laid out in insertion order: one added later but left of the
    // previous marker is not drawn.
    fixture.Add(300, QStringLiteral("added late"));
    int iTime = -1;
    // Nothing painted yet.
    QVERIFY(!fixture.pSeries->TagAt(QPoint(110, 25), iTime));
    QCOMPARE(iTime, -1);
    fixture.Paint();
    QVERIFY(fixture.pSeries->TagAt(QPoint(102, 18), iTime));
    QCOMPARE(iTime, 100);
    QVERIFY(fixture.pSeries->TagAt(QPoint(417, 33), iTime));
    QCOMPARE(iTime, 400);
    QVERIFY(!fixture.pSeries->TagAt(QPoint(101, 25), iTime));
    QVERIFY(!fixture.pSeries->TagAt(QPoint(110, 34), iTime));
    QVERIFY(!fixture.pSeries->TagAt(QPoint(250, 25), iTime));
    QVERIFY(!fixture.pSeries->TagAt(QPoint(310, 25), iTime));
    // Hit tests follow the last paint: scrolled away, the tag is gone.
    fixture.panel.GetXAxis()->SetRange(1000.0, 1600.0);
    fixture.Paint();
    QVERIFY(!fixture.pSeries->TagAt(QPoint(110, 25), iTime));
}

void TestTagSeries::clippedTagIsKeyedByTheChartStart()
{
    SFixture fixture;
    fixture.panel.GetXAxis()->SetRange(50.5, 650.5);
    // A tag spanning the chart's left end is drawn there.
    fixture.Add(20, QStringLiteral("long"), 80);
    const QImage image = fixture.Paint();
    QCOMPARE(ChartTest::ColouredSpan(image, 25, Qt::red), qMakePair(2, 17));
    int iTime = -1;
    QVERIFY(fixture.pSeries->TagAt(QPoint(5, 25), iTime));
    QCOMPARE(iTime, 50);
}

void TestTagSeries::namesAndRemoval()
{
    SFixture fixture;
    fixture.Add(100, QStringLiteral("Barrier up"));
    fixture.Add(300, QStringLiteral("Plate AB-12 345"));
    fixture.Add(100, QStringLiteral("Duplicate"));
    QCOMPARE(fixture.pSeries->GetTagName(100), QStringLiteral("Barrier up"));
    QCOMPARE(fixture.pSeries->GetTagName(200), QString());
    fixture.pSeries->RemoveTag(100);
    QCOMPARE(fixture.pSeries->GetTagCount(), 2);
    QCOMPARE(fixture.pSeries->GetTagName(100), QStringLiteral("Duplicate"));
    fixture.pSeries->RemoveTag(12345);
    QCOMPARE(fixture.pSeries->GetTagCount(), 2);

    fixture.Paint();
    QVERIFY(!fixture.pSeries->GetTagRects().isEmpty());
    fixture.pSeries->Clear();
    QCOMPARE(fixture.pSeries->GetTagCount(), 0);
    int iTime = -1;
    QVERIFY(!fixture.pSeries->TagAt(QPoint(110, 25), iTime));
    QCOMPARE(fixture.pSeries->SeriesType(), 8);
}

void TestTagSeries::nothingWithoutPicture()
{
    SFixture fixture;
    fixture.Add(100, QStringLiteral("tag"));
    fixture.Paint();
    QCOMPARE(fixture.pSeries->GetTagRects().size(), 1);
    fixture.option.pixTag = QPixmap();
    const QImage image = fixture.Paint();
    QCOMPARE(ChartTest::ColouredSpan(image, 25, Qt::red), qMakePair(-1, -1));
    int iTime = -1;
    QVERIFY(!fixture.pSeries->TagAt(QPoint(110, 25), iTime));
    // Extreme times neither crash nor wrap around.
    fixture.option.pixTag = QPixmap(16, 16);
    fixture.Add(INT_MIN, QStringLiteral("min"), INT_MAX);
    fixture.Add(INT_MAX, QStringLiteral("max"));
    fixture.panel.GetXAxis()->SetRange(-1.0e12, 1.0e12);
    fixture.Paint();
}

QTEST_MAIN(TestTagSeries)
#include "tst_tagseries.moc"
